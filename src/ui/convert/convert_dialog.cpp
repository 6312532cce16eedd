#include "ui/convert/convert_dialog.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "data/save_as.h"
#include "platform/widgets.h"
#include "ui/main/application.h"
#include "ui/main/main_window.h"

namespace quillory {
namespace {

struct TargetOption {
    const char* name;
    const char* caption;
    const char* instrument;
};

constexpr TargetOption kTargetOptions[] = {
    {"optTarget3000", "PSR3000", "PSR-3000"}, {"optTarget1500", "PSR1500", "PSR-1500"},
    {"optTarget204", "CVP204", "CVP-204"},    {"optTarget206", "CVP206", "CVP-206"},
    {"optTarget208", "CVP208", "CVP-208"},    {"optTarget210", "CVP210", "CVP-210"},
    {"optTarget1100", "PSR1100", "PSR-1100"}, {"optTarget2100", "PSR2100", "PSR-2100"},
    {"optTargetTyros", "TYROS", "TYROS"},     {"optTarget207", "CVP207", "CVP-207"},
    {"optTarget203", "CVP203", "CVP-203"},    {"optTarget1000", "PSR1000", "PSR-1000"},
    {"optTarget2000", "PSR2000", "PSR-2000"}, {"optTarget205", "CVP205", "CVP-205"},
    {"optTarget209", "CVP209", "CVP-209"},
};

}  // namespace

ConvertDialog::ConvertDialog(Application& app) : QDialog(app.Window()), app_(app) {
    setObjectName("frmConvert");
    setWindowTitle("Save As Options");
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    auto* layout = new QVBoxLayout(this);

    auto* targetFrame = Named(new QGroupBox("Select Target Instrument", this), "Frame1");
    auto* targetGrid = new QGridLayout(targetFrame);
    auto* targetGroup = new QButtonGroup(this);
    int position = 0;
    for (const TargetOption& option : kTargetOptions) {
        auto* button = Named(new QRadioButton(option.caption, targetFrame), option.name);
        targetGroup->addButton(button);
        targetGrid->addWidget(button, position % 5, position / 5);
        targets_.emplace_back(button, option.instrument);
        ++position;
    }
    layout->addWidget(targetFrame);

    auto* saveFrame = Named(new QGroupBox("Select Save Option", this), "Frame2");
    auto* saveLayout = new QVBoxLayout(saveFrame);
    optCheckedRecords_ =
        Named(new QRadioButton("Checked Records Only", saveFrame), "optCheckedRecords");
    optAllRecords_ = Named(new QRadioButton("All Records", saveFrame), "optAllRecords");
    saveLayout->addWidget(optCheckedRecords_);
    saveLayout->addWidget(optAllRecords_);
    layout->addWidget(saveFrame);

    auto* instruments = new QGridLayout;
    instruments->addWidget(Named(new QLabel("Source Instrument:", this), "Label1"), 0, 0);
    txtSourceInstrument_ = Named(new QLineEdit(this), "txtSourceInstrument");
    txtSourceInstrument_->setReadOnly(true);
    instruments->addWidget(txtSourceInstrument_, 0, 1);
    instruments->addWidget(Named(new QLabel("Target Instrument:", this), "Label2"), 1, 0);
    lblTargetInstrument_ = Named(new QLabel(this), "lblTargetInstrument");
    instruments->addWidget(lblTargetInstrument_, 1, 1);
    layout->addLayout(instruments);

    layout->addLayout(NewButtonRow(*this, {{"cmdSave", "Save", [this] { Save(); }},
                                           {"cmdCancel", "Cancel", [this] { close(); }}}));
}

bool ConvertDialog::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        ShowStoreValues();
    }
    return QDialog::event(event);
}

void ConvertDialog::showEvent(QShowEvent* event) {
    ShowStoreValues();
    QDialog::showEvent(event);
}

void ConvertDialog::ShowStoreValues() {
    const RecordStore& store = app_.Store();
    txtSourceInstrument_->setText(QString::fromStdString(store.gSourceInstrument));
    lblTargetInstrument_->setText(QString::fromStdString(store.gTargetInstrument));
    auto* group = targets_.front().first->group();
    group->setExclusive(false);
    for (auto& [button, instrument] : targets_) {
        button->setChecked(store.gTargetInstrument == instrument);
    }
    group->setExclusive(true);
    optAllRecords_->setChecked(true);
}

void ConvertDialog::Save() {
    MainWindow& main = *app_.Window();
    const bool checkedOnly = optCheckedRecords_->isChecked();
    main.Run("ConvertCommandSave", [&] {
        for (auto& [button, instrument] : targets_) {
            if (button->isChecked()) {
                app_.Store().gTargetInstrument = instrument;
            }
        }
        close();
        SaveAs(app_.Store(), checkedOnly, main.Ui());
    });
}

}  // namespace quillory
