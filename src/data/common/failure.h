#pragma once

#include <exception>
#include <optional>
#include <string>
#include <string_view>

namespace quillory {

// Error numbers of the form runtime that the program's messages are keyed on: the shared error
// report chooses its text by them, and each failure of the core carries the one the runtime
// would have raised for it.
enum ErrorNumber : int {
    kInvalidProcedureCall = 5,    // an argument the call cannot take (no "/", a style not there)
    kOverflow = 6,                // a number too large for its field
    kSubscriptOutOfRange = 9,     // a row, record or entry that is not there
    kTypeMismatch = 13,           // a text where a number belongs
    kFileNotFound = 53,           // the file named is not there
    kBadFileMode = 54,            // a file opened in a way it cannot be used
    kDeviceIoError = 57,          // the disk failed while reading or writing
    kDiskFull = 61,               // no room left to write
    kInputPastEndOfFile = 62,     // a file shorter than its own header or count says
    kDeviceUnavailable = 68,      // the drive or share is gone
    kPermissionDenied = 70,       // the file may not be written (in use, or not ours)
    kDiskNotReady = 71,           // no medium in the drive
    kPathFileAccessError = 75,    // the file or folder cannot be reached as asked (read-only)
    kPathNotFound = 76,           // the folder named is not there
    kInvalidPropertyValue = 380,  // a list asked to select an entry it does not hold
    // A window moved or sized while minimised or maximised: never shown to the user.
    kWindowMinimisedOrMaximised = 384,
    kDuplicateKey = 457,  // a name added twice to a collection keyed by it
    kPrinterError = 482,  // the printer refused the job
    // The program's own: a file refused with a text that names it and says why.
    kFileRefused = 31000,
};

// The one exception type of the core: a failure with its runtime error number and description.
// Handlers catch it at their own boundary and report it under their own operation name.
class Failure : public std::exception {
public:
    Failure(int number, std::string description);
    explicit Failure(int number);

    int Number() const { return number_; }
    const std::string& Description() const { return description_; }
    // Where the failure was met, when the report should name it ("Line 4: 1<TAB>Pop<TAB>...").
    const std::string& Place() const { return place_; }
    Failure At(std::string place) const;
    const char* what() const noexcept override { return description_.c_str(); }

private:
    int number_;
    std::string description_;
    std::string place_;
};

// The text the shared error report shows for a failure met in the named operation, followed by
// the place where it was met on a line of its own; no text for failures the user is never told
// about.
std::optional<std::string> ErrorReportText(const Failure& failure, std::string_view operation);

// The text the print commands show for their failures: "Error " + number + ";" + description.
std::string PrintErrorText(const Failure& failure);

}  // namespace quillory
