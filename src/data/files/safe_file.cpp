#include "data/files/safe_file.h"

#include <cerrno>
#include <random>
#include <string>
#include <system_error>

#include "data/common/failure.h"
#include "data/files/file_refusal.h"
#include "data/files/file_system.h"

namespace quillory {
namespace {

// The error table's message for a failed system call where it has one; the system's own words,
// naming the file, where it has none.
Failure WriteFailure(const std::error_code& error, const std::filesystem::path& path) {
    switch (error.value()) {
        case ENOENT:
        case ENOTDIR: return Failure(kPathNotFound);
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
        case EEXIST: return Failure(kPathFileAccessError);
        case EBUSY:
        case ETXTBSY: return Failure(kPermissionDenied);
        case ENOSPC:
#ifdef EDQUOT
        case EDQUOT:
#endif
        case EFBIG: return Failure(kDiskFull);
        case EIO: return Failure(kDeviceIoError);
        case ENAMETOOLONG: return FileRefused(path, "its name is too long for the disk");
        case ELOOP: return FileRefused(path, "it leads through too many links");
        default: return FileRefused(path, error.message());
    }
}

// The file a path stands for: a symbolic link is followed to the file it names, so that saving
// replaces that file and the link stays.
std::filesystem::path FileBehindLinks(const std::filesystem::path& path) {
    constexpr int kMostLinks = 40;
    std::filesystem::path file = path;
    for (int links = 0;; ++links) {
        std::error_code error;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(file, error))) {
            return file;
        }
        if (links == kMostLinks) {
            throw WriteFailure(std::make_error_code(std::errc::too_many_symbolic_link_levels),
                               path);
        }
        const std::filesystem::path target = std::filesystem::read_symlink(file, error);
        if (error) {
            throw WriteFailure(error, path);
        }
        file = file.parent_path() / target;  // an absolute target replaces the whole path
    }
}

// A short name in the folder of path, whatever the length of path's own name.
std::filesystem::path TemporaryNameBeside(const std::filesystem::path& path) {
    std::random_device random;
    constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::string name = ".qy";
    for (int i = 0; i < 8; ++i) {
        name += kDigits[random() % (sizeof kDigits - 1)];
    }
    return path.parent_path() / (name + ".tmp");
}

}  // namespace

void WriteFileReplacing(const std::filesystem::path& path, std::string_view bytes,
                        Durability durability) {
    const std::filesystem::path file = FileBehindLinks(path);
    std::error_code status;
    const std::filesystem::path folder =
        file.parent_path().empty() ? std::filesystem::path(".") : file.parent_path();
    if (!std::filesystem::is_directory(folder, status)) {
        throw Failure(kPathNotFound);
    }
    const std::filesystem::file_type type = std::filesystem::status(file, status).type();
    if (type == std::filesystem::file_type::none) {
        throw WriteFailure(status, path);  // a name too long, a loop of links, ...
    }
    if (type == std::filesystem::file_type::directory || MarkedReadOnly(folder) ||
        MarkedReadOnly(file)) {
        throw Failure(kPathFileAccessError);
    }
    if (const std::string_view reason = NotAFileReason(type); !reason.empty()) {
        throw FileRefused(path, reason);
    }
    const bool toDisk = durability == Durability::kOnDisk;
    const std::filesystem::path temporary = TemporaryNameBeside(file);
    if (const auto error = WriteNewFile(temporary, bytes, toDisk, file)) {
        throw WriteFailure(error, path);
    }
    if (const auto error = PutInPlace(file, temporary, toDisk)) {
        // The failure reported is the rename's own, whatever the clean-up meets.
        std::error_code cleanUp;
        std::filesystem::remove(temporary, cleanUp);
        throw WriteFailure(error, path);
    }
}

}  // namespace quillory
