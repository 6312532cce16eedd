#include "data/document/recent_files.h"

#include <algorithm>

namespace quillory {
namespace {

// One spelling per file: "a/./b.mfd" and "a/b.mfd" are the same file.
std::filesystem::path Normal(const std::filesystem::path& file) {
    return file.lexically_normal();
}

}  // namespace

RecentFiles::RecentFiles(const std::vector<std::filesystem::path>& files) {
    for (auto file = files.rbegin(); file != files.rend(); ++file) {
        Opened(*file);
    }
}

void RecentFiles::Opened(const std::filesystem::path& file) {
    Remove(file);
    files_.insert(files_.begin(), Normal(file));
    if (files_.size() > kLimit) {
        files_.resize(kLimit);
    }
}

void RecentFiles::Remove(const std::filesystem::path& file) {
    std::erase(files_, Normal(file));
}

}  // namespace quillory
