// The Win32 main window driven through window messages: detection, RUN, Tab, keys, the
// unattended start, and the program itself as a calling program starts it.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/product_states.h"
#include "support/sql_rows.h"
#include "window_driver.h"

namespace quill::test {
namespace {

using window::Control;

class Win32Window : public WindowDriver {
protected:
    TempDir cycle_;
};

TEST_F(Win32Window, ATypedFolderOffersItsFilesAndRunFollowsTheBoxes) {
    install(1);
    write_file(cycle_ / "earth_fix.dat", "I\n1100 Version\n");
    write_file(cycle_ / "Earth_Awy.dat", "I\n1100 Version\n");
    open();
    EXPECT_FALSE(visible(Control::Airports));
    EXPECT_FALSE(enabled(Control::Waypoints));
    EXPECT_FALSE(enabled(Control::Run));
    EXPECT_TRUE(checked(Control::SkelmarConsole));
    EXPECT_FALSE(enabled(Control::SkelmarBuilder)) << "not installed";

    type_folder(cycle_.path());
    EXPECT_TRUE(checked(Control::Waypoints));
    EXPECT_TRUE(checked(Control::Airways));
    EXPECT_FALSE(enabled(Control::NavAids));
    EXPECT_TRUE(enabled(Control::Run));

    click(Control::Waypoints);
    click(Control::Airways);
    EXPECT_FALSE(checked(Control::Airways));
    EXPECT_FALSE(enabled(Control::Run));
    click(Control::Airways);
    EXPECT_TRUE(enabled(Control::Run));
    click(Control::SkelmarConsole);
    EXPECT_FALSE(enabled(Control::Run));
}

TEST_F(Win32Window, RunUpdatesTheCheckedProductsAndSaysSo) {
    const std::string updated = install(0);
    const std::string left_alone = install(5);
    const std::string before = read_file(left_alone);
    open({sample_cycle_folder()});
    click(Control::EfisBrannock3);
    MessageBoxAnswers boxes;
    click(Control::Run);

    EXPECT_EQ(boxes.texts, std::vector<std::string>{"Update Complete!"});
    EXPECT_EQ(progress_lines(), sample_run_lines());
    EXPECT_GT(sql_count(updated, "SELECT count(*) FROM NavAirway"), 0);
    EXPECT_EQ(read_file(left_alone), before);
    for (const Control control :
         {Control::SourceFolder, Control::FolderButton, Control::HelpButton, Control::TargetGroup,
          Control::CategoryGroup, Control::Run, Control::Exit})
        EXPECT_TRUE(enabled(control)) << window::entry(control).name;
    EXPECT_EQ(outer_rect().right - outer_rect().left, window::kNarrowWidth);
    EXPECT_FALSE(visible(Control::ProgressList)) << "the narrow window shows none of it";
}

// With every product and category offered, Tab visits every control that
// takes the focus in the table's order, and comes back to RUN; the narrow
// window's hidden progress list takes none.
TEST_F(Win32Window, TabMovesInTheTablesOrder) {
    for (std::size_t row = 0; row < kTargetCount; ++row) install(row);
    win32::MainWindow& window = open({sample_cycle_folder()});
    std::vector<HWND> expected;
    for (const Control control : window::kTabOrder)
        if (control != Control::ProgressList) expected.push_back(this->control(control));
    std::vector<HWND> visited{control(Control::Run)};
    while (visited.size() <= expected.size())
        visited.push_back(::GetNextDlgTabItem(window.handle(), visited.back(), FALSE));
    expected.push_back(control(Control::Run));
    EXPECT_EQ(visited, expected);
    EXPECT_EQ(::SendMessageW(control(Control::ProgressList), LB_GETITEMHEIGHT, 0, 0),
              window::kProgressLineHeight);
}

TEST_F(Win32Window, AFailedRunIsToldInABoxAndLeavesTheWindowWideAndUsable) {
    install(0, "DROP INDEX NavWPT_WPTName; ALTER TABLE NavWPT DROP COLUMN WPTName;");
    open({sample_cycle_folder()});
    MessageBoxAnswers boxes;
    click(Control::Run);
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_NE(boxes.texts[0].find("WPTName"), std::string::npos) << boxes.texts[0];
    EXPECT_EQ(outer_rect().right - outer_rect().left, window::kWideWidth);
    EXPECT_TRUE(visible(Control::ProgressList));
    EXPECT_TRUE(enabled(Control::Exit));
    EXPECT_TRUE(enabled(Control::TargetGroup));
}

TEST_F(Win32Window, TheUnattendedStartRunsAndClosesWithoutABox) {
    const std::string path = install(2);
    win32::MainWindow& window = open({sample_cycle_folder(), "start"});
    EXPECT_FALSE(visible(Control::TargetGroup));
    EXPECT_FALSE(visible(Control::EfisBrannock)) << "hidden with its group";
    EXPECT_TRUE(window.model().state()[Control::EfisBrannock].visible) << "its own state is kept";
    MessageBoxAnswers boxes;
    const Deadline deadline(60000);

    EXPECT_EQ(window.run_until_closed(), 0);

    EXPECT_EQ(window.handle(), nullptr) << "closed";
    EXPECT_TRUE(boxes.texts.empty());
    EXPECT_EQ(window.model().state().progress, sample_run_lines());
    EXPECT_GT(sql_count(path, "SELECT count(*) FROM Airport"), 0);
}

TEST_F(Win32Window, EscAndEnterInTheFolderFieldClose) {
    for (const WPARAM key : {VK_ESCAPE, VK_RETURN}) {
        win32::MainWindow& window = open();
        post_key(Control::SourceFolder, key);
        const Deadline deadline(10000);
        window.run_until_closed();
        EXPECT_EQ(window.handle(), nullptr) << "key " << key;
    }
}

TEST_F(Win32Window, APositionThatIsNoNumberIsToldBeforeTheWindowOpensCentred) {
    MessageBoxAnswers boxes;
    const Deadline deadline(10000);
    open({cycle_.path(), "start", "200px", "150"});
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(boxes.texts[0], "'200px' is not a valid integer value for Integer type.");
    EXPECT_FALSE(window_->model().state().auto_start_armed);

    open({cycle_.path(), "start", "$C8", "150"});
    EXPECT_EQ(outer_rect().left, 200);
    EXPECT_EQ(outer_rect().top, 150);
}

// Every row of every table, table by table.
std::vector<std::string> contents(const std::string& database) {
    std::vector<std::string> rows;
    for (const std::string& table :
         sql_rows(database, "SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name")) {
        std::vector<std::string> table_rows = sql_rows(database, "SELECT * FROM \"" + table + "\"");
        std::sort(table_rows.begin(), table_rows.end());
        rows.push_back(table);
        rows.insert(rows.end(), table_rows.begin(), table_rows.end());
    }
    return rows;
}

// The program itself, as a calling program starts it: it updates a product
// database exactly as the command-line tool does.
TEST_F(Win32Window, TheProgramEndsAnUnattendedRunWithItsStatus) {
    const std::string path = install(0);
    const ProgramRun done = run_program(window_program(), {sample_cycle_folder(), "start"}, 60000);
    ASSERT_TRUE(done.finished);
    EXPECT_EQ(done.status, 0u);
    const std::vector<std::string> by_window = contents(path);
    EXPECT_GT(sql_count(path, "SELECT count(*) FROM NavWPT"), 0);

    install(0);
    const ProgramRun by_tool = run_program(tool_program(), {sample_cycle_folder()}, 60000);
    ASSERT_TRUE(by_tool.finished);
    EXPECT_EQ(by_tool.status, 0u);
    EXPECT_EQ(contents(path), by_window);

    sql_exec(path, "ALTER TABLE NavLTP DROP COLUMN ProviderName;");
    const ProgramRun failed =
        run_program(window_program(), {sample_cycle_folder(), "start"}, 60000);
    ASSERT_TRUE(failed.finished) << "waited for a click";
    EXPECT_EQ(failed.status, 1u);
    EXPECT_NE(failed.error_output.find("ProviderName"), std::string::npos) << failed.error_output;
}

// Started unattended on a folder it can run nothing from, the program ends with status 1 and
// says why on standard error, without a box. The time allowed only keeps a window that stays
// open from hanging the tests.
TEST_F(Win32Window, TheProgramEndsAnUnattendedStartThatCanRunNothing) {
    install(0);
    const std::string none = "holds none of apt.dat, earth_nav.dat, earth_fix.dat, earth_awy.dat";
    const std::pair<std::string, std::string> cases[] = {{cycle_ / "missing", "does not exist"},
                                                         {cycle_.path(), none}};
    for (const auto& [folder, reason] : cases) {
        SCOPED_TRACE(folder);
        const ProgramRun run = run_program(window_program(), {folder, "start"}, 30000);
        ASSERT_TRUE(run.finished) << "the window stayed open";
        EXPECT_EQ(run.status, 1u);
        EXPECT_NE(run.error_output.find("'" + folder + "' " + reason), std::string::npos)
            << run.error_output;
    }
}

} // namespace
} // namespace quill::test
