// How an error is located and shown, and the user's texts for failed file operations.
#include "app/error.h"

namespace quill {

Error::Error(const std::string& message) : std::runtime_error(message), message_(message) {}

void Error::locate(const std::string& file, long line) {
    if (has_location()) return;
    file_ = file;
    line_ = line;
}

std::string Error::display() const {
    if (!has_location()) return message_;
    // Line 0: the file itself failed (opening or creating it), not one of its lines.
    if (line_ == 0) return message_ + "\n" + file_;
    return message_ + "\n" + file_ + ", line " + std::to_string(line_);
}

Error io_error(IoFailure failure) {
    switch (failure) {
    case IoFailure::NotFound: return Error("File not found");
    case IoFailure::InvalidName: return Error("Invalid filename");
    case IoFailure::TooManyOpenFiles: return Error("Too many open files");
    case IoFailure::AccessDenied: return Error("File access denied");
    case IoFailure::DiskFull: return Error("Disk full");
    case IoFailure::InUse: break;
    }
    return Error(kInUseReason);
}

Error unmapped_error(std::string_view description, long code) {
    const std::string what = description.empty() ? "I/O error" : std::string(description);
    return Error(what + " (" + std::to_string(code) + ")");
}

Error index_error(std::size_t index) {
    return Error("List index out of bounds (" + std::to_string(index) + ")");
}

} // namespace quill
