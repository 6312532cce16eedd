#include "ui/convert/default_style_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/failure.h"
#include "data/style_options.h"
#include "platform/dialogs.h"
#include "ui/main/application.h"
#include "ui/main/main_window.h"

namespace quillory {

DefaultStyleDialog::DefaultStyleDialog(Application& app) : QDialog(app.Window()), app_(app) {
    setObjectName("frmDefaultStyle");
    setWindowTitle("Form1");
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(
        "Select a style to be used during a Save As operation when the style specified is not "
        "available on the target instrument. Selecting 'None' will eliminate the record.",
        this);
    label->setObjectName("Label1");
    label->setWordWrap(true);
    layout->addWidget(label);
    cboStyle_ = new QComboBox(this);
    cboStyle_->setObjectName("cboStyle");
    cboStyle_->setMaxVisibleItems(30);
    layout->addWidget(cboStyle_);
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("cmdOk");
    layout->addWidget(ok);
    connect(ok, &QPushButton::clicked, this, &DefaultStyleDialog::Ok);
    Load();
}

void DefaultStyleDialog::Load() {
    RecordStore& store = app_.Store();
    if (store.gTargetInstrument.empty()) {
        app_.GetDialogs().Message(this,
                                  "Please select a target instrument before setting this option");
        return;
    }
    app_.Window()->Run("LoadDefaultStyle", [&] {
        for (const std::string& choice : DefaultStyleChoices(store)) {
            cboStyle_->addItem(QString::fromStdString(choice));
        }
        const int selected = cboStyle_->findText(QString::fromStdString(store.gDefaultStyle),
                                                 Qt::MatchExactly | Qt::MatchCaseSensitive);
        cboStyle_->setCurrentIndex(selected);
        if (selected < 0) {
            throw Failure(380, "Invalid property value");
        }
    });
}

void DefaultStyleDialog::Ok() {
    app_.Window()->Run("DefaultStyleCommandOK", [&] {
        SetDefaultStyle(app_.Store(), cboStyle_->currentText().toStdString(), app_.Window()->Ui());
        close();
    });
}

}  // namespace quillory
