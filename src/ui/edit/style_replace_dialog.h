#pragma once

#include <QDialog>
#include <array>
#include <cstddef>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace quillory {

class Session;

// "Replace " (frmStyleReplace): replaces a style, a genre or a whole keyword in every row at
// once. Built afresh from the store and the selected row each time it is created; gone when
// closed.
class StyleReplaceDialog : public QDialog {
    Q_OBJECT

public:
    StyleReplaceDialog(Session& session, QWidget* owner);

private:
    // The style of the highlighted row.
    void ShowCurrentStyle(std::optional<std::size_t> row);
    void Load();
    void ChooseMode(int mode);
    void LeaveGenre();
    void ReplaceAllEntries();

    Session& session_;
    std::array<QRadioButton*, 3> modes_{};
    std::array<std::array<QWidget*, 4>, 3> rows_{};
    QLabel* currentStyle_ = nullptr;
    QComboBox* styleCombo_ = nullptr;
    QLabel* currentGenre_ = nullptr;
    QComboBox* genreCombo_ = nullptr;
    QLineEdit* currentKeyword_ = nullptr;
    QLineEdit* newKeyword_ = nullptr;
};

}  // namespace quillory
