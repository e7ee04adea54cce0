// The main window's state and its decisions outside a run: the command line, detection, the
// boxes, RUN's rule, the buttons and keys, and the unattended start.
#include "window/main_window_model.h"

#include "app/command_line.h"
#include "app/error.h"
#include "app/file_system.h"
#include "app/work_folder.h"
#include "convert/source_files.h"
#include "window/texts.h"

namespace quill::window {

namespace {

// Why a run could take no category from the folder, in the command-line tool's words; nothing
// when the folder holds a source file.
std::optional<std::string> nothing_to_run(const std::string& folder) {
    const std::string named = "'" + folder + "'";
    if (!folder_exists(folder))
        return named + (anything_exists(folder) ? " is not a folder" : " does not exist");
    for (const Category category : kCategories)
        if (source_exists(folder, source_name(category))) return std::nullopt;
    return named + " holds none of " + source_names();
}

} // namespace

MainWindowModel::MainWindowModel(WindowView& view, std::vector<std::string> parameters)
    : view_(view), parameters_(std::move(parameters)), work_folder_(make_work_folder()) {
    update_run_button();
}

void MainWindowModel::draw() { view_.draw(state_); }

TargetSelection MainWindowModel::selected_targets() const {
    TargetSelection selected{};
    for (std::size_t row = 0; row < kTargetCount; ++row) {
        const ControlState& box = state_[target_box(row)];
        selected[row] = box.enabled && box.checked;
    }
    return selected;
}

// Airports is taken away by hiding its box, the others by disabling theirs.
CategorySelection MainWindowModel::selected_categories() const {
    CategorySelection selected{};
    for (const Category category : kCategories) {
        const ControlState& box = state_[category_box(category)];
        const bool available = category == Category::Airports ? box.visible : box.enabled;
        selected[quill::index_of(category)] = available && box.checked;
    }
    return selected;
}

// An unattended start is armed whatever the folder: when the timer runs out, a folder that
// offers nothing to run ends the program rather than leaving it waiting for a click.
void MainWindowModel::shown() {
    auto_run_ = false;
    set_width(Width::Narrow);
    if (!read_command_line()) return;
    detect_target_databases();
    detect_source_files();
    if (auto_run_) {
        // The run reads the boxes' own states, which hiding the group keeps.
        if (folder_exists(state_.folder_text)) state_[Control::TargetGroup].visible = false;
        state_.auto_start_armed = true;
    }
    draw();
}

// False when the position does not convert: then the rest of the first
// showing is left out, and the window stays centred.
bool MainWindowModel::read_command_line() {
    const StartOptions options = parse_command_line(parameters_);
    if (options.folder) set_folder_text(*options.folder);
    auto_run_ = options.auto_run;
    if (!options.left) return true;
    try {
        const WindowPosition position = convert_position(options);
        state_.corner = Point{position.left, position.top};
        return true;
    } catch (const Error& error) {
        draw();
        view_.show_message(MessageKind::Error, error.message());
        return false;
    }
}

void MainWindowModel::folder_edited(const std::string& text) {
    set_folder_text(text);
    draw();
}

void MainWindowModel::box_set(Control box, bool checked) {
    set_checked(box, checked);
    draw();
}

// The same text is no change and runs nothing.
void MainWindowModel::set_folder_text(const std::string& text) {
    if (text == state_.folder_text) return;
    state_.folder_text = text;
    detect_source_files();
    update_run_button();
}

// Every change of a checked state runs the box's handler, whoever made it.
void MainWindowModel::set_checked(Control box, bool checked) {
    if (state_[box].checked == checked) return;
    state_[box].checked = checked;
    update_run_button();
}

void MainWindowModel::set_available(Control box, bool available) {
    if (box == Control::Airports) {
        state_[box].visible = available;
    } else {
        state_[box].enabled = available;
    }
}

// A box whose database or file exists is offered and checked; otherwise it
// is unchecked first, then taken away, so a checked box is always available.
void MainWindowModel::offer(Control box, bool available) {
    if (available) set_available(box, true);
    set_checked(box, available);
    if (!available) set_available(box, false);
}

// RUN's one rule: it can be pressed between runs, with a product and a category checked. Only
// the checked states count.
void MainWindowModel::update_run_button() {
    bool any_target = false;
    for (std::size_t row = 0; row < kTargetCount; ++row)
        any_target = any_target || state_[target_box(row)].checked;
    bool any_category = false;
    for (const Category category : kCategories)
        any_category = any_category || state_[category_box(category)].checked;
    state_[Control::Run].enabled = phase_ == RunPhase::Idle && any_target && any_category;
}

void MainWindowModel::detect_target_databases() {
    const TargetSelection found = detect_targets();
    for (std::size_t row = 0; row < kTargetCount; ++row) offer(target_box(row), found[row]);
    update_run_button();
}

void MainWindowModel::detect_source_files() {
    const std::string& folder = state_.folder_text;
    for (const Category category : kCategories) {
        const bool found = !folder.empty() && source_exists(folder, source_name(category));
        offer(category_box(category), found);
    }
}

void MainWindowModel::pressed(Control button) {
    if (state_.shows(button) && state_.lets_use(button)) activate(button);
}

void MainWindowModel::escape_pressed() { pressed(Control::Exit); }

void MainWindowModel::enter_pressed(std::optional<Control> focus) {
    pressed(focus && is_button(*focus) ? *focus : default_button());
}

// The start timer fires once. RUN is activated whatever its state, unless the folder offers no
// category at all: nobody is there to read a box, so the calling program is told why.
void MainWindowModel::timer_ticked() {
    if (!state_.auto_start_armed) return;
    state_.auto_start_armed = false;
    draw();
    if (const std::optional<std::string> reason = nothing_to_run(state_.folder_text)) {
        fail(*reason);
        return;
    }
    activate(Control::Run);
}

void MainWindowModel::activate(Control button) {
    if (button == Control::Run) run();
    if (button == Control::Exit) exit_program();
    if (button == Control::HelpButton) show_help();
    if (button == Control::FolderButton) choose_folder();
}

void MainWindowModel::choose_folder() {
    const std::optional<std::string> folder = view_.choose_folder(std::string(kFolderChooserTitle));
    if (folder) set_folder_text(*folder);
    draw();
}

void MainWindowModel::show_help() {
    state_.help_open = true;
    draw();
    help_place_ = view_.show_help(help_place_);
    state_.help_open = false;
    draw();
}

void MainWindowModel::exit_program() {
    state_.closed = true;
    draw();
    view_.close_window();
}

void MainWindowModel::add_progress(const std::string& line) {
    state_.progress.push_back(line);
    draw();
}

// The progress list lies beyond the left column: a frame thinner than the
// designed one would leave a strip of it inside the narrow window.
void MainWindowModel::set_width(Width width) {
    state_.width = width;
    state_[Control::ProgressList].visible = width == Width::Wide;
    draw();
}

} // namespace quill::window
