#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <fstream>

#include "data/files/file_system.h"

namespace quillory {
namespace {

// The system's last error as the <cerrno> number that the safe writer knows.
std::error_code LastError() {
    switch (GetLastError()) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME: return std::make_error_code(std::errc::no_such_file_or_directory);
        case ERROR_FILENAME_EXCED_RANGE: return std::make_error_code(std::errc::filename_too_long);
        case ERROR_ACCESS_DENIED:
        case ERROR_WRITE_PROTECT:
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
        case ERROR_DIRECTORY: return std::make_error_code(std::errc::permission_denied);
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_UNABLE_TO_REMOVE_REPLACED:
            return std::make_error_code(std::errc::device_or_resource_busy);
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL: return std::make_error_code(std::errc::no_space_on_device);
        default: return std::make_error_code(std::errc::io_error);
    }
}

}  // namespace

bool MarkedReadOnly(const std::filesystem::path& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY) &&
           (attributes & FILE_ATTRIBUTE_READONLY);
}

std::filesystem::path ExecutableFolder(const char*) {
    std::wstring name(MAX_PATH, L'\0');
    DWORD length = 0;
    while ((length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()))) ==
           name.size()) {
        name.resize(name.size() * 2);
    }
    name.resize(length);
    return std::filesystem::path(name).parent_path();
}

std::error_code ReadRegularFile(const std::filesystem::path& path, std::uintmax_t limit,
                                Bytes& bytes) {
    // No pipe or device has a name among the files here.
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) {
        return std::make_error_code(std::errc::permission_denied);
    }
    const std::streamoff length = in.tellg();
    if (length < 0) {
        return std::make_error_code(std::errc::io_error);
    }
    if (static_cast<std::uintmax_t>(length) > limit) {
        return std::make_error_code(std::errc::file_too_large);
    }
    bytes.resize(static_cast<std::size_t>(length));
    in.seekg(0);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), length)) {
        return std::make_error_code(std::errc::io_error);
    }
    return {};
}

// ReplaceFileW gives the new file the replaced one's attributes and security.
std::error_code WriteNewFile(const std::filesystem::path& path, std::string_view bytes, bool toDisk,
                             const std::filesystem::path&) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return LastError();
    }
    std::error_code result;
    while (!bytes.empty() && !result) {
        DWORD written = 0;
        const DWORD size = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        if (!WriteFile(file, bytes.data(), size, &written, nullptr)) {
            result = LastError();
        } else {
            bytes.remove_prefix(written);
        }
    }
    if (!result && toDisk && !FlushFileBuffers(file)) {
        result = LastError();
    }
    if (!CloseHandle(file) && !result) {
        result = LastError();
    }
    if (result) {
        DeleteFileW(path.c_str());
    }
    return result;
}

// A folder cannot be flushed here: the move waits for the disk where it can
// (MOVEFILE_WRITE_THROUGH).
std::error_code PutInPlace(const std::filesystem::path& target,
                           const std::filesystem::path& replacement, bool) {
    // ReplaceFileW keeps the target's attributes; a target that does not exist yet is moved
    // into place.
    if (ReplaceFileW(target.c_str(), replacement.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                     nullptr, nullptr)) {
        return {};
    }
    if (GetLastError() == ERROR_FILE_NOT_FOUND &&
        MoveFileExW(replacement.c_str(), target.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return {};
    }
    return LastError();
}

}  // namespace quillory
