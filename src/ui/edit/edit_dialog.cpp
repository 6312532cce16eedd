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
#include <QRadioButton>
#include <QTimer>

#include "data/record_layout.h"
#include "platform/auto_size_columns.h"
#include "platform/combo_drop_height.h"
#include "platform/dialogs.h"
#include "platform/widgets.h"
#include "ui/main/application.h"
#include "ui/main/main_window.h"

namespace quillory {
namespace {

constexpr const char* kTimeSigNames[kTimeSigCount] = {"opt24", "opt44", "opt34", "opt68", "opt00"};
constexpr const char* kTimeSigCaptions[kTimeSigCount] = {"2/4", "4/4", "3/4", "6/8", "0/0"};

QString FromStd(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

EditDialog::EditDialog(Application& app) : QDialog(app.Window()), app_(app) {
    setObjectName("frmEdit");
    setWindowTitle("Data Enter/Edit");
    setModal(false);
    auto* form = new QFormLayout(this);

    cboGenre_ = Named(new QComboBox(this), "cboGenre");
    cboGenre_->setEditable(true);
    cboGenre_->setInsertPolicy(QComboBox::NoInsert);
    form->addRow("Genre", cboGenre_);
    txtMusic_ = Named(new QLineEdit(this), "txtMusic");
    form->addRow("Music (Song)", txtMusic_);
    cboStyle_ = Named(new QComboBox(this), "cboStyle");
    SetComboDropHeight(*cboStyle_, 525);
    form->addRow("Style", cboStyle_);

    auto* timeSigFrame = Named(new QGroupBox(this), "Frame1");
    auto* timeSigLayout = new QHBoxLayout(timeSigFrame);
    for (std::size_t i = 0; i < kTimeSigCount; ++i) {
        timeSigs_[i] = Named(new QRadioButton(kTimeSigCaptions[i], timeSigFrame), kTimeSigNames[i]);
        timeSigLayout->addWidget(timeSigs_[i]);
        connect(timeSigs_[i], &QRadioButton::clicked, this,
                [this, i] { app_.Store().gEditTimeSig = kTimeSigs[i]; });
    }
    timeSigs_[1]->setChecked(true);
    form->addRow("Time Sig.", timeSigFrame);

    txtTempo_ = Named(new QLineEdit(this), "txtTempo");
    form->addRow("Tempo", txtTempo_);
    txtKeywords_ = Named(new QLineEdit(this), "txtKeywords");
    form->addRow("Keywords", txtKeywords_);
    chkFavorite_ = Named(new QCheckBox(this), "chkFavorite");
    form->addRow("Favorite", chkFavorite_);
    chkSearch1_ = Named(new QCheckBox(this), "chkSearch1");
    form->addRow("Search 1", chkSearch1_);
    chkSearch2_ = Named(new QCheckBox(this), "chkSearch2");
    form->addRow("Search 2", chkSearch2_);
    cboIntro_ = Named(new QComboBox(this), "cboIntro");
    cboSection_ = Named(new QComboBox(this), "cboSection");
    for (std::size_t code = 0; code < kSectionChoiceCount; ++code) {
        const QString text = FromStd(std::string(SectionText(static_cast<int>(code))));
        cboIntro_->addItem(text, static_cast<int>(code));
        cboSection_->addItem(text, static_cast<int>(code));
    }
    form->addRow("Intro", cboIntro_);
    form->addRow("Section", cboSection_);

    form->addRow(NewButtonRow(
        *this, {{"cmdOk", "OK", [this] { Ok(); }}, {"cmdCancel", "Cancel", [this] { hide(); }}}));
    connect(qApp, &QApplication::focusChanged, this, &EditDialog::FocusMoved);
    ShowStoreLists();
}

void EditDialog::ShowStoreLists() {
    const RecordStore& store = app_.Store();
    if (store.genreChoices != shownGenres_) {
        shownGenres_ = store.genreChoices;
        cboGenre_->clear();
        for (const std::string& genre : shownGenres_) {
            cboGenre_->addItem(FromStd(genre));
        }
        cboGenre_->setCurrentIndex(-1);
    }
    if (store.styleChoices != shownStyles_) {
        shownStyles_ = store.styleChoices;
        const QString selected = cboStyle_->currentText();
        cboStyle_->clear();
        for (const StyleChoice& style : shownStyles_) {
            cboStyle_->addItem(FromStd(style.name), style.number);
        }
        SelectText(*cboStyle_, selected);
    }
}

void EditDialog::ShowRow(const RowClick& click) {
    txtMusic_->setText(FromStd(click.music));
    txtTempo_->setText(FromStd(click.tempo));
    txtKeywords_->setText(FromStd(click.keywords));
    chkFavorite_->setChecked(click.favorite);
    chkSearch1_->setChecked(click.search1);
    chkSearch2_->setChecked(click.search2);
    if (click.timeSig) {
        timeSigs_[*click.timeSig]->setChecked(true);
    }
    if (click.genreIndex) {
        cboGenre_->setCurrentIndex(static_cast<int>(*click.genreIndex));
    }
}

void EditDialog::StartAdd() {
    PrepareAdd(app_.Store());
    txtMusic_->clear();
    timeSigs_[1]->setChecked(true);
    txtTempo_->setText("100");
    txtKeywords_->clear();
    ShowInFront(*this, *app_.Window());
    chkFavorite_->setChecked(false);
    chkSearch1_->setChecked(false);
    chkSearch2_->setChecked(false);
}

bool EditDialog::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        Activated();
    }
    return QDialog::event(event);
}

void EditDialog::closeEvent(QCloseEvent* event) {
    // Closing only hides the editor, so the lists that the reader and the style tables filled
    // stay in it.
    event->ignore();
    hide();
}

void EditDialog::Activated() {
    app_.Window()->Run("frmEdit_activate", [&] {
        if (const auto selection = EditorActivation(app_.Store())) {
            SelectText(*cboStyle_, FromStd(selection->style));
            SelectText(*cboIntro_, FromStd(selection->intro), 0);
            SelectText(*cboSection_, FromStd(selection->section), 0);
        }
    });
}

void EditDialog::FocusMoved(QWidget* old, QWidget* now) {
    if (!old || !now || old->window() != this || now->window() != this) {
        return;
    }
    if (restoringFocus_) {
        // A refused box takes the focus back: the box it passed through was never left by the
        // user, so it is not checked (two refusing boxes would pass the focus and their
        // messages back and forth without end).
        leaveRefused_ = false;
        return;
    }
    const bool left = old == cboGenre_ || old == cboGenre_->lineEdit() ? LeaveGenre()
                      : old == cboStyle_                               ? LeaveStyle()
                      : old == txtTempo_                               ? LeaveTempo()
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
    if (KeepTypedEntry(*cboGenre_)) {
        const std::string typed = cboGenre_->currentText().toStdString();
        app_.Store().genreChoices.push_back(typed);
        shownGenres_.push_back(typed);
    }
    return true;
}

bool EditDialog::LeaveStyle() {
    if (cboStyle_->currentIndex() < 0) {
        app_.GetDialogs().Message(this,
                                  "Please select a style in the list, new entries are not allowed");
        return false;
    }
    return true;
}

bool EditDialog::LeaveTempo() {
    if (!TempoAccepted(txtTempo_->text().toStdString())) {
        app_.GetDialogs().Message(this, "Tempo must be between 32 and 280");
        return false;
    }
    return true;
}

EditorValues EditDialog::Values() const {
    EditorValues values;
    if (cboGenre_->currentIndex() >= 0) {
        values.genre = cboGenre_->currentText().toStdString();
    }
    values.music = txtMusic_->text().toStdString();
    if (const int style = cboStyle_->currentIndex(); style >= 0) {
        values.style = StyleChoice{cboStyle_->itemText(style).toStdString(),
                                   cboStyle_->itemData(style).toInt()};
    }
    values.timeSig = app_.Store().gEditTimeSig;
    values.tempo = txtTempo_->text().toStdString();
    values.keywords = txtKeywords_->text().toStdString();
    values.favorite = chkFavorite_->isChecked();
    values.search1 = chkSearch1_->isChecked();
    values.search2 = chkSearch2_->isChecked();
    values.intro = cboIntro_->currentText().toStdString();
    values.section = cboSection_->currentText().toStdString();
    return values;
}

void EditDialog::Ok() {
    if (leaveRefused_) {
        leaveRefused_ = false;
        return;
    }
    MainWindow& main = *app_.Window();
    main.Run("EditCommandOK", [&] {
        switch (EditorOk(app_.Store(), Values(), main.Ui())) {
            case EditorOkResult::kDone:
                AutoSizeColumns(main.List());
                hide();
                break;
            case EditorOkResult::kFocusMusic: txtMusic_->setFocus(); break;
            case EditorOkResult::kRefused: break;
        }
    });
}

}  // namespace quillory
