#include "ui/convert/default_style_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/style_options.h"
#include "platform/combo_drop_height.h"
#include "platform/widgets.h"
#include "ui/main/application.h"
#include "ui/main/main_window.h"

namespace quillory {

DefaultStyleDialog::DefaultStyleDialog(Application& app) : QDialog(app.Window()), app_(app) {
    setObjectName("frmDefaultStyle");
    setWindowTitle("Form1");
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    auto* label = Named(
        new QLabel("Select a style to be used during a Save As operation when the style specified "
                   "is not available on the target instrument. Selecting 'None' will eliminate "
                   "the record.",
                   this),
        "Label1");
    label->setWordWrap(true);
    layout->addWidget(label);
    cboStyle_ = Named(new QComboBox(this), "cboStyle");
    SetComboDropHeight(*cboStyle_, 525);
    layout->addWidget(cboStyle_);
    auto* ok = Named(new QPushButton("OK", this), "cmdOk");
    layout->addWidget(ok);
    connect(ok, &QPushButton::clicked, this, &DefaultStyleDialog::Ok);
    Load();
}

void DefaultStyleDialog::Load() {
    RecordStore& store = app_.Store();
    app_.Window()->Run("LoadDefaultStyle", [&] {
        const std::vector<std::string> choices = DefaultStyleChoices(store);
        for (const std::string& choice : choices) {
            cboStyle_->addItem(QString::fromStdString(choice));
        }
        // Nothing stays selected when the default style is not among the choices.
        cboStyle_->setCurrentIndex(-1);
        cboStyle_->setCurrentIndex(DefaultStyleIndex(choices, store.gDefaultStyle));
    });
}

void DefaultStyleDialog::Ok() {
    app_.Window()->Run("DefaultStyleCommandOK", [&] {
        SetDefaultStyle(app_.Store(), cboStyle_->currentText().toStdString(), app_.Window()->Ui());
        close();
    });
}

}  // namespace quillory
