#pragma once

#include <QDialog>

namespace quillory {

class Session;

// "About Quillory" (frmAbout): the title, the version and a way to the system's own
// information tool.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    AboutDialog(Session& session, QWidget* owner);

private:
    void StartSysInfo(const QString& program);

    Session& session_;
};

}  // namespace quillory
