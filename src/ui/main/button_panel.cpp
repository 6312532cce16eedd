#include "ui/main/button_panel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/format/instrument_catalog.h"
#include "platform/widgets.h"

namespace quillory {
namespace {

QPushButton* AddButton(QWidget& parent, QLayout& layout, const char* name, const char* caption) {
    auto* button = Named(new QPushButton(caption, &parent), name);
    button->setEnabled(false);
    // As wide as the caption needs, with a line's height of room: the style's least button
    // width would widen the panel beyond its texts, the more so on a scaled screen.
    const QFontMetrics metrics = button->fontMetrics();
    button->setMinimumWidth(metrics.horizontalAdvance(button->text()) + metrics.height());
    button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    layout.addWidget(button);
    return button;
}

// Two columns of equal width that buttons fill row by row, so that the panel fits low screens.
QGridLayout* TwoColumns(QWidget& frame) {
    auto* grid = new QGridLayout(&frame);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    return grid;
}

QGroupBox* AddFrame(QLayout& layout, const char* name, const char* caption, bool enabled) {
    auto* frame = Named(new QGroupBox(caption), name);
    frame->setEnabled(enabled);
    layout.addWidget(frame);
    return frame;
}

void FillInstrumentCombo(QComboBox& combo) {
    for (const Instrument& instrument : Instruments()) {
        combo.addItem(FromLatin1(instrument.id));
    }
    combo.setCurrentIndex(-1);
}

}  // namespace

QWidget* BuildButtonPanel(QWidget& parent, ButtonPanel& p) {
    auto* panel = new QWidget(&parent);
    auto* layout = new QVBoxLayout(panel);

    QGroupBox* target = AddFrame(*layout, "Frame2", "Target Instrument", true);
    auto* targetLayout = new QVBoxLayout(target);
    p.target = Named(new QComboBox(target), "cboInst");
    targetLayout->addWidget(p.target);

    p.clear = AddFrame(*layout, "fraClear", "Clear", false);
    auto* clearLayout = new QHBoxLayout(p.clear);
    p.s2 = AddButton(*p.clear, *clearLayout, "cmdS2", "S2");
    p.s1 = AddButton(*p.clear, *clearLayout, "cmdS1", "S1");
    p.fav = AddButton(*p.clear, *clearLayout, "CmdFav", "Fav");

    p.edit = AddFrame(*layout, "fraEdit", "Edit Item", false);
    QGridLayout* editLayout = TwoColumns(*p.edit);
    p.replace = AddButton(*p.edit, *editLayout, "cmdReplaceStyle", "Replace");
    p.deleteChecked = AddButton(*p.edit, *editLayout, "cmdDeleteChecked", "Del Chk'd");
    p.add = AddButton(*p.edit, *editLayout, "cmdAdd", "Add");
    p.deleteRow = AddButton(*p.edit, *editLayout, "CmdDelete", "Delete");
    p.modify = AddButton(*p.edit, *editLayout, "cmdModify", "Modify");

    p.check = AddFrame(*layout, "fraCheck", "Checkbox Control", false);
    QGridLayout* checkLayout = TwoColumns(*p.check);
    p.uncheck = AddButton(*p.check, *checkLayout, "CmdUnCheck", "Uncheck ");
    p.invert = AddButton(*p.check, *checkLayout, "cmdInvert", "Invert");
    p.checkAll = AddButton(*p.check, *checkLayout, "cmdCheck", "Check");
    auto* counter = new QHBoxLayout;
    p.counterCaption = Named(new QLabel("Number", p.check), "lblchk");
    p.counter = Named(new QLabel("0", p.check), "lblNumberChecked");
    counter->addWidget(p.counterCaption);
    counter->addWidget(p.counter);
    checkLayout->addLayout(counter, 1, 1);

    auto* listButtons = new QHBoxLayout;
    layout->addLayout(listButtons);
    p.playList = AddButton(*panel, *listButtons, "cmdPlayList", "Play List ");
    p.search = AddButton(*panel, *listButtons, "cmdSearch", "Search");
    layout->addStretch(1);
    FillInstrumentCombo(*p.target);
    return panel;
}

}  // namespace quillory
