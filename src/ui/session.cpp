#include "ui/session.h"

#include <QAbstractProxyModel>
#include <QItemSelectionModel>
#include <QUndoCommand>
#include <vector>

#include "data/document/open_file_save.h"
#include "platform/error_report.h"
#include "platform/file_names.h"

namespace quillory {

// One change of the records in the undo history. It is done already when it is pushed.
class DocumentStep : public QUndoCommand {
public:
    DocumentStep(Session& session, std::shared_ptr<const DocumentEdit> edit)
        : QUndoCommand(QString::fromStdString(edit->Name())),
          session_(session),
          edit_(std::move(edit)) {}

    void undo() override { session_.AfterHistoryMove(session_.Document().Undo(*edit_)); }
    void redo() override {
        if (std::exchange(done_, false)) {
            return;
        }
        session_.AfterHistoryMove(session_.Document().Redo(*edit_));
    }

    const std::shared_ptr<const DocumentEdit>& Edit() const { return edit_; }

private:
    Session& session_;
    std::shared_ptr<const DocumentEdit> edit_;
    bool done_ = true;
};

Session::Session(std::filesystem::path programFolder, std::filesystem::path dataFolder,
                 PromptProvider& prompts)
    : workspace_(std::move(programFolder), std::move(dataFolder)), prompts_(prompts) {
    workspace_.document.AddObserver(*this);
}

Session::~Session() {
    history_.clear();
    workspace_.document.RemoveObserver(*this);
}

void Session::Run(QWidget* window, const std::string& operation,
                  const std::function<void(Prompts&)>& command) {
    Prompts& prompts = PromptsFor(window);
    RunReported(prompts, operation, [&] { command(prompts); });
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
    const auto* proxy = qobject_cast<const QAbstractProxyModel*>(selection_->model());
    const QModelIndex row = proxy ? proxy->mapToSource(rows.constFirst()) : rows.constFirst();
    return static_cast<std::size_t>(row.row());
}

void Session::SetFilter(RecordFilter filter) {
    filter_ = std::move(filter);
    emit filterChanged();
    FollowHighlight();
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
    history_.clear();
    playList_ = PlayList();
    highlightedRecord_ = 0;
}

void Session::EditFinished(const std::shared_ptr<const DocumentEdit>& edit) {
    history_.push(new DocumentStep(*this, edit));
    KeepHistoryWithinMemory();
}

void Session::KeepHistoryWithinMemory() {
    // The newest steps that fit, the newest one always; the stack takes no steps off its
    // bottom, so the ones kept are pushed anew (a push ends the redo steps, so every kept step
    // is done).
    std::size_t held = 0;
    int oldestKept = history_.count();
    while (oldestKept > 0) {
        const auto* step = static_cast<const DocumentStep*>(history_.command(oldestKept - 1));
        held += step->Edit()->MemoryUse();
        if (held > historyMemory_ && oldestKept < history_.count()) {
            break;
        }
        --oldestKept;
    }
    if (oldestKept == 0) {
        return;
    }
    std::vector<std::shared_ptr<const DocumentEdit>> kept;
    for (int i = oldestKept; i < history_.count(); ++i) {
        kept.push_back(static_cast<const DocumentStep*>(history_.command(i))->Edit());
    }
    history_.clear();
    for (auto& edit : kept) {
        history_.push(new DocumentStep(*this, std::move(edit)));
    }
}

void Session::AfterHistoryMove(std::optional<std::size_t> changedRow) {
    ShowModified();
    emit historyMoved();
    emit changed();
    if (changedRow) {
        Highlight(*changedRow);
    }
}

void Session::ShowModified() {
    if (Document().Modified() != modified_) {
        modified_ = Document().Modified();
        emit modifiedChanged(modified_);
    }
}

}  // namespace quillory
