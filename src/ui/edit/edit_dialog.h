#pragma once

#include <QDialog>
#include <array>
#include <string>
#include <vector>

#include "data/record_commands.h"
#include "data/record_editor.h"
#include "data/style_table.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace quillory {

class Application;

// The record editor frmEdit ("Data Enter/Edit"): loaded hidden at start-up and only ever
// hidden, so its lists live as long as the program. Add and Modify show it; a row click fills
// it; OK writes the row and the record together.
class EditDialog : public QDialog {
    Q_OBJECT

public:
    explicit EditDialog(Application& app);

    // The lists as the store holds them (after a read, a target change or an import).
    void ShowStoreLists();
    // A row of the main list was clicked.
    void ShowRow(const RowClick& click);
    // Add: a new record with the title and keywords empty, tempo 100, 4/4 and no marks.
    void StartAdd();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Activated();
    void FocusMoved(QWidget* old, QWidget* now);
    bool LeaveGenre();
    bool LeaveStyle();
    bool LeaveTempo();
    void Ok();
    EditorValues Values() const;

    Application& app_;
    QComboBox* cboGenre_ = nullptr;
    QLineEdit* txtMusic_ = nullptr;
    QComboBox* cboStyle_ = nullptr;
    std::array<QRadioButton*, kTimeSigCount> timeSigs_{};
    QLineEdit* txtTempo_ = nullptr;
    QLineEdit* txtKeywords_ = nullptr;
    QCheckBox* chkFavorite_ = nullptr;
    QCheckBox* chkSearch1_ = nullptr;
    QCheckBox* chkSearch2_ = nullptr;
    QComboBox* cboIntro_ = nullptr;
    QComboBox* cboSection_ = nullptr;
    bool leaveRefused_ = false;    // a box refused to be left: the click that left it is void
    bool restoringFocus_ = false;  // the focus is on its way back into a refused box
    std::vector<std::string> shownGenres_;
    std::vector<StyleChoice> shownStyles_;
};

}  // namespace quillory
