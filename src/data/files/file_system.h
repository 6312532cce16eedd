#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "data/format/file_image.h"

// Where the program's file handling differs between Windows and the POSIX systems. The build
// compiles file_system_windows.cpp or file_system_posix.cpp; nothing else asks which system it
// runs on.
namespace quillory {

// File names are UTF-8 throughout the program. A path is built from them as UTF-8 (wide on
// Windows) and read back so, never through the system's narrow code page.
inline std::filesystem::path PathFromUtf8(std::string_view name) {
    return std::filesystem::path(std::u8string(name.begin(), name.end()));
}

inline std::string Utf8FromPath(const std::filesystem::path& path) {
    const std::u8string name = path.u8string();
    return std::string(name.begin(), name.end());
}

// Whether a file or folder is marked read-only. On POSIX systems by its permission bits, so
// that it is refused whoever runs the program; on Windows by the file's read-only attribute
// (a folder's attribute keeps nothing out of it there).
bool MarkedReadOnly(const std::filesystem::path& path);

// The folder of the running executable; argv0 is the program's first argument, used where
// the system cannot say.
std::filesystem::path ExecutableFolder(const char* argv0);

// Reads the whole regular file at path into bytes, opened so that nothing can make the open
// wait (a pipe put there since the path was looked at). Errors are the <cerrno> numbers: EFBIG
// for a file of more than limit bytes, EINVAL for something other than a regular file.
std::error_code ReadRegularFile(const std::filesystem::path& path, std::uintmax_t limit,
                                Bytes& bytes);

// The safe writer's system calls. Their errors are the <cerrno> numbers on every system.
//
// Writes bytes to a new file, which must not exist yet; toDisk waits until they are on the
// disk. When the file replaces an existing one (replaced), no one but the owner may read it
// until it has that file's permissions and, where the process may give them, its owner and
// group; the permissions are set before the first byte is written. A file whose owner or group
// could not be kept loses its set-user-ID or set-group-ID bit. A file that was created but not
// wholly written is removed again.
std::error_code WriteNewFile(const std::filesystem::path& path, std::string_view bytes, bool toDisk,
                             const std::filesystem::path& replaced);
// Puts the file replacement in the place of target in one step; toDisk waits until the folder
// holds the new name on the disk.
std::error_code PutInPlace(const std::filesystem::path& target,
                           const std::filesystem::path& replacement, bool toDisk);

}  // namespace quillory
