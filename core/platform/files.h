// The seam between the planner's core and the operating system: reading a plan file whole, file
// names as UTF-8 and the command line as UTF-8. files_posix.cpp serves Linux, files_windows.cpp
// Windows; nothing else in the core asks which system it runs on.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace belegix::platform {

enum class FileError {
    None,
    Missing,     // no such file (or a folder on the way is missing)
    Denied,      // no permission to read it
    Folder,      // a folder, not a file
    NotRegular,  // a device, pipe, FIFO or socket: refused before any read
    TooLarge,    // more than the limit (also when it grows while being read)
    OpenFailed,  // any other failure to open it
    ReadFailed,  // opened, but reading failed
};

struct FileBytes {
    std::string bytes;  // the file's bytes, exactly (binary: no line-end or end-of-file mapping)
    FileError error = FileError::None;
};

// Reads the regular file at `utf8Path` whole, if it has at most `limit` bytes. Never blocks on a
// FIFO without a writer, never throws.
FileBytes ReadRegularFile(const std::string& utf8Path, std::size_t limit);

// File names: the program's strings are UTF-8 on every system.
std::filesystem::path PathFromUtf8(const std::string& utf8);
std::string Utf8FromPath(const std::filesystem::path& path);

// The command-line arguments after the program's name, as UTF-8 (on Windows from the wide-char
// command line; `argv` there carries only the local code page).
std::vector<std::string> Utf8Arguments(int argc, char** argv);

// Lets a console show UTF-8 output (a no-op where it always does).
void UseUtf8Console();

}  // namespace belegix::platform
