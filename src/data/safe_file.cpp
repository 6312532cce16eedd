#include "safe_file.h"

#include <cerrno>
#include <random>
#include <string>
#include <system_error>

#include "failure.h"
#include "file_system.h"

namespace quillory {
namespace {

int ErrorNumberFor(const std::error_code& error) {
    switch (error.value()) {
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

std::filesystem::path TemporaryNameBeside(const std::filesystem::path& path) {
    std::random_device random;
    std::u8string name = path.filename().u8string();
    name.insert(0, 1, u8'.');
    const std::string number = std::to_string(random() % 1000000);
    name += u8'.';
    name.append(number.begin(), number.end());
    name += u8".tmp";
    return path.parent_path() / name;
}

}  // namespace

void WriteFileReplacing(const std::filesystem::path& path, std::string_view bytes,
                        Durability durability) {
    std::error_code status;
    const std::filesystem::path folder =
        path.parent_path().empty() ? std::filesystem::path(".") : path.parent_path();
    if (!std::filesystem::is_directory(folder, status)) {
        throw Failure(kPathNotFound);
    }
    if (std::filesystem::is_directory(path, status) || MarkedReadOnly(folder) ||
        MarkedReadOnly(path)) {
        throw Failure(kPathFileAccessError);
    }
    const std::filesystem::path temporary = TemporaryNameBeside(path);
    if (const auto error = WriteNewFile(temporary, bytes, durability == Durability::kOnDisk)) {
        throw Failure(ErrorNumberFor(error));
    }
    if (const auto error = PutInPlace(path, temporary)) {
        // The failure reported is the rename's own, whatever the clean-up meets.
        std::error_code cleanUp;
        std::filesystem::remove(temporary, cleanUp);
        throw Failure(ErrorNumberFor(error));
    }
}

}  // namespace quillory
