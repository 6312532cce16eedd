#include "data/files/file_refusal.h"

#include <string>

#include "data/files/file_system.h"

namespace quillory {

Failure FileRefused(const std::filesystem::path& path, std::string_view reason) {
    return Failure(kFileRefused,
                   "Cannot use " + Utf8FromPath(path) + ": " + std::string(reason) + ".");
}

std::string_view NotAFileReason(std::filesystem::file_type type) {
    using Type = std::filesystem::file_type;
    switch (type) {
        case Type::none:
        case Type::not_found:
        case Type::regular: return {};
        case Type::directory: return "it is a folder, not a file";
        case Type::fifo: return "it is a pipe, not a file";
        case Type::block:
        case Type::character: return "it is a device, not a file";
        case Type::socket: return "it is a socket, not a file";
        default: return "it is not a file";
    }
}

}  // namespace quillory
