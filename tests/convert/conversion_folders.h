// The folders every converter test writes its source into and reads its outputs from.
#pragma once

#include "support/temp_dir.h"

#include <string>
#include <string_view>

namespace quill::test {

// A source folder and a work folder (ending with a separator) below a fresh
// temporary folder.
class ConversionFolders {
public:
    ConversionFolders() : source(temp / "source"), work(temp / "work/") {
        make_folders(source);
        make_folders(work);
    }

    std::string source_file(std::string_view name) const { return temp / ("source/" + std::string(name)); }
    void write_source(std::string_view name, std::string_view bytes) const {
        write_file(source_file(name), bytes);
    }
    std::string output(std::string_view name) const { return read_file(work + std::string(name)); }

    TempDir temp;
    const std::string source;
    const std::string work;
};

} // namespace quill::test
