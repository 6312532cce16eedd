#pragma once

#include <cstddef>
#include <filesystem>
#include <vector>

namespace quillory {

// The Music Finder files opened last, the newest first: each file once, at most eight.
class RecentFiles {
public:
    static constexpr std::size_t kLimit = 8;

    explicit RecentFiles(const std::vector<std::filesystem::path>& files = {});

    const std::vector<std::filesystem::path>& Files() const { return files_; }
    // A file was opened: it moves to the front (a second mention of it goes).
    void Opened(const std::filesystem::path& file);
    void Remove(const std::filesystem::path& file);
    void Clear() { files_.clear(); }

private:
    std::vector<std::filesystem::path> files_;
};

}  // namespace quillory
