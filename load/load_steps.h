// What a load of the work database is asked to do, and the load itself: one
// thread runs its steps, in order, and alone writes the work database.
#pragma once

#include "app/categories.h"

#include <functional>
#include <string>
#include <string_view>

namespace quill {

class LoadFeed;

struct LoadRequest {
    std::string work_folder; // ends with a separator
    CategorySelection selected;
    // Makes work_folder + "GPS.db" as a copy of the first selected target.
    std::function<void()> seed;
    std::function<void(const std::string&)> progress;
    // Leaves the intermediate files in the work folder after a successful load.
    bool keep_intermediate = false;
};

// Makes a fresh work database, clears the tables of the selected categories,
// loads every intermediate file that exists (all in one transaction), closes
// the database and deletes the intermediate files unless asked to keep them.
// On failure the database is closed and left as a scratch file; the error
// carries the file and line.
void load_work_database(const LoadRequest& request);

// The same steps, waiting for each block's files and taking its rows through
// the feed.
void load_work_database(const LoadRequest& request, LoadFeed& feed);

} // namespace quill
