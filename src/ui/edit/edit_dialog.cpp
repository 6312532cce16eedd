#include "ui/edit/edit_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "data/common/operation_names.h"
#include "data/format/record_layout.h"
#include "platform/activation.h"
#include "platform/combo_drop_height.h"
#include "platform/widgets.h"
#include "ui/session.h"

namespace quillory {
namespace {

constexpr const char* kTimeSigNames[kTimeSigCount] = {"opt24", "opt44", "opt34", "opt68", "opt00"};
constexpr const char* kTimeSigCaptions[kTimeSigCount] = {"2/4", "4/4", "3/4", "6/8", "0/0"};
constexpr std::size_t kFourFour = 1;

QString FromStd(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

EditDialog::EditDialog(Session& session, QWidget* owner) : QDialog(owner), session_(session) {
    setObjectName("frmEdit");
    setWindowTitle("Data Enter/Edit");
    setModal(false);
    auto* form = new QFormLayout(this);

    genreCombo_ = Named(new QComboBox(this), "cboGenre");
    genreCombo_->setEditable(true);
    genreCombo_->setInsertPolicy(QComboBox::NoInsert);
    form->addRow("Genre", genreCombo_);
    musicEdit_ = Named(new QLineEdit(this), "txtMusic");
    form->addRow("Music (Song)", musicEdit_);
    styleCombo_ = Named(new QComboBox(this), "cboStyle");
    SetComboDropHeight(*styleCombo_, 525);
    form->addRow("Style", styleCombo_);

    auto* timeSigFrame = Named(new QGroupBox(this), "Frame1");
    auto* timeSigLayout = new QHBoxLayout(timeSigFrame);
    for (std::size_t i = 0; i < kTimeSigCount; ++i) {
        timeSigs_[i] = Named(new QRadioButton(kTimeSigCaptions[i], timeSigFrame), kTimeSigNames[i]);
        timeSigLayout->addWidget(timeSigs_[i]);
        connect(timeSigs_[i], &QRadioButton::clicked, this, [this, i] { timeSig_ = kTimeSigs[i]; });
    }
    timeSigs_[kFourFour]->setChecked(true);
    form->addRow("Time Sig.", timeSigFrame);

    tempoEdit_ = Named(new QLineEdit(this), "txtTempo");
    form->addRow("Tempo", tempoEdit_);
    keywordsEdit_ = Named(new QLineEdit(this), "txtKeywords");
    form->addRow("Keywords", keywordsEdit_);
    favoriteBox_ = Named(new QCheckBox(this), "chkFavorite");
    form->addRow("Favorite", favoriteBox_);
    search1Box_ = Named(new QCheckBox(this), "chkSearch1");
    form->addRow("Search 1", search1Box_);
    search2Box_ = Named(new QCheckBox(this), "chkSearch2");
    form->addRow("Search 2", search2Box_);
    introCombo_ = Named(new QComboBox(this), "cboIntro");
    sectionCombo_ = Named(new QComboBox(this), "cboSection");
    for (std::size_t code = 0; code < kSectionChoiceCount; ++code) {
        const QString text = FromStd(std::string(SectionText(static_cast<int>(code))));
        introCombo_->addItem(text, static_cast<int>(code));
        sectionCombo_->addItem(text, static_cast<int>(code));
    }
    form->addRow("Intro", introCombo_);
    form->addRow("Section", sectionCombo_);

    form->addRow(
        NewButtonRow(*this, {{"cmdOk", "OK", [this] { Ok(); }},
                             {"cmdCancel", "Cancel", [this] { hide(); }, &cancelButton_}}));
    focusFollower_ = connect(qApp, &QApplication::focusChanged, this, &EditDialog::FocusMoved);
    connect(&session_, &Session::changed, this, &EditDialog::ShowLists);
    connect(&session_, &Session::highlightMoved, this, &EditDialog::ShowRow);
    OnActivationFromOurWindow(*this, [this] { SelectRecordChoices(); });
    ShowLists();
}

EditDialog::~EditDialog() {
    disconnect(focusFollower_);
}

void EditDialog::ShowLists() {
    const EditorChoices& choices = session_.Work().choices;
    if (choices.genres != shownGenres_) {
        shownGenres_ = choices.genres;
        genreCombo_->clear();
        for (const std::string& genre : shownGenres_) {
            genreCombo_->addItem(FromStd(genre));
        }
        genreCombo_->setCurrentIndex(-1);
    }
    if (choices.styles != shownStyles_) {
        shownStyles_ = choices.styles;
        const QString selected = styleCombo_->currentText();
        styleCombo_->clear();
        for (const StyleChoice& style : shownStyles_) {
            styleCombo_->addItem(FromStd(style.name), style.number);
        }
        SelectText(*styleCombo_, selected);
    }
}

void EditDialog::ShowRow(std::optional<std::size_t> row) {
    if (!row) {
        return;
    }
    const RowClick click = RowClicked(session_.Work(), *row);
    musicEdit_->setText(FromStd(click.music));
    tempoEdit_->setText(FromStd(click.tempo));
    keywordsEdit_->setText(FromStd(click.keywords));
    favoriteBox_->setChecked(click.favorite);
    search1Box_->setChecked(click.search1);
    search2Box_->setChecked(click.search2);
    if (click.timeSig) {
        timeSigs_[*click.timeSig]->setChecked(true);
        timeSig_ = kTimeSigs[*click.timeSig];
    }
    if (click.genreIndex) {
        genreCombo_->setCurrentIndex(static_cast<int>(*click.genreIndex));
    }
}

void EditDialog::StartAdd() {
    addMode_ = true;
    timeSig_ = kTimeSigs[kFourFour];
    musicEdit_->clear();
    timeSigs_[kFourFour]->setChecked(true);
    tempoEdit_->setText("100");
    keywordsEdit_->clear();
    ShowInFront(*this, *parentWidget());
    favoriteBox_->setChecked(false);
    search1Box_->setChecked(false);
    search2Box_->setChecked(false);
}

void EditDialog::StartModify() {
    addMode_ = false;
    ShowRow(session_.HighlightedRow());
    SelectRecordChoices();
    ShowInFront(*this, *parentWidget());
}

void EditDialog::SelectRecordChoices() {
    const auto row = session_.HighlightedRow();
    if (addMode_ || !row) {
        return;
    }
    session_.Run(this, operation::kEditorActivate, [&](Prompts&) {
        const EditorSelection selection = EditorActivation(session_.Document(), *row);
        SelectText(*styleCombo_, FromStd(selection.style));
        SelectText(*introCombo_, FromStd(selection.intro), 0);
        SelectText(*sectionCombo_, FromStd(selection.section), 0);
    });
}

void EditDialog::closeEvent(QCloseEvent* event) {
    // Closing only hides the editor, so the lists that the reader and the style tables filled
    // stay in it.
    event->ignore();
    hide();
}

void EditDialog::FocusMoved(QWidget* old, QWidget* now) {
    // Cancel leaves without looking at what the boxes hold.
    if (!old || !now || old->window() != this || now->window() != this || now == cancelButton_) {
        return;
    }
    if (restoringFocus_) {
        // A refused box takes the focus back: the box it passed through was never left by the
        // user, so it is not checked (two refusing boxes would pass the focus and their
        // messages back and forth without end).
        leaveRefused_ = false;
        return;
    }
    const bool left = old == genreCombo_ || old == genreCombo_->lineEdit() ? LeaveGenre()
                      : old == styleCombo_                                 ? LeaveStyle()
                      : old == tempoEdit_                                  ? LeaveTempo()
                                                                           : true;
    leaveRefused_ = !left;
    if (!left) {
        QTimer::singleShot(0, old, [this, old] {
            restoringFocus_ = true;
            old->setFocus(Qt::OtherFocusReason);
            restoringFocus_ = false;
        });
    }
}

bool EditDialog::LeaveGenre() {
    if (KeepTypedEntry(*genreCombo_)) {
        const std::string typed = genreCombo_->currentText().toStdString();
        session_.Work().choices.genres.push_back(typed);
        shownGenres_.push_back(typed);
    }
    return true;
}

bool EditDialog::LeaveStyle() {
    if (styleCombo_->currentIndex() < 0) {
        session_.PromptsFor(this).ShowMessage(
            "Please select a style in the list, new entries are not allowed");
        return false;
    }
    return true;
}

bool EditDialog::LeaveTempo() {
    if (!TempoAccepted(tempoEdit_->text().toStdString())) {
        session_.PromptsFor(this).ShowMessage("Tempo must be between 32 and 280");
        return false;
    }
    return true;
}

EditorValues EditDialog::Values() const {
    EditorValues values;
    if (genreCombo_->currentIndex() >= 0) {
        values.genre = genreCombo_->currentText().toStdString();
    }
    values.music = musicEdit_->text().toStdString();
    if (const int style = styleCombo_->currentIndex(); style >= 0) {
        values.style = StyleChoice{styleCombo_->itemText(style).toStdString(),
                                   styleCombo_->itemData(style).toInt()};
    }
    values.timeSig = timeSig_;
    values.tempo = tempoEdit_->text().toStdString();
    values.keywords = keywordsEdit_->text().toStdString();
    values.favorite = favoriteBox_->isChecked();
    values.search1 = search1Box_->isChecked();
    values.search2 = search2Box_->isChecked();
    values.intro = introCombo_->currentText().toStdString();
    values.section = sectionCombo_->currentText().toStdString();
    return values;
}

void EditDialog::Ok() {
    if (leaveRefused_) {
        leaveRefused_ = false;
        return;
    }
    session_.Run(this, operation::kEditorOk, [&](Prompts& prompts) {
        Workspace& work = session_.Work();
        EditorOutcome outcome;
        if (addMode_) {
            outcome = EditorAdd(work, Values(), prompts);
        } else {
            outcome = EditorModify(work, session_.HighlightedRow(), Values(), prompts);
        }
        switch (outcome.result) {
            case EditorOkResult::kDone:
                if (outcome.row) {
                    session_.Highlight(*outcome.row);
                }
                session_.FitColumns();
                hide();
                break;
            case EditorOkResult::kFocusMusic: musicEdit_->setFocus(); break;
            case EditorOkResult::kRefused: break;
        }
    });
}

}  // namespace quillory
