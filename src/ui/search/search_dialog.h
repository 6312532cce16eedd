#pragma once

#include <QDialog>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "data/document/record_search.h"
#include "platform/dialogs.h"

class QLineEdit;
class QRadioButton;

namespace quillory {

class Session;

// "Song Search" (frmSearch): finds rows by the text of one column, steps through the matches
// or ticks them all. Close only hides it, so the field, the text and the position stay.
class SearchDialog : public QDialog {
    Q_OBJECT

public:
    SearchDialog(Session& session, QWidget* owner);

    // "Find Next" with what the dialog holds (F3 in the main list as well).
    void FindNext();
    // Puts the cursor in the search text with the text selected, so that typing replaces it.
    void FocusText();

private:
    void ChooseField(std::size_t option);
    // Runs a command under its operation name with the match kind and the text the dialog
    // shows; the text it gets is the text box's.
    void Search(const char* operation,
                const std::function<void(const std::string&, Prompts&)>& command);
    // Highlights the row a find gave, if any.
    void ShowFound(std::optional<std::size_t> row);

    Session& session_;
    RecordSearch search_;
    QRadioButton* matchContaining_ = nullptr;
    QLineEdit* findText_ = nullptr;
};

}  // namespace quillory
