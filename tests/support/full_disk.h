#pragma once

#include <cstdint>
#include <string>

namespace quill::test {

// A disk that fills up as one database file grows: while the object lives,
// every SQLite write that would take the file at `path` past `room` bytes
// fails as on a full disk (SQLITE_FULL), wherever in a write it comes.
// It stands in SQLite's file layer, under whichever the program opens
// files with, so the program's own code meets it as it would meet the disk.
// One at a time; every connection that writes the file closes before it goes.
class FullDisk {
public:
    FullDisk(std::string path, std::int64_t room);
    ~FullDisk();
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;
};

} // namespace quill::test
