#include "safe_file.h"

#include <cerrno>
#include <cstdio>
#include <random>
#include <string>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include "failure.h"

namespace quillory {
namespace {

int ErrorNumberFor(int error) {
    switch (error) {
        case ENOENT:
        case ENOTDIR:
        case ENAMETOOLONG: return kPathNotFound;
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
        case EEXIST: return kPathFileAccessError;
        case EBUSY:
        case ETXTBSY: return kPermissionDenied;
        case ENOSPC:
#ifdef EDQUOT
        case EDQUOT:
#endif
        case EFBIG: return kDiskFull;
        default: return kDeviceIoError;
    }
}

[[noreturn]] void Fail(int error) {
    throw Failure(ErrorNumberFor(error));
}

bool Flush(std::FILE* file, Durability durability) {
    if (std::fflush(file) != 0) {
        return false;
    }
    if (durability == Durability::kWritten) {
        return true;
    }
#ifdef _WIN32
    return _commit(_fileno(file)) == 0;
#else
    return fsync(fileno(file)) == 0;
#endif
}

// Judged by the permission bits, so that a read-only file or folder is refused whoever runs
// the program.
bool Writable(const std::filesystem::file_status& status) {
    constexpr auto kWritable = std::filesystem::perms::owner_write |
                               std::filesystem::perms::group_write |
                               std::filesystem::perms::others_write;
    return (status.permissions() & kWritable) != std::filesystem::perms::none;
}

std::filesystem::path TemporaryNameBeside(const std::filesystem::path& path) {
    std::random_device random;
    std::string name = path.filename().string();
    name.insert(0, 1, '.');
    name += '.';
    name += std::to_string(random() % 1000000);
    name += ".tmp";
    return path.parent_path() / name;
}

}  // namespace

void WriteFileReplacing(const std::filesystem::path& path, std::string_view bytes,
                        Durability durability) {
    std::error_code status;
    const std::filesystem::path folder =
        path.parent_path().empty() ? std::filesystem::path(".") : path.parent_path();
    const auto folderStatus = std::filesystem::status(folder, status);
    if (!std::filesystem::is_directory(folderStatus)) {
        throw Failure(kPathNotFound);
    }
    const auto existing = std::filesystem::status(path, status);
    if (std::filesystem::is_directory(existing) || !Writable(folderStatus) ||
        (std::filesystem::exists(existing) && !Writable(existing))) {
        throw Failure(kPathFileAccessError);
    }
    const std::filesystem::path temporary = TemporaryNameBeside(path);
    std::FILE* file = std::fopen(temporary.string().c_str(), "wbx");
    if (!file) {
        Fail(errno);
    }
    const bool written =
        std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && Flush(file, durability);
    const int writeError = errno;
    const bool closed = std::fclose(file) == 0;
    const int closeError = errno;
    if (!written || !closed) {
        std::filesystem::remove(temporary, status);
        Fail(!written ? writeError : closeError);
    }
    if (std::filesystem::exists(existing)) {
        std::filesystem::permissions(temporary, existing.permissions(), status);
    }
    std::filesystem::rename(temporary, path, status);
    if (status) {
        // The failure reported is the rename's own, whatever the clean-up meets.
        std::error_code cleanUp;
        std::filesystem::remove(temporary, cleanUp);
        Fail(status.value());
    }
}

}  // namespace quillory
