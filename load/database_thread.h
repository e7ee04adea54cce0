#pragma once

#include "load/load_steps.h"

#include <memory>
#include <thread>

namespace quill {

class SharedFeed;

// The load of the work database in a run. In order, it runs on the calling
// thread once every conversion has ended. Alongside, it starts at once on a
// thread of its own, which alone writes the work database: seeding needs no
// converted file, and each block is loaded as soon as its category's files are
// complete. Either way the loading lines reach the request's progress on the
// calling thread, in loading order, after every line of the conversions, and
// a failure of the load is thrown there: a conversion that fails first wins.
class WorkDatabaseLoad {
public:
    enum class Mode { InOrder, Alongside };

    WorkDatabaseLoad(LoadRequest request, Mode mode);
    // Stops a load that has not finished and waits for its thread; the work
    // database is then closed as after a failed load.
    ~WorkDatabaseLoad();
    WorkDatabaseLoad(const WorkDatabaseLoad&) = delete;
    WorkDatabaseLoad& operator=(const WorkDatabaseLoad&) = delete;

    // The conversion of the category has ended well.
    void files_complete(Category category);
    // Once every selected category is converted: tells the loading lines and
    // returns when the load has ended; throws its failure.
    void finish();

private:
    LoadRequest request_;
    std::unique_ptr<SharedFeed> alongside_;
    std::thread thread_;
};

} // namespace quill
