#include "qt/file_errors.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <optional>

namespace belegix {

namespace {

// The file a save really writes: a link is followed to its target, also when that target does
// not exist yet (as QSaveFile does).
QString WrittenFile(const QString& path, bool* throughLink) {
    QFileInfo info(QFileInfo(path).absoluteFilePath());
    int depth = 128;
    while (--depth > 0 && info.isSymLink()) {
        info.setFile(info.symLinkTarget());
        *throughLink = true;
    }
    return depth > 0 ? info.absoluteFilePath() : QFileInfo(path).absoluteFilePath();
}

int StatError(const QByteArray& path, struct stat* st) {
    return ::stat(path.constData(), st) == 0 ? 0 : errno;
}

// Whether the old file may be written: opened for writing, nothing changed.
int OpenForWritingError(const QByteArray& path) {
    const int fd = ::open(path.constData(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return errno;
    ::close(fd);
    return 0;
}

// Whether `folder` takes a new file of `bytes` bytes: one is made, given its room and removed.
int NewFileError(const QByteArray& folder, qint64 bytes) {
    QByteArray probe = folder + "/.belegix-XXXXXX";
    const int fd = ::mkostemp(probe.data(), O_CLOEXEC);
    if (fd < 0) return errno;
    const int room = bytes > 0 ? ::posix_fallocate(fd, 0, static_cast<off_t>(bytes)) : 0;
    ::close(fd);
    ::unlink(probe.constData());
    return room;
}

std::optional<SaveProblem> FromError(int error) {
    switch (error) {
        case EROFS:
            return SaveProblem::ReadOnlyDevice;
        case EACCES:
        case EPERM:
            return SaveProblem::ReadOnlyFolder;
        case ENOSPC:
        case EDQUOT:
            return SaveProblem::DeviceFull;
        case ENAMETOOLONG:
            return SaveProblem::NameTooLong;
        default:
            return std::nullopt;
    }
}

}  // namespace

std::string_view ReasonText(SaveProblem problem) {
    switch (problem) {
        case SaveProblem::MissingFolder:
            return "Den Ordner gibt es nicht.";
        case SaveProblem::LinkIntoMissingFolder:
            return "Die Datei ist eine Verknüpfung in einen Ordner, den es nicht gibt.";
        case SaveProblem::NotAFolder:
            return "An der Stelle des Ordners steht eine Datei.";
        case SaveProblem::FolderInTheWay:
            return "Unter diesem Namen gibt es schon einen Ordner.";
        case SaveProblem::FolderNotReachable:
            return "Auf den Ordner hast Du keinen Zugriff.";
        case SaveProblem::NameTooLong:
            return "Der Dateiname ist zu lang. Wähle bitte einen kürzeren Namen.";
        case SaveProblem::PathTooLong:
            return "Ordner und Dateiname sind zusammen zu lang. Wähle bitte einen kürzeren Namen "
                   "oder einen anderen Ordner.";
        case SaveProblem::ReadOnlyFile:
            return "Die Datei ist schreibgeschützt.";
        case SaveProblem::ReadOnlyFolder:
            return "Der Ordner ist schreibgeschützt.";
        case SaveProblem::ReadOnlyDevice:
            return "Der Datenträger ist schreibgeschützt.";
        case SaveProblem::DeviceFull:
            return "Der Datenträger ist voll.";
        case SaveProblem::WriteFailed:
            return "Beim Schreiben auf den Datenträger ist ein Fehler aufgetreten.";
        case SaveProblem::RenameFailed:
            return "Die neue Datei konnte die bisherige nicht ersetzen.";
        case SaveProblem::Unknown:
            break;
    }
    return "Die Datei ließ sich nicht anlegen.";
}

int MaxSavableNameBytes(const QString& folder) {
    const long limit = ::pathconf(QFile::encodeName(folder).constData(), _PC_NAME_MAX);
    return static_cast<int>(limit > 0 ? limit : NAME_MAX) - 7;
}

SaveProblem FindSaveProblem(const QString& path, QFileDevice::FileError error, qint64 bytes) {
    bool throughLink = false;
    const QFileInfo file(WrittenFile(path, &throughLink));
    const QByteArray target = QFile::encodeName(file.absoluteFilePath());
    const QByteArray folder = QFile::encodeName(file.absolutePath());
    if (target.size() >= PATH_MAX) return SaveProblem::PathTooLong;

    struct stat st {};
    switch (StatError(folder, &st)) {
        case 0:
            break;
        case ENOENT:
        case ENOTDIR:
            return throughLink ? SaveProblem::LinkIntoMissingFolder : SaveProblem::MissingFolder;
        case EACCES:
            return SaveProblem::FolderNotReachable;
        case ENAMETOOLONG:
            return SaveProblem::PathTooLong;
        default:
            return SaveProblem::Unknown;
    }
    if (!S_ISDIR(st.st_mode)) return SaveProblem::NotAFolder;
    const bool exists = StatError(target, &st) == 0;
    if (exists && S_ISDIR(st.st_mode)) return SaveProblem::FolderInTheWay;
    if (QFile::encodeName(file.fileName()).size() > MaxSavableNameBytes(file.absolutePath()))
        return SaveProblem::NameTooLong;

    if (exists && S_ISREG(st.st_mode)) {
        const int old = OpenForWritingError(target);
        if (old == EROFS) return SaveProblem::ReadOnlyDevice;
        if (old == EACCES || old == EPERM) return SaveProblem::ReadOnlyFile;
    }
    if (const auto problem = FromError(NewFileError(folder, bytes))) return *problem;

    switch (error) {
        case QFileDevice::WriteError:
        case QFileDevice::ResourceError:
            return SaveProblem::WriteFailed;
        case QFileDevice::RenameError:
            return SaveProblem::RenameFailed;
        default:
            return SaveProblem::Unknown;
    }
}

std::string SaveFailureReason(const QString& path, QFileDevice::FileError error, qint64 bytes) {
    return std::string(ReasonText(FindSaveProblem(path, error, bytes)));
}

}  // namespace belegix
