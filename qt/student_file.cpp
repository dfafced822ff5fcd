#include "qt/student_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextBoundaryFinder>

namespace belegix {

namespace {

bool Pictographic(char32_t c) {
    return QChar::category(c) == QChar::Symbol_Other || (c >= 0x1F000 && c <= 0x1FAFF);
}

// Inside an emoji sequence the joiner and the tag characters of a subdivision flag belong to
// the picture.
bool EmojiJoiner(char32_t c) {
    return c == 0x200D || (c >= 0xE0020 && c <= 0xE007F);
}

bool Unsafe(char32_t c) {
    switch (QChar::category(c)) {
        case QChar::Other_Control:
        case QChar::Other_Format:
        case QChar::Other_Surrogate:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
            return true;
        default:
            break;
    }
    return c < 0x80 && QByteArrayView("/\\:*?\"<>|").contains(static_cast<char>(c));
}

// One whole character with its unsafe code points replaced.
QString SafeCharacter(const QString& cluster) {
    const QList<uint> points = cluster.toUcs4();
    const bool emoji = !points.isEmpty() && Pictographic(points.front());
    QString safe;
    for (const uint p : points) {
        const auto c = static_cast<char32_t>(p);
        if (Unsafe(c) && !(emoji && EmojiJoiner(c)))
            safe += QLatin1Char('_');
        else
            safe += QString::fromUcs4(&c, 1);
    }
    return safe;
}

}  // namespace

QString StudentFileName(const QString& name, const QString& firstName, const QString& extension) {
    const QString text = QStringLiteral("Kurswahl_%1_%2").arg(name, firstName);
    qsizetype room = kMaxFileNameBytes - extension.toUtf8().size();
    QString file;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype start = 0;
    for (qsizetype end = finder.toNextBoundary(); end > 0; end = finder.toNextBoundary()) {
        const QString character = SafeCharacter(text.mid(start, end - start));
        room -= character.toUtf8().size();
        if (room < 0) break;
        file += character;
        start = end;
    }
    return file + extension;
}

bool CanWriteFile(const QString& path) {
    const QFileInfo info(path);
    if (info.isDir()) return false;
    if (info.exists() && !info.isFile()) return info.isWritable();
    // A new file next to it shows that the folder takes one; it is removed again.
    QSaveFile probe(path);
    probe.setDirectWriteFallback(false);
    if (!probe.open(QIODevice::WriteOnly)) return false;
    probe.cancelWriting();
    return true;
}

bool WriteWholeFile(const QString& path, const QByteArray& bytes) {
    const QFileInfo info(path);
    if (info.isDir()) return false;
    if (info.exists() && !info.isFile()) {
        // A device: it cannot be replaced, only written.
        QFile device(path);
        if (!device.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
        const bool whole = device.write(bytes) == bytes.size();
        device.close();
        return whole && device.error() == QFileDevice::NoError;
    }
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly)) return false;
    // QSaveFile commits even when its last buffered write failed (a full device), replacing the
    // old file with a short one: that write is checked before.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        file.commit();  // removes the new file, keeps the old one
        return false;
    }
    if (!file.commit()) return false;
    if (QFileInfo(path).size() != bytes.size()) {
        QFile::remove(path);
        return false;
    }
    return true;
}

}  // namespace belegix
