// Writes the generated earth_fix.dat: en-route and terminal fixes, the en-route ones kept for
// airways.
#include "cycle/cycle_files.h"
#include "cycle/names.h"
#include "cycle/output_file.h"

#include <array>
#include <string_view>

namespace quill::bench {

namespace {

constexpr long kFixes = 250000;

// Packed ARINC 424 waypoint type fields, as the 11.01 format carries them.
constexpr std::array<std::string_view, 6> kTypeCodes{"2105", "4530263", "4194304", "1048576", "2101", "0"};

} // namespace

// " 45.250000000  -12.600000000 ADLEN ENRT QX 2105"
FileSummary write_fix_file(const std::string& folder, World& world, Random random, int scale) {
    OutputFile out(folder + "earth_fix.dat");
    write_file_header(out, "1101", "FixXP1101");
    long long enroute = 0;
    long long terminal = 0;
    for (long i = 0; i < kFixes * scale; ++i) {
        const int region = world.any_region(random);
        const Position position = world.position_in(random, region);
        const auto& airports = world.airports_by_region[region];
        const bool in_terminal = !airports.empty() && random.chance(0.25);
        const std::string name = in_terminal && random.chance(0.6) ? terminal_fix_name(random) : fix_name(random);
        out.fixed(position.latitude, 9, 13).blanks(1).fixed(position.longitude, 9, 14).blanks(1).text(name);
        out.blanks(1).text(in_terminal ? random.pick(airports) : "ENRT").blanks(1).text(world.code(region));
        out.blanks(1).text(kTypeCodes[random.next() % kTypeCodes.size()]).end_line();
        if (in_terminal) {
            ++terminal;
        } else {
            ++enroute;
            world.add_waypoint(region, {name, 11, position.longitude});
        }
    }
    write_file_end(out);
    return {"earth_fix.dat", out.lines(), out.bytes(), {{"enroute fixes", enroute}, {"terminal fixes", terminal}}};
}

} // namespace quill::bench
