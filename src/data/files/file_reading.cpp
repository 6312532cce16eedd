#include "data/files/file_reading.h"

#include <cerrno>

#include "data/common/codepage.h"
#include "data/files/file_refusal.h"
#include "data/files/file_system.h"

namespace quillory {

std::optional<Bytes> LoadFileBytes(const std::filesystem::path& path, std::uintmax_t limit) {
    // Opening a pipe waits for a writer and opening a device may do anything: what is at the
    // path is looked at first, and only a regular file is opened.
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found) {
        return std::nullopt;
    }
    if (const std::string_view reason = NotAFileReason(status.type()); !reason.empty()) {
        throw FileRefused(path, reason);
    }
    if (error) {
        throw FileRefused(path, error.message());
    }
    Bytes bytes;
    switch (const std::error_code read = ReadRegularFile(path, limit, bytes); read.value()) {
        case 0: return bytes;
        case ENOENT: return std::nullopt;
        case EACCES:
        case EPERM: throw FileRefused(path, "there is no permission to read it");
        case EFBIG:
            throw FileRefused(path, "it is larger than any such file (" + std::to_string(limit) +
                                        " bytes at most)");
        case EINVAL: throw FileRefused(path, "it is not a regular file");
        default: throw FileRefused(path, read.message());
    }
}

std::string ReadTextFile(const std::filesystem::path& path) {
    const std::optional<Bytes> bytes = LoadFileBytes(path);
    if (!bytes) {
        return {};
    }
    return DecodeWindows1252(std::string(bytes->begin(), bytes->end()));
}

}  // namespace quillory
