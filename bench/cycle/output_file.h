// Writes the generated cycle's files in the columns of the X-Plane formats.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace quill::bench {

// A text file written through a large buffer, with the few number forms the
// X-Plane formats use. Lines end with LF. Failures throw std::runtime_error.
class OutputFile {
public:
    explicit OutputFile(std::string path);
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    OutputFile& text(std::string_view text);
    OutputFile& blanks(int count);
    // Right-aligned in width characters (no padding when width is 0).
    OutputFile& number(long long value, int width = 0);
    // Fixed-point with the given decimals, right-aligned in width characters.
    OutputFile& fixed(double value, int decimals, int width = 0);
    // The text left-aligned in width characters, then one blank.
    OutputFile& column(std::string_view text, int width);
    void end_line();

    void close();
    long long lines() const { return lines_; }
    long long bytes() const { return bytes_; }
    const std::string& path() const { return path_; }

private:
    void flush();
    void pad_to(std::size_t length, int width);

    std::string path_;
    int fd_ = -1;
    std::unique_ptr<char[]> buffer_;
    std::size_t used_ = 0;
    long long lines_ = 0;
    long long bytes_ = 0;
};

// Writes the "I" line, the version line and one empty line.
void write_file_header(OutputFile& out, std::string_view version, std::string_view metadata);
// Writes the closing "99" line and closes the file.
void write_file_end(OutputFile& out);

} // namespace quill::bench
