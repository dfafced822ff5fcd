// Windows: see files.h. Wide-char calls throughout, so that every file name is UTF-8 in the
// program whatever the local code page; files are read in binary (a Ctrl-Z byte is just a byte).
#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
// after windows.h
#include <shellapi.h>

#include <cwchar>

#include "core/platform/files.h"

namespace belegix::platform {

namespace {

std::wstring Wide(const std::string& utf8) {
    if (utf8.empty()) return {};
    const int n =
        ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), n);
    return wide;
}

std::string Utf8(const wchar_t* wide, std::size_t size) {
    if (size == 0) return {};
    const int n = ::WideCharToMultiByte(CP_UTF8, 0, wide, static_cast<int>(size), nullptr, 0,
                                        nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(n), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide, static_cast<int>(size), utf8.data(), n, nullptr,
                          nullptr);
    return utf8;
}

FileError OpenError(DWORD error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
        case ERROR_BAD_NETPATH:
            return FileError::Missing;
        case ERROR_ACCESS_DENIED:
            return FileError::Denied;
        default:
            return FileError::OpenFailed;
    }
}

}  // namespace

FileBytes ReadRegularFile(const std::string& utf8Path, std::size_t limit) {
    FileBytes result;
    const std::wstring path = Wide(utf8Path);
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        result.error = FileError::Folder;
        return result;
    }
    const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        result.error = OpenError(::GetLastError());
        return result;
    }
    struct Closer {
        HANDLE file;
        ~Closer() { ::CloseHandle(file); }
    } closer{file};
    // A device (CON, NUL, COM1) or a pipe is no plan file: refused before any read.
    if (::GetFileType(file) != FILE_TYPE_DISK) {
        result.error = FileError::NotRegular;
        return result;
    }
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file, &size)) {
        result.error = FileError::ReadFailed;
        return result;
    }
    if (size.QuadPart < 0 || static_cast<unsigned long long>(size.QuadPart) > limit) {
        result.error = FileError::TooLarge;
        return result;
    }
    std::string text;
    text.reserve(static_cast<std::size_t>(size.QuadPart));
    char buffer[65536];
    for (;;) {
        DWORD n = 0;
        if (!::ReadFile(file, buffer, sizeof buffer, &n, nullptr)) {
            result.error = FileError::ReadFailed;
            return result;
        }
        if (n == 0) break;
        text.append(buffer, n);
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
    return std::filesystem::path(Wide(utf8));
}

std::string Utf8FromPath(const std::filesystem::path& path) {
    const std::wstring& wide = path.native();
    return Utf8(wide.data(), wide.size());
}

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
    int n = 0;
    LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &n);
    if (wide == nullptr) return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
    std::vector<std::string> args;
    for (int i = 1; i < n; ++i) args.push_back(Utf8(wide[i], std::wcslen(wide[i])));
    ::LocalFree(wide);
    return args;
}

void UseUtf8Console() {
    ::SetConsoleOutputCP(CP_UTF8);
}

}  // namespace belegix::platform
