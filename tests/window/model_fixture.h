// The window model under test with a view that records what it is asked to draw and show.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/target_table.h"
#include "support/cycle_folder.h"
#include "support/installed_products.h"
#include "support/temp_dir.h"
#include "window/main_window_model.h"

namespace quill::test {

// A window without a toolkit: keeps what the model last had drawn and every
// box it showed, and answers the modal requests as a test says.
class RecordingView : public window::WindowView {
public:
    struct Message {
        window::MessageKind kind;
        std::string text;
        window::MainWindowState drawn; // the window behind the box
    };

    void draw(const window::MainWindowState& state) override {
        drawn = state;
        ++draws;
        if (keep_frames) frames.push_back(state);
    }
    void show_message(window::MessageKind kind, const std::string& text) override {
        messages.push_back({kind, text, drawn});
        if (while_message) while_message();
    }
    std::optional<std::string> choose_folder(const std::string& title) override {
        chooser_titles.push_back(title);
        return chosen_folder;
    }
    window::Point show_help(const std::optional<window::Point>& place) override {
        help_places.push_back(place);
        help_open_while_shown = drawn.help_open;
        return help_left_at;
    }
    void close_window() override { ++closes; }

    window::MainWindowState drawn;
    int draws = 0;
    bool keep_frames = false;
    std::vector<window::MainWindowState> frames; // every state drawn, when kept
    std::vector<Message> messages;
    std::function<void()> while_message;
    std::optional<std::string> chosen_folder;
    std::vector<std::string> chooser_titles;
    std::vector<std::optional<window::Point>> help_places;
    window::Point help_left_at{40, 30};
    bool help_open_while_shown = false;
    int closes = 0;
};

// A window model over a sandboxed application-data folder and a cycle folder
// that each test fills as it needs.
class ModelTest : public testing::Test {
protected:
    void add_source(const std::string& name) { write_one_record_source(cycle_.path(), name); }
    window::MainWindowModel& open(std::vector<std::string> parameters = {}) {
        model_ = std::make_unique<window::MainWindowModel>(view_, std::move(parameters));
        model_->shown();
        return *model_;
    }
    const window::MainWindowState& state() const { return model_->state(); }
    const window::ControlState& operator[](window::Control control) const {
        return state()[control];
    }

    AppDataSandbox appdata_;
    TempDir cycle_;
    RecordingView view_;
    std::unique_ptr<window::MainWindowModel> model_;
};

} // namespace quill::test
