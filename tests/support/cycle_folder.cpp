// How the sample cycle is copied with other cycles in its version lines, and how a one-record
// source is written.
#include "support/cycle_folder.h"

#include <cctype>
#include <map>
#include <string>
#include <utility>

namespace quill::test {

CycleFolder::CycleFolder(std::string_view apt, std::string_view nav, std::string_view fix,
                         std::string_view awy) {
    const std::pair<const char*, std::string_view> files[]{
        {"apt.dat", apt}, {"earth_nav.dat", nav}, {"earth_fix.dat", fix}, {"earth_awy.dat", awy}};
    for (const auto& [name, cycle] : files) {
        std::string text = read_file(sample_cycle_folder() + "/" + name);
        const std::string named = cycle.empty() ? "" : "data cycle " + std::string(cycle);
        text.replace(text.find("data cycle 2606"), 15, named);
        write_file(*this / name, text);
    }
}

void write_one_record_source(const std::string& folder, const std::string& name) {
    static const std::map<std::string, std::string> kRecord{
        {"apt.dat", "1    412 1 0 QXAL Aldmere Intl\n102 H1  45.122 -12.305  90.00 18.00 18.00 2 0 0 0.25 0\n"},
        {"earth_nav.dat", " 2  45.2  -12.5      0   362  50    0.000 AD   ENRT QX ALDMERE NDB\n"},
        {"earth_fix.dat", " 45.25  -12.6 ADLEN ENRT QX 2105\n"},
        {"earth_awy.dat", "ADLEN QX 11 ALD   QX  3 N 1   30  180 V12\n"}};
    std::string key = name;
    for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    write_file(folder + "/" + name, "I\n1100 Version\n\n" + kRecord.at(key) + "99\n");
}

} // namespace quill::test
