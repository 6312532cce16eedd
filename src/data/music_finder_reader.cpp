#include "music_finder_reader.h"

#include <algorithm>
#include <fstream>
#include <unordered_set>

#include "conversion.h"
#include "instrument_catalog.h"
#include "interaction.h"
#include "record_display.h"
#include "record_layout.h"
#include "style_replace.h"
#include "style_table.h"
#include "text.h"
#include "window_title.h"

namespace quillory {
namespace {

// Fills the genre slots in order of first occurrence. The slots fill from index 0 without
// gaps, so the first empty slot is the next to fill; when the next-to-last slot is filled the
// slots grow by 30, so the last slot is always empty. An empty genre is never added.
class GenreCollector {
public:
    explicit GenreCollector(std::vector<std::string>& slots) : slots_(slots) {}

    void Add(const std::string& genre) {
        if (genre.empty() || !seen_.insert(genre).second) {
            return;
        }
        slots_[filled_] = genre;
        if (filled_ == slots_.size() - 2) {
            slots_.resize(slots_.size() + kGenreSlotGrowth);
        }
        ++filled_;
    }

private:
    std::vector<std::string>& slots_;
    std::unordered_set<std::string> seen_;
    std::size_t filled_ = 0;
};

// The source instrument for this read, from the header under "Auto" or from the menu's tick.
void ChooseSourceInstrument(RecordStore& store, const std::string& headerName) {
    switch (store.sourceMenu.choice) {
        case SourceMenu::Choice::kAuto:
            if (RecognisedInHeader(headerName)) {
                store.gSourceInstrument = headerName;
            }
            break;
        case SourceMenu::Choice::kStyleNumbers:
            store.gSourceInstrument = std::string(kStyleNumbers);
            break;
        case SourceMenu::Choice::kInstrument:
            if (!store.sourceMenu.instrument.empty()) {
                store.gSourceInstrument = store.sourceMenu.instrument;
            }
            break;
    }
}

void ReadRecords(RecordStore& store, std::vector<Row>& rows) {
    const int count = store.gRecordCount;
    rows.reserve(static_cast<std::size_t>(count));
    GenreCollector genres(store.gGenres);
    StyleChoiceAdder userStyles(store.styleChoices);
    const bool styleNumbers = store.sourceMenu.StyleNumbers();
    const Instrument* source = FindInstrument(store.gSourceInstrument);
    for (int n = 1; n <= count; ++n) {
        const std::size_t offset = RecordOffset(n);
        if (offset + kRecordSize > store.gFileBytes.size()) {
            throw Failure(kInputPastEndOfFile);
        }
        const int styleNumber = ReadBigEndian16(store.gFileBytes, offset + field::kStyle);
        StyleCell style = StyleCellFor(styleNumber, source, store.gSourceStyles, styleNumbers);
        if (style.userStyle) {
            userStyles.Offer(style.text, style.text,
                             static_cast<std::int32_t>(NumericValue(style.text)));
        }
        rows.push_back(DecodeRecordRow(store.gFileBytes, offset, std::move(style.text)));
        rows.back().record = n;
        genres.Add(rows.back().Cell(kGenreColumn));
    }
    store.genreChoices = SortedGenres(store);
}

}  // namespace

bool OpenMusicFinderFile(RecordStore& store, const std::filesystem::path& path,
                         const std::string& fileName, Interaction& ui) {
    const std::string previousName = store.gFileName;
    const std::string previousTitle = store.window.title;
    auto refuse = [&](const std::string& message) {
        ui.ShowMessage(message);
        store.gFileName = previousName;
        store.window.title = previousTitle;
        return false;
    };
    try {
        store.gFileName = fileName;
        store.window.title = TitleWithFile(fileName);
        const std::string ending = fileName.size() >= 3 ? fileName.substr(fileName.size() - 3) : "";
        if (LowerCase(ending) != "mfd") {
            return refuse("The program can only open mfd files. Not a valid file");
        }
        std::optional<Bytes> bytes = LoadFileBytes(path);
        if (!bytes) {
            return refuse("Could not find that file ");
        }
        if (bytes->empty()) {
            return refuse("Bad File");
        }
        store.gFileBytes = std::move(*bytes);
        return ReadMusicFinderFile(store, ui);
    } catch (const Failure& failure) {
        ui.ReportError(failure, "Entry");
        return false;
    }
}

std::optional<Bytes> LoadFileBytes(const std::filesystem::path& path) {
    // Only a regular file has a length to read: a folder opens as a stream whose end lies at
    // the largest offset there is.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) {
        return std::nullopt;
    }
    const std::streamoff length = in.tellg();
    if (length < 0) {
        return std::nullopt;
    }
    Bytes bytes(static_cast<std::size_t>(length));
    in.seekg(0);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), length)) {
        return std::nullopt;
    }
    return bytes;
}

bool ReadMusicFinderFile(RecordStore& store, Interaction& ui) {
    BusyPointer busy(ui);
    std::vector<Row> rows;
    try {
        store.ResetForRead();
        ChooseSourceInstrument(store, HeaderModelName(store.gFileBytes));
        if (store.gTargetInstrument.empty()) {
            store.gTargetInstrument = store.gSourceInstrument;
            cboStyle_setup(store, ui);
        }
        LoadSourceStyleTable(store, store.gSourceInstrument);
        store.gRecordCount = store.HeaderRecordCount();
        ReadRecords(store, rows);
    } catch (const Failure& failure) {
        store.list.Assign(std::move(rows));
        if (failure.Number() == kOverflow) {
            ui.ShowMessage("Quillory can not read this file");
        } else {
            ui.ReportError(failure, "List1");
        }
        return false;
    }
    store.list.Assign(std::move(rows));
    store.window.fileControlsEnabled = true;
    store.window.title = TitleAfterRead(store);
    SaveMusicFinder(store, store.gTargetInstrument, false, ConversionMode::kPreview, ui);
    store.gFileLoaded = true;
    return true;
}

void SortStrings(std::vector<std::string>& strings, std::size_t low, std::size_t high) {
    if (low >= high || high >= strings.size()) {
        return;
    }
    std::sort(strings.begin() + static_cast<std::ptrdiff_t>(low),
              strings.begin() + static_cast<std::ptrdiff_t>(high) + 1);
}

}  // namespace quillory
