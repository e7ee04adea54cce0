// How the words of a name are joined from their fields.
#include "convert/field_words.h"

#include "convert/text.h"

namespace quill {

void join_words(const FieldList& fields, std::size_t first, std::size_t end, std::string& out,
                bool trim_each) {
    out.clear();
    for (std::size_t i = first; i < end; ++i) {
        out.push_back(' ');
        out.append(trim_each ? trim(fields[i]) : fields[i]);
    }
}

} // namespace quill
