// Installing a product database for a window's test, and what a run of the sample cycle shows.
#include "support/installed_products.h"

#include "app/file_system.h"
#include "app/target_table.h"
#include "support/temp_dir.h"

namespace quill::test {

std::string install_product(std::size_t row, bool real, std::string_view extra_sql) {
    make_folders(target_folder(TargetTable[row]));
    const std::string path = target_path(TargetTable[row]);
    if (!real) {
        write_file(path, "product database");
        return path;
    }
    remove_file(path);
    create_product_database(path, extra_sql);
    return path;
}

const std::vector<std::string>& sample_run_lines() {
    static const std::vector<std::string> lines{"Converting Airports...",
                                                "Converting NavAids...",
                                                "Converting Waypoints...",
                                                "Converting Airways...",
                                                " ",
                                                "Loading Airports (Land)...",
                                                "Loading Airports (Water)...",
                                                "Loading Airports (Heliports)...",
                                                "Loading Airport Comms...",
                                                "Loading Airport Info...",
                                                "Loading Nav NDBs...",
                                                "Loading Nav NDB-DMEs...",
                                                "Loading Nav VORs...",
                                                "Loading Nav VOR-DMEs...",
                                                "Loading Nav VORTACs...",
                                                "Loading Nav TACANs...",
                                                "Loading Nav DMEs...",
                                                "Loading Waypoints/Fixes...",
                                                "Loading Airways (High)...",
                                                "Loading Airways (Low)...",
                                                "Loading Localizers...",
                                                "Loading Glideslopes...",
                                                "Loading Marker Beacons...",
                                                "Loading FPAPs...",
                                                "Loading LTPs..."};
    return lines;
}

} // namespace quill::test
