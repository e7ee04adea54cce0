// The four categories of a cycle and the names each goes by: its source file, its command-line
// key and its progress line.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace quill {

// The four source files of a cycle, by their lower-case names.
inline constexpr std::string_view kAirportSource = "apt.dat";
inline constexpr std::string_view kNavaidSource = "earth_nav.dat";
inline constexpr std::string_view kFixSource = "earth_fix.dat";
inline constexpr std::string_view kAirwaySource = "earth_awy.dat";

// The four kinds of data of a cycle, in the order a run takes them.
enum class Category { Airports, NavAids, Waypoints, Airways };
inline constexpr std::size_t kCategoryCount = 4;
inline constexpr std::array<Category, kCategoryCount> kCategories{
    Category::Airports, Category::NavAids, Category::Waypoints, Category::Airways};

// Which categories a run takes, indexed by Category.
using CategorySelection = std::array<bool, kCategoryCount>;

inline constexpr std::size_t index_of(Category c) { return static_cast<std::size_t>(c); }

// The source file each category is converted from.
inline constexpr std::string_view source_name(Category c) {
    constexpr std::array<std::string_view, kCategoryCount> names{
        kAirportSource, kNavaidSource, kFixSource, kAirwaySource};
    return names[index_of(c)];
}

// The name a category goes by on the command line and in records.
inline constexpr std::string_view category_key(Category c) {
    constexpr std::array<std::string_view, kCategoryCount> keys{"airports", "navaids", "waypoints",
                                                                "airways"};
    return keys[index_of(c)];
}

// The progress line written just before a category is converted.
inline constexpr std::string_view converting_line(Category c) {
    constexpr std::array<std::string_view, kCategoryCount> lines{
        "Converting Airports...", "Converting NavAids...", "Converting Waypoints...",
        "Converting Airways..."};
    return lines[index_of(c)];
}

} // namespace quill
