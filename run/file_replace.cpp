#include "run/file_replace.h"

#include <memory>

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

// The new copy of a target, written beside it as "<target>.tmp"; closed and
// removed when it goes unless it was moved over the target. (Windows removes
// no file that is still open.)
class Replacement {
public:
    explicit Replacement(const std::string& target)
        : target_(target), path_(target + ".tmp"), file_(failing_as("cannot create", path_, [&] {
              return SystemFile::create_replacement(path_, target);
          })) {}
    ~Replacement() {
        if (moved_) return;
        try {
            file_.close();
        } catch (const Error&) {
        }
        remove_file(path_);
    }
    Replacement(const Replacement&) = delete;
    Replacement& operator=(const Replacement&) = delete;

    void copy_from(SystemFile& source, const std::string& source_path) {
        const std::unique_ptr<char[]> buffer(new char[kBlockSize]);
        for (;;) {
            const std::size_t got = failing_as("cannot read", source_path,
                                               [&] { return source.read(buffer.get(), kBlockSize); });
            if (got == 0) return;
            failing_as("cannot write", path_, [&] { file_.write(buffer.get(), got); });
        }
    }

    // Flushes the copy to disk and moves it over the target.
    void put_in_place() {
        failing_as("cannot write", path_, [&] {
            file_.flush_to_disk();
            file_.close();
        });
        failing_as("cannot replace", target_, [&] { move_replacing(path_, target_); });
        moved_ = true;
    }

private:
    std::string target_;
    std::string path_;
    SystemFile file_;
    bool moved_ = false;
};

} // namespace

void replace_file(const std::string& source, const std::string& target) {
    SystemFile from =
        failing_as("cannot read", source, [&] { return SystemFile::open_to_read(source); });
    Replacement replacement(target);
    replacement.copy_from(from, source);
    replacement.put_in_place();
}

} // namespace quill
