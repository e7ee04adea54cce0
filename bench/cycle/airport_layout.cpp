// How the taxiways, lines, signs and other passed-over rows of a generated airport are drawn.
#include "cycle/airport_layout.h"

#include "cycle/names.h"

#include <algorithm>
#include <array>
#include <string>

namespace quill::bench {

namespace {

constexpr std::array<std::string_view, 6> kPavementNames{"Taxiway", "Apron", "Ramp", "Hold Pad", "Shoulder", "Cargo Apron"};
constexpr std::array<std::string_view, 5> kLineNames{"Taxiway centerline", "Hold short line", "Apron edge",
                                                     "ILS hold line", "Taxiway edge"};
constexpr std::array<std::string_view, 4> kStartKinds{"gate", "tie_down", "hangar", "misc"};
constexpr std::array<std::string_view, 4> kStartClasses{"jets|turboprops", "props", "heavy|jets", "helos"};
constexpr std::array<std::string_view, 5> kRunwayPairs{"09,27", "18,36", "04,22", "13,31", "16L,34R"};

template <std::size_t N>
std::string_view any(Random& random, const std::array<std::string_view, N>& items) {
    return items[random.next() % N];
}

std::string taxiway_name(Random& random) {
    std::string name = letters(random, 1);
    if (random.chance(0.5)) name += static_cast<char>('1' + random.next() % 9);
    return name;
}

// One bezier or plain node of a pavement outline or a painted line; the last
// node closes a ring (113, 114) or ends a line (115, 116).
void write_node(OutputFile& out, Random& random, Position center, bool last, bool ring, bool painted) {
    const bool bezier = random.chance(0.4);
    int code = bezier ? 112 : 111;
    if (last) code = (ring ? 113 : 115) + (bezier ? 1 : 0);
    out.number(code).blanks(1);
    write_near(out, random, center);
    if (bezier) {
        out.blanks(1);
        write_near(out, random, center);
    }
    if (painted && !last) out.text(random.chance(0.7) ? " 1 102" : " 51");
    out.end_line();
}

long write_outline(OutputFile& out, Random& random, Position center, long nodes, bool ring, bool painted) {
    for (long i = 0; i < nodes; ++i) write_node(out, random, center, i + 1 == nodes, ring, painted);
    return nodes;
}

long write_pavement(OutputFile& out, Random& random, Position center, long budget) {
    out.text("110 ").number(random.between(1, 2)).text(" 0.25 ").fixed(random.between(0.0, 359.99), 2);
    out.blanks(1).text(any(random, kPavementNames)).blanks(1).text(taxiway_name(random)).end_line();
    long written = 1 + write_outline(out, random, center, std::max<long>(2, std::min<long>(random.between(6, 60), budget)), true, false);
    if (random.chance(0.2)) written += write_outline(out, random, center, random.between(4, 12), true, false);
    return written;
}

long write_painted_line(OutputFile& out, Random& random, Position center, long budget) {
    out.text("120 ").text(any(random, kLineNames)).end_line();
    const bool ring = random.chance(0.2);
    return 1 + write_outline(out, random, center, std::max<long>(2, std::min<long>(random.between(3, 30), budget)), ring, true);
}

long write_sign(OutputFile& out, Random& random, Position center) {
    out.text("20 ");
    write_near(out, random, center);
    out.blanks(1).fixed(random.between(0.0, 359.99), 2, 7).text(" 0 ").number(random.between(1, 3));
    out.text(" {@Y}").text(taxiway_name(random)).text("{@L}").text(taxiway_name(random)).end_line();
    return 1;
}

long write_light(OutputFile& out, Random& random, Position center) {
    out.text("21 ");
    write_near(out, random, center);
    out.text("  2 ").fixed(random.between(0.0, 359.99), 2, 7).text("   3.00 09 PAPI-4L").end_line();
    return 1;
}

long write_start(OutputFile& out, Random& random, Position center) {
    out.text("1300 ");
    write_near(out, random, center);
    out.blanks(1).fixed(random.between(0.0, 359.99), 2, 7).blanks(1).text(any(random, kStartKinds));
    out.blanks(1).text(any(random, kStartClasses)).text(" Stand ").number(random.between(1, 400)).end_line();
    if (!random.chance(0.5)) return 1;
    out.text("1301 ").text(random.chance(0.5) ? "C airline" : "E cargo").end_line();
    return 2;
}

long write_taxi_network(OutputFile& out, Random& random, Position center, long budget) {
    out.text("1200 ").end_line();
    const long nodes = std::max<long>(2, budget * 2 / 5);
    for (long i = 0; i < nodes; ++i) {
        out.text("1201 ");
        write_near(out, random, center);
        out.text(random.chance(0.8) ? " both " : " dest ").number(i).text(" n").number(i).end_line();
    }
    long written = 1 + nodes;
    while (written < budget) {
        const long from = random.next() % nodes;
        const long to = random.next() % nodes;
        out.text(random.chance(0.9) ? "1202 " : "1206 ").number(from).blanks(1).number(to);
        out.text(random.chance(0.85) ? " twoway taxiway " : " oneway runway ").text(taxiway_name(random)).end_line();
        ++written;
        if (written < budget && random.chance(0.08)) {
            out.text("1204 ").text(random.chance(0.5) ? "departure " : "ils ").text(any(random, kRunwayPairs)).end_line();
            ++written;
        }
    }
    return written;
}

long write_traffic_flow(OutputFile& out, Random& random, std::string_view ident) {
    out.text("1000 ").text(random.chance(0.5) ? "Calm winds" : "West flow").end_line();
    out.text("1001 ").text(ident).text(" 000 359 ").number(random.between(5, 15)).end_line();
    out.text("1002 ").text(ident).text(" 0").end_line();
    out.text("1003 ").text(ident).text(" 0").end_line();
    out.text("1004 0000 2400").end_line();
    out.text("1100 ").text(any(random, kRunwayPairs).substr(0, 2));
    out.text(" 11920 arrivals|departures jets|turboprops|props 010 170 Main").end_line();
    out.text("1101 ").text(any(random, kRunwayPairs).substr(0, 2)).text(random.chance(0.5) ? " left" : " right").end_line();
    return 7;
}

} // namespace

void write_near(OutputFile& out, Random& random, Position center, double spread) {
    out.fixed(center.latitude + random.between(-spread, spread), 8, 12).blanks(1);
    out.fixed(wrap_longitude(center.longitude + random.between(-spread, spread)), 8, 13);
}

void write_small_field_extras(OutputFile& out, Random& random, Position center) {
    if (random.chance(0.4)) {
        out.text("19 ");
        write_near(out, random, center, 0.005);
        out.text(" 1 WS").end_line();
    }
    if (random.chance(0.15)) {
        out.text("18 ");
        write_near(out, random, center, 0.005);
        out.text(" 1 BCN").end_line();
    }
    if (random.chance(0.3)) write_start(out, random, center);
}

void write_airport_layout(OutputFile& out, Random& random, Position center, std::string_view ident,
                          long budget) {
    // Shares of a real layout: outlines and painted lines first, then
    // markings, parking, the routing network and the flow rules.
    const long pavement = budget * 40 / 100;
    const long painted = budget * 22 / 100;
    const long signs = budget * 6 / 100;
    const long lights = budget * 2 / 100;
    const long starts = budget * 5 / 100;
    long written = 0;
    for (long done = 0; done < pavement;) done += write_pavement(out, random, center, pavement - done);
    written += pavement;
    for (long done = 0; done < painted;) done += write_painted_line(out, random, center, painted - done);
    written += painted;
    out.text("14 ");
    write_near(out, random, center);
    out.text(" 30 0 Tower Viewpoint").end_line();
    for (long i = 0; i < signs; ++i) write_sign(out, random, center);
    for (long i = 0; i < lights; ++i) write_light(out, random, center);
    for (long done = 0; done < starts;) done += write_start(out, random, center);
    written += 1 + signs + lights + starts;
    if (budget > written + 8) written += write_traffic_flow(out, random, ident);
    if (budget > written + 4) write_taxi_network(out, random, center, budget - written);
}

} // namespace quill::bench
