// Loads the intermediate files of a generated world-size cycle into a copy of
// the product database and prints the time as a ratio of the floor measured in
// the same run: the same rows, already in memory, inserted with one prepared
// statement per table in one transaction.
#include "convert/airport_converter.h"
#include "convert/airway_converter.h"
#include "convert/fix_converter.h"
#include "convert/navaid_converter.h"
#include "database/connection.h"
#include "database/load_blocks.h"
#include "database/load_work_database.h"
#include "database/query.h"
#include "database/statement.h"
#include "support/stopwatch.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <sqlite3.h>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

namespace fs = std::filesystem;
using quill::bench::median;
using quill::bench::time_of;
using quill::bench::Timing;

constexpr double kTarget = 1.3;

struct Options {
    int runs = 5;
    bool load_only = false;
    std::string source_folder;
    std::string work_folder;
};

[[noreturn]] void usage() {
    std::fprintf(stderr, "Usage: bench_load [--runs N] [--load-only] SOURCE_FOLDER [WORK_FOLDER]\n");
    std::exit(2);
}

Options parse(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--runs" && i + 1 < argc) options.runs = std::atoi(argv[++i]);
        else if (arg == "--load-only") options.load_only = true;
        else if (arg.starts_with("-")) usage();
        else if (options.source_folder.empty()) options.source_folder = arg;
        else if (options.work_folder.empty()) options.work_folder = arg;
        else usage();
    }
    if (options.source_folder.empty() || options.runs < 1) usage();
    if (options.work_folder.empty())
        options.work_folder = (fs::temp_directory_path() / "quill-bench-load").string();
    if (!options.work_folder.ends_with('/')) options.work_folder += '/';
    return options;
}

void make_product(const std::string& path) {
    fs::remove(path);
    std::ifstream in(QUILL_PRODUCT_SCHEMA);
    std::stringstream schema;
    schema << in.rdbuf();
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    const int rc = sqlite3_exec(db, schema.str().c_str(), nullptr, nullptr, nullptr);
    sqlite3_close(db);
    if (rc != SQLITE_OK) throw std::runtime_error("cannot create the product database " + path);
}

void copy_over(const std::string& from, const std::string& to) {
    fs::copy_file(from, to, fs::copy_options::overwrite_existing);
}

void convert_cycle(const Options& options) {
    quill::ConvertAirports(options.source_folder, options.work_folder, [](const std::string&) {});
    quill::ConvertNavaids(options.source_folder, options.work_folder);
    quill::ConvertFixes(options.source_folder, options.work_folder);
    quill::ConvertAirways(options.source_folder, options.work_folder);
}

void load(const Options& options, const std::string& product) {
    const std::string work_database = options.work_folder + std::string(quill::kWorkDatabase);
    quill::LoadWorkDatabase({options.work_folder,
                             {true, true, true, true},
                             [&] { copy_over(product, work_database); },
                             [](const std::string&) {},
                             true});
}

// One value as the loader binds it: a number or a text.
struct Value {
    double number;
    std::size_t offset;
    std::size_t length;
};

// The rows of one table, read back from a loaded database.
struct TableRows {
    const quill::LoadBlock* block = nullptr;
    std::vector<std::string_view> columns;
    std::vector<bool> numeric;
    std::vector<Value> values; // row after row
    std::string texts;
    std::size_t rows = 0;
};

std::vector<bool> numeric_columns(const quill::LoadBlock& block) {
    std::vector<bool> numeric;
    if (!block.type_column.empty()) numeric.push_back(false);
    for (const quill::ColumnSource& source : block.columns)
        numeric.push_back(source.kind != quill::ValueKind::Text);
    return numeric;
}

std::string column_list(const std::vector<std::string_view>& columns) {
    std::string list;
    for (const std::string_view column : columns) list += (list.empty() ? "" : ", ") + std::string(column);
    return list;
}

