// How intermediate files are named, created with their header, buffered and closed.
#include "convert/intermediate_file.h"

#include "app/error.h"

namespace quill {

namespace {
constexpr std::size_t kBufferSize = 1 << 18;
} // namespace

std::string intermediate_path(const std::string& work_folder, std::string_view source_name,
                              std::string_view suffix) {
    const std::size_t dot = source_name.rfind('.');
    std::string path = work_folder;
    path.append(source_name.substr(0, dot));
    path.append(suffix);
    return path;
}

IntermediateFile::IntermediateFile(std::string path, std::string_view header)
    : path_(std::move(path)), buffer_(new char[kBufferSize]), capacity_(kBufferSize) {
    file_.emplace(located(path_, 0, [&] { return SystemFile::create(path_); }));
    write(header);
}

IntermediateFile::~IntermediateFile() {
    if (!file_) return;
    // On the way out of a failed conversion: keep what was written, report nothing.
    try {
        flush();
    } catch (const Error&) {
    }
}

// A record longer than the buffer grows it: memory follows the longest line,
// never the size of the file.
char* IntermediateFile::room_for(std::size_t length) {
    if (length > capacity_ - used_) {
        flush();
        if (length > capacity_) {
            buffer_.reset(new char[length]);
            capacity_ = length;
        }
    }
    return buffer_.get() + used_;
}

void IntermediateFile::flush() {
    const std::size_t size = used_;
    used_ = 0;
    located(path_, lines_, [&] { file_->write(buffer_.get(), size); });
}

void IntermediateFile::close() {
    if (!file_) return;
    flush();
    SystemFile file = std::move(*file_);
    file_.reset();
    located(path_, lines_, [&] { file.close(); });
}

} // namespace quill
