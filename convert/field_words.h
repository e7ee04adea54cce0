// Builds the names of airports, frequencies and navaids from the fields of their words.
#pragma once

#include "convert/field_list.h"

#include <string>

namespace quill {

// Replaces out with one blank and the field for each field from first up to,
// not including, end: the way names are built from their words. Each field is
// trimmed first unless told otherwise (it only matters for quoted fields).
void join_words(const FieldList& fields, std::size_t first, std::size_t end, std::string& out,
                bool trim_each = true);

} // namespace quill
