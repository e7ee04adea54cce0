// How each airway segment of earth_awy.dat becomes two records in the file of its level.
#include "convert/airway_converter.h"

#include "convert/intermediate_file.h"
#include "convert/shape_counter.h"
#include "convert/source_files.h"
#include "convert/source_loop.h"

namespace quill {

namespace {

// "ABCDE K1 11 KLM K1 3 N 2 180 450 J13-J15"
enum AirwayField : std::size_t {
    kFirstName = 0,
    kFirstType = 2,
    kSecondName = 3,
    kSecondType = 5,
    kLevel = 7,
    kBase = 8,
    kTop = 9,
    kSegment = 10,
};

constexpr std::string_view kAirwayHeader =
    "SHAPEID|LAT(Y)|LON(X)|FIXNAME|FIXTYPE|SEGMENT|BASEELEVATION|TOPELEVATION|TYPE";

// LAT(Y) and LON(X) of an airway point stay empty: the loader takes them from the fix.
constexpr std::string_view kNoPosition;

// Unknown codes give an empty type, so the loader drops that point rather
// than placing it as whatever the line before held.
std::string_view fix_type(std::string_view code) {
    if (code == "11") return "WPT";
    if (code == "2") return "NDB";
    if (code == "3") return "VOR";
    return {};
}

// One level's file with its own counter.
struct LevelFile {
    IntermediateFile file;
    ShapeCounter shapes;
    std::string_view type;
};

// The segment's two records, one per end, read from the fields in this order.
void write_segment(LevelFile& level, const FieldList& line) {
    const std::string_view id = level.shapes.next();
    const UpperCased first = upper_cased(trim(line[kFirstName]));
    const std::string_view first_type = fix_type(trim(line[kFirstType]));
    const UpperCased second = upper_cased(trim(line[kSecondName]));
    const std::string_view second_type = fix_type(trim(line[kSecondType]));
    const std::string_view base = trim(line[kBase]);
    const std::string_view top = trim(line[kTop]);
    const UpperCased name = upper_cased(trim(line[kSegment]));
    level.file.write(id, kNoPosition, kNoPosition, first, first_type, name, base, top, level.type);
    level.file.write(id, kNoPosition, kNoPosition, second, second_type, name, base, top, level.type);
}

} // namespace

std::size_t convert_airways(const std::string& source_folder, const std::string& work_folder) {
    LineReader source(source_path(source_folder, kAirwaySource));
    LevelFile low{IntermediateFile(intermediate_path(work_folder, kAirwaySource, "_Low.csv"), kAirwayHeader),
                  {}, "Low"};
    LevelFile high{IntermediateFile(intermediate_path(work_folder, kAirwaySource, "_High.csv"), kAirwayHeader),
                   {}, "High"};
    FieldList fields;
    for_each_source_line(source, fields, [&](const FieldList& line) {
        const std::string_view level = trim(line[kLevel]);
        if (level == "1") write_segment(low, line);
        else if (level == "2") write_segment(high, line);
    });
    low.file.close();
    high.file.close();
    // Each segment is written as two records, one per end.
    return (low.file.records() + high.file.records()) / 2;
}

} // namespace quill
