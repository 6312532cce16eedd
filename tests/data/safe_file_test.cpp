#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#ifdef __linux__
#include <sys/mount.h>
#endif

#include "data/failure.h"
#include "data/safe_file.h"
#include "support/mfd_builder.h"
#include "support/temp_folder.h"

namespace quillory {
namespace {

namespace fs = std::filesystem;

std::string Contents(const fs::path& path) {
    const Bytes bytes = testkit::ReadFile(path.string());
    return std::string(bytes.begin(), bytes.end());
}

std::vector<std::string> Names(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// The error number a write fails with; 0 when it succeeds.
int WriteError(const fs::path& path, std::string_view bytes) {
    try {
        WriteFileReplacing(path, bytes);
        return 0;
    } catch (const Failure& failure) {
        return failure.Number();
    }
}

// A file is replaced as a whole and keeps its permissions. Missing folders and read-only files
// or folders are refused before anything is written, not even a temporary file.
TEST(WriteFileReplacingTest, ReplacesWholeFilesAndRefusesWhatItCannotWrite) {
    testkit::TempFolder folder;
    const fs::path path = folder.Path() / "out.mfd";
    EXPECT_EQ(WriteError(path, std::string(5000, 'x')), 0);
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(WriteError(path, std::string("\0short\0", 7)), 0);
    EXPECT_EQ(Contents(path), std::string("\0short\0", 7));
    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write);

    EXPECT_EQ(WriteError(folder.Path() / "missing" / "out.mfd", "new"), kPathNotFound);
    EXPECT_EQ(WriteError(path / "out.mfd", "new"), kPathNotFound);
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(WriteError(path, "new"), kPathFileAccessError);
    EXPECT_EQ(Contents(path), std::string("\0short\0", 7));
    fs::create_directory(folder.Path() / "sub.mfd");
    EXPECT_EQ(WriteError(folder.Path() / "sub.mfd", "new"), kPathFileAccessError);
    const fs::path shut = folder.Path() / "shut";
    fs::create_directory(shut);
    testkit::WriteFile((shut / "old.mfd").string(), std::string("old"));
    fs::permissions(shut, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(WriteError(shut / "new.mfd", "new"), kPathFileAccessError);
    EXPECT_EQ(WriteError(shut / "old.mfd", "new"), kPathFileAccessError);
    fs::permissions(shut, fs::perms::owner_all);
    EXPECT_EQ(Names(shut), std::vector<std::string>{"old.mfd"});
    EXPECT_EQ(Contents(shut / "old.mfd"), "old");
    EXPECT_EQ(Names(folder.Path()), (std::vector<std::string>{"out.mfd", "shut", "sub.mfd"}));
}

TEST(WriteFileReplacingTest, LeavesTheOldFileWhenTheDeviceIsFull) {
#ifdef __linux__
    testkit::TempFolder folder;
    const fs::path small = folder.Path() / "small";
    fs::create_directory(small);
    // A small file system of its own, mounted only where the test may mount one.
    if (mount("tmpfs", small.c_str(), "tmpfs", 0, "size=16k") != 0) {
        GTEST_SKIP() << "no small file system can be mounted here";
    }
    const auto unmount = [](const char* at) { umount2(at, MNT_DETACH); };
    const std::unique_ptr<const char, decltype(unmount)> mounted(small.c_str(), unmount);
    testkit::WriteFile((small / "out.mfd").string(), std::string(100, 'o'));
    EXPECT_EQ(WriteError(small / "out.mfd", std::string(1 << 20, 'n')), kDiskFull);
    EXPECT_EQ(Contents(small / "out.mfd"), std::string(100, 'o'));
    EXPECT_EQ(Names(small), std::vector<std::string>{"out.mfd"});
#else
    GTEST_SKIP() << "needs a small file system to mount";
#endif
}

}  // namespace
}  // namespace quillory
