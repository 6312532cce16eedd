#include "ui/edit/style_replace_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "data/record_list.h"
#include "data/style_replace.h"
#include "data/style_table.h"
#include "platform/auto_size_columns.h"
#include "platform/combo_drop_height.h"
#include "platform/widgets.h"
#include "ui/main/application.h"
#include "ui/main/main_window.h"

namespace quillory {
namespace {

QString SelectedRowCell(const RecordStore& store, int column) {
    const auto row = store.list.Selected();
    return row ? QString::fromStdString(store.list.At(*row).Cell(column)) : QString();
}

}  // namespace

StyleReplaceDialog::StyleReplaceDialog(Application& app) : QDialog(app.Window()), app_(app) {
    setObjectName("frmStyleReplace");
    setWindowTitle("Replace ");
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    auto* frame = Named(new QGroupBox(this), "Frame1");
    auto* grid = new QGridLayout(frame);

    modes_ = {Named(new QRadioButton("Style", frame), "optStyle"),
              Named(new QRadioButton("Genre", frame), "optGenre"),
              Named(new QRadioButton("Keyword", frame), "optKeyword")};
    lblCurrentStyle_ = Named(new QLabel(frame), "lblCurrentStyle");
    cboStyle_ = Named(new QComboBox(frame), "cboStyle");
    lblGenre_ = Named(new QLabel(frame), "lblGenre");
    cboGenre_ = Named(new QComboBox(frame), "cboGenre");
    cboGenre_->setEditable(true);
    cboGenre_->setInsertPolicy(QComboBox::NoInsert);
    txtCurrentKeyword_ = Named(new QLineEdit(frame), "txtCurrentKeyword");
    txtKeyword_ = Named(new QLineEdit(frame), "txtKeyword");
    for (QLabel* shown : {lblCurrentStyle_, lblGenre_}) {
        shown->setFrameStyle(QFrame::Box | QFrame::Plain);
        shown->setMinimumWidth(160);
    }
    rows_ = {{{Named(new QLabel("Replace", frame), "Label1"), lblCurrentStyle_,
               Named(new QLabel("with:", frame), "Label3"), cboStyle_},
              {Named(new QLabel("Replace", frame), "Label2"), lblGenre_,
               Named(new QLabel("with", frame), "Label5"), cboGenre_},
              {Named(new QLabel("Replace", frame), "Label4"), txtCurrentKeyword_,
               Named(new QLabel("with", frame), "Label6"), txtKeyword_}}};
    for (int mode = 0; mode < 3; ++mode) {
        grid->addWidget(modes_[static_cast<std::size_t>(mode)], mode, 0);
        for (int part = 0; part < 4; ++part) {
            grid->addWidget(rows_[static_cast<std::size_t>(mode)][static_cast<std::size_t>(part)],
                            mode, part + 1);
        }
        connect(modes_[static_cast<std::size_t>(mode)], &QRadioButton::clicked, this,
                [this, mode] { ChooseMode(mode); });
    }
    auto* hint = Named(new QLabel("(entire keyword, e.g. 'slow jazz')", frame), "Label7");
    hint->setStyleSheet("color: rgb(255, 128, 0);");
    grid->addWidget(hint, 3, 2);
    layout->addWidget(frame);

    layout->addLayout(NewButtonRow(
        *this, {{"cmdAllEntries", "Replace All Entries", [this] { ReplaceAllEntries(); }},
                {"cmdCancel", "Cancel", [this] { close(); }}}));
    connect(cboGenre_->lineEdit(), &QLineEdit::editingFinished, this,
            &StyleReplaceDialog::LeaveGenre);
    Load();
}

void StyleReplaceDialog::Load() {
    RecordStore& store = app_.Store();
    app_.Window()->Run("Load StyleReplace", [&] {
        std::vector<StyleChoice> styles;
        AppendStyleChoices(styles, ReadStyleTable(store, store.gTargetInstrument));
        for (const StyleChoice& style : styles) {
            cboStyle_->addItem(QString::fromStdString(style.name), style.number);
        }
        SetComboDropHeight(*cboStyle_, 525);
        lblCurrentStyle_->setText(SelectedRowCell(store, kStyleColumn));
        cboStyle_->setCurrentIndex(styles.empty() ? -1 : 0);
        modes_[0]->setChecked(true);
        ChooseMode(0);
        for (const std::string& genre : SortedGenres(store)) {
            cboGenre_->addItem(QString::fromStdString(genre));
        }
        lblGenre_->setText(SelectedRowCell(store, kGenreColumn));
        SelectText(*cboGenre_, lblGenre_->text());
    });
}

void StyleReplaceDialog::ShowCurrentStyle(const QString& style) {
    lblCurrentStyle_->setText(style);
}

void StyleReplaceDialog::ChooseMode(int mode) {
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        for (QWidget* part : rows_[row]) {
            part->setEnabled(static_cast<int>(row) == mode);
        }
    }
}

void StyleReplaceDialog::LeaveGenre() {
    KeepTypedEntry(*cboGenre_);
}

void StyleReplaceDialog::ReplaceAllEntries() {
    if (cboStyle_->currentIndex() < 0) {
        return;
    }
    MainWindow& main = *app_.Window();
    const ReplaceMode mode = modes_[1]->isChecked()   ? ReplaceMode::kGenre
                             : modes_[2]->isChecked() ? ReplaceMode::kKeyword
                                                      : ReplaceMode::kStyle;
    const QString current = mode == ReplaceMode::kStyle   ? lblCurrentStyle_->text()
                            : mode == ReplaceMode::kGenre ? lblGenre_->text()
                                                          : txtCurrentKeyword_->text();
    if (mode == ReplaceMode::kGenre) {
        LeaveGenre();
    }
    const QString replacement = mode == ReplaceMode::kStyle   ? cboStyle_->currentText()
                                : mode == ReplaceMode::kGenre ? cboGenre_->currentText()
                                                              : txtKeyword_->text();
    main.Run("SubReplaceStyle", [&] {
        SubReplaceStyle(app_.Store(), mode, current.toStdString(), replacement.toStdString(),
                        main.Ui());
    });
    close();
    AutoSizeColumns(main.List());
}

}  // namespace quillory