std::vector<TableRows> read_rows(const std::string& database) {
    quill::Connection connection;
    connection.open(database);
    std::vector<TableRows> tables;
    for (const quill::LoadBlock& block : quill::kLoadBlocks) {
        const bool seen =
            std::ranges::any_of(tables, [&](const TableRows& t) { return t.block->table == block.table; });
        if (seen) continue;
        TableRows& rows = tables.emplace_back();
        rows.block = &block;
        rows.columns = quill::column_names(block);
        rows.numeric = numeric_columns(block);
        const quill::TdfmMain names;
        quill::Statement select(connection, "SELECT " + column_list(rows.columns) + " FROM " +
                                                std::string((names.*block.table).name()) + " ORDER BY rowid");
        while (select.step()) {
            for (int i = 0; i < static_cast<int>(rows.columns.size()); ++i) {
                if (rows.numeric[i]) {
                    rows.values.push_back({select.column_double(i), 0, 0});
                } else {
                    const std::string_view text = select.column_text(i);
                    rows.values.push_back({0, rows.texts.size(), text.size()});
                    rows.texts.append(text);
                }
            }
            ++rows.rows;
        }
    }
    return tables;
}

void insert_floor(const std::string& database, const std::vector<TableRows>& tables) {
    quill::Connection connection;
    connection.open(database);
    quill::Query("PRAGMA journal_mode = OFF;").execute(connection);
    quill::Query("BEGIN").execute(connection);
    const quill::TdfmMain names;
    for (const TableRows& rows : tables) {
        std::string values;
        for (std::size_t i = 0; i < rows.columns.size(); ++i) values += i ? ", ?" : "?";
        quill::Statement insert(connection, "INSERT INTO " + std::string((names.*rows.block->table).name()) +
                                                " (" + column_list(rows.columns) + ") VALUES (" + values +
                                                ")");
        const int width = static_cast<int>(rows.columns.size());
        for (std::size_t row = 0; row < rows.rows; ++row) {
            const Value* value = &rows.values[row * rows.columns.size()];
            for (int i = 0; i < width; ++i) {
                if (rows.numeric[i]) insert.bind_double(i, value[i].number);
                else
                    insert.bind_text(i, std::string_view(rows.texts).substr(value[i].offset, value[i].length),
                                     false);
            }
            insert.step();
            insert.reset();
        }
    }
    quill::Query("COMMIT").execute(connection);
}

std::size_t total_rows(const std::vector<TableRows>& tables) {
    std::size_t total = 0;
    for (const TableRows& rows : tables) total += rows.rows;
    return total;
}

void measure(const Options& options, const std::string& product) {
    const std::vector<TableRows> tables = read_rows(options.work_folder + std::string(quill::kWorkDatabase));
    const std::size_t rows = total_rows(tables);
    const quill::TdfmMain names;
    for (const TableRows& table : tables)
        std::printf("  %-16s %9zu rows\n", std::string((names.*table.block->table).name()).c_str(),
                    table.rows);

    const std::string floor_database = options.work_folder + "floor.db";
    std::vector<double> floor_wall, load_wall, wall_ratios, cpu_ratios;
    for (int run = 0; run < options.runs; ++run) {
        const Timing floor = time_of([&] {
            copy_over(product, floor_database);
            insert_floor(floor_database, tables);
        });
        const Timing loaded = time_of([&] { load(options, product); });
        floor_wall.push_back(floor.wall);
        load_wall.push_back(loaded.wall);
        wall_ratios.push_back(loaded.wall / floor.wall);
        cpu_ratios.push_back(loaded.cpu / floor.cpu);
    }
    const double ratio = median(wall_ratios);
    std::printf("%zu rows  floor %7.1f ms  load %7.1f ms  ratio %5.2f (min %5.2f max %5.2f, cpu %5.2f)  "
                "target %.1f  %s\n",
                rows, median(floor_wall) * 1e3, median(load_wall) * 1e3, ratio,
                *std::ranges::min_element(wall_ratios), *std::ranges::max_element(wall_ratios),
                median(cpu_ratios), kTarget, ratio <= kTarget ? "ok" : "OVER");
    std::printf("load %.0f rows/s, floor %.0f rows/s\n", rows / median(load_wall), rows / median(floor_wall));
}

} // namespace

int main(int argc, char** argv) {
    try {
        const Options options = parse(argc, argv);
        fs::create_directories(options.work_folder);
        const std::string product = options.work_folder + "product.db";
        make_product(product);
        convert_cycle(options);
        std::printf("build %s, %d runs, medians\n", QUILL_BUILD_TYPE, options.runs);
        // The first load also warms the page cache and gives the floor its rows.
        const Timing first = time_of([&] { load(options, product); });
        std::printf("first load %.1f ms\n", first.wall * 1e3);
        if (!options.load_only) measure(options, product);
        std::printf("peak resident memory %.1f MB\n", quill::bench::peak_memory_mb());
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench_load: %s\n", error.what());
        return 2;
    }
}
