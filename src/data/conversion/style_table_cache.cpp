#include "data/conversion/style_table_cache.h"

#include "data/document/workspace.h"
#include "data/format/instrument_catalog.h"
#include "data/format/style_table.h"

namespace quillory {

std::optional<StyleTableCache::FileStamp> StyleTableCache::StampOf(
    const std::filesystem::path& file) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error) {
        return std::nullopt;
    }
    const std::filesystem::file_time_type time = std::filesystem::last_write_time(file, error);
    if (error) {
        return std::nullopt;
    }
    return FileStamp{size, time};
}

const StyleNameIndex& StyleTableCache::Index(const ProgramFiles& files,
                                             std::string_view instrument) {
    // The user's own table wins while it is there; a table added or removed since is another file.
    const std::filesystem::path file =
        StyleTablePath(files, instrument).value_or(files.File(StyleTableFileName(instrument)));
    const std::optional<FileStamp> stamp = StampOf(file);
    Entry& entry = entries_[file];
    // A file that cannot be looked at is read again each time: it may be there next time.
    if (!entry.index || !stamp || entry.stamp != stamp) {
        entry.index.reset();
        entry.index = std::make_unique<StyleNameIndex>(ReadStyleTable(files, instrument));
        entry.stamp = stamp;
    }
    return *entry.index;
}

}  // namespace quillory
