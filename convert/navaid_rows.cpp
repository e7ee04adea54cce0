#include "convert/navaid_rows.h"

#include <array>

namespace quill {

namespace {

struct DispatchRule {
    std::string_view code;
    std::string_view type;  // empty: any type field
    NavaidKind kind;
};

// The first rule that matches decides.
constexpr std::array<DispatchRule, 16> kRules{{
    {"2", "NDB", NavaidKind::Ndb},
    {"2", "NDB/DME", NavaidKind::NdbDme},
    {"3", "VOR", NavaidKind::Vor},
    {"3", "VOR/DME", NavaidKind::VorDme},
    {"3", "VORTAC", NavaidKind::Vortac},
    {"3", "TACAN", NavaidKind::Tacan},
    {"12", "", NavaidKind::Dme},
    {"13", "", NavaidKind::Dme},
    {"4", "", NavaidKind::Localizer},
    {"5", "", NavaidKind::Localizer},
    {"6", "", NavaidKind::Glideslope},
    {"7", "", NavaidKind::MarkerBeacon},
    {"8", "", NavaidKind::MarkerBeacon},
    {"9", "", NavaidKind::MarkerBeacon},
    {"14", "", NavaidKind::Fpap},
    {"16", "", NavaidKind::Ltp},
}};

} // namespace

std::optional<NavaidKind> navaid_kind(std::string_view code, std::string_view type) {
    for (const DispatchRule& rule : kRules) {
        if (rule.code == code && (rule.type.empty() || rule.type == type)) return rule.kind;
    }
    return std::nullopt;
}

} // namespace quill
