// Files the student keeps: a name proposed from the personal data, and a whole file written so
// that a full disk or a failing device leaves no damaged file behind.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace belegix {

// "Kurswahl_Name_Vorname" followed by `extension` (".pdf"): characters a file name cannot hold,
// control, format and separator characters (bidi overrides, U+2028, zero-width joiners outside
// an emoji) become "_"; the name is cut after a whole character to at most kMaxFileNameBytes
// bytes of UTF-8, the extension included.
QString StudentFileName(const QString& name, const QString& firstName, const QString& extension);
inline constexpr int kMaxFileNameBytes = 200;

// Whether `path` can be written: its folder exists and takes a new file, or it names a device.
// Creates nothing that stays.
bool CanWriteFile(const QString& path);

// Writes `bytes` as the whole content of `path`: into a new file in the same folder that then
// replaces `path` once every byte is written and its size checked, so that a failed or short
// write leaves the old file (or none) and no partial one. A device (not a regular file) is
// written directly, every write checked. Returns false when anything failed.
bool WriteWholeFile(const QString& path, const QByteArray& bytes);

}  // namespace belegix
