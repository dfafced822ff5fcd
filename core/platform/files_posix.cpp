// Linux (and every POSIX system): see files.h.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "core/platform/files.h"

namespace belegix::platform {

namespace {

FileError OpenError(int error) {
    switch (error) {
        case ENOENT:
        case ENOTDIR:
            return FileError::Missing;
        case EACCES:
        case EPERM:
            return FileError::Denied;
        default:
            return FileError::OpenFailed;
    }
}

}  // namespace

FileBytes ReadRegularFile(const std::string& utf8Path, std::size_t limit) {
    FileBytes result;
    // Opened without blocking, so that a FIFO with no writer cannot hold the caller; only a
    // regular file is read (a folder, FIFO, socket or device is refused before any read).
    const int fd = ::open(utf8Path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        result.error = OpenError(errno);
        return result;
    }
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        result.error = OpenError(errno);
        return result;
    }
    if (S_ISDIR(info.st_mode)) {
        result.error = FileError::Folder;
        return result;
    }
    if (!S_ISREG(info.st_mode)) {
        result.error = FileError::NotRegular;
        return result;
    }
    if (info.st_size < 0 || static_cast<std::size_t>(info.st_size) > limit) {
        result.error = FileError::TooLarge;
        return result;
    }
    std::string text;
    text.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            result.error = FileError::ReadFailed;
            return result;
        }
        if (n == 0) break;
        text.append(buffer, static_cast<std::size_t>(n));
        // The file may grow while it is read.
        if (text.size() > limit) {
            result.error = FileError::TooLarge;
            return result;
        }
    }
    result.bytes = std::move(text);
    return result;
}

std::filesystem::path PathFromUtf8(const std::string& utf8) {
    return std::filesystem::path(utf8);
}

std::string Utf8FromPath(const std::filesystem::path& path) {
    return path.string();
}

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

void UseUtf8Console() {}

}  // namespace belegix::platform
