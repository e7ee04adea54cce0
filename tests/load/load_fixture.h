// The fixture of the loading tests: intermediate files loaded into a copy of a product database.
#pragma once

#include "app/categories.h"
#include "load/load_steps.h"
#include "support/sql_rows.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace quill::test {

inline constexpr CategorySelection kAllCategories{true, true, true, true};

// A work folder, a product database that seeds the work database, and the
// progress lines of the last load.
class LoadFixture : public ::testing::Test {
protected:
    LoadFixture();

    // Creates the product database from the bundled schema plus extra SQL.
    void make_product(std::string_view extra_sql = {}) const;
    // Writes an intermediate file: a header line, then the records, CR LF ended.
    void write_intermediate(std::string_view name, std::initializer_list<std::string_view> records) const;
    // A load of the work folder seeded from the product, its lines kept in `progress`.
    LoadRequest request(const CategorySelection& selected = kAllCategories,
                        bool keep_intermediate = false);
    void load(const CategorySelection& selected = kAllCategories, bool keep_intermediate = false);
    std::vector<std::string> rows(std::string_view sql) const { return sql_rows(database, sql); }
    // The message and location of the error a load throws.
    std::string load_error(const CategorySelection& selected = kAllCategories);

    TempDir temp;
    const std::string work;
    const std::string product;
    const std::string database;
    std::vector<std::string> progress;
};

} // namespace quill::test
