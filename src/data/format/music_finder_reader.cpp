#include "data/format/music_finder_reader.h"

#include <algorithm>
#include <unordered_set>

#include "data/common/interaction.h"
#include "data/common/operation_names.h"
#include "data/common/text.h"
#include "data/conversion/conversion.h"
#include "data/document/workspace.h"
#include "data/files/file_reading.h"
#include "data/format/instrument_catalog.h"
#include "data/format/record_decoder.h"
#include "data/format/record_layout.h"
#include "data/format/style_table.h"

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
void ChooseSourceInstrument(Workspace& workspace, const std::string& headerName) {
    const SourceMenu& menu = workspace.settings.sourceMenu;
    std::string& source = workspace.file.sourceInstrument;
    switch (menu.choice) {
        case SourceMenu::Choice::kAuto:
            if (RecognisedInHeader(headerName)) {
                source = headerName;
            }
            break;
        case SourceMenu::Choice::kStyleNumbers: source = std::string(kStyleNumbers); break;
        case SourceMenu::Choice::kInstrument:
            if (!menu.instrument.empty()) {
                source = menu.instrument;
            }
            break;
    }
}

void ReadRecords(Workspace& workspace, const Bytes& image, const SourceStyles& sourceStyles,
                 std::vector<Record>& records) {
    const int count = ReadBigEndian16(image, kCountOffset);
    if (image.size() < kHeaderSize) {
        throw Failure(kInputPastEndOfFile);  // a count, but not the whole header
    }
    records.reserve(static_cast<std::size_t>(count));
    GenreCollector genres(workspace.file.genres);
    StyleChoiceAdder userStyles(workspace.choices.styles);
    RecordDecoder decoder(FindInstrument(workspace.file.sourceInstrument), sourceStyles,
                          workspace.settings.sourceMenu.StyleNumbers(), userStyles);
    for (int n = 1; n <= count; ++n) {
        if (const std::string* genre = decoder.AppendRow(image, n, records)) {
            genres.Add(*genre);
        }
    }
    workspace.choices.genres = SortedGenres(workspace.file.genres);
}

}  // namespace

ReadOutcome OpenMusicFinderFile(Workspace& workspace, const std::filesystem::path& path,
                                const std::string& fileName, Interaction& ui) {
    const std::string previousName = workspace.file.name;
    auto refuse = [&](const std::string& message) {
        ui.ShowMessage(message);
        workspace.file.name = previousName;
        return ReadOutcome::kRefused;
    };
    try {
        workspace.file.name = fileName;
        const std::string ending = fileName.size() >= 3 ? fileName.substr(fileName.size() - 3) : "";
        if (LowerCase(ending) != "mfd") {
            return refuse("The program can only open mfd files. Not a valid file");
        }
        std::optional<Bytes> bytes = LoadFileBytes(path, kLargestFileSize);
        if (!bytes) {
            return refuse("Could not find that file ");
        }
        if (bytes->empty()) {
            return refuse("Bad File");
        }
        workspace.file.path = path;
        return ReadMusicFinderFile(workspace, std::move(*bytes), ui);
    } catch (const Failure& failure) {
        ui.ReportError(failure, operation::kOpenFile);
        workspace.file.name = previousName;
        return ReadOutcome::kRefused;
    }
}

ReadOutcome ReadMusicFinderFile(Workspace& workspace, Bytes image, Interaction& ui) {
    BusyPointer busy(ui);
    std::vector<Record> records;
    try {
        workspace.file.genres.assign(kInitialGenreSlots, std::string());
        ChooseSourceInstrument(workspace, HeaderModelName(image));
        // The source table first: a table that cannot be read is reported once, here, and not
        // again by the target's choices read from the same table.
        SourceStyles sourceStyles;
        FillSourceStyles(sourceStyles,
                         ReadStyleTable(workspace.files, workspace.file.sourceInstrument));
        Settings& settings = workspace.settings;
        if (settings.targetInstrument.empty()) {
            settings.targetInstrument = workspace.file.sourceInstrument;
            SetUpStyleChoices(workspace, ui);
        }
        ReadRecords(workspace, image, sourceStyles, records);
    } catch (const Failure& failure) {
        workspace.document.Load(std::move(image), std::move(records));
        if (failure.Number() == kOverflow) {
            ui.ShowMessage("Quillory can not read this file");
        } else {
            ui.ReportError(failure, operation::kReadRecords);
        }
        return ReadOutcome::kPartlyRead;
    }
    workspace.document.Load(std::move(image), std::move(records));
    workspace.file.loaded = true;
    // The style cells the target instrument lacks take the warning colour.
    RefreshPreview(workspace, ui);
    return ReadOutcome::kRead;
}

std::vector<std::string> SortedGenres(std::vector<std::string>& slots) {
    std::size_t filled = 0;
    while (filled < slots.size() && !slots[filled].empty()) {
        ++filled;
    }
    const auto end = slots.begin() + static_cast<std::ptrdiff_t>(filled);
    std::sort(slots.begin(), end);
    return {slots.begin(), end};
}

}  // namespace quillory
