// How each selected source file is looked at, and how the warnings about them are worded.
#include "run/source_findings.h"

#include "app/error.h"
#include "convert/end_line.h"
#include "convert/source_files.h"
#include "run/holdings_record.h"

#include <algorithm>

namespace quill {

namespace {

// Cycles are "YYNN" numbers; anything else ("none", "unknown") is not compared.
bool is_cycle_number(const std::string& cycle) {
    return !cycle.empty() && std::ranges::all_of(cycle, [](char c) { return c >= '0' && c <= '9'; });
}

bool older(const std::string& source, const std::string& held) {
    if (!is_cycle_number(source) || !is_cycle_number(held)) return false;
    if (source.size() != held.size()) return source.size() < held.size();
    return source < held;
}

std::string cut_short_warning(Category c) {
    return "Warning: " + std::string(source_name(c)) +
           " does not end with its end line 99; it may have been cut short";
}

// "Skelmar Builder (2606), Brannock 3 EFIS GPS (2606)": the selected targets
// that the record says hold a newer cycle of the category than `cycle`.
std::string newer_holders(Category c, const std::string& cycle, const TargetSelection& targets,
                          const HoldingsRecord& record) {
    std::string holders;
    for (std::size_t row = 0; row < kTargetCount; ++row) {
        if (!targets[row]) continue;
        const std::optional<Holding> holding = held_unchanged(record, TargetTable[row]);
        if (!holding) continue;
        const std::string& held = holding->cycles[index_of(c)];
        if (!older(cycle, held)) continue;
        if (!holders.empty()) holders += ", ";
        holders += std::string(TargetTable[row].caption) + " (" + held + ")";
    }
    return holders;
}

void warn_of_older_cycles(SourceFindings& findings, const TargetSelection& targets,
                          const std::string& work_folder) {
    const std::optional<HoldingsRecord> record = read_holdings_record(work_folder);
    if (!record) return;
    for (const Category c : kCategories) {
        const std::optional<std::string>& cycle = findings.cycles[index_of(c)];
        if (!cycle) continue;
        const std::string holders = newer_holders(c, *cycle, targets, *record);
        if (holders.empty()) continue;
        findings.warnings.push_back({c, "Warning: " + std::string(source_name(c)) + " is of data cycle " +
                                            *cycle + ", older than the one held by " + holders});
    }
}

} // namespace

SourceFindings examine_sources(const std::string& source_folder, const CategorySelection& selected,
                              const TargetSelection& targets, const std::string& work_folder) {
    std::vector<SourceWarning> cut_short;
    for (const Category c : kCategories) {
        if (!selected[index_of(c)]) continue;
        const std::string path = source_path(source_folder, source_name(c));
        try {
            if (!ends_with_end_line(path)) cut_short.push_back({c, cut_short_warning(c)});
        } catch (const Error& failure) {
            throw Error("Cannot read " + path + ": " + failure.message());
        }
    }
    SourceFindings findings;
    findings.cycles = read_source_cycles(source_folder, selected);
    if (std::string mixed = mixed_cycles_warning(findings.cycles); !mixed.empty())
        findings.warnings.push_back({std::nullopt, std::move(mixed)});
    findings.warnings.insert(findings.warnings.end(), cut_short.begin(), cut_short.end());
    warn_of_older_cycles(findings, targets, work_folder);
    return findings;
}

} // namespace quill
