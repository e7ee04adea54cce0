// The one kind of failure an update throws, quill::Error, and the fixed texts of the file
// failures every system reports alike.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace quill {

// A failure of the update, carrying the text the user sees and, where known,
// the file and line that caused it.
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message);

    const std::string& message() const { return message_; }
    const std::string& file() const { return file_; }
    long line() const { return line_; }
    bool has_location() const { return !file_.empty(); }

    // The first location wins: an inner reader knows better than an outer one.
    void locate(const std::string& file, long line);

    // The message, then "<file>, line <n>" (or only "<file>" for line 0) on a
    // second line when located.
    std::string display() const;

private:
    std::string message_;
    std::string file_;
    long line_ = 0;
};

// Runs an operation on a file; an Error it throws is located at the file and line.
template <typename Operation>
auto located(const std::string& file, long line, Operation operation) {
    try {
        return operation();
    } catch (Error& error) {
        error.locate(file, line);
        throw;
    }
}

// What went wrong with a file, in the terms the user is told.
enum class IoFailure { NotFound, InvalidName, TooManyOpenFiles, AccessDenied, DiskFull, InUse };
// The input/output error of that kind: "File not found", "Disk full", ...
// The same condition reads the same on every system.
Error io_error(IoFailure failure);
// A system error the program has no text of its own for: the system's own
// description followed by its code in brackets, "Not ready (21)"; without a
// description, "I/O error (21)".
Error unmapped_error(std::string_view description, long code);
// What a user is told about a file that another program keeps busy or holds
// open without sharing it.
inline constexpr const char* kInUseReason = "in use by another program";
// A product database its user marked read-only is left as it is.
inline constexpr const char* kReadOnlyReason = "read-only";
// "List index out of bounds (%d)"
Error index_error(std::size_t index);

} // namespace quill
