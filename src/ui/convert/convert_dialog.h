#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QRadioButton;

namespace quillory {

class Application;

// "Save As Options" (frmConvert): the target instrument, all or checked records, then Save runs
// the preview, the warning when styles are lost or replaced, and the conversion. It shows the
// store's values afresh whenever it becomes active, and is gone once closed.
class ConvertDialog : public QDialog {
    Q_OBJECT

public:
    explicit ConvertDialog(Application& app);

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void ShowStoreValues();
    void Save();

    Application& app_;
    std::vector<std::pair<QRadioButton*, const char*>> targets_;
    QRadioButton* optCheckedRecords_ = nullptr;
    QRadioButton* optAllRecords_ = nullptr;
    QLineEdit* txtSourceInstrument_ = nullptr;
    QLabel* lblTargetInstrument_ = nullptr;
};

}  // namespace quillory
