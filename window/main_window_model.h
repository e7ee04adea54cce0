// The main window without a toolkit: its state, the events it takes and every decision it makes.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/categories.h"
#include "app/target_table.h"
#include "window/window_state.h"
#include "window/window_view.h"

// Which categories a folder text offers and how their boxes are set, which
// product boxes show, when RUN may be pressed, what the start-up parameters
// ask for, when an unattended start begins and whether it can, and the whole
// run with its progress lines, its locking, its messages, the unattended close
// and the exit status.
//
// The model keeps four rules itself rather than borrowing them from a
// toolkit: a box set by the program runs its handler as a click would; a text
// set by the program runs the change handler unless it is the same; a
// disabled button activated by the program still acts; disabling or hiding a
// group leaves its boxes' own states alone.

namespace quill::window {

class MainWindowModel {
public:
    // Makes the work folder. The parameters are the program's, without its
    // own path; they are read when the window is first shown.
    MainWindowModel(WindowView& view, std::vector<std::string> parameters);
    MainWindowModel(const MainWindowModel&) = delete;
    MainWindowModel& operator=(const MainWindowModel&) = delete;

    const MainWindowState& state() const { return state_; }
    const std::string& work_folder() const { return work_folder_; }
    bool auto_run() const { return auto_run_; }
    // The status the program ends with (quill::ExitStatus).
    int exit_status() const { return exit_status_; }

    // The selection by each box's own state, whatever its group's state.
    TargetSelection selected_targets() const;
    CategorySelection selected_categories() const;

    // The window's events, as the view hands them in.
    void shown(); // the first showing: the command line, detection, the unattended start
    void folder_edited(const std::string& text);
    void box_set(Control box, bool checked);
    // A click or a key on a button: acts only while the button can be used.
    void pressed(Control button);
    void escape_pressed();
    // Enter, with the control that has the keyboard focus, if any.
    void enter_pressed(std::optional<Control> focus);
    // The start timer, armed for kStartDelay, has run out.
    void timer_ticked();

    // A button activated by the program: acts whatever its state.
    void activate(Control button);
    // Appends a progress line and has it drawn at once.
    void add_progress(const std::string& line);
    void set_width(Width width);

private:
    class Host;
    // Where a run is: a converter locks RUN and Exit while it works; loading and publishing
    // lock every control but the boxes.
    enum class RunPhase { Idle, Converting, Loading };

    void draw();
    void set_folder_text(const std::string& text);
    void set_checked(Control box, bool checked);
    void set_available(Control box, bool available);
    void offer(Control box, bool available);
    void update_run_button();
    void detect_target_databases();
    void detect_source_files();
    bool read_command_line();

    void choose_folder();
    void show_help();
    void exit_program();

    void run();
    void set_phase(RunPhase phase);
    void set_converting(bool converting);
    void report_airport_line(const std::string& message);
    void finish(std::size_t failures, std::size_t targets);
    void fail(const std::string& message);

    WindowView& view_;
    std::vector<std::string> parameters_;
    std::string work_folder_;
    MainWindowState state_;
    bool auto_run_ = false;
    RunPhase phase_ = RunPhase::Idle;
    int exit_status_ = 0;
    std::optional<Point> help_place_;
};

} // namespace quill::window
