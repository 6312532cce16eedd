#pragma once

class QComboBox;

namespace quillory {

// Gives a combo box's drop-down list a height in pixels, as many rows as fit.
void SetComboDropHeight(QComboBox& combo, int pixels);

}  // namespace quillory
