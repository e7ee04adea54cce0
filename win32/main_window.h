// The main window on Win32: the window model's state drawn with Windows' own controls, the
// user's actions handed to the model.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "win32/gdi_objects.h"
#include "win32/help_window.h"
#include "window/main_window_model.h"
#include "window/progress_shown.h"
#include "window/window_view.h"

// It decides nothing. Its controls are laid out from the control table at the
// monitor's dpi; at 96 dpi every pixel is the table's own.

namespace quill::win32 {

// The control id of each control: the tests find the controls by it.
int control_id(window::Control control);

class MainWindow : private window::WindowView {
public:
    // The start-up parameters, without the program's own path. Makes the
    // window hidden; show() reads the parameters and shows it.
    explicit MainWindow(std::vector<std::string> parameters);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    void show();
    // Handles the window's messages until it is closed; the program's exit status.
    int run_until_closed();

    HWND handle() const { return window_; }
    HWND control(window::Control control) const;
    const window::MainWindowModel& model() const { return *model_; }

    LRESULT handle_message(HWND window, UINT message, WPARAM w, LPARAM l);

private:
    // The window model's requests.
    void draw(const window::MainWindowState& state) override;
    void show_message(window::MessageKind kind, const std::string& text) override;
    std::optional<std::string> choose_folder(const std::string& title) override;
    window::Point show_help(const std::optional<window::Point>& place) override;
    void close_window() override;

    void create_controls();
    void lay_out(UINT dpi);
    void set_outer_width(int width_at_96_dpi);
    void place(const std::optional<window::Point>& corner);
    void draw_controls(const window::MainWindowState& state);
    void draw_progress(const window::MainWindowState& state);
    void draw_timer(bool armed);
    void draw_busy(bool busy);
    void keep_focus();
    // Esc and Enter go to the model with the control they were typed in.
    bool handle_key(const MSG& message);
    void handle_command(WORD id, WORD code);
    std::optional<window::Control> control_of(HWND handle) const;

    HWND window_ = nullptr;
    std::array<HWND, window::kControlCount> controls_{};
    std::unique_ptr<window::MainWindowModel> model_;
    std::unique_ptr<HelpWindow> help_;
    UINT dpi_ = 96;
    int outer_width_ = window::kWideWidth; // at 96 dpi
    std::unique_ptr<Font> font_;
    std::unique_ptr<Font> bold_font_;
    std::unique_ptr<Icon> window_icon_;
    std::unique_ptr<Icon> title_icon_;
    std::unique_ptr<ButtonPictures> pictures_;
    window::ProgressShown progress_shown_;
    bool drawing_ = false;
    bool busy_ = false;
    bool timer_running_ = false;
    HWND last_focus_ = nullptr;
};

} // namespace quill::win32
