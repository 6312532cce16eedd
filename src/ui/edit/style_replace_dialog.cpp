#include "ui/edit/style_replace_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "data/common/operation_names.h"
#include "data/document/style_replace.h"
#include "data/format/music_finder_reader.h"
#include "data/format/style_table.h"
#include "platform/combo_drop_height.h"
#include "platform/widgets.h"
#include "ui/session.h"

namespace quillory {
namespace {

QString RowCell(const Session& session, std::optional<std::size_t> row, int column) {
    return row ? QString::fromStdString(session.Document().At(*row).Cell(column)) : QString();
}

}  // namespace

StyleReplaceDialog::StyleReplaceDialog(Session& session, QWidget* owner)
    : QDialog(owner), session_(session) {
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
    currentStyle_ = Named(new QLabel(frame), "lblCurrentStyle");
    styleCombo_ = Named(new QComboBox(frame), "cboStyle");
    currentGenre_ = Named(new QLabel(frame), "lblGenre");
    genreCombo_ = Named(new QComboBox(frame), "cboGenre");
    genreCombo_->setEditable(true);
    genreCombo_->setInsertPolicy(QComboBox::NoInsert);
    currentKeyword_ = Named(new QLineEdit(frame), "txtCurrentKeyword");
    newKeyword_ = Named(new QLineEdit(frame), "txtKeyword");
    for (QLabel* shown : {currentStyle_, currentGenre_}) {
        shown->setFrameStyle(QFrame::Box | QFrame::Plain);
        shown->setMinimumWidth(160);
    }
    rows_ = {{{Named(new QLabel("Replace", frame), "Label1"), currentStyle_,
               Named(new QLabel("with:", frame), "Label3"), styleCombo_},
              {Named(new QLabel("Replace", frame), "Label2"), currentGenre_,
               Named(new QLabel("with", frame), "Label5"), genreCombo_},
              {Named(new QLabel("Replace", frame), "Label4"), currentKeyword_,
               Named(new QLabel("with", frame), "Label6"), newKeyword_}}};
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
    connect(genreCombo_->lineEdit(), &QLineEdit::editingFinished, this,
            &StyleReplaceDialog::LeaveGenre);
    connect(&session_, &Session::highlightMoved, this, &StyleReplaceDialog::ShowCurrentStyle);
    Load();
}

void StyleReplaceDialog::Load() {
    session_.Run(this, operation::kLoadReplace, [&](Prompts&) {
        Workspace& work = session_.Work();
        const auto row = session_.HighlightedRow();
        std::vector<StyleChoice> styles;
        AppendStyleChoices(styles, ReadStyleTable(work.files, work.settings.targetInstrument));
        for (const StyleChoice& style : styles) {
            styleCombo_->addItem(QString::fromStdString(style.name), style.number);
        }
        SetComboDropHeight(*styleCombo_, 525);
        currentStyle_->setText(RowCell(session_, row, kStyleColumn));
        styleCombo_->setCurrentIndex(styles.empty() ? -1 : 0);
        modes_[0]->setChecked(true);
        ChooseMode(0);
        for (const std::string& genre : SortedGenres(work.file.genres)) {
            genreCombo_->addItem(QString::fromStdString(genre));
        }
        currentGenre_->setText(RowCell(session_, row, kGenreColumn));
        SelectText(*genreCombo_, currentGenre_->text());
    });
}

void StyleReplaceDialog::ShowCurrentStyle(std::optional<std::size_t> row) {
    if (row) {
        currentStyle_->setText(RowCell(session_, row, kStyleColumn));
    }
}

void StyleReplaceDialog::ChooseMode(int mode) {
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        for (QWidget* part : rows_[row]) {
            part->setEnabled(static_cast<int>(row) == mode);
        }
    }
}

void StyleReplaceDialog::LeaveGenre() {
    KeepTypedEntry(*genreCombo_);
}

void StyleReplaceDialog::ReplaceAllEntries() {
    if (styleCombo_->currentIndex() < 0) {
        return;
    }
    const ReplaceMode mode = modes_[1]->isChecked()   ? ReplaceMode::kGenre
                             : modes_[2]->isChecked() ? ReplaceMode::kKeyword
                                                      : ReplaceMode::kStyle;
    const QString current = mode == ReplaceMode::kStyle   ? currentStyle_->text()
                            : mode == ReplaceMode::kGenre ? currentGenre_->text()
                                                          : currentKeyword_->text();
    if (mode == ReplaceMode::kGenre) {
        LeaveGenre();
    }
    const QString replacement = mode == ReplaceMode::kStyle   ? styleCombo_->currentText()
                                : mode == ReplaceMode::kGenre ? genreCombo_->currentText()
                                                              : newKeyword_->text();
    session_.Run(this, operation::kReplace, [&](Prompts& prompts) {
        if (!AllRecordsMayChange(session_.Document(), session_.Filter(), prompts)) {
            return;
        }
        const std::size_t replaced = SubReplaceStyle(session_.Work(), mode, current.toStdString(),
                                                     replacement.toStdString(), prompts);
        session_.Report(BulkReport(ChangeOf(mode), replaced));
    });
    close();
    // The row the window took its values from stays highlighted and in view.
    if (const auto row = session_.HighlightedRow()) {
        session_.Highlight(*row);
    }
    session_.FitColumns();
}

}  // namespace quillory
