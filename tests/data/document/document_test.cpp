#include <numeric>

#include "data/document/open_file_save.h"
#include "data/document/record_editor.h"
#include "data/document/style_replace.h"
#include "data/exchange/list_export.h"
#include "data/exchange/text_file.h"
#include "data/exchange/text_import.h"
#include "data/harness.h"
#include "support/edit_history.h"

namespace quillory::testkit {
namespace {

namespace fs = std::filesystem;

// Writes down everything the observer hears, and keeps the finished edits.
struct Log : EditHistory {
    void BeforeReset() override { text += "reset"; }
    void AfterReset() override { text += ";"; }
    void Loaded() override { text += "loaded;"; }
    void BeforeAppend(std::size_t first, std::size_t last) override {
        text += "append " + std::to_string(first) + "-" + std::to_string(last);
    }
    void AfterAppend() override { text += ";"; }
    void RecordsChanged(std::size_t first, std::size_t last) override {
        text += "changed " + std::to_string(first) + "-" + std::to_string(last) + ";";
    }
    void BeforeReorder() override { text += "moved"; }
    void AfterReorder(const std::vector<std::size_t>& newPosition) override {
        for (std::size_t at : newPosition) {
            text += " " + std::to_string(at);
        }
        text += ";";
    }
    void EditFinished(const std::shared_ptr<const DocumentEdit>& edit) override {
        text += "edit " + edit->Name() + ";";
        EditHistory::EditFinished(edit);
    }

    std::string text;
};

// Records numbered from first with these genres, as a read gives them.
std::vector<Record> WithGenres(const Texts& genres, int first = 1) {
    std::vector<Record> records;
    for (const std::string& genre : genres) {
        Record record;
        record.position = record.number = first + static_cast<int>(records.size());
        record.genre = genre;
        records.push_back(record);
    }
    return records;
}

// Sorting ignores case and keeps rows of equal text in their order, also in a long list.
TEST(DocumentTest, SortsStablyWithoutRegardToCase) {
    MusicFinderDocument doc;
    doc.Load({}, WithGenres({"rock", "Ballad", "ROCK", "éclair", "ballad", "Pop", "ÉCLAIR"}));
    doc.SetSort(true, kGenreColumn, SortOrder::kAscending);
    EXPECT_EQ(Order(doc), (std::vector<int>{2, 5, 6, 1, 3, 4, 7}));
    doc.SetSort(true, kGenreColumn, SortOrder::kDescending);
    EXPECT_EQ(Order(doc), (std::vector<int>{4, 7, 1, 3, 6, 2, 5}));
    std::vector<int> unsorted(40);
    std::iota(unsorted.begin(), unsorted.end(), 1);
    doc.Load({},
             WithGenres(Map(unsorted, [](int i) { return std::string(i % 2 ? "Pop" : "pop"); })));
    for (SortOrder order : {SortOrder::kDescending, SortOrder::kAscending}) {
        doc.SetSort(true, kGenreColumn, order);
        EXPECT_EQ(Order(doc), unsorted);
    }
}

// A view hears of every change once, a batch as one range; every outermost edit scope that changed
// records or record bytes ends in one edit, a failure part-way included; ticks are no edits.
TEST(DocumentTest, TellsItsObserverAboutEveryChange) {
    MusicFinderDocument doc;
    Log log;
    doc.AddObserver(log);
    doc.Load(BuildMfd("PSR-2000", {RecordValues{}, RecordValues{}}), WithGenres({"c", "a"}));
    {
        EditScope step(doc, "Two");
        doc.Append(WithGenres({"d", "b"}, 3));
        MusicFinderDocument::ChangeBatch outer(doc);
        Record y = doc.At(3);
        y.music = "y";
        doc.Change(3, y);
        {
            EditScope inner(doc, "Inner");
            MusicFinderDocument::ChangeBatch batch(doc);
            doc.SetChecked(1, true);
        }
    }
    { EditScope nothing(doc, "Nothing"); }
    try {
        EditScope step(doc, "Half");
        Record half = doc.At(0);
        half.music = "half";
        doc.Change(0, half);
        doc.PutRecordBytes(0, Bytes(kRecordSize, 0));
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.Number(), kSubscriptOutOfRange);
    }
    {
        EditScope step(doc, "Bytes");
        doc.PutRecordBytes(1, Bytes(kRecordSize, 1));
    }
    doc.Undo(*log.steps.at(1));
    doc.Redo(*log.steps.at(1));
    doc.SetChecked(1, false);
    doc.SetStyleColour(2, kBlack);
    doc.SetStyleColour(2, kRed);
    doc.SetSort(true, kGenreColumn, SortOrder::kAscending);
    doc.SetSort(true, kGenreColumn, SortOrder::kAscending);
    doc.Undo(*log.steps.at(0));
    EXPECT_EQ(log.text,
              "reset;loaded;append 2-3;changed 1-3;edit Two;changed 0-0;edit Half;edit Bytes;"
              "changed 0-0;changed 0-0;changed 1-1;changed 2-2;moved 2 0 3 1;changed 0-0;reset;");
    EXPECT_EQ(Order(doc), (std::vector<int>{2, 1}));
    EXPECT_EQ(log.steps.size(), 3u);
}

// The bytes, the header's count, the list as exported, the order, the ticks and the saved state.
using Snapshot = std::tuple<Bytes, int, std::string, std::vector<int>, std::size_t, bool>;

// Six records whose stored numbers run against their order, sorted by number, 1 and 4 ticked.
class SortedFile : public Harness {
public:
    void OpenSorted() {
        WriteTable("PSR-2000", {{"Cool Pop", "001"}, {"8Beat", "002"}, {"Slow Rock", "003"}});
        ASSERT_TRUE(
            Open(BuildMfd("PSR-2000", {{15, 1, 4, 4, 120, 1, "Blue Moon", "Pop", "rock,pop", 0x15},
                                       {10, 2, 6, 8, 72, 7, "Serenade", "Rock", "pop, rock", 0x26},
                                       {13, 1, 4, 4, 140, 2, "Sunrise", "Pop", "Rock", 0},
                                       {12, 3, 3, 4, 96, 4, "Harvest", "Jazz", "", 0x3A},
                                       {14, 2, 4, 4, 160, 0, "Road", "Pop", "rocks", 0},
                                       {11, 1, 4, 4, 88, 3, "Evening", "Swing", "rock", 0x11}})));
        doc.SetSort(true, kNumberColumn, SortOrder::kAscending);
        ASSERT_EQ(Order(doc), (std::vector<int>{2, 6, 4, 3, 5, 1}));
        Tick({1, 4});
        doc.AddObserver(log);
    }
    Snapshot Take() const {
        return {doc.Image(), doc.HeaderCount(),  RecordListExportText(doc),
                Order(doc),  doc.CheckedCount(), doc.Modified()};
    }

