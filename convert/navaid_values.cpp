// How the navaid values that are not plain copies are cut or rewritten.
#include "convert/navaid_values.h"

namespace quill {

namespace {

// Up to count characters from pos; empty past the end.
std::string_view piece(std::string_view text, std::size_t pos, std::size_t count) {
    return pos < text.size() ? text.substr(pos, count) : std::string_view();
}

} // namespace

void cut_angle_field(std::string_view field, AngleParts& parts) {
    parts.angle.assign(piece(field, 0, 1));
    parts.angle.push_back('.');
    parts.angle.append(piece(field, 1, 2));
    parts.bearing = piece(field, 3, 7);
}

void dme_type(std::string_view type, std::string& out) {
    out.assign(type);
    for (char& c : out)
        if (c == '/') c = '-';
}

std::string_view marker_type(std::string_view code) {
    if (code == "7") return "OM";
    if (code == "8") return "MM";
    return "IM";
}

} // namespace quill
