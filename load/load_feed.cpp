// Reading a block's rows and inserting them batch by batch, on the thread that writes the database.
#include "load/load_feed.h"

#include "load/block_inserter.h"
#include "load/block_reader.h"
#include "load/row_batch.h"

namespace quill {

void read_and_insert(const LoadBlock& block, const std::string& path, const AirwayLookups* lookups,
                     BlockInserter& inserter, const std::function<void()>& before_batch,
                     std::function<bool()> wait_for_more) {
    const std::unique_ptr<BlockReader> reader =
        read_block(block, path, lookups, std::move(wait_for_more));
    RowBatch batch;
    for (bool more = true; more;) {
        if (before_batch) before_batch();
        batch.clear();
        more = reader->read(batch);
        inserter.insert(batch);
    }
}

} // namespace quill
