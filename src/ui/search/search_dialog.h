#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "data/record_search.h"

class QLineEdit;
class QRadioButton;

namespace quillory {

class Application;

// "Song Search" (frmSearch): finds rows by the text of one column, steps through the matches
// or ticks them all. Close only hides it, so the field, the text and the position stay.
class SearchDialog : public QDialog {
    Q_OBJECT

public:
    explicit SearchDialog(Application& app);

private:
    // One of the search's commands, run with the store, the search text and the user.
    using SearchCommand =
        std::function<void(RecordSearch&, RecordStore&, const std::string&, Interaction&)>;

    void ChooseField(std::size_t option);
    // Runs a command under its operation name with the match kind and the text the dialog shows.
    void Search(const char* operation, const SearchCommand& command);

    Application& app_;
    RecordSearch search_;
    QRadioButton* optMatchContaining_ = nullptr;
    QLineEdit* txtFind_ = nullptr;
};

}  // namespace quillory
