#pragma once

#include <QDialog>

class QComboBox;

namespace quillory {

class Session;

// The default style dialog frmDefaultStyle: "None" or one of the target's styles replaces the
// styles the target lacks when saving. Rebuilt from the store each time it is shown; the main
// window opens it only once a target instrument is chosen.
class DefaultStyleDialog : public QDialog {
    Q_OBJECT

public:
    DefaultStyleDialog(Session& session, QWidget* owner);

private:
    void Load();
    void Ok();

    Session& session_;
    QComboBox* styleCombo_ = nullptr;
};

}  // namespace quillory
