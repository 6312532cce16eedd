#pragma once

#include <exception>
#include <optional>
#include <string>
#include <string_view>

namespace quillory {

// Error numbers of the form runtime that the program's messages are keyed on.
enum ErrorNumber : int {
    kInvalidProcedureCall = 5,
    kOverflow = 6,
    kSubscriptOutOfRange = 9,
    kTypeMismatch = 13,
    kFileNotFound = 53,
    kBadFileMode = 54,
    kDeviceIoError = 57,
    kDiskFull = 61,
    kInputPastEndOfFile = 62,
    kDeviceUnavailable = 68,
    kPermissionDenied = 70,
    kDiskNotReady = 71,
    kPathFileAccessError = 75,
    kPathNotFound = 76,
    kInvalidPropertyValue = 380,
    kWindowMinimisedOrMaximised = 384,
    kDuplicateKey = 457,
    kPrinterError = 482,
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

// The runtime's own description of an error number ("Overflow", "File not found", ...).
std::string StandardDescription(int number);

// The text the shared error report shows for a failure met in the named operation, followed by
// the place where it was met on a line of its own; no text for failures the user is never told
// about.
std::optional<std::string> ErrorReportText(const Failure& failure, std::string_view operation);

// The text the print commands show for their failures: "Error " + number + ";" + description.
std::string PrintErrorText(const Failure& failure);

}  // namespace quillory
