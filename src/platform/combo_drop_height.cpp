#include "platform/combo_drop_height.h"

#include <QComboBox>
#include <QFontMetrics>

namespace quillory {

void SetComboDropHeight(QComboBox& combo, int pixels) {
    const int rowHeight = std::max(1, QFontMetrics(combo.font()).height() + 4);
    combo.setMaxVisibleItems(std::max(1, pixels / rowHeight));
}

}  // namespace quillory
