// The table of rules that decides a navaid line's kind from its row code and type.
#include "convert/navaid_rows.h"

#include <array>

namespace quill {

namespace {

struct DispatchRule {
    int code;
    std::string_view type;  // empty: any type field
    NavaidKind kind;
};

// The first rule that matches decides.
constexpr std::array<DispatchRule, 16> kRules{{
    {2, "NDB", NavaidKind::Ndb},
    {2, "NDB/DME", NavaidKind::NdbDme},
    {3, "VOR", NavaidKind::Vor},
    {3, "VOR/DME", NavaidKind::VorDme},
    {3, "VORTAC", NavaidKind::Vortac},
    {3, "TACAN", NavaidKind::Tacan},
    {12, "", NavaidKind::Dme},
    {13, "", NavaidKind::Dme},
    {4, "", NavaidKind::Localizer},
    {5, "", NavaidKind::Localizer},
    {6, "", NavaidKind::Glideslope},
    {7, "", NavaidKind::MarkerBeacon},
    {8, "", NavaidKind::MarkerBeacon},
    {9, "", NavaidKind::MarkerBeacon},
    {14, "", NavaidKind::Fpap},
    {16, "", NavaidKind::Ltp},
}};

// The row code as a number, so that each line compares numbers rather than
// texts; -1 for a text that writes no row code exactly ("02", "1150", "I").
int row_number(std::string_view code) {
    if (code.empty() || code.size() > 2 || code[0] == '0') return -1;
    int number = 0;
    for (char c : code) {
        if (c < '0' || c > '9') return -1;
        number = number * 10 + (c - '0');
    }
    return number;
}

} // namespace

std::optional<NavaidKind> navaid_kind(std::string_view code, std::string_view type) {
    const int number = row_number(code);
    for (const DispatchRule& rule : kRules) {
        if (rule.code == number && (rule.type.empty() || rule.type == type)) return rule.kind;
    }
    return std::nullopt;
}

} // namespace quill
