#include "database/fix_recorder.h"

#include "convert/field_list.h"
#include "convert/text_encoding.h"
#include "database/load_blocks.h"

#include <algorithm>

namespace quill {

namespace {

// Every block of a lookup table sets its name and both coordinates.
std::size_t column_position(const LoadBlock& block, std::string_view column) {
    const auto found = std::ranges::find(block.columns, column, &ColumnSource::column);
    return static_cast<std::size_t>(found - block.columns.begin());
}

} // namespace

void FixRecorder::start(const LoadBlock& block) {
    name_field_ = block.columns[column_position(block, key_column_)].field;
    latitude_ = column_position(block, "Latitude");
    longitude_ = column_position(block, "Longitude");
}

void FixRecorder::record(const FieldList& fields, const RowNumbers& numbers) {
    const std::string_view name = fields[name_field_];
    const FixPosition position{appended_coordinate(numbers[latitude_]),
                               appended_coordinate(numbers[longitude_]), 0};
    if (is_ascii(name)) rows_.add(name, position);
    else rows_.add(to_utf8(name), position);
}

} // namespace quill
