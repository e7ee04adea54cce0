// Times seeding and publishing a loaded work database against plain file
// copies of it, and the two ways a seed can be read through SQLite.
#include "app/target_table.h"
#include "app/work_folder.h"
#include "database/backup.h"
#include "database/connection.h"
#include "database/query.h"
#include "run/file_replace.h"
#include "run/target_databases.h"
#include "support/arguments.h"
#include "support/stopwatch.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace quill;
using namespace quill::bench;

namespace {

// Publishing replaces one target; a few milliseconds of locking and checks on
// top of the copy are its whole cost.
constexpr double kTarget = 1.5;

struct Scene {
    std::string work_database; // the loaded database being published
    std::string work_folder;
    std::string target;
};

// A product database as it stands before an update: the previous cycle.
void install_target(const Scene& scene) {
    fs::copy_file(scene.work_database, scene.target, fs::copy_options::overwrite_existing);
}

void publish(const Scene& scene) {
    TargetSelection first{};
    first[0] = true;
    const PublishResult result = publish_work_database(first, scene.work_folder).front();
    if (!result.written) throw std::runtime_error("publishing failed: " + result.reason);
}

void plain_copy(const Scene& scene) { StagedCopy(scene.work_database, scene.target).commit(); }

void backup_into_target(const Scene& scene) {
    Connection from;
    from.open(scene.work_database);
    Connection to;
    to.open(scene.target);
    copy_database(from, to);
}

void seed_by_backup(const Scene& scene) {
    TargetSelection first{};
    first[0] = true;
    seed_work_database(first, scene.work_folder);
}

void seed_by_vacuum_into(const Scene& scene) {
    const std::string copy = work_database_path(scene.work_folder);
    fs::remove(copy);
    Connection from;
    from.open(scene.target);
    const std::string sql = "VACUUM INTO '" + copy + "'";
    Query(sql).execute(from);
}

} // namespace

int main(int argc, char** argv) {
    try {
        const Arguments args = read_arguments(argc, argv, 7, "bench_publish [--runs N] WORK_DATABASE [SCRATCH_FOLDER]",
                                              "quill-bench-publish");
        const std::string appdata = args.scratch_folder + "appdata";
        fs::create_directories(appdata);
        setenv("APPDATA", appdata.c_str(), 1);
        Scene scene;
        scene.work_folder = make_work_folder();
        // Seeding writes the work database afresh from a target that holds the
        // same content, so every way reads and writes the same database.
        scene.work_database = work_database_path(scene.work_folder);
        fs::copy_file(args.data_folder, scene.work_database, fs::copy_options::overwrite_existing);
        scene.target = target_path(TargetTable[0]);
        fs::create_directories(target_folder(TargetTable[0]));
        const double megabytes = static_cast<double>(fs::file_size(scene.work_database)) / 1e6;
        std::printf("build %s, %d runs, wall-clock medians; a %.1f MB database\n", QUILL_BUILD_TYPE, args.runs,
                    megabytes);

        const std::vector<std::pair<const char*, void (*)(const Scene&)>> ways{
            {"copy, fsync, rename (floor)", plain_copy},
            {"publish: held clean, renamed", publish},
            {"publish: backup into target", backup_into_target},
            {"seed: online backup", seed_by_backup},
            {"seed: VACUUM INTO", seed_by_vacuum_into},
        };
        std::map<std::string, std::vector<double>> samples;
        for (int run = 0; run < args.runs; ++run) {
            for (const auto& [name, way] : ways) {
                install_target(scene);
                samples[name].push_back(time_of([&] { way(scene); }).wall);
            }
        }
        const double floor = median(samples[ways.front().first]);
        for (const auto& [name, way] : ways) {
            const double ms = median(samples[name]) * 1e3;
            std::printf("%-30s %8.1f ms  %5.2f x floor\n", name, ms, ms / (floor * 1e3));
        }
        const double ratio = median(samples["publish: held clean, renamed"]) / floor;
        std::printf("publishing %.2f x floor  target %.1f  %s\n", ratio, kTarget, ratio <= kTarget ? "ok" : "OVER");
        fs::remove_all(args.scratch_folder);
        return ratio <= kTarget ? 0 : 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench_publish: %s\n", error.what());
        return 2;
    }
}
