#include <cmath>
#include <memory>

#ifdef __linux__
#include <sys/mount.h>
#endif

#include "data/common/codepage.h"
#include "data/common/numbers.h"
#include "data/common/text.h"
#include "data/files/file_system.h"
#include "data/files/safe_file.h"
#include "data/harness.h"

namespace quillory::testkit {
namespace {

namespace fs = std::filesystem;

TEST(CodePageTest, EveryByteSurvivesTheRoundTripAndMissingCharactersBecomeQuestionMarks) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) {
        all.push_back(static_cast<char>(byte));
    }
    EXPECT_EQ(EncodeWindows1252(DecodeWindows1252(all)), all);
    // The five bytes the code page leaves undefined keep their value as control characters.
    EXPECT_EQ(DecodeWindows1252(all.substr(0x80, 32) + "\xA0\xC0\xD7\xFF"),
              "€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ\u00A0À×ÿ");
    // Characters it lacks, a cut sequence, overlong and surrogate sequences.
    EXPECT_EQ(EncodeWindows1252("Ωmega 中 🎹 \u0080 \u0100 caf\xC3\xC0\xAF\xED\xA0\x80"),
              "?mega ? ? ? ? caf??????");
}

// Every capital of the code page folds to its small letter, for the sort as for the search;
// nothing else folds.
TEST(TextTest, CapitalsOfTheCodePageFoldToTheirSmallLetters) {
    const std::string capitals = "ABCDEFGHIJKLMNOPQRSTUVWXYZÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖØÙÚÛÜÝÞ",
                      smalls = "abcdefghijklmnopqrstuvwxyzàáâãäåæçèéêëìíîïðñòóôõöøùúûüýþ",
                      others = "@[`{×ßÿµ÷šž09";
    EXPECT_EQ(CaseFoldKey(capitals + others), smalls + others);
    EXPECT_EQ(CompareWithoutCase(capitals, smalls), 0);
    EXPECT_EQ(LowerCase(capitals + "ŠŒŽŸ" + others), smalls + "šœžÿ" + others);
}

// NumericValue reads the leading number, skipping blanks; ParseInt32 wants a whole number text;
// conversions round halves to even and overflow only when the value does not fit.
TEST(NumbersTest, ReadsRoundsAndConvertsNumbers) {
    EXPECT_EQ(Map(Texts{" 4/ 4", "abc", "\t-12.5kg", "1.2.3", " 1 2 3x"}, NumericValue),
              (std::vector<double>{4, 0, -12.5, 1.2, 123}));
    EXPECT_EQ((std::vector<int>{ParseInt32(" -1234 "), ParseInt32("2.5"), ToInt16(32766.5),
                                ToInt16(-32768.5), ToByte(254.5)}),
              (std::vector<int>{-1234, 2, 32766, -32768, 254}));
    const std::vector<double> halves = {0.5, 1.5, -2.5, 2.4999};
    EXPECT_EQ(Map(halves, RoundHalfAwayFromZero), (std::vector<double>{1, 2, -3, 2}));
    EXPECT_EQ(Map(halves, RoundHalfToEven), (std::vector<double>{0, 2, -2, 2}));
    const auto parseError = [](const std::string& text) {
        return ErrorOf([&] { ParseInt32(text); });
    };
    EXPECT_EQ(
        Map(Texts{"", "12abc", "1 2", "-", "3000000000"}, parseError),
        (std::vector<int>{kTypeMismatch, kTypeMismatch, kTypeMismatch, kTypeMismatch, kOverflow}));
    EXPECT_EQ(
        (std::vector<int>{ErrorOf([] { ToInt16(32767.5); }), ErrorOf([] { ToByte(255.5); }),
                          ErrorOf([] { ToByte(-0.6); }), ErrorOf([] { ToInt32(std::nan("")); })}),
        std::vector<int>(4, kOverflow));
}

// A fixed message does not depend on the description; the others name number and operation.
TEST(FailureTest, ErrorReportTextForFixedAndOtherNumbers) {
    EXPECT_EQ(ErrorReportText(Failure(kInputPastEndOfFile, "Odd"), "List1"),
              "There was a problem With this file");
    EXPECT_EQ(ErrorReportText(Failure(kWindowMinimisedOrMaximised), "List1"), std::nullopt);
    for (const auto& [number, description] :
         {std::pair{6, "Overflow"}, {1000, "Application-defined or object-defined error"}}) {
        EXPECT_EQ(ErrorReportText(Failure(number), "Entry"),
                  "Error #: " + std::to_string(number) + ", " + description +
                      ", encountered in Function Entry. If the solution is not obvious, please "
                      "report this to the author.");
    }
}

