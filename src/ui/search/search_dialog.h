#pragma once

#include <QDialog>
#include <array>

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
    void ChooseField(std::size_t option);
    void FindFirst();
    void FindNext();
    void CheckAll();

    Application& app_;
    RecordSearch search_;
    std::array<QRadioButton*, 6> fields_{};
    QRadioButton* optMatchContaining_ = nullptr;
    QLineEdit* txtFind_ = nullptr;
};

}  // namespace quillory
