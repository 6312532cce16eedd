#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "data/document/music_finder_document.h"
#include "data/document/record_filter.h"

namespace quillory {

// The record list as tab-delimited text: a header line, then one line per row in display
// order (every row, deleted ones too), each starting with a running count in place of the
// record number. Every line ends with CR LF.
std::string RecordListExportText(const MusicFinderDocument& list);

// One line of the export: the number given in place of the record number, then the row's other
// cells, each after a tab, and CR LF.
void AppendRecordLine(std::string& text, std::size_t number, const Record& row);

// What the list copies to the clipboard: the lines of the ticked rows the filter shows in the
// same form, without the header, counted from 1; the highlighted row's line when none is;
// empty when there is neither.
std::string CopiedRowsText(const MusicFinderDocument& list, std::optional<std::size_t> highlighted,
                           const RecordFilter& shown = {});

// The play list as tab-delimited text: a header line, then one line per row in display order,
// a running count followed by the row's cells 1 to 5 (music, style, time signature, tempo,
// comment). Rows of fewer than six cells (the song-genre layout) fail with subscript out of
// range. Every line ends with CR LF.
std::string PlayListExportText(const std::vector<std::vector<std::string>>& rows);

}  // namespace quillory
