#include "file_reading.h"

#include <fstream>

#include "codepage.h"

namespace quillory {

std::optional<Bytes> LoadFileBytes(const std::filesystem::path& path) {
    // Only a regular file has a length to read: a folder opens as a stream whose end lies at
    // the largest offset there is.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) {
        return std::nullopt;
    }
    const std::streamoff length = in.tellg();
    if (length < 0) {
        return std::nullopt;
    }
    Bytes bytes(static_cast<std::size_t>(length));
    in.seekg(0);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), length)) {
        return std::nullopt;
    }
    return bytes;
}

std::string ReadTextFile(const std::filesystem::path& path) {
    const std::optional<Bytes> bytes = LoadFileBytes(path);
    if (!bytes) {
        return {};
    }
    return DecodeWindows1252(std::string(bytes->begin(), bytes->end()));
}

}  // namespace quillory
