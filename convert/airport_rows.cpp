// How an apt.dat line's row code is told apart before the line is split.
#include "convert/airport_rows.h"

namespace quill {

namespace {

// Field 0 of the blank tokenizer for a line that begins with a non-blank:
// everything up to the first character of code 32 or less (NUL included).
std::string_view row_code(std::string_view line) {
    std::size_t end = 0;
    while (end < line.size() && static_cast<unsigned char>(line[end]) > 32) ++end;
    return line.substr(0, end);
}

AirportRow frequency_row(std::string_view code) {
    const bool known = code.size() == 4 && code[3] >= '0' && code[3] <= '6';
    return known ? AirportRow::Frequency : AirportRow::Ignored;
}

} // namespace

AirportRow airport_row(std::string_view line) {
    if (line.empty() || line[0] != '1') return AirportRow::Ignored;
    const std::string_view code = row_code(line);
    if (line.starts_with("105")) return frequency_row(code);
    if (code == "1") return AirportRow::LandHeader;
    if (code == "16") return AirportRow::WaterHeader;
    if (code == "17") return AirportRow::HeliHeader;
    if (code == "100") return AirportRow::LandRunway;
    if (code == "101") return AirportRow::WaterRunway;
    if (code == "102") return AirportRow::Helipad;
    return AirportRow::Ignored;
}

} // namespace quill
