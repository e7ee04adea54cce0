// The Win32 main window driven as the system would deliver a user's actions, and the programs
// built with the tests.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "support/installed_products.h"
#include "support/program_run.h"
#include "support/temp_dir.h"
#include "win32/main_window.h"

namespace quill::test {

// The text of every message box this thread shows while the object lives;
// each box is answered with OK as soon as it is up.
class MessageBoxAnswers {
public:
    MessageBoxAnswers();
    ~MessageBoxAnswers();
    MessageBoxAnswers(const MessageBoxAnswers&) = delete;
    MessageBoxAnswers& operator=(const MessageBoxAnswers&) = delete;

    std::vector<std::string> texts;

private:
    UINT_PTR timer_;
};

// Ends this thread's message loop after the time, so that a window that
// fails to close cannot hang a test.
class Deadline {
public:
    explicit Deadline(UINT milliseconds);
    ~Deadline();
    Deadline(const Deadline&) = delete;
    Deadline& operator=(const Deadline&) = delete;

private:
    UINT_PTR timer_;
};

// The Win32 main window, driven and read through window messages only, as
// the system would deliver the user's actions.
class WindowDriver : public testing::Test {
protected:
    // Makes a fresh product database from the bundled schema; its path.
    static std::string install(std::size_t row, std::string_view extra_sql = {}) {
        return install_product(row, true, extra_sql);
    }
    win32::MainWindow& open(std::vector<std::string> parameters = {});
    HWND control(window::Control control) const;

    void type_folder(const std::string& text) const;
    void click(window::Control control) const;
    // Queues a key for the window's own message loop, which handles keys.
    void post_key(window::Control control, WPARAM key) const;
    // Lets the window handle what is queued for it.
    void pump() const;

    bool checked(window::Control control) const;
    bool enabled(window::Control control) const;
    bool visible(window::Control control) const;
    std::vector<std::string> progress_lines() const;
    RECT outer_rect() const;

    AppDataSandbox appdata_;
    std::unique_ptr<win32::MainWindow> window_;
};

// The programs quillstrom.exe and quillstrom-cli.exe beside the test's folder.
std::string window_program();
std::string tool_program();

} // namespace quill::test
