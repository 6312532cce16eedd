#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <utility>

#include "data/files/file_system.h"

namespace quillory {
namespace {

std::error_code LastError() {
    return {errno, std::generic_category()};
}

// Closes a descriptor when it goes; the error of the close is asked for with Close.
class Descriptor {
public:
    explicit Descriptor(int descriptor) : descriptor_(descriptor) {}
    ~Descriptor() {
        if (descriptor_ >= 0) {
            close(descriptor_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int Get() const { return descriptor_; }
    std::error_code Close() {
        const int descriptor = std::exchange(descriptor_, -1);
        return close(descriptor) == 0 ? std::error_code() : LastError();
    }

private:
    int descriptor_;
};

// Gives a new file the owner, group and permissions of the file it replaces, as far as the
// process may. A set-user-ID or set-group-ID bit is kept only with the owner or group it
// belongs to.
void TakeOwnerAndMode(int file, const struct stat& replaced) {
    if (fchown(file, replaced.st_uid, replaced.st_gid) != 0) {
        // Not allowed to give the file away: a group the process belongs to may still be kept.
        [[maybe_unused]] const int groupKept =
            fchown(file, static_cast<uid_t>(-1), replaced.st_gid);
    }
    struct stat created {};
    const bool known = fstat(file, &created) == 0;
    mode_t mode = replaced.st_mode & 07777;
    if (!known || created.st_uid != replaced.st_uid) {
        mode &= ~S_ISUID;
    }
    if (!known || created.st_gid != replaced.st_gid) {
        mode &= ~S_ISGID;
    }
    // A file system without permission bits keeps its own; the new file then stays readable by
    // its owner alone.
    [[maybe_unused]] const int modeSet = fchmod(file, mode);
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

std::error_code ReadRegularFile(const std::filesystem::path& path, std::uintmax_t limit,
                                Bytes& bytes) {
    Descriptor file(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.Get() < 0) {
        return LastError();
    }
    struct stat status {};
    if (fstat(file.Get(), &status) != 0) {
        return LastError();
    }
    if (!S_ISREG(status.st_mode)) {
        return std::make_error_code(std::errc::invalid_argument);
    }
    if (static_cast<std::uintmax_t>(status.st_size) > limit) {
        return std::make_error_code(std::errc::file_too_large);
    }
    bytes.resize(static_cast<std::size_t>(status.st_size));
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const ssize_t count = read(file.Get(), bytes.data() + filled, bytes.size() - filled);
        if (count < 0 && errno != EINTR) {
            return LastError();
        }
        if (count == 0) {
            break;  // the file became shorter since it was looked at
        }
        filled += static_cast<std::size_t>(std::max<ssize_t>(count, 0));
    }
    bytes.resize(filled);
    return file.Close();
}

std::error_code WriteNewFile(const std::filesystem::path& path, std::string_view bytes, bool toDisk,
                             const std::filesystem::path& replaced) {
    struct stat old {};
    const bool replacing = stat(replaced.c_str(), &old) == 0;
    Descriptor file(
        open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, replacing ? 0600 : 0666));
    if (file.Get() < 0) {
        return LastError();
    }
    if (replacing) {
        TakeOwnerAndMode(file.Get(), old);
    }
    std::error_code result;
    while (!bytes.empty() && !result) {
        const ssize_t written = write(file.Get(), bytes.data(), bytes.size());
        if (written < 0) {
            result = LastError();
        } else {
            bytes.remove_prefix(static_cast<std::size_t>(written));
        }
    }
    if (!result && toDisk && fsync(file.Get()) != 0) {
        result = LastError();
    }
    if (const std::error_code closed = file.Close(); closed && !result) {
        result = closed;
    }
    if (result) {
        unlink(path.c_str());
    }
    return result;
}

std::error_code PutInPlace(const std::filesystem::path& target,
                           const std::filesystem::path& replacement, bool toDisk) {
    if (std::rename(replacement.c_str(), target.c_str()) != 0) {
        return LastError();
    }
    if (!toDisk) {
        return {};
    }
    // The new name is on the disk only once the folder that holds it is.
    const std::filesystem::path folder =
        target.parent_path().empty() ? std::filesystem::path(".") : target.parent_path();
    Descriptor directory(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    // A file system that cannot flush a folder (EINVAL) keeps its names its own way.
    if (directory.Get() < 0 || (fsync(directory.Get()) != 0 && errno != EINVAL)) {
        return LastError();
    }
    return directory.Close();
}

}  // namespace quillory
