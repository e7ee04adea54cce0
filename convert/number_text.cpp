// How number texts are checked, read to the nearest double and written back in general format.
#include "convert/number_text.h"

#include "convert/text_encoding.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>

namespace quill {

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

std::string_view strip_spaces(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

// Checks the grammar; on success gives the part from_chars reads (no '+')
// and whether the mantissa holds a digit at all ("." alone stands for 0).
bool check_grammar(std::string_view text, std::string_view& body, bool& has_digit) {
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
    const std::size_t mantissa = pos;
    bool point = false;
    has_digit = false;
    for (; pos < text.size(); ++pos) {
        if (is_digit(text[pos])) has_digit = true;
        else if (text[pos] == '.' && !point) point = true;
        else break;
    }
    if (pos == mantissa) return false;
    if (pos < text.size() && (text[pos] == 'E' || text[pos] == 'e')) {
        ++pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
        const std::size_t digits = pos;
        while (pos < text.size() && is_digit(text[pos])) ++pos;
        if (pos == digits) return false;
    }
    if (pos != text.size()) return false;
    body = text.substr(negative ? 0 : mantissa);
    return true;
}

// Plain decimal text ("47.5", "-122.25", "3E-5") that from_chars reads whole
// needs no separate grammar check: what it accepts in this shape, the grammar does.
bool parse_plain_number(std::string_view text, double& value) {
    if (text.empty() || !is_digit(text.back()) || !(is_digit(text[0]) || text[0] == '-')) return false;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

// Whether a number text that from_chars finds out of range lies below 1, so
// that it underflowed rather than overflowed. The mantissa is read as 0.d...
// times ten to the power of its magnitude; the value is below 1 when that
// magnitude plus the exponent is not above 0. The exponent saturates far
// beyond the range of any double.
bool underflows(std::string_view body) {
    const std::size_t e = body.find_first_of("Ee");
    const std::string_view mantissa = body.substr(0, e);
    long long magnitude = 0;
    bool significant = false;
    bool fraction = false;
    for (const char c : mantissa) {
        if (c == '.') {
            fraction = true;
        } else if (!is_digit(c)) {
            continue;  // the sign
        } else if (fraction) {
            if (significant || c != '0') break;
            --magnitude;
        } else if (significant || c != '0') {
            significant = true;
            ++magnitude;
        }
    }
    long long exponent = 0;
    if (e != std::string_view::npos) {
        constexpr long long kFar = 1'000'000'000'000LL;
        const std::string_view digits = body.substr(e + 1);
        for (const char c : digits)
            if (is_digit(c)) exponent = std::min(kFar, exponent * 10 + (c - '0'));
        if (digits.front() == '-') exponent = -exponent;
    }
    return magnitude + exponent <= 0;
}

} // namespace

bool parse_number(std::string_view text, double& value) {
    if (parse_plain_number(text, value)) return true;
    std::string_view body;
    bool has_digit = false;
    if (!check_grammar(strip_spaces(text), body, has_digit)) return false;
    if (!has_digit) {
        value = 0.0;
        return true;
    }
    const auto [end, ec] = std::from_chars(body.data(), body.data() + body.size(), value);
    if (end != body.data() + body.size()) return false;
    // Below half the smallest denormal the nearest double is zero.
    if (ec == std::errc::result_out_of_range && underflows(body)) {
        value = body.front() == '-' ? -0.0 : 0.0;
        return true;
    }
    return ec == std::errc();
}

Error number_error(std::string_view text) {
    return Error("'" + to_utf8(text) + "' is not a valid floating point value");
}

double text_to_number(std::string_view text) {
    double value = 0.0;
    if (!parse_number(text, value)) throw number_error(text);
    return value;
}

std::string format_number(double value) {
    if (value == 0.0) return "0";
    char digits[32];
    // d.dddddddddddddde[+-]xx: the value rounded to 15 significant digits,
    // exactly as printf's "%.14e" gives it, without printf's cost.
    char* const end =
        std::to_chars(digits, digits + sizeof digits - 1, value, std::chars_format::scientific, 14).ptr;
    *end = '\0';
    std::string_view text(digits, static_cast<std::size_t>(end - digits));
    const bool negative = text.front() == '-';
    if (negative) text.remove_prefix(1);
    const std::size_t e = text.find('e');
    const int exponent = std::atoi(text.data() + e + 1);
    std::string mantissa;
    mantissa.push_back(text[0]);
    mantissa.append(text.substr(2, e - 2));
    while (mantissa.size() > 1 && mantissa.back() == '0') mantissa.pop_back();

    std::string out = negative ? "-" : "";
    if (exponent < -4 || exponent >= 15) {
        out.push_back(mantissa[0]);
        if (mantissa.size() > 1) out.append(".").append(mantissa, 1);
        out.append("E").append(std::to_string(exponent));
    } else if (exponent < 0) {
        out.append("0.").append(static_cast<std::size_t>(-exponent - 1), '0').append(mantissa);
    } else {
        const std::size_t whole = static_cast<std::size_t>(exponent) + 1;
        if (mantissa.size() <= whole) {
            out.append(mantissa).append(whole - mantissa.size(), '0');
        } else {
            out.append(mantissa, 0, whole).append(".").append(mantissa, whole);
        }
    }
    return out;
}

} // namespace quill
