#include "data/document/open_file_save.h"

#include <string_view>
#include <unordered_set>

#include "data/files/file_system.h"
#include "data/files/safe_file.h"
#include "data/format/instrument_catalog.h"
#include "data/format/record_layout.h"

namespace quillory {

Bytes OwnFileImage(const MusicFinderDocument& document) {
    const Bytes& in = document.Image();
    if (in.size() < kHeaderSize) {
        throw Failure(kInputPastEndOfFile);
    }
    std::unordered_set<int> deleted;
    for (const Record& record : document.Records()) {
        if (record.deleted) {
            deleted.insert(record.position);
        }
    }
    Bytes out(in.begin(), in.begin() + static_cast<std::ptrdiff_t>(kHeaderSize));
    out.reserve(in.size());
    int written = 0;
    for (int n = 1; n <= document.HeaderCount(); ++n) {
        const std::size_t at = RecordOffset(n);
        if (at + kRecordSize > in.size()) {
            break;
        }
        if (deleted.contains(n)) {
            continue;
        }
        const std::size_t to = out.size();
        out.insert(out.end(), in.begin() + static_cast<std::ptrdiff_t>(at),
                   in.begin() + static_cast<std::ptrdiff_t>(at + kRecordSize));
        WriteBigEndian16(out, to + field::kNumber, written++);
    }
    WriteBigEndian16(out, kCountOffset, written);
    return out;
}

bool SaveOpenFile(Workspace& workspace, Interaction& ui) {
    MusicFinderDocument& document = workspace.document;
    const Bytes image = OwnFileImage(document);
    if (const auto refusal = RecordLimitRefusal(HeaderModelName(document.Image()), image)) {
        ui.ShowMessage(*refusal);
        return false;
    }
    BusyPointer busy(ui);
    try {
        WriteFileReplacing(
            workspace.file.path,
            std::string_view(reinterpret_cast<const char*>(image.data()), image.size()));
    } catch (const Failure& failure) {
        throw failure.At(Utf8FromPath(workspace.file.path));
    }
    document.MarkSaved();
    return true;
}

bool IsOpenFile(const OpenFile& file, const std::filesystem::path& path) {
    std::error_code error;
    return !file.path.empty() && std::filesystem::equivalent(file.path, path, error);
}

}  // namespace quillory
