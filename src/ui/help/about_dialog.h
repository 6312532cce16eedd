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

// "Version " and the major version, minor version and revision as plain numbers.
QString VersionText(int major, int minor, int revision);

}  // namespace quillory
