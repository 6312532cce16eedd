#pragma once

#include <QObject>
#include <QUndoStack>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "data/document/play_list.h"
#include "data/document/record_filter.h"
#include "data/document/workspace.h"
#include "platform/dialogs.h"

class QItemSelectionModel;
class QWidget;

namespace quillory {

class DocumentStep;

// The memory the undo history may hold: the newest steps are kept until they hold this much.
inline constexpr std::size_t kHistoryMemory = std::size_t{64} << 20;

// The program's state as the windows share it: the workspace with the open document, the
// undo history of its changes, each window's prompts and the highlighted row of the main list.
// Every window runs its commands through it and shows the state anew when it says it changed;
// no window reaches into another.
class Session : public QObject, private DocumentObserver {
    Q_OBJECT

public:
    Session(std::filesystem::path programFolder, std::filesystem::path dataFolder,
            PromptProvider& prompts);
    ~Session() override;

    Workspace& Work() { return workspace_; }
    const Workspace& Work() const { return workspace_; }
    MusicFinderDocument& Document() { return workspace_.document; }
    const MusicFinderDocument& Document() const { return workspace_.document; }
    Prompts& PromptsFor(QWidget* window) { return prompts_.For(window); }
    QUndoStack& History() { return history_; }
    // The play list's work, kept from one opening of its window to the next while the same
    // file is open.
    PlayList& KeptPlayList() { return playList_; }
    // The memory the undo history may hold; its oldest steps go when the newer hold more.
    void SetHistoryMemory(std::size_t bytes) { historyMemory_ = bytes; }

    // Runs a window's command with the window's prompts: a failure goes to the shared error
    // report under the command's operation name. Then every window shows the state anew.
    void Run(QWidget* window, const std::string& operation,
             const std::function<void(Prompts&)>& command);

    // The window whose prompts undo and redo use, and whose view owns the highlighted row. The
    // view may show the records through a proxy; rows are the document's rows all the same.
    void SetMainWindow(QWidget* window, QItemSelectionModel* selection);
    // The row highlighted in the main list, if any.
    std::optional<std::size_t> HighlightedRow() const;

    // The rows the main list shows; the commands on ticks take only those.
    const RecordFilter& Filter() const { return filter_; }
    void SetFilter(RecordFilter filter);
    // A line for the status bar about what a command did ("Replaced the style in 112 records").
    void Report(const std::string& message) { emit reported(QString::fromStdString(message)); }
    // Asks the main list to highlight a row and bring it into view.
    void Highlight(std::size_t row) { emit highlightRequested(row); }
    // Asks the main list to fit its columns to what they show.
    void FitColumns() { emit fitColumnsRequested(); }
    // The search ticked the rows it found.
    void FoundAndTicked(std::size_t matched) { emit foundAndTicked(matched); }
    // A command wrote a file the user chose ("Saved", "Exported").
    void FileWritten(const char* verb, const std::filesystem::path& file);
    // Save As wrote a converted copy; when it went over the open file, that file is read again.
    void SavedAs(const std::filesystem::path& file);

signals:
    void changed();
    void modifiedChanged(bool modified);
    // The highlighted row stands for another record now (none: nothing is highlighted).
    void highlightMoved(std::optional<std::size_t> row);
    void highlightRequested(std::size_t row);
    void fitColumnsRequested();
    void foundAndTicked(std::size_t matched);
    // Undo or redo gave back an earlier or later state of the records.
    void historyMoved();
    void fileWritten(const QString& message);
    void reported(const QString& message);
    // The filter changed: the main list shows other rows.
    void filterChanged();
    // The open file was replaced by a converted copy: the list is to show what it holds now.
    void openFileReplaced(const QString& file);

private:
    friend class DocumentStep;
    void Loaded() override;
    void EditFinished(const std::shared_ptr<const DocumentEdit>& edit) override;
    // After undo or redo: the windows show the records as they are now, the row that changed
    // highlighted.
    void AfterHistoryMove(std::optional<std::size_t> changedRow);
    // Drops the oldest steps while the history holds more than its memory allows.
    void KeepHistoryWithinMemory();
    void ShowModified();
    void FollowHighlight();

    Workspace workspace_;
    PromptProvider& prompts_;
    QUndoStack history_;
    PlayList playList_;
    QWidget* mainWindow_ = nullptr;
    QItemSelectionModel* selection_ = nullptr;
    int highlightedRecord_ = 0;  // the record of the highlighted row; 0 for none
    RecordFilter filter_;
    bool modified_ = false;
    std::size_t historyMemory_ = kHistoryMemory;
};

}  // namespace quillory
