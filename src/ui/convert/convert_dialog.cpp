#include "ui/convert/convert_dialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "data/common/operation_names.h"
#include "data/conversion/save_as.h"
#include "data/format/instrument_catalog.h"
#include "platform/activation.h"
#include "platform/widgets.h"
#include "ui/session.h"

namespace quillory {
ConvertDialog::ConvertDialog(Session& session, QWidget* owner) : QDialog(owner), session_(session) {
    setObjectName("frmConvert");
    setWindowTitle("Save As Options");
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    auto* layout = new QVBoxLayout(this);

    auto* targetFrame = Named(new QGroupBox("Select Target Instrument", this), "Frame1");
    auto* targetGrid = new QGridLayout(targetFrame);
    auto* targetGroup = new QButtonGroup(this);
    int position = 0;
    for (const Instrument* instrument : TargetOptionInstruments()) {
        const TargetOption& option = instrument->targetOption;
        auto* button = Named(new QRadioButton(FromLatin1(option.caption), targetFrame),
                             FromLatin1(option.name));
        targetGroup->addButton(button);
        targetGrid->addWidget(button, position % 5, position / 5);
        targets_.emplace_back(button, instrument);
        ++position;
    }
    layout->addWidget(targetFrame);

    auto* saveFrame = Named(new QGroupBox("Select Save Option", this), "Frame2");
    auto* saveLayout = new QVBoxLayout(saveFrame);
    checkedRecords_ =
        Named(new QRadioButton("Checked Records Only", saveFrame), "optCheckedRecords");
    allRecords_ = Named(new QRadioButton("All Records", saveFrame), "optAllRecords");
    saveLayout->addWidget(checkedRecords_);
    saveLayout->addWidget(allRecords_);
    layout->addWidget(saveFrame);

    auto* instruments = new QGridLayout;
    instruments->addWidget(Named(new QLabel("Source Instrument:", this), "Label1"), 0, 0);
    sourceInstrument_ = Named(new QLineEdit(this), "txtSourceInstrument");
    sourceInstrument_->setReadOnly(true);
    instruments->addWidget(sourceInstrument_, 0, 1);
    instruments->addWidget(Named(new QLabel("Target Instrument:", this), "Label2"), 1, 0);
    targetInstrument_ = Named(new QLabel(this), "lblTargetInstrument");
    instruments->addWidget(targetInstrument_, 1, 1);
    layout->addLayout(instruments);

    layout->addLayout(NewButtonRow(*this, {{"cmdSave", "Save", [this] { Save(); }},
                                           {"cmdCancel", "Cancel", [this] { close(); }}}));
    OnActivationFromOurWindow(*this, [this] { ShowValues(); });
}

void ConvertDialog::showEvent(QShowEvent* event) {
    ShowValues();
    QDialog::showEvent(event);
}

void ConvertDialog::ShowValues() {
    const Workspace& work = session_.Work();
    const std::string& target = work.settings.targetInstrument;
    sourceInstrument_->setText(QString::fromStdString(work.file.sourceInstrument));
    targetInstrument_->setText(QString::fromStdString(target));
    auto* group = targets_.front().first->group();
    group->setExclusive(false);
    for (auto& [button, instrument] : targets_) {
        button->setChecked(instrument->id == target);
    }
    group->setExclusive(true);
    allRecords_->setChecked(true);
}

void ConvertDialog::Save() {
    const bool checkedOnly = checkedRecords_->isChecked();
    // The dialog closes before the conversion asks anything: its questions belong to the main
    // window.
    session_.Run(parentWidget(), operation::kConvertSave, [&](Prompts& prompts) {
        Workspace& work = session_.Work();
        for (auto& [button, instrument] : targets_) {
            if (button->isChecked()) {
                work.settings.targetInstrument = std::string(instrument->id);
            }
        }
        close();
        if (const auto file = SaveAs(work, checkedOnly, prompts).file) {
            session_.SavedAs(*file);
        }
    });
}

}  // namespace quillory
