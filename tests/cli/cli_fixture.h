// The fixture of the headless tool's tests: a sandboxed application-data folder, products
// installed in it, and the tool run in process.
#pragma once

#include "app/target_table.h"
#include "cli/cli_app.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace quill::cli {

// A seed row in every table the waypoint-only run must leave alone.
inline constexpr const char* kSeedRows =
    "INSERT INTO NavNDB (NDBType, ShapeID, Latitude, Longitude, NDBID) VALUES ('NDB', 1, 1, 2, 'OLD');"
    "INSERT INTO NavAirway (AirwayType, ShapeID, Latitude, Longitude, FixName, Segment)"
    " VALUES ('High', 1, 1, 2, 'OLD', 'J1');"
    "INSERT INTO NavWPT (ShapeID, Latitude, Longitude, WPTName) VALUES (1, 1, 2, 'OLDWP');";

// What one run of the tool gave.
struct Result {
    int status;
    std::string out;
    std::string err;
};

class Cli : public testing::Test {
protected:
    Result run(std::vector<std::string> args) {
        std::ostringstream out, err;
        const int status = run_cli(args, out, err);
        return {status, out.str(), err.str()};
    }

    // Installs the product database of a TargetTable row; gives its path.
    std::string install(std::size_t row, std::string_view extra_sql = kSeedRows) {
        const std::string folder = target_folder(TargetTable[row]);
        test::make_folders(folder);
        const std::string path = target_path(TargetTable[row]);
        test::create_product_database(path, extra_sql);
        return path;
    }

    std::string work_file(std::string_view name) const {
        return appdata / ("Orvanel/Quillstrom/" + std::string(name));
    }

    test::AppDataSandbox appdata;
    const std::string sample = test::sample_cycle_folder();
};

} // namespace quill::cli
