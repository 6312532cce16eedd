#pragma once

#include <string>

#include "record_list.h"

namespace quillory {

// The record list as tab-delimited text: a header line, then one line per row in display
// order (every row, deleted ones too), each starting with a running count in place of the
// record number. Every line ends with CR LF.
std::string RecordListExportText(const RecordList& list);

}  // namespace quillory
