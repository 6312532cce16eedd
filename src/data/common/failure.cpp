#include "data/common/failure.h"

#include <utility>

namespace quillory {

namespace {

// The runtime's own description of an error number ("Overflow", "File not found", ...).
std::string StandardDescription(int number) {
    switch (number) {
        case kInvalidProcedureCall: return "Invalid procedure call or argument";
        case kOverflow: return "Overflow";
        case kSubscriptOutOfRange: return "Subscript out of range";
        case kTypeMismatch: return "Type mismatch";
        case kFileNotFound: return "File not found";
        case kBadFileMode: return "Bad file mode";
        case kDeviceIoError: return "Device I/O error";
        case kDiskFull: return "Disk full";
        case kInputPastEndOfFile: return "Input past end of file";
        case kDeviceUnavailable: return "Device unavailable";
        case kPermissionDenied: return "Permission denied";
        case kDiskNotReady: return "Disk not ready";
        case kPathFileAccessError: return "Path/File access error";
        case kPathNotFound: return "Path not found";
        case kInvalidPropertyValue: return "Invalid property value";
        case kDuplicateKey:
            return "This key is already associated with an element of this collection";
        case kPrinterError: return "Printer error";
        default: return "Application-defined or object-defined error";
    }
}

}  // namespace

Failure::Failure(int number, std::string description)
    : number_(number), description_(std::move(description)) {}

Failure::Failure(int number) : Failure(number, StandardDescription(number)) {}

Failure Failure::At(std::string place) const {
    Failure located = *this;
    located.place_ = std::move(place);
    return located;
}

namespace {

std::optional<std::string> ReportText(const Failure& failure, std::string_view operation) {
    switch (failure.Number()) {
        case kFileNotFound: return "This file is Not found.";
        case kBadFileMode: return "Can't open your file";
        case kDeviceIoError: return "Internal disk error.";
        case kDiskFull: return "Disk is full.";
        case kInputPastEndOfFile: return "There was a problem With this file";
        case kDeviceUnavailable: return "That device appears unavailable.";
        case kPermissionDenied:
            return "Error writing to file- make sure it is not being used by another program and "
                   "that the media is available.";
        case kDiskNotReady: return "Insert a disk in the drive ";
        case kPathFileAccessError:
            return "File may have read-only attribute. Change attribute or choose another name.";
        case kPathNotFound: return "That path doesn't exist.";
        case kWindowMinimisedOrMaximised: return std::nullopt;
        case kFileRefused: return failure.Description();
        default:
            return "Error #: " + std::to_string(failure.Number()) + ", " + failure.Description() +
                   ", encountered in Function " + std::string(operation) +
                   ". If the solution is not obvious, please report this to the author.";
    }
}

}  // namespace

std::optional<std::string> ErrorReportText(const Failure& failure, std::string_view operation) {
    std::optional<std::string> text = ReportText(failure, operation);
    if (text && !failure.Place().empty()) {
        *text += "\r\n" + failure.Place();
    }
    return text;
}

std::string PrintErrorText(const Failure& failure) {
    return "Error " + std::to_string(failure.Number()) + ";" + failure.Description();
}

}  // namespace quillory
