#include "ui/search/search_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <array>

#include "data/common/operation_names.h"
#include "platform/widgets.h"
#include "ui/session.h"

namespace quillory {
namespace {

struct FieldOption {
    const char* caption;
    int column;
    const char* text;  // what the search box holds after choosing the field
};

constexpr std::array<FieldOption, 6> kFields = {{
    {"Music", kMusicColumn, ""},
    {"Genre", kGenreColumn, ""},
    {"Keywords", kKeywordsColumn, ""},
    {"Favorites", kFavoriteColumn, "Yes"},
    {"Search 1", kSearch1Column, "Yes"},
    {"Search 2", kSearch2Column, "Yes"},
}};

}  // namespace

SearchDialog::SearchDialog(Session& session, QWidget* owner) : QDialog(owner), session_(session) {
    setObjectName("frmSearch");
    setWindowTitle("Song Search");
    setModal(false);
    auto* layout = new QVBoxLayout(this);

    auto* fieldFrame = Named(new QGroupBox("Select field to search", this), "Frame1");
    auto* fieldLayout = new QVBoxLayout(fieldFrame);
    std::array<QRadioButton*, kFields.size()> fields{};
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        // The six options form one control array; each is named with its index.
        fields[i] = Named(new QRadioButton(kFields[i].caption, fieldFrame),
                          QString("Option1_%1").arg(i + 1));
        fieldLayout->addWidget(fields[i]);
        connect(fields[i], &QRadioButton::clicked, this, [this, i] { ChooseField(i); });
    }
    fields[0]->setChecked(true);
    layout->addWidget(fieldFrame);

    auto* matchFrame = Named(new QGroupBox("Match", this), "Frame3");
    auto* matchLayout = new QHBoxLayout(matchFrame);
    auto* wholeWord = Named(new QRadioButton("Whole Word", matchFrame), "OptMatchWord");
    matchContaining_ = Named(new QRadioButton("Containing", matchFrame), "optMatchContaining");
    matchContaining_->setChecked(true);
    matchLayout->addWidget(wholeWord);
    matchLayout->addWidget(matchContaining_);
    layout->addWidget(matchFrame);

    auto* textFrame = Named(new QGroupBox("For this text", this), "Frame2");
    auto* textLayout = new QVBoxLayout(textFrame);
    findText_ = Named(new QLineEdit(textFrame), "txtFind");
    textLayout->addWidget(findText_);
    layout->addWidget(textFrame);

    const MusicFinderDocument& list = session_.Document();
    layout->addLayout(NewButtonRow(
        *this, {{"cmdFind", "Find First",
                 [this, &list] {
                     Search(operation::kFindFirst, [&](const std::string& text, Prompts& p) {
                         ShowFound(search_.FindFirst(list, text, p, session_.Filter()));
                     });
                 }},
                {"cmdAgain", "Find Next", [this] { FindNext(); }},
                {"cmdCheck", "Find and Check All",
                 [this] {
                     Search(operation::kFindAndCheck, [&](const std::string& text, Prompts& p) {
                         if (const auto matched = search_.FindAndCheckAll(session_.Document(), text,
                                                                          p, session_.Filter())) {
                             session_.FoundAndTicked(*matched);
                             session_.Report(TickedReport(*matched));
                         }
                     });
                 }},
                {"cmdExit", "Close", [this] { hide(); }}}));
}

void SearchDialog::ChooseField(std::size_t option) {
    search_.column = kFields[option].column;
    findText_->setText(kFields[option].text);
    findText_->setFocus();
}

void SearchDialog::FindNext() {
    Search(operation::kFindNext, [&](const std::string& text, Prompts& p) {
        ShowFound(search_.FindNext(session_.Document(), text, p, session_.Filter()));
    });
}

void SearchDialog::FocusText() {
    findText_->setFocus(Qt::ShortcutFocusReason);
    findText_->selectAll();
}

void SearchDialog::Search(const char* operation,
                          const std::function<void(const std::string&, Prompts&)>& command) {
    session_.Run(this, operation, [&](Prompts& prompts) {
        search_.wholeWord = !matchContaining_->isChecked();
        command(findText_->text().toStdString(), prompts);
    });
}

void SearchDialog::ShowFound(std::optional<std::size_t> row) {
    if (row) {
        session_.Highlight(*row);
    }
}

}  // namespace quillory
