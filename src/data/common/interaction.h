#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "data/common/failure.h"

namespace quillory {

// A file dialog as the program describes it: its filter in Qt's notation, a description with
// its patterns in brackets ("Music Finder Files(*.mfd)"), and the extension added to a name
// typed without one.
struct FileDialogRequest {
    std::string filter;
    std::string defaultExtension;
};

// The filter of every dialog that opens or saves a Music Finder file.
inline constexpr char kMusicFinderFilesFilter[] = "Music Finder Files(*.mfd)";

// What the core needs from the user while a command runs: messages, the shared error report,
// the busy pointer, file names and confirmations. The windows answer through their dialogs,
// the command-line tool through its streams, tests through a script.
class Interaction {
public:
    virtual ~Interaction() = default;

    // A message box with an OK button and no title.
    virtual void ShowMessage(const std::string& text) = 0;
    // The shared error report for a failure met in the named operation.
    virtual void ReportError(const Failure& failure, const std::string& operation) = 0;
    // The hourglass while true, the normal pointer otherwise.
    virtual void SetBusy(bool busy) = 0;
    // An open or save dialog; nothing when the user cancels.
    virtual std::optional<std::filesystem::path> AskOpenFileName(
        const FileDialogRequest& request) = 0;
    virtual std::optional<std::filesystem::path> AskSaveFileName(
        const FileDialogRequest& request) = 0;
    // A question with OK and Cancel and the exclamation icon; true for OK.
    virtual bool ConfirmOkCancel(const std::string& question) = 0;
    // A question with Yes and No under a title, the exclamation icon and No as the default
    // button; true for Yes.
    virtual bool AskYesNo(const std::string& question, const std::string& title) = 0;
    // An input box under a title that starts empty; the empty text when cancelled, as the form
    // runtime's input box answers.
    virtual std::string Input(const std::string& prompt, const std::string& title) = 0;
};

// Shows the busy pointer for as long as it lives.
class BusyPointer {
public:
    explicit BusyPointer(Interaction& ui) : ui_(ui) { ui_.SetBusy(true); }
    ~BusyPointer() { ui_.SetBusy(false); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    Interaction& ui_;
};

}  // namespace quillory
