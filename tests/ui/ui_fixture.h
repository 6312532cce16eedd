#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStatusBar>
#include <QTest>
#include <QTreeView>
#include <QWindow>
#include <utility>

#include "data/exchange/list_export.h"
#include "data/format/record_layout.h"
#include "platform/widgets.h"
#include "support/mfd_builder.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"
#include "ui/convert/convert_dialog.h"
#include "ui/convert/default_style_dialog.h"
#include "ui/edit/edit_dialog.h"
#include "ui/edit/style_replace_dialog.h"
#include "ui/help/about_dialog.h"
#include "ui/main/application.h"
#include "ui/main/main_window.h"
#include "ui/playlist/play_list_window.h"
#include "ui/search/search_dialog.h"
#include "ui/session.h"

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace quillory::testkit {

template <typename Text>
QStringList Texts(int count, Text text) {
    QStringList texts;
    for (int i = 0; i < count; ++i) {
        texts << text(i);
    }
    return texts;
}

inline QStringList Headers(const QAbstractItemModel& model) {
    return Texts(model.columnCount(),
                 [&](int column) { return model.headerData(column, Qt::Horizontal).toString(); });
}

// A started program over a temporary program folder; rows and headers are clicked by mouse.
class UiFixture : public ::testing::Test {
protected:
    UiFixture() : app(std::make_unique<Application>(folder.Path(), folder.Path(), dialogs)) {
        UseSettingsIn(folder);
        app->Main();
    }
    // The user's settings live in the folder: each test starts as a first start.
    static void UseSettingsIn(const TempFolder& settingsFolder) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString(settingsFolder.File("settings")));
    }
    ~UiFixture() override {
        app.reset();
        Settle();
    }

    MainWindow& Main() { return *app->Window(); }
    QString Title() { return Main().windowHandle()->title(); }
    Workspace& Work() { return app->GetSession().Work(); }
    QTreeView& List() { return Main().List(); }
    QAbstractItemModel& ListModel() { return *List().model(); }

    // A control of a window by its name; missing, a stand-in.
    template <typename T>
    T* FindIn(QWidget* window, const char* name) {
        if (T* found = window ? window->findChild<T*>(name) : nullptr) {
            return found;
        }
        ADD_FAILURE() << "no " << name;
        static T* const standIn = new std::conditional_t<std::is_abstract_v<T>, QPushButton, T>;
        return standIn;
    }
    template <typename T>
    T* InMain(const char* name) {
        return FindIn<T>(&Main(), name);
    }
    // The shown top-level window of that name, nullptr when there is none.
    static QWidget* Showing(const char* name) {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName() == name && top->isVisible()) {
                return top;
            }
        }
        return nullptr;
    }

    // An item or a button of the main window or of the window given.
    void Trigger(const char* action, QWidget* window = nullptr) {
        FindIn<QAction>(window ? window : &Main(), action)->trigger();
        Settle();
    }
    void Click(const char* button, QWidget* window = nullptr) {
        FindIn<QAbstractButton>(window ? window : &Main(), button)->click();
        Settle();
    }
    // The names of the window's buttons of that kind that are ticked or chosen.
    template <typename Button>
    static QStringList Checked(QWidget* window) {
        QList<Button*> buttons = window->findChildren<Button*>();
        buttons.removeIf([](Button* button) { return !button->isChecked(); });
        return Texts(buttons.size(), [&](int i) { return buttons[i]->objectName(); });
    }
    bool Enabled(const char* name) { return InMain<QWidget>(name)->isEnabled(); }
    bool Ticked(const char* action) { return InMain<QAction>(action)->isChecked(); }
    QString Counter() { return InMain<QLabel>("lblNumberChecked")->text(); }
    QStringList Messages() {
        dialogs.messageWindows.clear();
        return std::exchange(dialogs.messages, {});
    }

    // The main list as it shows: cells, style colours ("kbr": black, blue, red), ticks ("0110").
    QString Cell(int row, int column, int role = Qt::DisplayRole) {
        return ListModel().index(row, column).data(role).toString();
    }
    int RowCount() { return ListModel().rowCount(); }
    QStringList ColumnCells(int column) {
        return Texts(RowCount(), [&](int row) { return Cell(row, column); });
    }
    QString Colours() {
        const QStringList colours = {"#000000", "#0000ff", "#ff0000"};
        return Texts(RowCount(),
                     [&](int row) {
                         const int colour =
                             colours.indexOf(Cell(row, kStyleColumn, Qt::ForegroundRole));
                         return QString("?kbr"[colour + 1]);
                     })
            .join("");
    }
    QString Ticks() {
        return Texts(RowCount(),
                     [&](int row) {
                         return QString::number(Cell(row, 0, Qt::CheckStateRole).toInt() / 2);
                     })
            .join("");
    }
    // The highlighted row of the main list, -1 for none.
    int SelectedRow() {
        const QModelIndexList rows = List().selectionModel()->selectedRows();
        return rows.size() == 1 ? rows.front().row() : -1;
    }
    void Tick(std::initializer_list<int> rows, bool ticked = true) {
        for (int row : rows) {
            ListModel().setData(ListModel().index(row, 0), ticked ? Qt::Checked : Qt::Unchecked,
                                Qt::CheckStateRole);
        }
    }

    void ClickRow(int row, QTreeView* view = nullptr, bool twice = false) {
        QTreeView& list = view ? *view : List();
        const QModelIndex index = list.model()->index(row, kMusicColumn);
        list.scrollTo(index);
        const QPoint at = list.visualRect(index).center();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
        if (twice) {
            QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
        }
    }
    void ClickCheckBox(int row) {
        const QRect cell = List().visualRect(ListModel().index(row, kNumberColumn));
        QPoint at(cell.left(), cell.center().y());
        while (!OnCheckIndicator(List(), at) && at.x() < cell.right()) {
            at.rx() += 1;
        }
        QTest::mouseClick(List().viewport(), Qt::LeftButton, {}, at);
    }
    void ClickHeader(int column, QTreeView* view = nullptr) {
        QHeaderView& header = *(view ? view : &List())->header();
        const int x = header.sectionViewportPosition(column) + header.sectionSize(column) / 2;
        QTest::mouseClick(header.viewport(), Qt::LeftButton, {}, QPoint(x, header.height() / 2));
    }
    void ChooseTarget(const QString& instrument) {
        auto* combo = InMain<QComboBox>("cboInst");
        combo->setCurrentIndex(combo->findText(instrument));
        emit combo->activated(combo->currentIndex());
    }
    static void Settle() {
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // Makes the window the active one, so that the focus moves inside it.
    static void Activate(QWidget& window) {
        QApplication::setActiveWindow(&window);
        Settle();
    }
    // The window is activated coming from the main window or from a box of its own.
    void ComeFromMain(QWidget& window) {
        Activate(Main());
        Activate(window);
    }
    template <typename Box>
    static void CloseOwnBox(QWidget& window) {
        Box box(&window);
        box.open();
        Activate(box);
        box.close();
        Activate(window);
    }

    void WriteTable(const std::string& instrument,
                    const std::vector<std::pair<std::string, std::string>>& styles) {
        WriteFile(folder.File(instrument + ".dat"), StyleTableText(styles));
    }
    std::string FileText(const std::string& name) {
        const Bytes bytes = ReadFile(folder.File(name));
        return std::string(bytes.begin(), bytes.end());
    }
    QString Path(const std::string& name) { return QString::fromStdString(folder.File(name)); }
    static RecordValues Song(const std::string& music, const char* genre, int style) {
        return {std::nullopt, style, 4, 4, 120, 0, music, genre, "", 0};
    }
    // Opens songs.mfd over the tables of a PSR-2000 (Cool Pop 001, 8Beat 003, Swing 002: default
    // Swing) and a TYROS (Swing 020, Cool Pop 010: default Cool Pop); by default "Song A" Pop in
    // Cool Pop, "Song B" Rock in 8Beat, "Song C" Jazz in user style 99.
    void OpenSongs(const Bytes& file) {
        WriteTable("PSR-2000", {{"Cool Pop", "001"}, {"8Beat", "003"}, {"Swing", "002"}});
        WriteTable("TYROS", {{"Swing", "020"}, {"Cool Pop", "010"}});
        WriteFile(folder.File("songs.mfd"), file);
        dialogs.files.push_back(Path("songs.mfd"));
        Trigger("mnuOpen");
    }
    void OpenSongs(const std::vector<RecordValues>& songs = {Song("Song A", "Pop", 1),
                                                             Song("Song B", "Rock", 3),
                                                             Song("Song C", "Jazz", 99)}) {
        OpenSongs(BuildMfd("PSR-2000", songs));
    }
    // Save As with the options chosen, into out.mfd: the bytes written, none when nothing was.
    Bytes SaveAs(std::initializer_list<const char*> options = {}) {
        Trigger("mnuConvert");
        for (const char* option : options) {
            Click(option, Main().Convert());
        }
        dialogs.files.push_back(Path("out.mfd"));
        Click("cmdSave", Main().Convert());
        return std::filesystem::exists(folder.File("out.mfd")) ? ReadFile(folder.File("out.mfd"))
                                                               : Bytes();
    }

    TempFolder folder;
    ScriptedDialogs dialogs;
    std::unique_ptr<Application> app;
};

}  // namespace quillory::testkit
