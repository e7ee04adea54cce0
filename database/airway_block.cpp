#include "database/airway_block.h"

#include "app/error.h"
#include "convert/field_list.h"
#include "convert/line_reader.h"
#include "convert/number_text.h"
#include "convert/text_encoding.h"
#include "database/airway_lookups.h"
#include "database/load_blocks.h"
#include "database/row_appender.h"
#include "database/segment_ends.h"

#include <optional>
#include <utility>

namespace quill {

namespace {

// 3|||ABCDE|WPT|J13-J15|180|450|High
enum AirwayField { kShape = 0, kFixName = 3, kFixType = 4, kSegment = 5 };
// The columns of the block, in the order of its column list.
enum AirwayColumn {
    kTypeColumn,
    kShapeColumn,
    kLatitudeColumn,
    kLongitudeColumn,
    kFixColumn,
    kSegmentColumn
};

// One line of an airway file: one end of a segment.
struct AirwayPoint {
    long line = 0;
    std::string shape;
    std::string fix_name;
    std::string segment;
    const FixIndex* index = nullptr;
    std::span<const FixPosition> candidates;
};

void assign_utf8(std::string& out, std::string_view bytes) {
    if (is_ascii(bytes)) out.assign(bytes);
    else out = to_utf8(bytes);
}

class AirwayLoader {
public:
    AirwayLoader(const LoadBlock& block, const AirwayLookups& lookups, const Table& table,
                 const std::string& path)
        : block_(block), lookups_(lookups), table_(table), path_(path) {}

    void run();

private:
    void read(const FieldList& fields, AirwayPoint& point);
    std::span<const FixPosition> find(const AirwayPoint& point);
    void take(AirwayPoint& point);
    void write_segment(const AirwayPoint& first, const AirwayPoint& second);
    void write_alone(const AirwayPoint& point);
    void write(const AirwayPoint& point, const FixPosition& position);

    const LoadBlock& block_;
    const AirwayLookups& lookups_;
    const Table& table_;
    const std::string& path_;
    std::optional<RowAppender> appender_;
    AirwayPoint pending_;
    bool has_pending_ = false;
    const FixIndex* found_index_ = nullptr;
    std::string found_name_;
    std::span<const FixPosition> found_;
};

void AirwayLoader::read(const FieldList& fields, AirwayPoint& point) {
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
std::span<const FixPosition> AirwayLoader::find(const AirwayPoint& point) {
    if (point.index != found_index_ || point.fix_name != found_name_) {
        found_index_ = point.index;
        found_name_ = point.fix_name;
        found_ = point.index->find(point.fix_name);
    }
    return found_;
}

// A point waits for the next line, which may be the other end of its segment.
void AirwayLoader::take(AirwayPoint& point) {
    if (has_pending_ && pending_.shape == point.shape) {
        write_segment(pending_, point);
        has_pending_ = false;
        return;
    }
    if (has_pending_) write_alone(pending_);
    std::swap(pending_, point);
    has_pending_ = true;
}

void AirwayLoader::write_segment(const AirwayPoint& first, const AirwayPoint& second) {
    if (first.candidates.empty() || second.candidates.empty()) {
        write_alone(first);
        write_alone(second);
        return;
    }
    const EndChoice choice = closest_ends(first.candidates, second.candidates);
    write(first, first.candidates[choice.first]);
    write(second, second.candidates[choice.second]);
}

void AirwayLoader::write_alone(const AirwayPoint& point) {
    if (!point.candidates.empty()) write(point, point.candidates.front());
}

void AirwayLoader::write(const AirwayPoint& point, const FixPosition& position) {
    try {
        if (!appender_) appender_.emplace(table_, column_names(block_));
        appender_->set_text(kTypeColumn, block_.type_value);
        appender_->set_number(kShapeColumn, text_to_number(point.shape));
        point.index->require_numbers(position);
        appender_->set_number(kLatitudeColumn, position.latitude);
        appender_->set_number(kLongitudeColumn, position.longitude);
        appender_->set_text(kFixColumn, point.fix_name);
        appender_->set_text(kSegmentColumn, point.segment);
        appender_->post();
    } catch (Error& error) {
        error.locate(path_, point.line);
        throw;
    }
}

void AirwayLoader::run() {
    LineReader reader(path_);
    FieldList fields;
    AirwayPoint point;
    std::string_view line;
    try {
        reader.next(line);
        while (reader.next(line)) {
            fields.split_pipes(line);
            point.line = reader.line_number();
            read(fields, point);
            take(point);
        }
        if (has_pending_) write_alone(pending_);
    } catch (Error& error) {
        error.locate(path_, reader.line_number());
        throw;
    }
}

} // namespace

void load_airways(const LoadBlock& block, const AirwayLookups& lookups, const Table& table,
                  const std::string& path) {
    AirwayLoader(block, lookups, table, path).run();
}

} // namespace quill
