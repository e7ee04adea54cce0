#include "support/cycle_folder.h"

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

} // namespace quill::test
