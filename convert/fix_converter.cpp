// How each fix line of earth_fix.dat becomes one record of earth_fix.csv.
#include "convert/fix_converter.h"

#include "convert/intermediate_file.h"
#include "convert/shape_counter.h"
#include "convert/source_files.h"
#include "convert/source_loop.h"

namespace quill {

namespace {

// " 47.500000000 -122.250000000 ABCDE ENRT K1 2105"
enum FixField : std::size_t { kLatitude = 0, kLongitude = 1, kName = 2 };

constexpr std::string_view kFixHeader = "SHAPEID|LAT(Y)|LON(X)|NAME";

} // namespace

std::size_t convert_fixes(const std::string& source_folder, const std::string& work_folder) {
    LineReader source(source_path(source_folder, kFixSource));
    IntermediateFile fixes(intermediate_path(work_folder, kFixSource, ".csv"), kFixHeader);
    FieldList fields;
    ShapeCounter shapes;
    for_each_source_line(source, fields, [&](const FieldList& line) {
        // Read in order: the first missing field names the error.
        const std::string_view latitude = trim(line[kLatitude]);
        const std::string_view longitude = trim(line[kLongitude]);
        const UpperCased name = upper_cased(trim(line[kName]));
        fixes.write(shapes.next(), latitude, longitude, name);
    }, kName + 1);
    fixes.close();
    return fixes.records();
}

} // namespace quill
