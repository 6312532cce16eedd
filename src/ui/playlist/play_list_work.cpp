#include "ui/playlist/play_list_work.h"

#include "data/common/operation_names.h"
#include "data/exchange/list_export.h"
#include "data/exchange/text_file.h"
#include "platform/error_report.h"
#include "ui/session.h"

namespace quillory {

bool SavePlayList(Session& session, Prompts& prompts) {
    bool saved = false;
    RunReported(prompts, operation::kPlayListExport, [&] {
        PlayList& list = session.KeptPlayList();
        if (const auto file = SaveDelimitedFile(PlayListExportText(list.Rows()), prompts)) {
            list.MarkSaved();
            session.FileWritten("Exported", *file);
            saved = true;
        }
    });
    return saved;
}

bool PlayListWorkMayGo(Session& session, Prompts& prompts, const std::string& moment) {
    PlayList& list = session.KeptPlayList();
    if (!list.Modified()) {
        return true;
    }
    switch (prompts.AskSaveChanges("Save changes to the play list before " + moment + "?")) {
        case Prompts::SaveChoice::kDiscard: list = PlayList(); return true;
        case Prompts::SaveChoice::kCancel: return false;
        case Prompts::SaveChoice::kSave: break;
    }
    return SavePlayList(session, prompts);
}

}  // namespace quillory
