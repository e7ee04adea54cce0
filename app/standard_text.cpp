// How held text goes out to standard output or standard error in whole UTF-8 letters.
#include "app/standard_text.h"

namespace quill {

namespace {

// How many bytes a UTF-8 letter has, from its first byte; 1 for any other byte.
std::size_t letter_length(unsigned char first) {
    if (first >= 0xF0) return 4;
    if (first >= 0xE0) return 3;
    if (first >= 0xC0) return 2;
    return 1;
}

// The length of the text without a letter cut at its end.
std::size_t whole_letters(const std::string& text) {
    for (std::size_t back = 1; back <= 3 && back <= text.size(); ++back) {
        const auto byte = static_cast<unsigned char>(text[text.size() - back]);
        if ((byte & 0xC0) != 0x80)
            return letter_length(byte) > back ? text.size() - back : text.size();
    }
    return text.size();
}

} // namespace

StandardText::~StandardText() { write_out(held_.size()); }

StandardText::int_type StandardText::overflow(int_type c) {
    if (!traits_type::eq_int_type(c, traits_type::eof())) held_ += traits_type::to_char_type(c);
    return traits_type::not_eof(c);
}

std::streamsize StandardText::xsputn(const char* text, std::streamsize count) {
    held_.append(text, static_cast<std::size_t>(count));
    return count;
}

int StandardText::sync() {
    write_out(whole_letters(held_));
    return 0;
}

void StandardText::write_out(std::size_t length) {
    if (length == 0) return;
    write_standard(stream_, {held_.data(), length});
    held_.erase(0, length);
}

} // namespace quill
