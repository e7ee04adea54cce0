// RUN: the update as the window shows it, with its progress lines, its locking and busy cursor,
// its messages, and the status an unattended run ends with.
#include <iostream>

#include "app/error.h"
#include "run/exit_status.h"
#include "run/target_databases.h"
#include "run/update_run.h"
#include "window/main_window_model.h"
#include "window/texts.h"

namespace quill::window {

// The run's view of the window: the selection as the boxes show it at the
// moment asked, and the progress list.
class MainWindowModel::Host : public quill::RunHost {
public:
    explicit Host(MainWindowModel& model) : model_(model) {}

    std::string source_folder() override { return model_.state_.folder_text; }
    bool category_selected(Category category) override {
        return model_.selected_categories()[quill::index_of(category)];
    }
    TargetSelection targets_selected() override { return model_.selected_targets(); }
    void progress(const std::string& line) override { model_.add_progress(line); }
    void airport_line_error(const std::string& message) override {
        model_.report_airport_line(message);
    }
    void category_starting(Category) override { model_.set_width(Width::Wide); }
    std::size_t convert(Category category, const std::string& work_folder) override {
        model_.set_converting(true);
        const std::size_t records = quill::RunHost::convert(category, work_folder);
        model_.set_converting(false);
        return records;
    }
    void loading_starting() override {
        model_.set_phase(RunPhase::Loading);
        model_.state_.busy = true;
        model_.draw();
    }

private:
    MainWindowModel& model_;
};

void MainWindowModel::run() {
    state_.progress.clear();
    ++state_.progress_emptied;
    draw();
    Host host(*this);
    RunOptions options;
    options.work_folder = work_folder_;
    try {
        const std::size_t targets = count_selected(selected_targets());
        const RunOutcome outcome = run_update(host, options);
        if (outcome.categories_ran) finish(outcome.failures.size(), targets);
    } catch (const Error& error) {
        fail(error.display());
    } catch (const std::exception& error) {
        fail(error.what());
    }
}

// A converter shows the busy cursor while it works; a failure leaves it to the run's own
// ending.
void MainWindowModel::set_converting(bool converting) {
    set_phase(converting ? RunPhase::Converting : RunPhase::Idle);
    state_.busy = converting;
    draw();
}

// The groups are locked as wholes: the boxes keep their own states, which
// the run reads.
void MainWindowModel::set_phase(RunPhase phase) {
    phase_ = phase;
    const bool loading = phase == RunPhase::Loading;
    for (const Control control : {Control::SourceFolder, Control::FolderButton, Control::HelpButton,
                                  Control::TargetGroup, Control::CategoryGroup})
        state_[control].enabled = !loading;
    state_[Control::Exit].enabled = phase == RunPhase::Idle;
    update_run_button();
}

// An unattended run must never wait for a click. A box does wait for one, so
// the cursor is not busy over it.
void MainWindowModel::report_airport_line(const std::string& message) {
    if (auto_run_) {
        add_progress(message);
        return;
    }
    state_.busy = false;
    draw();
    view_.show_message(MessageKind::Plain, message);
    state_.busy = true;
    draw();
}

void MainWindowModel::finish(std::size_t failures, std::size_t targets) {
    state_.busy = false;
    draw();
    if (!auto_run_ && failures == 0) {
        view_.show_message(MessageKind::Information, std::string(kUpdateComplete));
    } else if (!auto_run_) {
        view_.show_message(MessageKind::Warning, partly_published(failures, targets));
    }
    set_phase(RunPhase::Idle);
    set_width(Width::Narrow);
    if (auto_run_) {
        exit_status_ = failures == 0 ? kSuccess : kSomeNotUpdated;
        activate(Control::Exit);
    }
}

// The window stays wide so that the progress lines can still be read. An
// unattended run has nobody to answer a box: its calling program reads the
// message from standard error and the status.
void MainWindowModel::fail(const std::string& message) {
    state_.busy = false;
    set_phase(RunPhase::Idle);
    draw();
    if (!auto_run_) {
        view_.show_message(MessageKind::Error, message);
        return;
    }
    add_progress(message);
    std::cerr << message << std::endl;
    exit_status_ = kFailed;
    activate(Control::Exit);
}

} // namespace quill::window
