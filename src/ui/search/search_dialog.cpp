#include "ui/search/search_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <array>

#include "platform/widgets.h"
#include "platform/window_placement.h"
#include "ui/main/application.h"
#include "ui/main/main_window.h"

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

SearchDialog::SearchDialog(Application& app) : QDialog(app.Window()), app_(app) {
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
    optMatchContaining_ = Named(new QRadioButton("Containing", matchFrame), "optMatchContaining");
    optMatchContaining_->setChecked(true);
    matchLayout->addWidget(wholeWord);
    matchLayout->addWidget(optMatchContaining_);
    layout->addWidget(matchFrame);

    auto* textFrame = Named(new QGroupBox("For this text", this), "Frame2");
    auto* textLayout = new QVBoxLayout(textFrame);
    txtFind_ = Named(new QLineEdit(textFrame), "txtFind");
    textLayout->addWidget(txtFind_);
    layout->addWidget(textFrame);

    layout->addLayout(NewButtonRow(
        *this, {{"cmdFind", "Find First", [this] { Search("Find", &RecordSearch::FindFirst); }},
                {"cmdAgain", "Find Next", [this] { Search("FindAgain", &RecordSearch::FindNext); }},
                {"cmdCheck", "Find and Check All",
                 [this] { Search("Check", &RecordSearch::FindAndCheckAll); }},
                {"cmdExit", "Close", [this] { hide(); }}}));
}

void SearchDialog::ChooseField(std::size_t option) {
    search_.column = kFields[option].column;
    txtFind_->setText(kFields[option].text);
    txtFind_->setFocus();
}

void SearchDialog::Search(const char* operation, const SearchCommand& command) {
    MainWindow& main = *app_.Window();
    main.Run(operation, [&] {
        search_.wholeWord = !optMatchContaining_->isChecked();
        command(search_, app_.Store(), txtFind_->text().toStdString(), main.Ui());
    });
    UncoverSelectedRow(*this, main.List());
}

}  // namespace quillory
