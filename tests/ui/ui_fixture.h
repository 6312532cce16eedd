#pragma once

#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QColor>
#include <QPushButton>
#include <QString>
#include <memory>

#include "platform/scripted_dialogs.h"
#include "support/mfd_builder.h"
#include "support/temp_folder.h"
#include "ui/main/application.h"
#include "ui/main/main_window.h"

// Failures show texts, not their UTF-16 bytes.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace quillory::testkit {

// A started program over a temporary program folder, with scripted dialogs.
class UiFixture : public ::testing::Test {
protected:
    UiFixture();
    ~UiFixture() override;

    MainWindow& Main() { return *app->Window(); }
    RecordStore& Store() { return app->Store(); }

    // A widget, action or window of the program by its name; fails the test when missing.
    template <typename T>
    T* Find(const char* name) {
        T* found = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName() == name) {
                found = qobject_cast<T*>(top);
            }
            if (!found) {
                found = top->findChild<T*>(name);
            }
            if (found) {
                break;
            }
        }
        EXPECT_NE(found, nullptr) << "no " << name;
        return found;
    }

    // A widget of one window by its name; fails the test when missing. Windows share names
    // ("cmdOk", "Label1"), so a dialog's own controls are looked up in the dialog.
    template <typename T>
    T* FindIn(QWidget* window, const char* name) {
        T* found = window ? window->findChild<T*>(name) : nullptr;
        EXPECT_NE(found, nullptr) << "no " << name;
        return found;
    }

    template <typename T>
    T* InMain(const char* name) {
        return FindIn<T>(&Main(), name);
    }

    void Trigger(const char* action) { Find<QAction>(action)->trigger(); }
    void Click(const char* button) { Find<QPushButton>(button)->click(); }

    // The record list as the window shows it.
    QAbstractItemModel& ListModel();
    QString Cell(int row, int column);
    QColor StyleColour(int row);
    int RowCount() { return ListModel().rowCount(); }
    bool Ticked(const char* action) { return Find<QAction>(action)->isChecked(); }

    // Picks a target instrument in the main window's combo as the user does.
    void ChooseTarget(const QString& instrument);

    // Lets the windows take pending events, closed windows included.
    static void Settle();

    // Writes a style table into the program folder.
    void WriteTable(const std::string& instrument,
                    const std::vector<std::pair<std::string, std::string>>& styles);
    // Writes a file into the program folder and opens it through the open command.
    void OpenFile(const std::string& name, const Bytes& bytes);

    // The tables of a PSR-2000 (Cool Pop 001, 8Beat 003, Swing 002: default Swing) and a TYROS
    // (Swing 020, Cool Pop 010: no 8Beat, default Cool Pop), and songs.mfd from a PSR-2000 with
    // three records: "Song A" in Cool Pop, "Song B" in 8Beat and "Song C" in the user style 99.
    void WriteSongTables();
    static Bytes ThreeSongs();
    void OpenThreeSongs();

    TempFolder folder;
    ScriptedDialogs dialogs;
    std::unique_ptr<Application> app;
};

}  // namespace quillory::testkit
