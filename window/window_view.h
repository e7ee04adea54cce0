// What the window model asks of a toolkit's window: to draw its state, to show the modal
// windows and to close.
#pragma once

#include <optional>
#include <string>

#include "window/window_state.h"

// A view draws the state it is given and hands the user's actions to the
// model; it decides nothing. Every call returns only when done: the modal ones
// when the user has closed what they opened.

namespace quill::window {

enum class MessageKind { Plain, Information, Warning, Error };

class WindowView {
public:
    virtual ~WindowView() = default;

    // Puts the state on the screen before returning: a progress line is seen
    // before the run's next step begins.
    virtual void draw(const MainWindowState& state) = 0;
    // A message box with one OK button, titled with the program's name.
    virtual void show_message(MessageKind kind, const std::string& text) = 0;
    // The platform's folder chooser, with no folder preselected; the chosen
    // folder's full path, or nothing when the user cancels.
    virtual std::optional<std::string> choose_folder(const std::string& title) = 0;
    // The help window, shown modally at the given place (nothing: centred on
    // the main window); gives back where the user left it.
    virtual Point show_help(const std::optional<Point>& place) = 0;
    // Closes the main window, which ends the program.
    virtual void close_window() = 0;
};

} // namespace quill::window
