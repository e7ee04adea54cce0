#pragma once

#include <QString>
#include <cstddef>

#include "run/exit_status.h"

class MainWindow;

// RUN in the main window: the update with its progress lines in the window,
// RUN and Exit locked and the cursor busy while a converter works, the
// controls locked while loading and publishing, the end of the run, and the
// status an unattended run closes the program with. Works through the
// window's public functions only.
class WindowRun {
public:
    explicit WindowRun(MainWindow& window) : window_(window) {}

    void start();
    int exitStatus() const { return exit_status_; }

private:
    // The run's view of the window.
    class Host;

    // A failing line of apt.dat; an unattended run must never wait for a click.
    void reportAirportLine(const QString& message);
    void setLocked(bool locked);
    void finish(std::size_t failures, std::size_t targets);
    void fail(const QString& message);

    MainWindow& window_;
    int exit_status_ = quill::kSuccess;
};
