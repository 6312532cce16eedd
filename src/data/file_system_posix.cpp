#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "file_system.h"

namespace quillory {
namespace {

std::error_code LastError() {
    return {errno, std::generic_category()};
}

}  // namespace

bool MarkedReadOnly(const std::filesystem::path& path) {
    std::error_code error;
    constexpr auto kWritable = std::filesystem::perms::owner_write |
                               std::filesystem::perms::group_write |
                               std::filesystem::perms::others_write;
    const auto status = std::filesystem::status(path, error);
    return std::filesystem::exists(status) &&
           (status.permissions() & kWritable) == std::filesystem::perms::none;
}

std::filesystem::path ExecutableFolder(const char* argv0) {
    std::error_code error;
    auto self = std::filesystem::canonical("/proc/self/exe", error);
    if (error) {
        self = std::filesystem::absolute(argv0, error);
    }
    return self.parent_path();
}

std::error_code WriteNewFile(const std::filesystem::path& path, std::string_view bytes,
                             bool toDisk) {
    const int file = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (file < 0) {
        return LastError();
    }
    std::error_code result;
    while (!bytes.empty() && !result) {
        const ssize_t written = write(file, bytes.data(), bytes.size());
        if (written < 0) {
            result = LastError();
        } else {
            bytes.remove_prefix(static_cast<std::size_t>(written));
        }
    }
    if (!result && toDisk && fsync(file) != 0) {
        result = LastError();
    }
    if (close(file) != 0 && !result) {
        result = LastError();
    }
    if (result) {
        unlink(path.c_str());
    }
    return result;
}

std::error_code PutInPlace(const std::filesystem::path& target,
                           const std::filesystem::path& replacement) {
    std::error_code error;
    const auto existing = std::filesystem::status(target, error);
    if (std::filesystem::exists(existing)) {
        // A file system without permission bits keeps its own, and the file is still replaced.
        std::error_code unsupported;
        std::filesystem::permissions(replacement, existing.permissions(), unsupported);
    }
    if (std::rename(replacement.c_str(), target.c_str()) != 0) {
        return LastError();
    }
    return {};
}

}  // namespace quillory