    Log log;
};

class SortedFileTest : public testing::Test, public SortedFile {};

// Every command gives one edit under its name; undo gives back the bytes, the header's count, the
// list in its order, the ticks and the saved state; redo the state the command left.
TEST(UndoTest, EveryCommandUndoesAndRedoesExactly) {
    const EditorValues edited{
        "Jazz",    "New Song", StyleChoice{"8Beat", 2}, " 3/ 4", "100", "kw", true, false, true,
        "Intro 2", "Ending 1"};
    const std::string imported =
        "1\tPop\tImported\tCool Pop\t 4/ 4\t100\t\tYes\tNo\tNo\tOff\tOff\r\n"
        "1\tJazz\tAnother\t8Beat\t 3/ 4\t90\tkw\tNo\tNo\tYes\tIntro 1\tMain A\r\n";
    const std::pair<const char*, std::function<void(SortedFile&)>> commands[] = {
        {"Add", [&](auto& t) { EditorAdd(t.ws, edited, t.ui); }},
        {"Modify", [&](auto& t) { EditorModify(t.ws, t.IndexOf(2), edited, t.ui); }},
        {"Delete", [](auto& t) { t.Delete(3); }},
        {"Delete 2 records", [](auto& t) { DeleteChecked(t.doc); }},
        {"Clear Fav in 3 records", [](auto& t) { ClearMark(t.doc, Mark::kFavorite); }},
        {"Add the keyword to 6 records", [](auto& t) { KeywordAdd(t.doc, "live"); }},
        {"Toggle Favorite", [](auto& t) { ToggleFavorite(t.doc, t.IndexOf(5)); }},
        {"Replace the style in 3 records",
         [](auto& t) { SubReplaceStyle(t.ws, ReplaceMode::kStyle, "Cool Pop", "8Beat", t.ui); }},
        {"Replace the genre in 3 records",
         [](auto& t) { SubReplaceStyle(t.ws, ReplaceMode::kGenre, "Pop", "Schlager", t.ui); }},
        {"Import", [&](auto& t) { ImportTextDelimitedText(t.ws, imported, t.ui); }},
    };
    for (const auto& [name, run] : commands) {
        SCOPED_TRACE(name);
        SortedFile t;
        t.OpenSorted();
        const Snapshot before = t.Take();
        run(t);
        ASSERT_EQ(t.log.steps.size(), 1u);
        const DocumentEdit& edit = *t.log.steps[0];
        EXPECT_EQ(edit.Name(), name);
        const Snapshot done = t.Take();
        EXPECT_NE(done, before);
        t.doc.Undo(edit);
        EXPECT_EQ(t.Take(), before);
        t.doc.Redo(edit);
        EXPECT_EQ(t.Take(), done);
        EXPECT_TRUE(t.ui.reports.empty());
    }
}

// Save writes the records back as they stand and marks them saved; Save As writes a converted
// copy and leaves the mark; a failed Save names the file and leaves the mark. Undo and redo
// follow the steps back to the saved state.
TEST_F(SortedFileTest, ModifiedFollowsEditsSavesAndUndo) {
    OpenSorted();
    CheckAll(doc);
    doc.SetStyleColour(0, kBlue);
    EXPECT_FALSE(doc.Modified());
    ToggleFavorite(doc, 0);
    EXPECT_TRUE(doc.Modified());
    EXPECT_EQ(Save("PSR-2000", "copy.mfd"), ConversionOutcome::kSaved);
    EXPECT_TRUE(doc.Modified());
    EXPECT_TRUE(SaveOpenFile(ws, ui));
    EXPECT_FALSE(doc.Modified());
    doc.Undo(*log.steps.at(0));
    EXPECT_TRUE(doc.Modified());
    doc.Redo(*log.steps.at(0));
    EXPECT_FALSE(doc.Modified());

    Delete(2);
    ws.file.path = folder.Path() / "missing" / "song.mfd";
    try {
        SaveOpenFile(ws, ui);
        ADD_FAILURE() << "saved into a missing folder";
    } catch (const Failure& failure) {
        EXPECT_EQ(std::pair(failure.Number(), failure.Place()),
                  std::pair(int{kPathNotFound}, ws.file.path.string()));
    }
    EXPECT_TRUE(doc.Modified());
    doc.Undo(*log.steps.at(1));
    EXPECT_FALSE(doc.Modified());
}

// Save keeps every byte but the deleted records, the running numbers and the count: all header
// bytes (the format byte and a model name no instrument has included) and every other record
// byte, in record order whatever the list's sort. An instrument's record limit is kept.
TEST_F(DataTest, SaveWritesTheOpenRecordsBackByteForByte) {
    Bytes in = BuildMfd("KEYBOARD", {WithTexts("One", "Pop"), WithTexts("Two", "Rock"),
                                     WithTexts("Three", "Jazz"), WithTexts("Four", "Folk")});
    for (std::size_t i : {0, 5, 12, 15, 31, 32, 33, 36, 37}) {
        in[i] = static_cast<std::uint8_t>(0xA0 + i);
    }
    for (int n = 1; n <= 4; ++n) {
        in[RecordOffset(n) + 0] = 0x7F;  // numbers the file had, to be renumbered
        in[RecordOffset(n) + 90] = static_cast<std::uint8_t>(0x10 + n);
        in[RecordOffset(n) + 91] = 0xEE;
    }
    ASSERT_TRUE(Open(in));
    ColumnHeaderClicked(doc, kMusicColumn);
    Delete(2);
    ASSERT_TRUE(SaveOpenFile(ws, ui));
    const Bytes out = ReadFile(folder.File("song.mfd"));
    ASSERT_EQ(out.size(), 38u + 3 * 92);
    Bytes header(in.begin(), in.begin() + 38);
    header[34] = 0;
    header[35] = 3;
    EXPECT_EQ(Bytes(out.begin(), out.begin() + 38), header);
    for (const auto& [from, to] : {std::pair{1, 0}, {3, 1}, {4, 2}}) {
        Bytes record(in.begin() + 38 + (from - 1) * 92, in.begin() + 38 + from * 92);
        record[0] = 0;
        record[1] = static_cast<std::uint8_t>(to);
        EXPECT_EQ(Bytes(out.begin() + 38 + to * 92, out.begin() + 38 + (to + 1) * 92), record);
    }
    EXPECT_EQ(Told(), "");

    ASSERT_TRUE(Open(BuildMfd("PSR-1000", std::vector<RecordValues>(1201)), "big.mfd"));
    EXPECT_FALSE(SaveOpenFile(ws, ui));
    EXPECT_EQ(Told(),
              "This mfd has  1201 and the instrument will only accept 1200. Use Delete to "
              "remove records. ;");
    EXPECT_EQ(ReadFile(folder.File("big.mfd")).size(), RecordOffset(1202));
    Delete(1);
    EXPECT_TRUE(SaveOpenFile(ws, ui));
    EXPECT_EQ(ReadFile(folder.File("big.mfd")).size(), RecordOffset(1201));
}

// A log's folder is made on first use; a log that cannot be written is reported once, naming
// it, and again only after it was written since.
TEST_F(DataTest, ALogThatCannotBeWrittenIsReportedOnce) {
    const fs::path log = folder.Path() / "data" / "ExportLog.txt";
    EXPECT_TRUE(WriteLog(ws.files, log, "one", ui));
    EXPECT_EQ(FileText("data/ExportLog.txt"), "one\r\n");
    const fs::path blocked = log / "ImportLog.txt";
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(WriteLog(ws.files, blocked, "two", ui));
        if (i == 1) {
            EXPECT_TRUE(WriteLog(ws.files, log, "three", ui));
        }
    }
    ASSERT_EQ(ui.reports.size(), 1u);
    EXPECT_EQ(ui.reports[0].operation, "WriteTextFileContents");
    EXPECT_NE(ui.reports[0].text.value_or("").find(blocked.string()), std::string::npos);
    fs::remove(log);
    EXPECT_TRUE(WriteLog(ws.files, blocked, "four", ui));
    EXPECT_FALSE(WriteLog(ws.files, std::nullopt, "none", ui));
    EXPECT_EQ(ui.reports.size(), 1u);
}

}  // namespace
}  // namespace quillory::testkit
