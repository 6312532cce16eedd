#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#ifdef __linux__
#include <sys/mount.h>
#endif

#include "data/failure.h"
#include "data/safe_file.h"
#include "data/text_file.h"
#include "support/mfd_builder.h"
#include "support/scripted_interaction.h"
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

TEST(WriteFileReplacingTest, ReplacesTheWholeFileAndKeepsItsPermissions) {
    testkit::TempFolder folder;
    const fs::path path = folder.Path() / "out.mfd";
    EXPECT_EQ(WriteError(path, std::string(5000, 'x')), 0);
    EXPECT_EQ(Contents(path), std::string(5000, 'x'));

    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    const std::string shorter("\0short\0", 7);
    EXPECT_EQ(WriteError(path, shorter), 0);
    EXPECT_EQ(Contents(path), shorter);
    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(Names(folder.Path()), std::vector<std::string>{"out.mfd"});

    EXPECT_EQ(WriteError(path, ""), 0);
    EXPECT_EQ(fs::file_size(path), 0u);
}

TEST(WriteFileReplacingTest, RefusesMissingFoldersAndReadOnlyFilesOrFolders) {
    testkit::TempFolder folder;
    // A folder that is not there, or a file where the folder should be.
    EXPECT_EQ(WriteError(folder.Path() / "missing" / "out.mfd", "new"), kPathNotFound);
    testkit::WriteFile(folder.File("plain"), std::string("plain"));
    EXPECT_EQ(WriteError(folder.Path() / "plain" / "out.mfd", "new"), kPathNotFound);

    // A read-only file keeps its content; a folder cannot be written over.
    const fs::path locked = folder.Path() / "locked.mfd";
    testkit::WriteFile(locked.string(), std::string("old content"));
    fs::permissions(locked, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(WriteError(locked, "new"), kPathFileAccessError);
    EXPECT_EQ(Contents(locked), "old content");
    fs::create_directory(folder.Path() / "sub.mfd");
    EXPECT_EQ(WriteError(folder.Path() / "sub.mfd", "new"), kPathFileAccessError);
    EXPECT_TRUE(fs::is_directory(folder.Path() / "sub.mfd"));

    // Nothing is created in a read-only folder, not even the temporary file.
    const fs::path shut = folder.Path() / "shut";
    fs::create_directory(shut);
    testkit::WriteFile((shut / "old.mfd").string(), std::string("old"));
    fs::permissions(shut, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(WriteError(shut / "new.mfd", "new"), kPathFileAccessError);
    EXPECT_EQ(WriteError(shut / "old.mfd", "new"), kPathFileAccessError);
    fs::permissions(shut, fs::perms::owner_all);
    EXPECT_EQ(Names(shut), std::vector<std::string>{"old.mfd"});
    EXPECT_EQ(Contents(shut / "old.mfd"), "old");

    std::vector<std::string> names = Names(folder.Path());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"locked.mfd", "plain", "shut", "sub.mfd"}));
}

#ifdef __linux__
// A small file system of its own, mounted for the test; only where the test may mount one.
class SmallDevice {
  public:
    explicit SmallDevice(const fs::path& at) : at_(at) {
        fs::create_directory(at_);
        mounted_ = mount("tmpfs", at_.c_str(), "tmpfs", 0, "size=16k") == 0;
    }
    ~SmallDevice() {
        if (mounted_) {
            umount2(at_.c_str(), MNT_DETACH);
        }
    }
    SmallDevice(const SmallDevice&) = delete;
    SmallDevice& operator=(const SmallDevice&) = delete;

    bool Mounted() const { return mounted_; }

  private:
    fs::path at_;
    bool mounted_ = false;
};
#endif

TEST(WriteFileReplacingTest, LeavesTheOldFileWhenTheDeviceIsFull) {
#ifdef __linux__
    testkit::TempFolder folder;
    SmallDevice device(folder.Path() / "small");
    if (!device.Mounted()) {
        GTEST_SKIP() << "no small file system can be mounted here";
    }
    const fs::path path = folder.Path() / "small" / "out.mfd";
    testkit::WriteFile(path.string(), std::string(100, 'o'));
    EXPECT_EQ(WriteError(path, std::string(1 << 20, 'n')), kDiskFull);
    EXPECT_EQ(Contents(path), std::string(100, 'o'));
    EXPECT_EQ(Names(folder.Path() / "small"), std::vector<std::string>{"out.mfd"});
#else
    GTEST_SKIP() << "needs a small file system to mount";
#endif
}

TEST(WriteTextFileContentsTest, AddsALineEndInTheCodePageAndReportsFailures) {
    testkit::TempFolder folder;
    testkit::ScriptedInteraction ui;
    const fs::path path = folder.Path() / "ExportLog.txt";
    testkit::WriteFile(path.string(), std::string(300, 'x'));
    EXPECT_TRUE(WriteTextFileContents("Caf\u00e9\r\nline", path, ui));
    EXPECT_EQ(Contents(path), "Caf\xE9\r\nline\r\n");

    EXPECT_FALSE(WriteTextFileContents("text", folder.Path() / "missing" / "ImportLog.txt", ui));
    ASSERT_EQ(ui.reports.size(), 1u);
    EXPECT_EQ(ui.reports[0].operation, "WriteTextFileContents");
    EXPECT_EQ(ui.reports[0].number, kPathNotFound);
    EXPECT_EQ(ui.reports[0].text, "That path doesn't exist.");
}

}  // namespace
}  // namespace quillory
