#pragma once

#include <QDialog>

namespace quillory {

class Application;

// "About Quillory" (frmAbout): the title, the version and a way to the system's own
// information tool.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(Application& app);

private:
    void StartSysInfo();

    Application& app_;
};

}  // namespace quillory
