// The line loop that the navaid, fix and airway converters share.
#pragma once

#include "app/error.h"
#include "convert/field_list.h"
#include "convert/line_reader.h"
#include "convert/text.h"

#include <string_view>

namespace quill {

// The line loop of a converter: every source line that the skip rule keeps
// is split on blanks, up to max_fields fields, and handed to
// handle(FieldList&). An error thrown on the way carries the source file and
// line (unless it already names a file, as an output file's error does).
// Once the source is read to its end it is closed, before the caller closes
// its outputs.
template <typename Handler>
void for_each_source_line(LineReader& source, FieldList& fields, Handler&& handle,
                          std::size_t max_fields = SIZE_MAX) {
    std::string_view line;
    try {
        while (source.next(line)) {
            if (skip_line(line)) continue;
            fields.split_blanks(line, max_fields);
            handle(fields);
        }
    } catch (Error& error) {
        error.locate(source.path(), source.line_number());
        throw;
    }
    source.close();
}

} // namespace quill
