// Writes the generated earth_nav.dat: every kind of navaid in world proportions, plus rows the
// converter passes over.
#include "cycle/cycle_files.h"
#include "cycle/names.h"
#include "cycle/output_file.h"

#include <algorithm>
#include <array>
#include <map>
#include <string_view>

namespace quill::bench {

namespace {

// Counts of a real world cycle, per scale unit.
constexpr long kNdbs = 7000;
constexpr long kNdbDmes = 250;
constexpr long kStandaloneDmes = 400;
constexpr long kIlsEnds = 4800;
constexpr long kRnavEnds = 6000;
constexpr long kVots = 20;
constexpr long kGlsStations = 100;

struct VorKind {
    std::string_view type;
    long count;
    bool has_dme;
};
constexpr std::array<VorKind, 4> kVorKinds{{{"VOR/DME", 1500, true},
                                            {"VORTAC", 650, true},
                                            {"VOR", 650, false},
                                            {"TACAN", 350, true}}};

constexpr std::array<std::string_view, 3> kIlsTypes{"ILS-cat-I", "ILS-cat-II", "ILS-cat-III"};
constexpr std::array<std::string_view, 3> kLocalizerTypes{"LOC", "LDA", "SDF"};
constexpr std::array<std::string_view, 3> kProviders{"WAAS", "EGNOS", "MSAS"};

template <std::size_t N>
std::string_view any(Random& random, const std::array<std::string_view, N>& items) {
    return items[random.next() % N];
}

// One line of earth_nav.dat in the 11.50 format:
// " 3  45.12000000  -12.30000000    400 11380 130   -6.000 ALD  ENRT QX ALDMERE VOR/DME"
struct NavaidRow {
    int code = 0;
    Position position;
    double elevation = 0;
    int elevation_decimals = 0;
    long long frequency = 0;
    double range = 0;
    int range_decimals = 0;
    double angle = 0;
    std::string ident;
    std::string airport = "ENRT";
    std::string region;
    // Name words and type (rows 2, 3, 12, 13) or runway and name (the others).
    std::string tail;
};

class NavaidBuilder {
public:
    NavaidBuilder(World& world, Random& random) : world_(world), random_(random) {}

    void add_ndbs(long count, std::string_view type);
    void add_vors(const VorKind& kind, long count);
    void add_standalone_dmes(long count);
    void add_ils(const RunwayEnd& end);
    void add_rnav(const RunwayEnd& end);
    void add_rejected(long vots, long gls);

    std::vector<NavaidRow>& rows() { return rows_; }

private:
    NavaidRow& station(int code, int region, std::string ident, const std::string& name, std::string_view type);
    NavaidRow& approach(int code, const RunwayEnd& end, Position position, std::string ident, std::string_view name);
    void add_dme(const NavaidRow& paired, const std::string& name);

