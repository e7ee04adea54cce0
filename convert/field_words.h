#pragma once

#include "convert/field_list.h"

#include <string>

namespace quill {

// Replaces out with one blank and the trimmed field for each field from first
// up to, not including, end: the way names are built from their words.
void join_words(const FieldList& fields, std::size_t first, std::size_t end, std::string& out);

} // namespace quill
