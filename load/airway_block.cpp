// How airway lines are paired into segments and each end is given its fix's position.
#include "load/airway_block.h"

#include "app/error.h"
#include "convert/number_text.h"
#include "convert/text_encoding.h"
#include "load/airway_lookups.h"
#include "load/load_blocks.h"
#include "load/row_batch.h"
#include "geometry/segment_ends.h"

#include <utility>

namespace quill {

namespace {

// 3|||ABCDE|WPT|J13-J15|180|450|High
enum AirwayField { kShape = 0, kFixName = 3, kFixType = 4, kSegment = 5 };

void assign_utf8(std::string& out, std::string_view bytes) {
    if (is_ascii(bytes)) out.assign(bytes);
    else out = to_utf8(bytes);
}

} // namespace

AirwayBlockReader::AirwayBlockReader(const LoadBlock& block, const AirwayLookups& lookups,
                                     std::string path, std::function<bool()> wait_for_more)
    : BlockReader(std::move(path), std::move(wait_for_more)), block_(block), lookups_(lookups) {}

void AirwayBlockReader::read_point(const FieldList& fields, Point& point) {
    point.index = lookups_.for_fix_type(fields[kFixType]);
    point.candidates = {};
    // The shape tells the segment's two ends even when a point is dropped.
    point.shape.assign(fields[kShape]);
    if (!point.index) return;
    assign_utf8(point.fix_name, fields[kFixName]);
    point.candidates = find(point);
    if (!point.candidates.empty()) point.segment.assign(fields[kSegment]);
}

// One segment's last fix is mostly the next one's first: the rows of the
// fix named last are kept.
std::span<const FixPosition> AirwayBlockReader::find(const Point& point) {
    if (point.index != found_index_ || point.fix_name != found_name_) {
        found_index_ = point.index;
        found_name_ = point.fix_name;
        found_ = point.index->find(point.fix_name);
    }
    return found_;
}

// A point waits for the next line, which may be the other end of its segment.
void AirwayBlockReader::take(RowBatch& batch, Point& point) {
    if (has_pending_ && pending_.shape == point.shape) {
        add_segment(batch, pending_, point);
        has_pending_ = false;
        return;
    }
    if (has_pending_) add_alone(batch, pending_);
    std::swap(pending_, point);
    has_pending_ = true;
}

void AirwayBlockReader::add_segment(RowBatch& batch, const Point& first, const Point& second) {
    if (first.candidates.empty() || second.candidates.empty()) {
        add_alone(batch, first);
        add_alone(batch, second);
        return;
    }
    const EndChoice choice = closest_ends(first.candidates, second.candidates);
    add(batch, first, first.candidates[choice.first]);
    add(batch, second, second.candidates[choice.second]);
}

void AirwayBlockReader::add_alone(RowBatch& batch, const Point& point) {
    if (!point.candidates.empty()) add(batch, point, point.candidates.front());
}

// The first row written prepares the insert, so a failure while writing one
// comes after it.
void AirwayBlockReader::add(RowBatch& batch, const Point& point, const FixPosition& position) {
    writing_row_ = true;
    try {
        batch.start_row(point.line);
        batch.add_text(block_.type_value);
        batch.add_number(text_to_number(point.shape));
        point.index->require_numbers(position);
        batch.add_number(position.latitude);
        batch.add_number(position.longitude);
        batch.add_text(point.fix_name);
        batch.add_text(point.segment);
        batch.end_row();
    } catch (Error& error) {
        error.locate(path(), point.line);
        throw;
    }
    writing_row_ = false;
}

void AirwayBlockReader::take_line(RowBatch& batch, std::string_view line, long number) {
    fields_.split_pipes(line);
    point_.line = number;
    read_point(fields_, point_);
    take(batch, point_);
}

void AirwayBlockReader::end_of_file(RowBatch& batch) {
    if (std::exchange(has_pending_, false)) add_alone(batch, pending_);
}

} // namespace quill
