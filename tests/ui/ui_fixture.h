#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QString>
#include <memory>

#include "platform/scripted_dialogs.h"
#include "support/mfd_builder.h"
#include "support/temp_folder.h"
#include "ui/main/application.h"
#include "ui/main/main_window.h"

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

    void Trigger(const char* action) { Find<QAction>(action)->trigger(); }
    void Click(const char* button) { Find<QPushButton>(button)->click(); }

    // Writes a style table into the program folder.
    void WriteTable(const std::string& instrument,
                    const std::vector<std::pair<std::string, std::string>>& styles);
    // Writes a file into the program folder and opens it through the open command.
    void OpenFile(const std::string& name, const Bytes& bytes);

    TempFolder folder;
    ScriptedDialogs dialogs;
    std::unique_ptr<Application> app;
};

}  // namespace quillory::testkit
