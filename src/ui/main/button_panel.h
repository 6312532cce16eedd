#pragma once

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

namespace quillory {

// The panel beside the record list: the target-instrument combo, then the Clear, Edit Item and
// Checkbox Control frames with their buttons and the ticked counter, then Play List and Search.
struct ButtonPanel {
    QComboBox* target;
    QGroupBox* clear;
    QPushButton* s2;
    QPushButton* s1;
    QPushButton* fav;
    QGroupBox* edit;
    QPushButton* replace;
    QPushButton* deleteChecked;
    QPushButton* add;
    QPushButton* deleteRow;
    QPushButton* modify;
    QGroupBox* check;
    QPushButton* uncheck;
    QPushButton* invert;
    QPushButton* checkAll;
    QLabel* counterCaption;
    QLabel* counter;
    QPushButton* playList;
    QPushButton* search;
};

// Builds the panel's widgets inside a new widget of parent, every button disabled until a file
// is open, and lists every instrument in the target combo with none chosen.
QWidget* BuildButtonPanel(QWidget& parent, ButtonPanel& panel);

}  // namespace quillory