using WriteFileReplacingTest = DataTest;

// Every file and folder below a folder, by its path from there.
Texts Names(const fs::path& folder) {
    Texts names;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        names.push_back(fs::relative(entry.path(), folder).generic_string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

int WriteError(const fs::path& path, std::string_view bytes) {
    return ErrorOf([&] { WriteFileReplacing(path, bytes); });
}

// A file is replaced as a whole and keeps its permissions; missing folders and read-only files or
// folders are refused before anything, even a temporary file, is written.
TEST_F(WriteFileReplacingTest, ReplacesWholeFilesAndRefusesWhatItCannotWrite) {
    const fs::path path = folder.Path() / "out.mfd", shut = folder.Path() / "shut";
    const std::string shorter("\0short\0", 7);
    EXPECT_EQ(WriteError(path, std::string(5000, 'x')), 0);
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    const fs::perms permissions = fs::status(path).permissions();
    EXPECT_EQ(WriteError(path, shorter), 0);
    EXPECT_EQ(FileText("out.mfd"), shorter);
    EXPECT_EQ(fs::status(path).permissions(), permissions);

    fs::create_directory(shut);
    fs::create_directory(folder.Path() / "sub.mfd");
    WriteFile((shut / "old.mfd").string(), std::string("old"));
    fs::permissions(shut, fs::perms::owner_read | fs::perms::owner_exec);
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read);
    std::vector<std::pair<fs::path, int>> refusals = {
        {folder.Path() / "missing" / "out.mfd", kPathNotFound},
        {path / "out.mfd", kPathNotFound},
        {path, kPathFileAccessError},
        {folder.Path() / "sub.mfd", kPathFileAccessError}};
    if (MarkedReadOnly(shut)) {  // Windows lets files into a read-only folder
        refusals.insert(refusals.end(), {{shut / "new.mfd", kPathFileAccessError},
                                         {shut / "old.mfd", kPathFileAccessError}});
    }
    for (const auto& [to, number] : refusals) {
        EXPECT_EQ(WriteError(to, "new"), number) << to;
    }
    fs::permissions(shut, fs::perms::owner_all);
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(FileText("out.mfd") + FileText("shut/old.mfd"), shorter + "old");
    EXPECT_EQ(Names(folder.Path()), (Texts{"out.mfd", "shut", "shut/old.mfd", "sub.mfd"}));
}

// A full disk and a file with a file system mounted on it give the device's error; the old file
// stays.
TEST_F(WriteFileReplacingTest, LeavesTheOldFileWhenTheDeviceRefuses) {
#ifdef __linux__
    const fs::path small = folder.Path() / "small", mountedFile = folder.Path() / "mounted.mfd";
    fs::create_directory(small);
    WriteFile(mountedFile.string(), std::string("old"));
    WriteFile((folder.Path() / "other.mfd").string(), std::string("other"));
    if (mount("tmpfs", small.c_str(), "tmpfs", 0, "size=16k") != 0) {
        GTEST_SKIP() << "no file system can be mounted here";
    }
    const auto unmount = [](const char* at) { umount2(at, MNT_DETACH); };
    const std::unique_ptr<const char, decltype(unmount)> mounted(small.c_str(), unmount);
    ASSERT_EQ(mount((folder.Path() / "other.mfd").c_str(), mountedFile.c_str(), nullptr, MS_BIND,
                    nullptr),
              0);
    const std::unique_ptr<const char, decltype(unmount)> bound(mountedFile.c_str(), unmount);
    WriteFile((small / "out.mfd").string(), std::string(100, 'o'));
    EXPECT_EQ(WriteError(small / "out.mfd", std::string(1 << 20, 'n')), kDiskFull);
    EXPECT_EQ(WriteError(mountedFile, "new"), kPermissionDenied);
    EXPECT_EQ(FileText("small/out.mfd") + FileText("mounted.mfd"), std::string(100, 'o') + "other");
    EXPECT_EQ(Names(folder.Path()), (Texts{"mounted.mfd", "other.mfd", "small", "small/out.mfd"}));
#else
    GTEST_SKIP() << "needs file systems to mount";
#endif
}

}  // namespace
}  // namespace quillory::testkit
