#pragma once

class QAbstractItemModel;
class QComboBox;
class QLineEdit;
class QWidget;

namespace quillory {

// The bar above the record list: the filter text and the column it looks in.
struct FilterBar {
    QLineEdit* text;
    QComboBox* column;  // "All columns" (item datum -1), then the list's columns by caption
};

// Builds the bar inside a new widget of parent, its column choice taken from the list's
// headers. Escape in the text box empties it.
QWidget* BuildFilterBar(QWidget& parent, const QAbstractItemModel& list, FilterBar& bar);

}  // namespace quillory
