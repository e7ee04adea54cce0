#include "app/error.h"

#include <cerrno>

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

Error io_error(int system_error) {
    switch (system_error) {
    case ENOENT: return Error("File not found");
    case ENAMETOOLONG:
    case ENOTDIR:
    case EINVAL: return Error("Invalid filename");
    case EMFILE:
    case ENFILE: return Error("Too many open files");
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: return Error("File access denied");
    case ENOSPC:
    case EDQUOT: return Error("Disk full");
    default: return Error("I/O error " + std::to_string(system_error));
    }
}

Error index_error(std::size_t index) {
    return Error("List index out of bounds (" + std::to_string(index) + ")");
}

} // namespace quill
