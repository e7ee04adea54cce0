// How a view's progress list is brought up to the model's lines: only new lines are added, and a
// list the model has emptied is emptied first, however many lines it holds again.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "window/progress_shown.h"

namespace quill::test {
namespace {

// A view's list, kept as a view keeps it: by what ProgressShown says.
struct DrawnList {
    std::vector<std::string> lines;
    std::size_t added = 0; // by the last drawing

    void draw(window::ProgressShown& shown, const window::MainWindowState& state) {
        const window::ProgressChange change = shown.update(state);
        if (change.empty_first) lines.clear();
        lines.insert(lines.end(), change.added.begin(), change.added.end());
        added = change.added.size();
    }
};

TEST(ProgressShownTest, AddsOnlyNewLinesAndEmptiesWhatTheModelEmptied) {
    window::ProgressShown shown;
    DrawnList list;
    window::MainWindowState state;

    list.draw(shown, state);
    EXPECT_TRUE(list.lines.empty());

    state.progress = {"Converting Airports...", " "};
    list.draw(shown, state);
    state.progress.push_back("Loading Airports (Land)...");
    list.draw(shown, state);
    EXPECT_EQ(list.lines, state.progress);
    EXPECT_EQ(list.added, 1u);

    list.draw(shown, state);
    EXPECT_EQ(list.added, 0u) << "the same state again adds nothing";

    // Emptied and refilled beyond the old count before the next drawing.
    state.progress = {"Converting Waypoints...", " ", "Loading Waypoints/Fixes...", "x"};
    ++state.progress_emptied;
    list.draw(shown, state);
    EXPECT_EQ(list.lines, state.progress);

    // Emptied and left empty.
    state.progress.clear();
    ++state.progress_emptied;
    list.draw(shown, state);
    EXPECT_TRUE(list.lines.empty());
}

} // namespace
} // namespace quill::test
