// How the headless tool's options are read, refused in combinations that would drop one, and
// checked against what is installed.
#include "cli/cli_options.h"

#include "app/environment.h"
#include "app/file_system.h"
#include "run/restore_run.h"
#include "run/target_databases.h"
#include "convert/source_files.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace quill::cli {

namespace {

std::vector<std::string> split_list(const std::string& list) {
    std::vector<std::string> items;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = list.find(',', start);
        items.push_back(list.substr(start, comma - start));
        if (comma == std::string::npos) return items;
        start = comma + 1;
    }
}

std::vector<Category> category_list(const std::string& list) {
    std::vector<Category> categories;
    for (const std::string& name : split_list(list)) {
        const auto named = std::ranges::find(kCategories, name, category_key);
        if (named == kCategories.end()) throw UsageError("unknown category '" + name + "'");
        categories.push_back(*named);
    }
    return categories;
}

std::vector<std::size_t> target_list(const std::string& list) {
    std::vector<std::size_t> rows;
    for (const std::string& key : split_list(list)) {
        std::size_t row = 0;
        while (row < kTargetCount && TargetTable[row].key != key) ++row;
        if (row == kTargetCount) throw UsageError("unknown product database '" + key + "'");
        rows.push_back(row);
    }
    return rows;
}

// "--name value" or "--name=value"; gives the value, advancing past it.
std::optional<std::string> option_value(const std::vector<std::string>& args, std::size_t& i,
                                        std::string_view name) {
    const std::string& arg = args[i];
    if (arg == name) {
        if (i + 1 == args.size()) throw UsageError("option '" + arg + "' needs a value");
        return args[++i];
    }
    if (arg.size() > name.size() && arg.starts_with(name) && arg[name.size()] == '=')
        return arg.substr(name.size() + 1);
    return std::nullopt;
}

void take_folder(const std::string& arg, Options& options, bool& have_folder) {
    if (have_folder) throw UsageError("more than one source folder given");
    options.source_folder = arg;
    have_folder = true;
}

std::string appdata_folder(const std::string& folder) {
    if (folder.empty()) throw UsageError("option '--appdata' needs a folder");
    return folder;
}

// An action that would pass over an option refuses it, so that nothing the
// user asked for is silently left undone.
void refuse_passed_over(const Options& options, bool have_folder) {
    struct Combination {
        bool given;
        const char* action;
        const char* passed_over;
    };
    const Combination combinations[] = {
        {options.check && options.list, "--check", "--list"},
        {options.check && options.restore, "--check", "--restore"},
        {options.list && options.restore, "--list", "--restore"},
        {options.list && options.categories.has_value(), "--list", "--categories"},
        {options.list && options.keep_intermediate, "--list", "--keep-intermediate"},
        {options.restore && have_folder, "--restore", "a source folder"},
        {options.restore && options.categories.has_value(), "--restore", "--categories"},
        {options.restore && options.keep_intermediate, "--restore", "--keep-intermediate"},
    };
    for (const Combination& c : combinations)
        if (c.given)
            throw UsageError(std::string(c.action) + " cannot be combined with " + c.passed_over);
}

// The rule, with the folder it gives this time.
std::string where_products_are_looked_for() {
    const NamedFolder fallback = default_data_folder();
    return "The product databases are looked for below DIR of --appdata; without it, below\n"
           "APPDATA when it is set and not empty, otherwise below " + fallback.name + "\n(" +
           fallback.path + ").\nNow: " + describe_application_data_folder() + "\n";
}

} // namespace

Options parse_options(const std::vector<std::string>& args) {
    Options options;
    bool have_folder = false;
    // "--" ends the options: what follows is the folder, even a name that begins with "-".
    bool options_ended = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!options_ended && arg == "--") options_ended = true;
        else if (options_ended || !arg.starts_with("-") || arg == "-") take_folder(arg, options, have_folder);
        else if (auto list = option_value(args, i, "--categories")) options.categories = category_list(*list);
        else if (auto keys = option_value(args, i, "--targets")) options.targets = target_list(*keys);
        else if (auto folder = option_value(args, i, "--appdata")) options.appdata = appdata_folder(*folder);
        else if (arg == "--keep-intermediate") options.keep_intermediate = true;
        else if (arg == "--list") options.list = true;
        else if (arg == "--restore") options.restore = true;
        else if (arg == "--check") options.check = true;
        else if (arg == "--help" || arg == "-h") options.help = true;
        else if (arg == "--version") options.version = true;
        else throw UsageError("unknown option '" + arg + "'");
    }
    if (options.help || options.version) return options;
    refuse_passed_over(options, have_folder);
    if (!have_folder && !options.list && !options.restore)
        throw UsageError("no source folder given");
    if (options.appdata) require_folder(*options.appdata);
    return options;
}

