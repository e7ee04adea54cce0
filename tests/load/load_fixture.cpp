// How the load fixture writes intermediate files and runs a load seeded from its product.
#include "load_fixture.h"

#include "app/error.h"

#include <filesystem>

namespace quill::test {

LoadFixture::LoadFixture() : work(temp / "work/"), product(temp / "product.db"), database(work + "GPS.db") {
    make_folders(work);
}

void LoadFixture::make_product(std::string_view extra_sql) const {
    create_product_database(product, extra_sql);
}

void LoadFixture::write_intermediate(std::string_view name,
                                     std::initializer_list<std::string_view> records) const {
    std::string text = "HEADER|IS|NOT|READ\r\n";
    for (const std::string_view record : records) text.append(record).append("\r\n");
    write_file(work + std::string(name), text);
}

LoadRequest LoadFixture::request(const CategorySelection& selected, bool keep_intermediate) {
    progress.clear();
    return {work, selected,
            [this] {
                std::filesystem::copy_file(product, database,
                                           std::filesystem::copy_options::overwrite_existing);
            },
            [this](const std::string& line) { progress.push_back(line); }, keep_intermediate};
}

void LoadFixture::load(const CategorySelection& selected, bool keep_intermediate) {
    load_work_database(request(selected, keep_intermediate));
}

std::string LoadFixture::load_error(const CategorySelection& selected) {
    try {
        load(selected);
    } catch (const Error& error) {
        return error.display();
    }
    return "no error";
}

} // namespace quill::test
