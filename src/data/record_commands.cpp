#include "record_commands.h"

namespace quillory {

void CheckBoxChanged(RecordStore& store, std::size_t row, bool checked) {
    store.list.SetChecked(row, checked);
    store.window.playListEnabled = true;
    store.window.deleteCheckedEnabled = store.list.CheckedCount() > 0;
}

}  // namespace quillory
