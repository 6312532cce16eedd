#pragma once

#include <cstddef>

#include "record_store.h"

namespace quillory {

// The user ticked or cleared the check box of a row: the counter follows, Play List becomes
// available, and Del Chk'd while any row is ticked.
void CheckBoxChanged(RecordStore& store, std::size_t row, bool checked);

}  // namespace quillory
