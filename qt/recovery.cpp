#include "qt/recovery.h"

#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>
#include <cstring>

namespace belegix {

namespace {

std::string Reason(int error) {
    switch (error) {
        case ENOSPC:
        case EDQUOT:
            return "Der Datenträger ist voll.";
        case EACCES:
        case EPERM:
            return "Das Programm darf in diesen Ordner nicht schreiben.";
        case EROFS:
            return "Der Datenträger ist schreibgeschützt.";
        case ENOENT:
        case ENOTDIR:
            return "Den Ordner gibt es nicht.";
        default:
            return std::strerror(error);
    }
}

}  // namespace

QString RecoveryPath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("wiederherstellung.belegix"));
}

std::string WriteDurably(const QString& path, const std::string& text) {
    const QFileInfo info(path);
    const QString folder = info.absolutePath();
    if (!QDir().mkpath(folder)) return Reason(errno != 0 ? errno : EACCES);
    const QByteArray target = QFile::encodeName(info.absoluteFilePath());
    QByteArray temp = QFile::encodeName(folder + QStringLiteral("/.wiederherstellung-XXXXXX"));
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return Reason(errno);
    int error = 0;
    for (std::size_t done = 0; done < text.size() && error == 0;) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno != EINTR)
            error = errno;
        else if (n > 0)
            done += static_cast<std::size_t>(n);
    }
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && ::rename(temp.constData(), target.constData()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temp.constData());
        return Reason(error);
    }
    // The rename itself is on the disk only once the folder is.
    const QByteArray dir = QFile::encodeName(folder);
    if (const int dirFd = ::open(dir.constData(), O_RDONLY | O_DIRECTORY); dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return {};
}

std::optional<RecoveredPlan> ReadRecovery(const QString& path) {
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError) return std::nullopt;
    return RecoveredPlan{bytes.toStdString(), QFileInfo(path).lastModified()};
}

}  // namespace belegix
