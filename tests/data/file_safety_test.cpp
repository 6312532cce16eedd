#include <sys/stat.h>
#include <unistd.h>

#include <memory>

#include "data/file_reading.h"
#include "data/file_system.h"
#include "data/safe_file.h"
#include "data/text_import.h"
#include "harness.h"

namespace quillory::testkit {
namespace {

namespace fs = std::filesystem;

class FileSafetyTest : public DataTest {
protected:
    fs::path At(const std::string& name) const { return folder.Path() / name; }
    void MakePipe(const std::string& name) const { ASSERT_EQ(mkfifo(At(name).c_str(), 0644), 0); }
    // What the user saw: each message and each error report's text, one a line.
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

// Runs as another user while it lives when the tests run as root, whom no permission stops.
class AsNobody {
public:
    AsNobody() : root_(geteuid() == 0) {
        if (root_ && seteuid(65534) != 0) {
            throw std::runtime_error("cannot become nobody");
        }
    }
    ~AsNobody() {
        if (root_ && seteuid(0) != 0) {
            std::abort();
        }
    }

private:
    bool root_;
};

// Only a regular file is opened: pipes, devices and folders are refused by name without
// waiting, and so are unreadable files and files larger than any Music Finder file.
TEST_F(FileSafetyTest, OpensOnlyRegularFilesNoLargerThanTheLargestMusicFinderFile) {
    MakePipe("pipe.mfd");
    fs::create_symlink("/dev/null", At("device.mfd"));
    fs::create_directory(At("folder.mfd"));
    WriteFile(folder.File("shut.mfd"), BuildMfd("PSR-2000", {{}}));
    fs::permissions(At("shut.mfd"), fs::perms::none);
    WriteFile(folder.File("huge.mfd"), std::string());
    fs::resize_file(At("huge.mfd"), 3014603);
    const std::pair<std::string, std::string> refusals[] = {
        {"missing.mfd", "Could not find that file \n"},
        {"pipe.mfd", Refusal("pipe.mfd", "it is a pipe, not a file")},
        {"device.mfd", Refusal("device.mfd", "it is a device, not a file")},
        {"folder.mfd", Refusal("folder.mfd", "it is a folder, not a file")},
        {"shut.mfd", Refusal("shut.mfd", "there is no permission to read it")},
        {"huge.mfd",
         Refusal("huge.mfd", "it is larger than any such file (3014602 bytes at most)")}};
    for (const auto& [name, seen] : refusals) {
        ui.messages.clear();
        ui.reports.clear();
        const AsNobody nobody;
        EXPECT_EQ(OpenMusicFinderFile(ws, At(name), name, ui), ReadOutcome::kRefused) << name;
        EXPECT_EQ(Seen(), seen);
    }
    // The largest possible file is read.
    fs::resize_file(At("huge.mfd"), 3014602);
    EXPECT_EQ(OpenMusicFinderFile(ws, At("huge.mfd"), "huge.mfd", ui), ReadOutcome::kRead);
}

// A style table that is a pipe or has an endless line is refused once, by name or line number;
// a table with LF line ends reads as one with CR LF. An import text that is a pipe is refused.
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
    // An import text that is a pipe is refused, not waited on.
    MakePipe("songs.txt");
    ui.fileAnswers.push_back(At("songs.txt"));
    EXPECT_EQ(ErrorOf([&] { ImportTextDelimitedFile(ws, ui); }), kFileRefused);
}

Texts Entries(const fs::path& folder) {
    Texts names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// A link is followed and kept; pipes and devices are not replaced; a name as long as the disk
// allows is saved, a longer one refused by name; nothing is left beside the target.
TEST_F(FileSafetyTest, SavesThroughLinksAndUnderLongNamesButNeverOverPipesOrDevices) {
    fs::create_directory(At("real"));
    WriteFile(folder.File("real/old.mfd"), std::string("old"));
    fs::create_symlink("real/old.mfd", At("link.mfd"));
    fs::create_symlink("real/new.mfd", At("dangling.mfd"));
    EXPECT_EQ(ErrorOf([&] { WriteFileReplacing(At("link.mfd"), "new"); }), 0);
    EXPECT_EQ(ErrorOf([&] { WriteFileReplacing(At("dangling.mfd"), "made"); }), 0);
    EXPECT_TRUE(fs::is_symlink(At("link.mfd")) && fs::is_symlink(At("dangling.mfd")));
    EXPECT_EQ(FileText("real/old.mfd") + FileText("real/new.mfd"), "newmade");

    MakePipe("pipe.mfd");
    fs::create_symlink("/dev/null", At("device.mfd"));
    const std::string longest(251, 'n'), tooLong(252, 'n');
    EXPECT_EQ(ErrorOf([&] { WriteFileReplacing(At(longest + ".mfd"), "long"); }), 0);
    EXPECT_EQ(FileText(longest + ".mfd"), "long");
    for (const auto& [name, seen] :
         {std::pair<std::string, std::string>{"pipe.mfd",
                                              Refusal("pipe.mfd", "it is a pipe, not a file")},
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
    EXPECT_EQ(Entries(folder.Path()),
              (Texts{"ExportLog.txt", "dangling.mfd", "device.mfd", "link.mfd", longest + ".mfd",
                     "pipe.mfd", "real", "songs.mfd"}));
    EXPECT_EQ(Entries(At("real")), (Texts{"new.mfd", "old.mfd"}));
}

// The new file of a save is the owner's alone from its creation and takes the replaced file's
// permissions, owner and group before its first byte.
TEST_F(FileSafetyTest, NewFileNeverShowsItsBytesToOthers) {
    WriteFile(folder.File("private.mfd"), std::string("old"));
    fs::permissions(At("private.mfd"), fs::perms::owner_read | fs::perms::owner_write);
    const bool root = geteuid() == 0;
    if (root) {
        ASSERT_EQ(chown(At("private.mfd").c_str(), 1234, 1235), 0);
    }
    ASSERT_FALSE(WriteNewFile(At("new"), "secret", false, At("private.mfd")));
    WriteFileReplacing(At("private.mfd"), "secret");
    for (const char* name : {"new", "private.mfd"}) {
        struct stat status {};
        ASSERT_EQ(stat(At(name).c_str(), &status), 0);
        EXPECT_EQ(status.st_mode & 07777, 0600u) << name;
        if (root) {
            EXPECT_EQ(std::pair(status.st_uid, status.st_gid), std::pair(1234u, 1235u)) << name;
        }
    }
    EXPECT_EQ(FileText("private.mfd"), "secret");
}

}  // namespace
}  // namespace quillory::testkit
