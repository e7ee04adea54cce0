// Writes the intermediate files, the pipe-separated records the converters hand to the loader.
#pragma once

#include "app/platform.h"
#include "convert/record_field.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace quill {

// The path of an intermediate file: the work folder, then the source file's
// name with its extension (from the last full stop) replaced by the suffix.
// intermediate_path(work, "earth_awy.dat", "_High.csv") ends in "earth_awy_High.csv".
std::string intermediate_path(const std::string& work_folder, std::string_view source_name,
                              std::string_view suffix);

// A pipe-separated file written by a converter: created (replacing an older
// one) with its header line; every line ends with CR LF. Buffered; errors carry
// the file and the line being written.
class IntermediateFile {
public:
    IntermediateFile(std::string path, std::string_view header);
    ~IntermediateFile();
    IntermediateFile(const IntermediateFile&) = delete;
    IntermediateFile& operator=(const IntermediateFile&) = delete;

    // Joins the fields (at least one) with "|" and writes them as one line.
    template <RecordField... Fields>
        requires(sizeof...(Fields) > 0)
    void write(const Fields&... fields) {
        ++lines_;
        // the pipes between the fields, CR and LF
        const std::size_t length = (field_text(fields).size() + ...) + sizeof...(Fields) + 1;
        char* out = room_for(length);
        ((out = copy_field(out, fields), *out++ = '|'), ...);
        // The pipe after the last field becomes the line end.
        out[-1] = '\r';
        *out++ = '\n';
        used_ = static_cast<std::size_t>(out - buffer_.get());
    }
    // Writes out what is buffered and closes the file; errors are thrown.
    void close();

    const std::string& path() const { return path_; }
    // The lines written after the header.
    std::size_t records() const { return static_cast<std::size_t>(lines_ - 1); }

private:
    char* room_for(std::size_t length);
    void flush();

    std::string path_;
    std::optional<SystemFile> file_; // empty once closed
    std::unique_ptr<char[]> buffer_;
    std::size_t capacity_;
    std::size_t used_ = 0;
    long lines_ = 0;
};

} // namespace quill
