// Writes the generated apt.dat: land, water and heli airports with runways, helipads, frequencies
// and the rows the converter passes over.
#include "cycle/airport_layout.h"
#include "cycle/cycle_files.h"
#include "cycle/names.h"
#include "cycle/output_file.h"

#include <array>
#include <cmath>
#include <string_view>

namespace quill::bench {

namespace {

constexpr long kAirports = 35000;

enum class Kind { Land, Water, Heli };

// 1 land airport, 16 seaplane base, 17 heliport.
constexpr std::array<int, 3> kHeaderCodes{1, 16, 17};

constexpr std::array<std::string_view, 10> kLandSuffixes{"", " Intl", " Rgnl", " Muni", " Airport",
                                                         " Fld", " Airstrip", " Airpark", " Field", " Ranch"};
constexpr std::array<std::string_view, 4> kWaterSuffixes{" Lake", " Harbor", " Bay SPB", " River"};
constexpr std::array<std::string_view, 5> kHeliSuffixes{" Hospital", " Medical Center", " Police",
                                                        " Heliport", " Platform"};
constexpr std::array<std::string_view, 9> kMetadataKeys{"city", "country", "datum_lat", "datum_lon", "gui_label",
                                                        "iata_code", "region_code", "state", "transition_alt"};
// 1050 ATIS to 1056 departure.
constexpr std::array<std::string_view, 7> kFrequencyNames{"ATIS", "CTAF", "DEL", "GND", "TWR", "APP", "DEP"};

template <std::size_t N>
std::string_view any(Random& random, const std::array<std::string_view, N>& items) {
    return items[random.next() % N];
}

struct Airport {
    Kind kind = Kind::Land;
    int region = 0;
    Position center;
    std::string ident;
    std::string town;
    std::string name;
    int elevation = 0;
    bool tower = false;
    bool open = true;
};

struct Counts {
    long long land = 0, water = 0, heli = 0, closed = 0;
    long long runways = 0, water_runways = 0, helipads = 0, frequencies = 0;
};

class AirportFileWriter {
public:
    AirportFileWriter(OutputFile& out, World& world, Random& random) : out_(out), world_(world), random_(random) {}

    void write_airport();
    const Counts& counts() const { return counts_; }

private:
    Airport make_airport();
    std::string make_ident(const Airport& airport);
    std::string make_name(const Airport& airport);
    void write_header(const Airport& airport);
    void write_metadata(const Airport& airport);
    void write_land_runways(const Airport& airport);
    void write_land_runway(const Airport& airport, Position center, double bearing, std::string_view side1,
                           std::string_view side2);
    void write_runway_end(std::string_view number, Position end, bool paved);
    void write_water_runways(const Airport& airport);
    void write_helipads(const Airport& airport, int count);
    void write_frequencies(const Airport& airport);
    void write_frequency(int code, std::string_view town, std::string_view what);

