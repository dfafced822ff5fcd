// Why a plan file could not be saved, found out on the spot: the save only knows that opening,
// writing or renaming failed, so the folder, the name, the old file and the device are looked
// at again and the true cause is named in German.
#pragma once

#include <QFileDevice>
#include <QString>
#include <string>
#include <string_view>

namespace belegix {

enum class SaveProblem {
    MissingFolder,          // the folder of the file does not exist
    LinkIntoMissingFolder,  // the file is a link into a folder that does not exist
    NotAFolder,             // what should be the folder is a file
    FolderInTheWay,         // a folder has the file's name
    FolderNotReachable,     // a folder on the way may not be entered
    NameTooLong,            // the name, or the name of the new file written beside it
    PathTooLong,
    ReadOnlyFile,
    ReadOnlyFolder,
    ReadOnlyDevice,
    DeviceFull,
    WriteFailed,   // none of the above: writing failed
    RenameFailed,  // none of the above: the finished file could not replace the old one
    Unknown,
};

// The German sentence for a problem, as the student reads it after "could not be saved".
std::string_view ReasonText(SaveProblem problem);

// Looks for the cause of a save to `path` (`bytes` long) that failed with `error`.
SaveProblem FindSaveProblem(const QString& path, QFileDevice::FileError error, qint64 bytes);

// ReasonText(FindSaveProblem(...)).
std::string SaveFailureReason(const QString& path, QFileDevice::FileError error, qint64 bytes);

// The longest file name (in bytes) that can be saved in `folder` and saved again: a save writes
// a new file beside the old one whose name is 7 bytes longer (".XXXXXX"), and a name must fit
// the file system's limit (255 bytes on Linux).
int MaxSavableNameBytes(const QString& folder);

}  // namespace belegix
