#pragma once

#include <QDialog>
#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace quillory {

class Application;

// "Replace " (frmStyleReplace): replaces a style, a genre or a whole keyword in every row at
// once. Built afresh from the store and the selected row each time it is created; gone when
// closed.
class StyleReplaceDialog : public QDialog {
    Q_OBJECT

public:
    explicit StyleReplaceDialog(Application& app);

    // The style of the row clicked last.
    void ShowCurrentStyle(const QString& style);

private:
    void Load();
    void ChooseMode(int mode);
    void LeaveGenre();
    void ReplaceAllEntries();

    Application& app_;
    std::array<QRadioButton*, 3> modes_{};
    std::array<std::array<QWidget*, 4>, 3> rows_{};
    QLabel* lblCurrentStyle_ = nullptr;
    QComboBox* cboStyle_ = nullptr;
    QLabel* lblGenre_ = nullptr;
    QComboBox* cboGenre_ = nullptr;
    QLineEdit* txtCurrentKeyword_ = nullptr;
    QLineEdit* txtKeyword_ = nullptr;
};

}  // namespace quillory
