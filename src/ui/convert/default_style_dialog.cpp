#include "ui/convert/default_style_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/common/operation_names.h"
#include "data/conversion/style_options.h"
#include "platform/combo_drop_height.h"
#include "platform/widgets.h"
#include "ui/session.h"

namespace quillory {

DefaultStyleDialog::DefaultStyleDialog(Session& session, QWidget* owner)
    : QDialog(owner), session_(session) {
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
    styleCombo_ = Named(new QComboBox(this), "cboStyle");
    SetComboDropHeight(*styleCombo_, 525);
    layout->addWidget(styleCombo_);
    auto* ok = Named(new QPushButton("OK", this), "cmdOk");
    layout->addWidget(ok);
    connect(ok, &QPushButton::clicked, this, &DefaultStyleDialog::Ok);
    Load();
}

void DefaultStyleDialog::Load() {
    session_.Run(this, operation::kLoadDefaultStyle, [&](Prompts&) {
        Workspace& work = session_.Work();
        const std::vector<std::string> choices = DefaultStyleChoices(work);
        for (const std::string& choice : choices) {
            styleCombo_->addItem(QString::fromStdString(choice));
        }
        // Nothing stays selected when the default style is not among the choices.
        styleCombo_->setCurrentIndex(-1);
        styleCombo_->setCurrentIndex(DefaultStyleIndex(choices, work.settings.defaultStyle));
    });
}

void DefaultStyleDialog::Ok() {
    session_.Run(this, operation::kDefaultStyleOk, [&](Prompts& prompts) {
        SetDefaultStyle(session_.Work(), styleCombo_->currentText().toStdString(), prompts);
        close();
    });
}

}  // namespace quillory