    World& world_;
    Random& random_;
    std::vector<NavaidRow> rows_;
};

NavaidRow& NavaidBuilder::station(int code, int region, std::string ident, const std::string& name,
                                  std::string_view type) {
    NavaidRow& row = rows_.emplace_back();
    row.code = code;
    row.position = world_.position_in(random_, region);
    row.elevation = random_.between(0, 3000);
    row.ident = std::move(ident);
    row.region = world_.code(region);
    row.tail = name.empty() ? std::string(type) : name + " " + std::string(type);
    return row;
}

void NavaidBuilder::add_dme(const NavaidRow& paired, const std::string& name) {
    NavaidRow dme = paired;
    dme.code = 12;
    dme.angle = 0;
    dme.tail = name + " DME";
    rows_.push_back(std::move(dme));
}

void NavaidBuilder::add_ndbs(long count, std::string_view type) {
    for (long i = 0; i < count; ++i) {
        const int region = world_.any_region(random_);
        const auto& airports = world_.airports_by_region[region];
        // A few NDBs have no name; the converter then writes an empty one.
        const std::string name = random_.chance(0.01) ? "" : upper_place_name(random_);
        NavaidRow& row = station(2, region, letters(random_, random_.between(2, 3)), name, type);
        row.frequency = random_.between(190, 1750);
        row.range = random_.chance(0.5) ? 25 : 50;
        const bool terminal = !airports.empty() && random_.chance(0.3);
        if (terminal) row.airport = random_.pick(airports);
        else world_.add_waypoint(region, {row.ident, 2, row.position.longitude});
        if (type == "NDB/DME") add_dme(row, name + " NDB");
    }
}

void NavaidBuilder::add_vors(const VorKind& kind, long count) {
    for (long i = 0; i < count; ++i) {
        const int region = world_.any_region(random_);
        const std::string name = upper_place_name(random_);
        NavaidRow& row = station(3, region, letters(random_, 3), name, kind.type);
        row.frequency = 10800 + 5 * random_.between(0, 199);
        row.range = random_.chance(0.7) ? 130 : 40;
        row.angle = random_.between(-25, 25);
        world_.add_waypoint(region, {row.ident, 3, row.position.longitude});
        if (kind.has_dme) add_dme(row, name + " " + std::string(kind.type));
    }
}

void NavaidBuilder::add_standalone_dmes(long count) {
    for (long i = 0; i < count; ++i) {
        const int region = world_.any_region(random_);
        NavaidRow& row = station(13, region, letters(random_, 3), upper_place_name(random_), "DME");
        row.frequency = 10800 + 5 * random_.between(0, 199);
        row.range = 40;
    }
}

NavaidRow& NavaidBuilder::approach(int code, const RunwayEnd& end, Position position, std::string ident,
                                   std::string_view name) {
    NavaidRow& row = rows_.emplace_back();
    row.code = code;
    row.position = position;
    row.elevation = end.elevation;
    row.angle = end.bearing;
    row.ident = std::move(ident);
    row.airport = end.airport;
    row.region = world_.code(end.region);
    row.tail = end.number + " " + std::string(name);
    return row;
}

void NavaidBuilder::add_ils(const RunwayEnd& end) {
    const bool full_ils = random_.chance(0.85);
    const std::string ident = "I" + letters(random_, 3);
    const long long frequency = 10810 + 20 * random_.between(0, 19) + (random_.chance(0.5) ? 5 : 0);
    NavaidRow& localizer = approach(full_ils ? 4 : 5, end, end.far_end, ident,
                                    full_ils ? any(random_, kIlsTypes) : any(random_, kLocalizerTypes));
    localizer.frequency = frequency;
    localizer.range = 18;
    if (full_ils) {
        // Field 6 of a glideslope: the angle in hundredths of a degree times 1000, plus the bearing.
        NavaidRow& glideslope = approach(6, end, offset(end.threshold, end.bearing, 300.0), ident, "GS");
        glideslope.frequency = frequency;
        glideslope.range = 10;
        glideslope.angle = (random_.chance(0.9) ? 300 : random_.between(250, 350)) * 1000.0 + end.bearing;
    }
    if (random_.chance(0.6)) {
        NavaidRow& dme = approach(12, end, end.far_end, ident, random_.chance(0.95) ? "DME-ILS" : "DME/ILS");
        dme.tail = end.airport + " " + dme.tail;
        dme.frequency = frequency;
        dme.range = 18;
        dme.angle = 0;
    }
    static constexpr std::array<std::pair<int, double>, 3> kMarkers{{{7, 0.35}, {8, 0.25}, {9, 0.05}}};
    static constexpr std::array<std::string_view, 3> kMarkerNames{"OM", "MM", "IM"};
    for (const auto& [code, chance] : kMarkers) {
        if (!random_.chance(chance)) continue;
        const double distance = code == 7 ? 8000.0 : code == 8 ? 1000.0 : 300.0;
        approach(code, end, offset(end.threshold, end.bearing + 180.0, distance), ident, kMarkerNames[code - 7]);
    }
}

void NavaidBuilder::add_rnav(const RunwayEnd& end) {
    const std::string procedure = "R" + end.number;
    const long long channel = random_.between(40000, 99999);
    NavaidRow& fpap = approach(14, end, end.far_end, procedure, random_.chance(0.8) ? "LPV" : "LP");
    fpap.elevation_decimals = 3;
    fpap.frequency = channel;
    fpap.range_decimals = 1;
    NavaidRow& ltp = approach(16, end, end.threshold, procedure, any(random_, kProviders));
    ltp.elevation_decimals = 3;
    ltp.frequency = channel;
    ltp.range = random_.between(40, 60);
    ltp.range_decimals = 1;
    ltp.angle = 300000.0 + end.bearing;
}

// Rows the converter drops: a VOR-like test station and GLS ground stations.
void NavaidBuilder::add_rejected(long vots, long gls) {
    for (long i = 0; i < vots; ++i) {
        NavaidRow& row = station(3, world_.any_region(random_), letters(random_, 3), "TEST", "VOT");
        row.frequency = 10800 + 5 * random_.between(0, 199);
        row.range = 25;
    }
    if (world_.instrument_ends.empty()) return;
    for (long i = 0; i < gls; ++i) {
        const RunwayEnd& end = random_.pick(world_.instrument_ends);
        NavaidRow& row = approach(15, end, end.threshold, "G" + end.number, "GLS");
        row.frequency = random_.between(20000, 39999);
    }
}

void write_row(OutputFile& out, const NavaidRow& row) {
    out.number(row.code, 2).blanks(1).fixed(row.position.latitude, 8, 12).blanks(1);
    out.fixed(row.position.longitude, 8, 13).blanks(1).fixed(row.elevation, row.elevation_decimals, 6);
    out.blanks(1).number(row.frequency, 5).blanks(1).fixed(row.range, row.range_decimals, 3).blanks(1);
    out.fixed(row.angle, 3, 10).blanks(1).column(row.ident, 4).column(row.airport, 4).text(row.region);
    out.blanks(1).text(row.tail).end_line();
}

// A shuffled selection of up to count runway ends.
std::vector<const RunwayEnd*> some_ends(const World& world, Random& random, long count) {
    std::vector<const RunwayEnd*> ends;
    for (const RunwayEnd& end : world.instrument_ends) ends.push_back(&end);
    for (std::size_t i = ends.size(); i > 1; --i) std::swap(ends[i - 1], ends[random.next() % i]);
    ends.resize(std::min<std::size_t>(ends.size(), static_cast<std::size_t>(count)));
    return ends;
}

} // namespace

FileSummary write_navaid_file(const std::string& folder, World& world, Random random, int scale) {
    NavaidBuilder builder(world, random);
    builder.add_ndbs(kNdbs * scale, "NDB");
    builder.add_ndbs(kNdbDmes * scale, "NDB/DME");
    for (const VorKind& kind : kVorKinds) builder.add_vors(kind, kind.count * scale);
    builder.add_standalone_dmes(kStandaloneDmes * scale);
    for (const RunwayEnd* end : some_ends(world, random, kIlsEnds * scale)) builder.add_ils(*end);
    for (const RunwayEnd* end : some_ends(world, random, kRnavEnds * scale)) builder.add_rnav(*end);
    builder.add_rejected(kVots * scale, kGlsStations * scale);

    // Real files list the rows by row code.
    std::vector<NavaidRow>& rows = builder.rows();
    std::stable_sort(rows.begin(), rows.end(), [](const NavaidRow& a, const NavaidRow& b) { return a.code < b.code; });
    std::map<int, long long> per_code;
    OutputFile out(folder + "earth_nav.dat");
    write_file_header(out, "1150", "NavXP1150");
    for (const NavaidRow& row : rows) {
        write_row(out, row);
        ++per_code[row.code];
    }
    write_file_end(out);

    FileSummary summary{"earth_nav.dat", out.lines(), out.bytes(), {}};
    for (const auto& [code, count] : per_code) summary.counts.emplace_back("row " + std::to_string(code), count);
    return summary;
}

} // namespace quill::bench
