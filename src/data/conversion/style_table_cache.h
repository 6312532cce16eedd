#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string_view>

#include "data/format/style_name_index.h"

namespace quillory {

struct ProgramFiles;

// The target instruments' style name indexes, each kept while its table file stays as it was
// when read (same size, same modification time), so that a preview after every edit reads no
// file. A table that cannot be read counts as empty, as a fresh read would make it.
class StyleTableCache {
public:
    const StyleNameIndex& Index(const ProgramFiles& files, std::string_view instrument);

private:
    struct FileStamp {
        std::uintmax_t size = 0;
        std::filesystem::file_time_type time;
        bool operator==(const FileStamp&) const = default;
    };
    struct Entry {
        std::optional<FileStamp> stamp;  // none when the file could not be looked at
        std::unique_ptr<StyleNameIndex> index;
    };
    static std::optional<FileStamp> StampOf(const std::filesystem::path& file);

    std::map<std::filesystem::path, Entry> entries_;
};

}  // namespace quillory
