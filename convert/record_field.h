// The fields an intermediate record is written from, and how each is copied into the line,
// upper-cased where asked.
#pragma once

#include <concepts>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace quill {

// A field written with the letters a to z upper-cased on the way into the
// file, without an upper-cased copy.
struct UpperCased {
    std::string_view text;
};

constexpr UpperCased upper_cased(std::string_view text) { return {text}; }

// A field of a record: a text written as it is, or an upper-cased one.
template <typename Field>
concept RecordField = std::convertible_to<const Field&, std::string_view> || std::same_as<Field, UpperCased>;

constexpr std::string_view field_text(std::string_view text) { return text; }
constexpr std::string_view field_text(UpperCased field) { return field.text; }

namespace record_copy {

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
[[gnu::always_inline]] inline char* copy_text(char* out, std::string_view text) {
    const std::size_t n = text.size();
    if (n >= 8) copy_words<Upper, std::uint64_t>(out, text.data(), n);
    else if (n >= 4) copy_words<Upper, std::uint32_t>(out, text.data(), n);
    else if (n > 0) copy_words<Upper, std::uint8_t>(out, text.data(), n);
    return out + n;
}

} // namespace record_copy

// Copies the field to out, upper-cased if it is marked so; returns the end.
template <RecordField Field>
[[gnu::always_inline]] inline char* copy_field(char* out, const Field& field) {
    return record_copy::copy_text<std::same_as<Field, UpperCased>>(out, field_text(field));
}

} // namespace quill
