// Lets the headless tool write its lines through std::ostream and still reach a console as the
// UTF-8 text it is.
#pragma once

#include <streambuf>
#include <string>

#include "app/platform.h"

namespace quill {

// Standard output or standard error as a stream buffer for the program's
// UTF-8 text (write_standard). Text is held until the stream is flushed, and
// a letter cut at a flush waits for its end, so that a console is never
// handed half of one; whatever is held is written when the buffer goes.
class StandardText : public std::streambuf {
public:
    explicit StandardText(StandardStream stream) : stream_(stream) {}
    ~StandardText() override;
    StandardText(const StandardText&) = delete;
    StandardText& operator=(const StandardText&) = delete;

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* text, std::streamsize count) override;
    int sync() override;

private:
    void write_out(std::size_t length);

    StandardStream stream_;
    std::string held_;
};

} // namespace quill
