#include "ui/help/about_dialog.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/dialogs.h"
#include "platform/file_names.h"
#include "platform/system_info.h"
#include "platform/widgets.h"
#include "ui/session.h"

namespace quillory {
namespace {

// "Version " and the major version, minor version and revision as plain numbers.
QString VersionText(int major, int minor, int revision) {
    return QString("Version %1.%2.%3").arg(major).arg(minor).arg(revision);
}

}  // namespace

AboutDialog::AboutDialog(Session& session, QWidget* owner) : QDialog(owner), session_(session) {
    setObjectName("frmAbout");
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle("About Quillory");
    auto* layout = new QHBoxLayout(this);
    auto* picIcon = Named(new QLabel(this), "picIcon");
    picIcon->setPixmap(QIcon(FromPath(session.Work().files.File("styles256.ico"))).pixmap(64, 64));
    layout->addWidget(picIcon, 0, Qt::AlignTop);

    auto* text = new QVBoxLayout;
    auto* lblTitle = Named(new QLabel("Quillory", this), "lblTitle");
    QFont titleFont("Arial Black");
    titleFont.setPointSizeF(14.25);
    lblTitle->setFont(titleFont);
    lblTitle->setStyleSheet("color: rgb(0, 0, 255);");
    auto* lblVersion = Named(new QLabel(VersionText(QUILLORY_VERSION_MAJOR, QUILLORY_VERSION_MINOR,
                                                    QUILLORY_VERSION_PATCH),
                                        this),
                             "lblVersion");
    text->addWidget(lblTitle);
    text->addWidget(lblVersion);
    text->addStretch(1);

    auto* buttons = new QHBoxLayout;
    auto* ok = Named(new QPushButton("OK", this), "cmdOk");
    ok->setDefault(true);
    auto* sysInfo = Named(new QPushButton("&System Info...", this), "cmdSysInfo");
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(sysInfo);
    text->addLayout(buttons);
    layout->addLayout(text);
    // OK is also the cancel button: Escape, like Enter, closes the box.
    connect(ok, &QPushButton::clicked, this, &QDialog::close);
    connect(this, &QDialog::rejected, this, &QDialog::close);
    // Without a program to start the button says why before it is clicked.
    const QString program = SystemInfoProgram();
    sysInfo->setEnabled(!program.isEmpty());
    sysInfo->setToolTip(program.isEmpty() ? NoSystemInfoReason() : QString());
    connect(sysInfo, &QPushButton::clicked, this, [this, program] { StartSysInfo(program); });
}

void AboutDialog::StartSysInfo(const QString& program) {
    if (!quillory::StartSysInfo(program)) {
        session_.PromptsFor(this).ShowMessage("System Information Is Unavailable At This Time");
    }
}

}  // namespace quillory
