#pragma once

#include <QDialog>

class QComboBox;

namespace quillory {

class Application;

// The default style dialog frmDefaultStyle: "None" or one of the target's styles replaces the
// styles the target lacks when saving. Rebuilt from the store each time it is shown; the main
// window opens it only once a target instrument is chosen.
class DefaultStyleDialog : public QDialog {
    Q_OBJECT

public:
    explicit DefaultStyleDialog(Application& app);

private:
    void Load();
    void Ok();

    Application& app_;
    QComboBox* cboStyle_ = nullptr;
};

}  // namespace quillory
