#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include "data/exchange/text_import.h"
#include "data/files/file_reading.h"
#include "data/files/file_system.h"
#include "data/files/safe_file.h"
#include "data/harness.h"

namespace quillory::testkit {
// What the program flushed to the disk, "file" or "folder" for each fsync, in order.
std::vector<std::string> flushed;
}  // namespace quillory::testkit

// The program's fsync calls reach the system through this one, which notes what they flush.
extern "C" int fsync(int descriptor) {
    struct stat status {};
    fstat(descriptor, &status);
    quillory::testkit::flushed.push_back(S_ISDIR(status.st_mode) ? "folder" : "file");
    return static_cast<int>(syscall(SYS_fsync, descriptor));
}

namespace quillory::testkit {
namespace {

namespace fs = std::filesystem;

class FileSafetyTest : public DataTest {
protected:
    fs::path At(const std::string& name) const { return folder.Path() / name; }
    void MakePipe(const std::string& name) const { ASSERT_EQ(mkfifo(At(name).c_str(), 0644), 0); }
    // Each message and each error report's text, one a line.
    std::string Seen() const {
        std::string seen;
        for (const std::string& message : ui.messages) {
            seen += message + "\n";
        }
        for (const auto& report : ui.reports) {
            seen += report.text.value_or("") + "\n";
        }
        return seen;
    }
    std::string Refusal(const std::string& name, const std::string& reason) const {
        return "Cannot use " + At(name).string() + ": " + reason + ".\n";
    }
};

// Root reads anything: while one lives, the tests run as nobody.
struct AsNobody {
    const bool root = geteuid() == 0 && seteuid(65534) == 0;
    ~AsNobody() {
        if (root && seteuid(0) != 0) {
            std::abort();
        }
    }
};

// Pipes, devices, folders, unreadable files and files larger than any Music Finder file are
// refused by name without waiting; the largest possible file is read.
TEST_F(FileSafetyTest, OpensOnlyRegularFilesNoLargerThanTheLargestMusicFinderFile) {
    MakePipe("pipe.mfd");
    fs::create_symlink("/dev/null", At("device.mfd"));
    fs::create_directory(At("folder.mfd"));
    WriteFile(folder.File("shut.mfd"), BuildMfd("PSR-2000", {{}}));
    fs::permissions(At("shut.mfd"), fs::perms::none);
    WriteFile(folder.File("huge.mfd"), std::string());
    fs::resize_file(At("huge.mfd"), 3014603);
    for (const auto& [name, seen] : std::initializer_list<std::pair<std::string, std::string>>{
             {"missing.mfd", "Could not find that file \n"},
             {"pipe.mfd", Refusal("pipe.mfd", "it is a pipe, not a file")},
             {"device.mfd", Refusal("device.mfd", "it is a device, not a file")},
             {"folder.mfd", Refusal("folder.mfd", "it is a folder, not a file")},
             {"shut.mfd", Refusal("shut.mfd", "there is no permission to read it")},
             {"huge.mfd",
              Refusal("huge.mfd", "it is larger than any such file (3014602 bytes at most)")}}) {
        ui.messages.clear();
        ui.reports.clear();
        const AsNobody nobody;
        EXPECT_EQ(OpenMusicFinderFile(ws, At(name), name, ui), ReadOutcome::kRefused) << name;
        EXPECT_EQ(Seen(), seen);
    }
    fs::resize_file(At("huge.mfd"), 3014602);
    EXPECT_EQ(OpenMusicFinderFile(ws, At("huge.mfd"), "huge.mfd", ui), ReadOutcome::kRead);
}

// A style table that is a pipe or has an endless line is refused once, by name or line number;
// one with LF line ends reads as with CR LF. An import text that is a pipe is refused.
TEST_F(FileSafetyTest, StyleTablesArePipesOrEndlessLinesOnlyOnce) {
    const Bytes songs = BuildMfd("PSR-2000", {{std::nullopt, 2, 4, 4, 120, 0, "", "", "", 0}});
    MakePipe("PSR-2000.dat");
    EXPECT_EQ(Read(songs), ReadOutcome::kPartlyRead);
    EXPECT_EQ(Seen(), Refusal("PSR-2000.dat", "it is a pipe, not a file"));

    Remove("PSR-2000.dat");
    WriteFile(folder.File("PSR-2000.dat"), "Pop;001\n" + std::string(5 << 20, 'x') + ";002\n");
    ui.reports.clear();
    EXPECT_EQ(Read(songs), ReadOutcome::kPartlyRead);
    EXPECT_EQ(Seen(), "Line 2 of the style table is longer than 65536 bytes.\n");

    WriteFile(folder.File("PSR-2000.dat"), std::string("Pop;001\nRock;002\n"));
    ws.settings.targetInstrument.clear();
    ASSERT_TRUE(Open(songs));
    EXPECT_EQ(Column(kStyleColumn), Texts{"Rock"});
    EXPECT_EQ(ChoiceNames(), (Texts{"Pop", "Rock"}));
    EXPECT_EQ(ReadTextFile(At("missing.txt")), "");
    MakePipe("songs.txt");
    ui.fileAnswers.push_back(At("songs.txt"));
    EXPECT_EQ(ErrorOf([&] { ImportTextDelimitedFile(ws, ui); }), kFileRefused);
}

// A save follows links and keeps them, saves under the longest name the disk allows, refuses a
// longer one and pipes and devices by name, and leaves nothing beside the target. Its new file
// is the owner's alone from creation and takes the replaced file's mode, owner and group.
TEST_F(FileSafetyTest, SavesThroughLinksLongNamesAndPrivatelyButNeverOverPipesOrDevices) {
    fs::create_directory(At("real"));
    WriteFile(folder.File("real/old.mfd"), std::string("old"));
    fs::create_symlink("real/old.mfd", At("link.mfd"));
    fs::create_symlink("real/new.mfd", At("dangling.mfd"));
    MakePipe("pipe.mfd");
    fs::create_symlink("/dev/null", At("device.mfd"));
    const std::string longest(251, 'n'), tooLong(252, 'n');
    WriteFileReplacing(At("link.mfd"), "new");
    WriteFileReplacing(At("dangling.mfd"), "made");
    WriteFileReplacing(At(longest + ".mfd"), "long");
    EXPECT_TRUE(fs::is_symlink(At("link.mfd")) && fs::is_symlink(At("dangling.mfd")));
    EXPECT_EQ(FileText("real/old.mfd") + FileText("real/new.mfd") + FileText(longest + ".mfd"),
              "newmadelong");
    for (const auto& [name, seen] : std::initializer_list<std::pair<std::string, std::string>>{
             {"pipe.mfd", Refusal("pipe.mfd", "it is a pipe, not a file")},
             {"device.mfd", Refusal("device.mfd", "it is a device, not a file")},
             {tooLong + ".mfd", Refusal(tooLong + ".mfd", "its name is too long for the disk")}}) {
        try {
            WriteFileReplacing(At(name), "new");
            ADD_FAILURE() << name << " was written";
        } catch (const Failure& failure) {
            EXPECT_EQ(*ErrorReportText(failure, "Save") + "\n", seen);
        }
    }
    // The save dialog asks before replacing the pipe without opening it; the save refuses it.
    ASSERT_TRUE(Open(BuildMfd("PSR-2000", {{}}), "songs.mfd"));
    EXPECT_EQ(Save("PSR-2000", "pipe.mfd"), ConversionOutcome::kFailed);
    EXPECT_EQ(ui.questions, Texts{"This will replace existing file"});
    EXPECT_TRUE(fs::is_fifo(At("pipe.mfd")));

    WriteFile(folder.File("private.mfd"), std::string("old"));
    fs::permissions(At("private.mfd"), fs::perms::owner_read | fs::perms::owner_write);
    const bool root = geteuid() == 0;
    if (root) {
        ASSERT_EQ(chown(At("private.mfd").c_str(), 1234, 1235), 0);
    }
    ASSERT_FALSE(WriteNewFile(At("new"), "secret", false, At("private.mfd")));
    WriteFileReplacing(At("private.mfd"), "secret");
    EXPECT_EQ(FileText("private.mfd"), "secret");
    for (const char* name : {"new", "private.mfd"}) {
        struct stat status {};
        ASSERT_EQ(stat(At(name).c_str(), &status), 0);
        EXPECT_EQ(status.st_mode & 07777, 0600u) << name;
        if (root) {
            EXPECT_EQ(std::pair(status.st_uid, status.st_gid), std::pair(1234u, 1235u)) << name;
        }
    }
    Texts entries;
    for (const auto& entry : fs::recursive_directory_iterator(folder.Path())) {
        entries.push_back(entry.path().lexically_relative(folder.Path()).string());
    }
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries, (Texts{"ExportLog.txt", "dangling.mfd", "device.mfd", "link.mfd", "new",
                              longest + ".mfd", "pipe.mfd", "private.mfd", "real", "real/new.mfd",
                              "real/old.mfd", "songs.mfd"}));
}

// A saved Music Finder file is on the disk, and so is its name in the folder, before Save ends;
// the log it rewrites is not waited for.
TEST_F(FileSafetyTest, SaveFlushesTheFileAndItsFolderButNotTheLog) {
    ASSERT_TRUE(Open(BuildMfd("PSR-2000", {{}}), "songs.mfd"));
    flushed.clear();
    ASSERT_EQ(Save("PSR-2000", "out.mfd"), ConversionOutcome::kSaved);
    EXPECT_EQ(flushed, (Texts{"file", "folder"}));
    EXPECT_TRUE(Exists("ExportLog.txt"));
}

}  // namespace
}  // namespace quillory::testkit
