#pragma once

#include <QDialog>
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "data/document/record_commands.h"
#include "data/document/record_editor.h"
#include "data/format/style_table.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quillory {

class Session;

// The record editor frmEdit ("Data Enter/Edit"): made hidden at start-up and only ever hidden,
// so its lists live as long as the program. Add and Modify show it; the highlighted row of the
// main list fills it; OK writes the row and the record together.
class EditDialog : public QDialog {
    Q_OBJECT

public:
    EditDialog(Session& session, QWidget* owner);
    // Stops following the focus before the boxes go: their destruction moves it.
    ~EditDialog() override;

    // Add: a new record with the title and keywords empty, tempo 100, 4/4 and no marks.
    void StartAdd();
    // Modify: the highlighted row's record, with its style, intro and next section selected.
    void StartModify();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The lists as the workspace holds them (after a read, a target change or an import).
    void ShowLists();
    // The highlighted row of the main list moved to another record.
    void ShowRow(std::optional<std::size_t> row);
    void SelectRecordChoices();
    void FocusMoved(QWidget* old, QWidget* now);
    bool LeaveGenre();
    bool LeaveStyle();
    bool LeaveTempo();
    void Ok();
    EditorValues Values() const;

    Session& session_;
    bool addMode_ = false;
    std::string timeSig_;  // the time signature handed to and from the main list (" 4/ 4")
    QComboBox* genreCombo_ = nullptr;
    QLineEdit* musicEdit_ = nullptr;
    QComboBox* styleCombo_ = nullptr;
    std::array<QRadioButton*, kTimeSigCount> timeSigs_{};
    QLineEdit* tempoEdit_ = nullptr;
    QLineEdit* keywordsEdit_ = nullptr;
    QCheckBox* favoriteBox_ = nullptr;
    QCheckBox* search1Box_ = nullptr;
    QCheckBox* search2Box_ = nullptr;
    QComboBox* introCombo_ = nullptr;
    QComboBox* sectionCombo_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    bool leaveRefused_ = false;    // a box refused to be left: the click that left it is void
    bool restoringFocus_ = false;  // the focus is on its way back into a refused box
    std::vector<std::string> shownGenres_;
    std::vector<StyleChoice> shownStyles_;
    QMetaObject::Connection focusFollower_;
};

}  // namespace quillory
