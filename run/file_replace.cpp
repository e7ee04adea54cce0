// How the staged copy is written, flushed, renamed into place or cleared away.
#include "run/file_replace.h"

#include <memory>
#include <utility>

#include "app/error.h"
#include "app/file_system.h"
#include "app/platform.h"

namespace quill {

namespace {

constexpr std::size_t kBlockSize = 1 << 16;

// Runs a file operation; its failure is told as "<action> <path>: <reason>".
template <typename Operation>
auto failing_as(const char* action, const std::string& path, Operation operation) {
    try {
        return operation();
    } catch (const Error& failure) {
        throw Error(std::string(action) + " " + path + ": " + failure.message());
    }
}

// Copies the whole file and flushes it to disk. Both files are closed when
// this returns, in failure too.
void copy_file(SystemFile from, const std::string& from_path, SystemFile to,
               const std::string& to_path) {
    const std::unique_ptr<char[]> buffer(new char[kBlockSize]);
    for (;;) {
        const std::size_t got =
            failing_as("cannot read", from_path, [&] { return from.read(buffer.get(), kBlockSize); });
        if (got == 0) break;
        failing_as("cannot write", to_path, [&] { to.write(buffer.get(), got); });
    }
    failing_as("cannot write", to_path, [&] {
        to.flush_to_disk();
        to.close();
    });
}

} // namespace

StagedCopy::StagedCopy(const std::string& source, const std::string& target)
    : temporary_(target + ".tmp"), target_(target) {
    SystemFile from =
        failing_as("cannot read", source, [&] { return SystemFile::open_to_read(source); });
    SystemFile to = failing_as("cannot create", temporary_,
                               [&] { return SystemFile::create_replacement(temporary_, target_); });
    try {
        copy_file(std::move(from), source, std::move(to), temporary_);
    } catch (...) {
        // Closed by now: Windows removes no file that is still open.
        remove_file(temporary_);
        throw;
    }
}

StagedCopy::StagedCopy(StagedCopy&& other) noexcept
    : temporary_(std::move(other.temporary_)), target_(std::move(other.target_)),
      committed_(std::exchange(other.committed_, true)) {}

StagedCopy::~StagedCopy() {
    if (!committed_) remove_file(temporary_);
}

void StagedCopy::commit() {
    failing_as("cannot replace", target_, [&] { move_replacing(temporary_, target_); });
    committed_ = true;
}

} // namespace quill