void require_folder(const std::string& path) {
    if (folder_exists(path)) return;
    throw UsageError("'" + path + "' " +
                     (anything_exists(path) ? "is not a folder" : "does not exist"));
}

CategorySelection resolve_categories(const Options& options) {
    require_folder(options.source_folder);
    CategorySelection available{};
    bool any = false;
    for (Category c : kCategories) {
        available[index_of(c)] = source_exists(options.source_folder, source_name(c));
        any |= available[index_of(c)];
    }
    if (!any) throw UsageError("'" + options.source_folder + "' holds none of " + source_names());
    if (!options.categories) return available;
    CategorySelection chosen{};
    for (Category c : *options.categories) {
        if (!available[index_of(c)])
            throw UsageError("category '" + std::string(category_key(c)) +
                             "' has no " + std::string(source_name(c)) + " in the source folder");
        chosen[index_of(c)] = true;
    }
    return chosen;
}

TargetSelection resolve_targets(const Options& options) {
    const TargetSelection found = detect_targets();
    if (!options.targets) {
        for (bool exists : found)
            if (exists) return found;
        throw UsageError("no product database found in " + describe_application_data_folder());
    }
    TargetSelection chosen{};
    for (std::size_t row : *options.targets) {
        if (!found[row])
            throw UsageError("product database '" + std::string(TargetTable[row].key) +
                             "' does not exist: " + target_path(TargetTable[row]));
        chosen[row] = true;
    }
    return chosen;
}

TargetSelection resolve_restore_targets(const Options& options, const std::string& work_folder) {
    TargetSelection chosen{};
    if (!options.targets) {
        for (std::size_t row = 0; row < kTargetCount; ++row) chosen[row] = has_previous_database(work_folder, row);
        return chosen;
    }
    for (std::size_t row : *options.targets) {
        if (!has_previous_database(work_folder, row))
            throw UsageError("product database '" + std::string(TargetTable[row].key) +
                             "' has no previous database to restore");
        chosen[row] = true;
    }
    return chosen;
}

std::string usage_text() {
    std::string text =
        "Usage: quillstrom-cli [options] [--] SOURCE_FOLDER\n"
        "       quillstrom-cli --check [options] [--] SOURCE_FOLDER\n"
        "       quillstrom-cli --restore [--targets LIST] [--appdata DIR]\n"
        "       quillstrom-cli --list [--targets LIST] [--appdata DIR] [SOURCE_FOLDER]\n"
        "Updates the navigation databases of the installed products from the X-Plane 11/12\n"
        "navigation data cycle in SOURCE_FOLDER (apt.dat, earth_nav.dat, earth_fix.dat,\n"
        "earth_awy.dat).\n\n"
        "Options:\n"
        "  --categories LIST    comma-separated: airports, navaids, waypoints, airways\n"
        "                       (default: every category whose source file exists)\n"
        "  --targets LIST       comma-separated product databases (default: every one that exists):\n";
    for (const TargetRow& row : TargetTable)
        text += "                         " + std::string(row.key) + "  (" + std::string(row.caption) + ")\n";
    text +=
        "  --keep-intermediate  leave the intermediate files in the work folder\n"
        "  --appdata DIR        look for the product databases, and keep the work folder, below\n"
        "                       DIR instead of the application-data folder (see below)\n"
        "  --check              convert and load as an update would, change no product database,\n"
        "                       and show each source file's cycle, records and warnings and each\n"
        "                       product database's cycles and rows now and after the update\n"
        "  --list               show the product databases found (with --targets, only those),\n"
        "                       the cycles they hold and the source files' cycles, then exit\n"
        "  --restore            put back the database each product had before its last update\n"
        "                       (default: every product that has one kept; see --list)\n"
        "  --help               show this text\n"
        "  --version            show the program's version\n\n"
        "Exit status: 0 success; 1 failed, no product database changed; 2 finished, but some\n"
        "product database could not be updated; 64 usage error. --check ends as the update would.\n\n";
    return text + where_products_are_looked_for();
}

} // namespace quill::cli
