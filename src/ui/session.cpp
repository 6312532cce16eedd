#include "ui/session.h"

#include <QItemSelectionModel>
#include <QUndoCommand>

#include "data/conversion.h"
#include "data/open_file_save.h"
#include "platform/error_report.h"
#include "platform/file_names.h"

namespace quillory {

// How the list was sorted.
struct ListSort {
    bool sorted;
    int column;
    SortOrder order;

    static ListSort Of(const MusicFinderDocument& document) {
        return {document.Sorted(), document.SortColumn(), document.Order()};
    }
};

// One change of the records in the undo history. It is done already when it is pushed.
class DocumentStep : public QUndoCommand {
public:
    DocumentStep(Session& session, std::shared_ptr<const DocumentEdit> edit)
        : QUndoCommand(QString::fromStdString(edit->Name())),
          session_(session),
          edit_(std::move(edit)) {}

    void undo() override {
        session_.Document().Undo(*edit_);
        session_.AfterHistoryMove();
        ShowSorted(before_);
    }
    void redo() override {
        if (std::exchange(done_, false)) {
            return;
        }
        session_.Document().Redo(*edit_);
        session_.AfterHistoryMove();
        ShowSorted(after_);
    }

    // The sort before the command and after all it did: the preview that follows a change
    // sorts the list by number outside the step.
    void KeepSorts(const ListSort& before, const ListSort& after) {
        before_ = before;
        after_ = after;
    }

private:
    void ShowSorted(const std::optional<ListSort>& sort) {
        if (sort) {
            session_.Document().SetSort(sort->sorted, sort->column, sort->order);
            emit session_.changed();
        }
    }

    Session& session_;
    std::shared_ptr<const DocumentEdit> edit_;
    bool done_ = true;
    std::optional<ListSort> before_;
    std::optional<ListSort> after_;
};

namespace {
// Enough steps for an afternoon's editing; a step keeps only the records it touched.
constexpr int kHistorySteps = 100;
}  // namespace

Session::Session(std::filesystem::path programFolder, std::filesystem::path dataFolder,
                 PromptProvider& prompts)
    : workspace_(std::move(programFolder), std::move(dataFolder)), prompts_(prompts) {
    history_.setUndoLimit(kHistorySteps);
    workspace_.document.AddObserver(*this);
}

Session::~Session() {
    history_.clear();
    workspace_.document.RemoveObserver(*this);
}

void Session::Run(QWidget* window, const std::string& operation,
                  const std::function<void(Prompts&)>& command) {
    Prompts& prompts = PromptsFor(window);
    const ListSort sort = ListSort::Of(Document());
    DocumentStep* const outer = std::exchange(pushed_, nullptr);
    RunReported(prompts, operation, [&] { command(prompts); });
    if (pushed_) {
        pushed_->KeepSorts(sort, ListSort::Of(Document()));
    }
    pushed_ = outer;
    ShowModified();
    emit changed();
}

void Session::FileWritten(const char* verb, const std::filesystem::path& file) {
    emit fileWritten(QString(verb) + ' ' + FromPath(file));
}

void Session::SavedAs(const std::filesystem::path& file) {
    FileWritten("Saved", file);
    if (IsOpenFile(workspace_.file, file)) {
        emit openFileReplaced(FromPath(file));
    }
}

void Session::SetMainWindow(QWidget* window, QItemSelectionModel* selection) {
    mainWindow_ = window;
    selection_ = selection;
    connect(selection_, &QItemSelectionModel::selectionChanged, this, &Session::FollowHighlight);
    connect(selection_->model(), &QAbstractItemModel::modelReset, this, &Session::FollowHighlight);
}

std::optional<std::size_t> Session::HighlightedRow() const {
    if (!selection_) {
        return std::nullopt;
    }
    const QModelIndexList rows = selection_->selectedRows();
    if (rows.isEmpty()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(rows.constFirst().row());
}

void Session::FollowHighlight() {
    const auto row = HighlightedRow();
    const int record = row ? Document().At(*row).position : 0;
    if (record != highlightedRecord_) {
        highlightedRecord_ = record;
        emit highlightMoved(row);
    }
}

void Session::Loaded() {
    pushed_ = nullptr;
    history_.clear();
    highlightedRecord_ = 0;
}

void Session::EditFinished(const std::shared_ptr<const DocumentEdit>& edit) {
    pushed_ = new DocumentStep(*this, edit);
    history_.push(pushed_);
}

void Session::AfterHistoryMove() {
    Prompts& prompts = PromptsFor(mainWindow_);
    RunReported(prompts, "SaveMusicFinder", [&] { RefreshPreview(workspace_, prompts); });
    ShowModified();
    emit historyMoved();
    emit changed();
}

void Session::ShowModified() {
    if (Document().Modified() != modified_) {
        modified_ = Document().Modified();
        emit modifiedChanged(modified_);
    }
}

}  // namespace quillory
