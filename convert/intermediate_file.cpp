#include "convert/intermediate_file.h"

#include "convert/error.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace quill {

namespace {
constexpr std::size_t kBufferSize = 1 << 18;

// The letters a to z of every byte of the word upper-cased, all at once.
// Bytes of 128 and above are left alone, so the sums never carry into the
// next byte.
template <typename Word>
Word upper_word(Word word) {
    constexpr Word ones = static_cast<Word>(~Word{0}) / 0xFF;
    const Word low = word & static_cast<Word>(ones * 0x7F);
    const Word from_a = low + static_cast<Word>(ones * (0x80 - 'a'));
    const Word past_z = low + static_cast<Word>(ones * (0x80 - 'z' - 1));
    const Word lower = from_a & ~past_z & ~word & static_cast<Word>(ones * 0x80);
    return static_cast<Word>(word ^ (lower >> 2));
}

template <bool Upper, typename Word>
void copy_word(char* out, const char* in) {
    Word word;
    std::memcpy(&word, in, sizeof word);
    if constexpr (Upper) word = upper_word(word);
    std::memcpy(out, &word, sizeof word);
}

// Copies n bytes, at least one word, word by word; the last word may overlap
// the one before it. Reads stay inside the field.
template <bool Upper, typename Word>
void copy_words(char* out, const char* in, std::size_t n) {
    for (std::size_t i = 0; i + sizeof(Word) < n; i += sizeof(Word)) copy_word<Upper, Word>(out + i, in + i);
    copy_word<Upper, Word>(out + n - sizeof(Word), in + n - sizeof(Word));
}

// Fields are mostly a few bytes long: fixed-size copies that the compiler
// inlines beat a library call per field.
template <bool Upper>
char* copy_field(char* out, std::string_view field) {
    const std::size_t n = field.size();
    if (n >= 8) copy_words<Upper, std::uint64_t>(out, field.data(), n);
    else if (n >= 4) copy_words<Upper, std::uint32_t>(out, field.data(), n);
    else if (n > 0) copy_words<Upper, std::uint8_t>(out, field.data(), n);
    return out + n;
}

char* copy_field(char* out, const RecordField& field) {
    return field.upper ? copy_field<true>(out, field.text) : copy_field<false>(out, field.text);
}
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
    fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd_ < 0) fail(errno);
    write({header});
}

IntermediateFile::~IntermediateFile() {
    if (fd_ < 0) return;
    // On the way out of a failed conversion: keep what was written, report nothing.
    try {
        flush();
    } catch (const Error&) {
    }
    ::close(fd_);
}

void IntermediateFile::fail(int system_error) const {
    Error error = io_error(system_error);
    error.locate(path_, lines_);
    throw error;
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

void IntermediateFile::write(std::initializer_list<RecordField> fields) {
    ++lines_;
    std::size_t length = fields.size() + 1;  // the pipes between the fields, CR and LF
    for (const RecordField& field : fields) length += field.text.size();
    char* out = room_for(length);
    for (const RecordField& field : fields) {
        out = copy_field(out, field);
        *out++ = '|';
    }
    // The pipe after the last field becomes the line end.
    out[-1] = '\r';
    *out++ = '\n';
    used_ = static_cast<std::size_t>(out - buffer_.get());
}

void IntermediateFile::flush() {
    std::size_t done = 0;
    while (done < used_) {
        const ssize_t n = ::write(fd_, buffer_.get() + done, used_ - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            used_ = 0;
            fail(errno);
        }
        done += static_cast<std::size_t>(n);
    }
    used_ = 0;
}

void IntermediateFile::close() {
    if (fd_ < 0) return;
    flush();
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) fail(errno);
}

} // namespace quill
