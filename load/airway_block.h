// Loads the airway intermediate files into NavAirway, placing each point at its fix.
#pragma once

#include "convert/field_list.h"
#include "load/block_reader.h"
#include "load/fix_index.h"

#include <span>
#include <string>

namespace quill {

// The rows of an airway block for NavAirway. Each point takes the position of
// its fix from the lookup table of its FIXTYPE; a point whose fix is not
// found is dropped. Where a name has several rows, the two ends of a segment
// are chosen together (closest pair); a lone end takes the earliest row.
class AirwayBlockReader : public BlockReader {
public:
    AirwayBlockReader(const LoadBlock& block, const AirwayLookups& lookups, std::string path,
                      std::function<bool()> wait_for_more);

private:
    // One line of an airway file: one end of a segment.
    struct Point {
        long line = 0;
        std::string shape;
        std::string fix_name;
        std::string segment;
        const FixIndex* index = nullptr;
        std::span<const FixPosition> candidates;
    };

    void take_line(RowBatch& batch, std::string_view line, long number) override;
    void end_of_file(RowBatch& batch) override;
    void read_point(const FieldList& fields, Point& point);
    std::span<const FixPosition> find(const Point& point);
    void take(RowBatch& batch, Point& point);
    void add_segment(RowBatch& batch, const Point& first, const Point& second);
    void add_alone(RowBatch& batch, const Point& point);
    void add(RowBatch& batch, const Point& point, const FixPosition& position);

    const LoadBlock& block_;
    const AirwayLookups& lookups_;
    FieldList fields_;
    Point point_;
    Point pending_;
    bool has_pending_ = false;
    const FixIndex* found_index_ = nullptr;
    std::string found_name_;
    std::span<const FixPosition> found_;
};

} // namespace quill
