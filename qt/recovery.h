// The recovery file: the plan as it stands, kept in the student's data folder after every change,
// so that a crash, a power cut or a window closed without saving loses nothing. It is written
// beside its place and renamed over it once complete and on the disk, so that it always holds the
// last complete plan.
#pragma once

#include <QDateTime>
#include <QString>
#include <optional>
#include <string>

namespace belegix {

// "wiederherstellung.belegix" in the user's data folder (QStandardPaths::AppDataLocation).
QString RecoveryPath();

// Writes `text` to `path` so that `path` holds either its old or its new content, whatever
// happens: a temporary file in the same folder, written, synced, renamed over `path`, and the
// folder synced. Makes the folder when it is missing. The German reason of a failure, or empty.
std::string WriteDurably(const QString& path, const std::string& text);

struct RecoveredPlan {
    std::string text;  // the plan's file text
    QDateTime written;
};
// The recovery file at `path`, if there is one that can be read.
std::optional<RecoveredPlan> ReadRecovery(const QString& path);

}  // namespace belegix