    OutputFile& out_;
    World& world_;
    Random& random_;
    Counts counts_;
};

Airport AirportFileWriter::make_airport() {
    Airport airport;
    static constexpr double kKindWeights[] = {0.83, 0.03, 0.14};
    airport.kind = static_cast<Kind>(random_.weighted(kKindWeights));
    airport.region = world_.any_region(random_);
    airport.center = world_.position_in(random_, airport.region);
    airport.ident = make_ident(airport);
    airport.town = place_name(random_);
    airport.open = airport.kind != Kind::Land || !random_.chance(0.02);
    airport.name = make_name(airport);
    airport.elevation = airport.kind == Kind::Water ? random_.between(0, 600)
                                                    : static_cast<int>(std::min(14000.0, random_.exponential(900)));
    airport.tower = airport.kind == Kind::Land && random_.chance(0.12);
    return airport;
}

std::string AirportFileWriter::make_ident(const Airport& airport) {
    const double roll = random_.unit();
    if (airport.kind != Kind::Heli && roll < 0.4) return world_.code(airport.region) + letters(random_, 2);
    std::string ident;
    if (roll < 0.75) {
        ident += static_cast<char>('0' + random_.next() % 10);
        ident += static_cast<char>('0' + random_.next() % 10);
        ident += letters(random_, 2);
    } else {
        ident = letters(random_, 1);
        ident += static_cast<char>('0' + random_.next() % 10);
        ident += static_cast<char>('0' + random_.next() % 10);
    }
    return ident;
}

std::string AirportFileWriter::make_name(const Airport& airport) {
    std::string name = airport.town;
    // A few names carry non-ASCII letters, in UTF-8 or in Latin-1 as real files mix them.
    if (const auto o = name.find('o'); o != std::string::npos && random_.chance(0.004)) name.replace(o, 1, "\xC3\xB8");
    if (const auto u = name.find('u'); u != std::string::npos && random_.chance(0.002)) name.replace(u, 1, "\xFC");
    switch (airport.kind) {
    case Kind::Land: return (airport.open ? "" : "[X] ") + name + std::string(any(random_, kLandSuffixes));
    case Kind::Water: return "[S] " + name + std::string(any(random_, kWaterSuffixes));
    case Kind::Heli: return "[H] " + name + std::string(any(random_, kHeliSuffixes));
    }
    return name;
}

void AirportFileWriter::write_header(const Airport& airport) {
    out_.number(kHeaderCodes[static_cast<int>(airport.kind)]).blanks(1).number(airport.elevation, 6);
    out_.text(airport.tower ? " 1 0 " : " 0 0 ").text(airport.ident).blanks(1).text(airport.name).end_line();
}

void AirportFileWriter::write_metadata(const Airport& airport) {
    out_.text("1302 icao_code ").text(airport.ident).end_line();
    for (std::string_view key : kMetadataKeys) {
        if (random_.chance(0.5)) continue;
        out_.text("1302 ").text(key).blanks(1);
        if (key == "datum_lat") out_.fixed(airport.center.latitude, 8);
        else if (key == "datum_lon") out_.fixed(airport.center.longitude, 8);
        else if (key == "transition_alt") out_.number(random_.between(3, 18) * 1000);
        else if (key == "iata_code") out_.text(letters(random_, 3));
        else if (key == "region_code") out_.text(world_.code(airport.region));
        else if (key == "city") out_.text(airport.town);
        else out_.text(place_word(random_));
        out_.end_line();
    }
}

void AirportFileWriter::write_runway_end(std::string_view number, Position end, bool paved) {
    out_.blanks(1).column(number, 3).fixed(end.latitude, 8, 12).blanks(1).fixed(end.longitude, 8, 13);
    out_.blanks(1).fixed(random_.chance(0.1) ? random_.between(30.0, 300.0) : 0.0, 2, 7);
    out_.blanks(1).fixed(0.0, 2, 7).text(paved ? " 3 " : " 1 ").number(paved ? random_.between(0, 11) : 0);
    out_.text(paved ? " 1 1" : " 0 0");
}

std::string runway_number(int heading_tens, std::string_view side) {
    std::string number;
    number += static_cast<char>('0' + heading_tens / 10);
    number += static_cast<char>('0' + heading_tens % 10);
    number += side;
    return number;
}

void AirportFileWriter::write_land_runway(const Airport& airport, Position center, double bearing,
                                          std::string_view side1, std::string_view side2) {
    ++counts_.runways;
    const bool paved = airport.tower || random_.chance(0.5);
    const double length = paved ? random_.between(900.0, 4000.0) : random_.between(300.0, 1500.0);
    const Position end1 = offset(center, bearing + 180.0, length / 2);
    const Position end2 = offset(center, bearing, length / 2);
    int tens1 = static_cast<int>(std::lround(bearing / 10.0)) % 36;
    if (tens1 == 0) tens1 = 36;
    const int tens2 = tens1 > 18 ? tens1 - 18 : tens1 + 18;
    const std::string number1 = runway_number(tens1, side1);
    const std::string number2 = runway_number(tens2, side2);

    out_.text("100 ").fixed(paved ? random_.between(23.0, 60.0) : random_.between(10.0, 30.0), 2, 6);
    out_.text(paved ? " 1 0 0.25 1 2 1" : " 3 0 0.25 0 0 0");
    write_runway_end(number1, end1, paved);
    write_runway_end(number2, end2, paved);
    out_.end_line();

    if (paved && airport.open && (airport.tower || length >= 1800.0)) {
        const double bearing2 = std::fmod(bearing + 180.0, 360.0);
        world_.instrument_ends.push_back({airport.ident, airport.region, number1, end1, end2, bearing, airport.elevation});
        world_.instrument_ends.push_back({airport.ident, airport.region, number2, end2, end1, bearing2, airport.elevation});
    }
}

void AirportFileWriter::write_land_runways(const Airport& airport) {
    static constexpr double kRunwayCounts[] = {0.02, 0.64, 0.22, 0.08, 0.03, 0.01};
    const std::size_t count = random_.weighted(kRunwayCounts);
    // Two runways are often parallels, told apart by L and R.
    const bool parallels = count >= 2 && random_.chance(0.3);
    double bearing = random_.between(0.0, 179.0);
    for (std::size_t i = 0; i < count; ++i) {
        const bool paired = parallels && i < 2;
        if (i > 0 && !paired) bearing = random_.between(0.0, 179.0);
        const Position center = i == 0 ? airport.center : offset(airport.center, bearing + 90.0, 450.0 * i);
        write_land_runway(airport, center, bearing, paired ? (i == 0 ? "L" : "R") : "",
                          paired ? (i == 0 ? "R" : "L") : "");
    }
}

void AirportFileWriter::write_water_runways(const Airport& airport) {
    static constexpr double kRunwayCounts[] = {0.05, 0.8, 0.15};
    for (std::size_t i = random_.weighted(kRunwayCounts); i > 0; --i) {
        ++counts_.water_runways;
        const bool compass = random_.chance(0.3);
        const double bearing = compass ? 0.0 : random_.between(0.0, 179.0);
        const double length = random_.between(600.0, 3000.0);
        const int tens1 = std::max(1, static_cast<int>(std::lround(bearing / 10.0)));
        out_.text("101 ").fixed(random_.between(30.0, 150.0), 2).text(random_.chance(0.5) ? " 0 " : " 1 ");
        out_.column(compass ? "N" : runway_number(tens1, ""), 3);
        write_near(out_, random_, offset(airport.center, bearing, length / 2), 0.0);
        out_.blanks(1).column(compass ? "S" : runway_number(tens1 + 18, ""), 3);
        write_near(out_, random_, offset(airport.center, bearing + 180.0, length / 2), 0.0);
        out_.end_line();
    }
}

void AirportFileWriter::write_helipads(const Airport& airport, int count) {
    for (int i = 1; i <= count; ++i) {
        ++counts_.helipads;
        out_.text("102 H").number(i).blanks(1);
        write_near(out_, random_, airport.center, 0.002);
        out_.blanks(1).fixed(random_.between(0.0, 359.99), 2, 6).text(" 20.00 20.00 1 0 0 0.25 0").end_line();
    }
}

void AirportFileWriter::write_frequency(int code, std::string_view town, std::string_view what) {
    ++counts_.frequencies;
    // Older cycles wrote five digits (10 kHz); most now write six.
    const int khz = 118000 + 5 * random_.between(0, 3795);
    out_.number(code).blanks(1).number(random_.chance(0.02) ? khz / 10 : khz);
    out_.blanks(1).text(town).blanks(1).text(what).end_line();
}

void AirportFileWriter::write_frequencies(const Airport& airport) {
    // A few airports still carry the old frequency rows next to the new ones.
    if (random_.chance(0.01)) {
        out_.text("50 12880 ATIS").end_line();
        out_.text("54 11830 TWR").end_line();
    }
    if (airport.tower) {
        for (int code = 1050; code <= 1056; ++code) {
            if (code == 1051 || random_.chance(0.1)) continue;
            write_frequency(code, airport.town, kFrequencyNames[code - 1050]);
        }
        return;
    }
    const double chance = airport.kind == Kind::Land ? 0.35 : airport.kind == Kind::Water ? 0.3 : 0.1;
    if (random_.chance(chance)) write_frequency(1051, airport.town, "CTAF");
    if (random_.chance(chance * 0.3)) write_frequency(1052, airport.town, "DEL");
}

void AirportFileWriter::write_airport() {
    const Airport airport = make_airport();
    write_header(airport);
    write_metadata(airport);
    switch (airport.kind) {
    case Kind::Land: {
        ++counts_.land;
        if (!airport.open) ++counts_.closed;
        const int helipads = random_.chance(0.05) ? random_.between(1, 2) : 0;
        // Some land airports list a helipad before their runways.
        const bool helipads_first = random_.chance(0.3);
        if (helipads_first) write_helipads(airport, helipads);
        write_land_runways(airport);
        if (!helipads_first) write_helipads(airport, helipads);
        if (airport.open) world_.airports_by_region[airport.region].push_back(airport.ident);
        break;
    }
    case Kind::Water:
        ++counts_.water;
        write_water_runways(airport);
        break;
    case Kind::Heli: {
        ++counts_.heli;
        static constexpr double kHelipadCounts[] = {0, 0.75, 0.2, 0.03, 0.02};
        write_helipads(airport, static_cast<int>(random_.weighted(kHelipadCounts)));
        break;
    }
    }
    if (airport.kind == Kind::Land && random_.chance(0.13)) {
        const long budget = random_.chance(0.1) ? 200 + static_cast<long>(random_.exponential(2400))
                                                 : 20 + static_cast<long>(random_.exponential(308));
        write_airport_layout(out_, random_, airport.center, airport.ident, budget);
    } else {
        write_small_field_extras(out_, random_, airport.center);
    }
    write_frequencies(airport);
    out_.end_line();
}

} // namespace

FileSummary write_airport_file(const std::string& folder, World& world, Random random, int scale) {
    OutputFile out(folder + "apt.dat");
    write_file_header(out, "1100", "AptXP1100");
    AirportFileWriter writer(out, world, random);
    for (long i = 0; i < kAirports * scale; ++i) writer.write_airport();
    write_file_end(out);
    const Counts& c = writer.counts();
    return {"apt.dat", out.lines(), out.bytes(),
            {{"land airports", c.land}, {"seaplane bases", c.water}, {"heliports", c.heli},
             {"closed airports", c.closed}, {"land runways", c.runways}, {"water runways", c.water_runways},
             {"helipads", c.helipads}, {"frequencies", c.frequencies}}};
}

} // namespace quill::bench
