// How lines are split into fields on blanks or on pipes, quoted fields and NULs included.
#include "convert/field_list.h"

#include "app/error.h"
#include "convert/text.h"

namespace quill {

namespace {
bool is_blank_or_nul(char c) { return static_cast<unsigned char>(c) <= 32; }
} // namespace

void FieldList::throw_index_error(std::size_t index) { throw index_error(index); }

void FieldList::start(std::string_view line) {
    fields_.clear();
    unquoted_.clear();
    // Unquoting only ever shortens text, so one reservation keeps every view stable.
    if (unquoted_.capacity() < line.size()) unquoted_.reserve(line.size());
}

std::size_t FieldList::read_quoted(std::string_view line, std::size_t open) {
    const std::size_t first = open + 1;
    std::size_t pos = first;
    bool doubled = false;
    while (pos < line.size()) {
        if (line[pos] == '"') {
            if (pos + 1 < line.size() && line[pos + 1] == '"') {
                doubled = true;
                pos += 2;
                continue;
            }
            break;
        }
        ++pos;
    }
    const std::string_view raw = line.substr(first, pos - first);
    if (!doubled) {
        fields_.push_back(raw);
    } else {
        const std::size_t at = unquoted_.size();
        for (std::size_t i = 0; i < raw.size(); ++i) {
            unquoted_.push_back(raw[i]);
            if (raw[i] == '"') ++i;
        }
        fields_.emplace_back(unquoted_.data() + at, unquoted_.size() - at);
    }
    return pos < line.size() ? pos + 1 : pos;
}

void FieldList::split_blanks(std::string_view line, std::size_t max_fields) {
    start(line);
    // A NUL ends the line. It is a blank itself, so only the runs of blanks
    // look for it, and the line is read once.
    const char* p = line.data();
    const char* const end = p + line.size();
    while (fields_.size() < max_fields) {
        while (p < end && is_blank_or_nul(*p)) {
            if (*p == 0) return;
            ++p;
        }
        if (p == end) return;
        if (*p == '"') {
            p = line.data() + read_quoted(up_to_nul(line), static_cast<std::size_t>(p - line.data()));
            continue;
        }
        const char* const first = p;
        while (p < end && !is_blank_or_nul(*p)) ++p;
        fields_.emplace_back(first, static_cast<std::size_t>(p - first));
    }
}

void FieldList::split_pipes(std::string_view line) {
    line = up_to_nul(line);
    start(line);
    std::size_t pos = 0;
    while (pos < line.size()) {
        if (line[pos] == '"') {
            pos = read_quoted(line, pos);
        } else {
            std::size_t bar = line.find('|', pos);
            if (bar == std::string_view::npos) bar = line.size();
            fields_.push_back(line.substr(pos, bar - pos));
            pos = bar;
        }
        if (pos < line.size() && line[pos] == '|') {
            if (pos + 1 == line.size()) fields_.emplace_back();
            ++pos;
        }
    }
}

} // namespace quill
