// Everything the main window shows, as the model holds it and a view draws it.
#pragma once

#include <array>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "window/controls.h"

namespace quill::window {

// A control's own state. A group's state does not change the states of the
// boxes inside it: the window shows a box only when the box and its group are
// visible, and lets it be used only when both are enabled.
struct ControlState {
    bool visible = true;
    bool enabled = true;
    bool checked = false;
    bool operator==(const ControlState&) const = default;
};

enum class Width { Narrow, Wide };

// The outer width, frame included, in pixels at 96 dpi.
constexpr int outer_width(Width width) { return width == Width::Wide ? kWideWidth : kNarrowWidth; }

// How long after the window is first shown an unattended start begins.
inline constexpr std::chrono::milliseconds kStartDelay{1000};

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

struct MainWindowState {
    std::string folder_text; // UTF-8, exactly as typed or given
    std::array<ControlState, kControlCount> controls{};
    Width width = Width::Wide;
    bool busy = false; // the busy cursor, program-wide
    std::vector<std::string> progress;
    // How many times the progress list has been emptied: a view that last drew fewer emptyings
    // empties its list before it adds the lines.
    unsigned progress_emptied = 0;
    // Where the window's outer top-left corner goes; nothing: centred on the
    // primary screen's work area.
    std::optional<Point> corner;
    bool auto_start_armed = false; // the start timer runs, for kStartDelay
    bool help_open = false;
    bool closed = false;

    ControlState& operator[](Control control) { return controls[index_of(control)]; }
    const ControlState& operator[](Control control) const { return controls[index_of(control)]; }

    bool operator==(const MainWindowState&) const = default;

    // The control's state as the window shows it, its group's state included.
    bool shows(Control control) const;
    bool lets_use(Control control) const;
};

} // namespace quill::window
