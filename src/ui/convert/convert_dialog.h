#pragma once

#include <QDialog>
#include <utility>
#include <vector>

class QLabel;
class QLineEdit;
class QRadioButton;

namespace quillory {

class Session;
struct Instrument;

// "Save As Options" (frmConvert): the target instrument, all or checked records, then Save runs
// the preview, the warning when styles are lost or replaced, and the conversion. It shows the
// workspace's values afresh whenever it is shown or the user comes to it from another window,
// and is gone once closed.
class ConvertDialog : public QDialog {
    Q_OBJECT

public:
    ConvertDialog(Session& session, QWidget* owner);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ShowValues();
    void Save();

    Session& session_;
    std::vector<std::pair<QRadioButton*, const Instrument*>> targets_;
    QRadioButton* checkedRecords_ = nullptr;
    QRadioButton* allRecords_ = nullptr;
    QLineEdit* sourceInstrument_ = nullptr;
    QLabel* targetInstrument_ = nullptr;
};

}  // namespace quillory
