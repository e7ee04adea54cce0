// A block's file loaded while a conversion still writes it: the reader follows
// it to its end, whole lines only, as if it had been complete from the start.
#include "app/file_system.h"
#include "load/load_blocks.h"
#include "load/load_feed.h"
#include "load_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace quill::test {
namespace {

// A feed whose conversion is still writing one file: the file holds only its
// first piece when the load comes to it, and each time the reader has read
// all that is written, the next piece is added; after the last the file is
// complete.
class GrowingFileFeed : public InOrderFeed {
public:
    GrowingFileFeed(std::string path, std::string text, std::size_t pieces)
        : path_(std::move(path)), text_(std::move(text)), piece_(text_.size() / pieces + 1) {
        add_piece();
    }

    void insert_rows(const LoadBlock& block, const std::string& path, const AirwayLookups* lookups,
                     BlockInserter& inserter) override {
        if (path != path_) return InOrderFeed::insert_rows(block, path, lookups, inserter);
        read_and_insert(block, path, lookups, inserter, {}, [this] { return add_piece(); });
    }

private:
    bool add_piece() {
        if (written_ == text_.size()) return false;
        std::ofstream(fs_path(path_), std::ios::binary | std::ios::app) << text_.substr(written_, piece_);
        written_ = std::min(written_ + piece_, text_.size());
        return true;
    }

    std::string path_;
    std::string text_;
    std::size_t piece_;
    std::size_t written_ = 0;
};

// Pieces cut inside lines, inside a CR LF, and a last line without its end.
TEST_F(LoadFixture, AFileFollowedWhileItIsWrittenLoadsAsTheCompleteFile) {
    make_product();
    std::string text = "HEADER|IS|NOT|READ\r\n";
    for (int i = 1; i <= 3000; ++i)
        text += std::to_string(i) + "|40." + std::to_string(i) + "|-100|09/27|X" +
                std::to_string(i) + "|FIELD|1200|1\r\n";
    text += "3001|40|-100|09/27|XLAST|FIELD|1200|1";
    const std::string path = work + "apt_Land.csv";
    write_file(path, text);
    load(kAllCategories, true);
    const std::string complete = read_file(database);

    for (const std::size_t pieces : {7, 16, 1000}) {
        SCOPED_TRACE(pieces);
        std::filesystem::remove(fs_path(path));
        GrowingFileFeed growing(path, text, pieces);
        load_work_database(request(kAllCategories, true), growing);
        EXPECT_TRUE(read_file(database) == complete) << "the databases differ";
    }
}

} // namespace
} // namespace quill::test
