// Lets a test fill the disk under a database, or act at the moment the program opens or closes it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace quill::test {

// The test's hand in SQLite's file layer for one database file, while the
// object lives. It stands under whichever layer the program opens files
// with, so the program's own code meets it as it would meet the disk. One at
// a time; every connection that opens the file closes before it goes.
class FileLayerHook {
public:
    // A disk that fills up as the file grows: every write that would take it
    // past `room` bytes fails as on a full disk (SQLITE_FULL), wherever in a
    // write it comes.
    static FileLayerHook full_disk(std::string path, std::int64_t room);
    // `opening` runs each time the program opens the file, just before: it
    // sees the disk as the program has left it so far, which is what a kill
    // at that moment would leave.
    static FileLayerHook on_open(std::string path, std::function<void()> opening);
    // As on_open; `closed` runs each time the program has closed the file,
    // just after, on the thread that closed it.
    static FileLayerHook on_open_and_close(std::string path, std::function<void()> opening,
                                           std::function<void()> closed);

    ~FileLayerHook();
    FileLayerHook(const FileLayerHook&) = delete;
    FileLayerHook& operator=(const FileLayerHook&) = delete;

private:
    FileLayerHook(std::string path, std::int64_t room, std::function<void()> opening,
                  std::function<void()> closed);
};

} // namespace quill::test
