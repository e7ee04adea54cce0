// The controls outside a run: what a folder text offers, the product boxes, RUN's rule, the
// selection, the keys and the buttons, and the width.
#include <array>
#include <ostream>

#include "model_fixture.h"

namespace quill::test {
namespace {

using window::Control;
using window::ControlState;

enum class Folder { Empty, Cycle, Missing };

struct FolderCase {
    const char* name;
    Folder folder;
    std::vector<std::string> files;
    bool target_installed;
    std::array<ControlState, 4> boxes; // Airports, Nav Aids, Waypoints, Airways
    bool run_enabled;
};

void PrintTo(const FolderCase& c, std::ostream* out) { *out << c.name; }

constexpr ControlState kOffered{true, true, true};
constexpr ControlState kHidden{false, true, false};   // Airports without apt.dat
constexpr ControlState kDisabled{true, false, false}; // the others without their file

class FolderTextTest : public ModelTest, public testing::WithParamInterface<FolderCase> {};

TEST_P(FolderTextTest, OffersTheCategoriesWhoseFilesExist) {
    for (const std::string& file : GetParam().files) add_source(file);
    if (GetParam().target_installed) install_product(0);
    window::MainWindowModel& model = open();
    const Folder folder = GetParam().folder;
    model.folder_edited(folder == Folder::Empty   ? std::string()
                        : folder == Folder::Cycle ? cycle_.path()
                                                  : cycle_ / "missing");

    const std::array<ControlState, 4> boxes{(*this)[Control::Airports], (*this)[Control::NavAids],
                                            (*this)[Control::Waypoints], (*this)[Control::Airways]};
    EXPECT_EQ(boxes, GetParam().boxes);
    EXPECT_EQ((*this)[Control::Run].enabled, GetParam().run_enabled);
    EXPECT_EQ(view_.drawn, state()) << "the view draws every change";
}

INSTANTIATE_TEST_SUITE_P(
    Folders, FolderTextTest,
    testing::Values(
        FolderCase{"empty_text", Folder::Empty, {"apt.dat"}, true,
                   {kHidden, kDisabled, kDisabled, kDisabled}, false},
        FolderCase{"all_four",
                   Folder::Cycle,
                   {"apt.dat", "earth_nav.dat", "earth_fix.dat", "earth_awy.dat"},
                   true,
                   {kOffered, kOffered, kOffered, kOffered},
                   true},
        FolderCase{"any_letter_case",
                   Folder::Cycle,
                   {"Apt.dat", "EARTH_NAV.DAT", "Earth_Fix.dat", "earth_Awy.dat"},
                   true,
                   {kOffered, kOffered, kOffered, kOffered},
                   true},
        FolderCase{"fixes_only", Folder::Cycle, {"earth_fix.dat"}, true,
                   {kHidden, kDisabled, kOffered, kDisabled}, true},
        FolderCase{"no_product_database", Folder::Cycle, {"earth_fix.dat"}, false,
                   {kHidden, kDisabled, kOffered, kDisabled}, false},
        FolderCase{"missing_folder", Folder::Missing, {"apt.dat"}, true,
                   {kHidden, kDisabled, kDisabled, kDisabled}, false}),
    [](const testing::TestParamInfo<FolderCase>& case_info) { return std::string(case_info.param.name); });

TEST_F(ModelTest, EveryTextChangeOffersTheFilesAgainButTheSameTextIsNoChange) {
    add_source("apt.dat");
    install_product(0);
    window::MainWindowModel& model = open({cycle_.path()});
    model.box_set(Control::Airports, false);
    EXPECT_FALSE((*this)[Control::Run].enabled);

    model.folder_edited(cycle_.path());
    EXPECT_FALSE((*this)[Control::Airports].checked) << "the same text runs nothing";

    model.folder_edited(cycle_.path() + "x");
    model.folder_edited(cycle_.path());
    EXPECT_TRUE((*this)[Control::Airports].checked);
    EXPECT_TRUE((*this)[Control::Run].enabled);
}

TEST_F(ModelTest, DetectsTheInstalledTargetsOnceAtStartUp) {
    install_product(1);
    install_product(5);
    window::MainWindowModel& model = open();
    for (std::size_t row = 0; row < kTargetCount; ++row) {
        const bool installed = row == 1 || row == 5;
        EXPECT_EQ((*this)[window::target_box(row)], (ControlState{true, installed, installed}))
            << TargetTable[row].key;
    }
    install_product(0);
    model.folder_edited(cycle_.path());
    EXPECT_FALSE((*this)[window::target_box(0)].enabled) << "not noticed until the next start";
}

TEST_F(ModelTest, RunNeedsACheckedTargetAndACheckedCategory) {
    install_product(0);
    for (const char* file : {"apt.dat", "earth_nav.dat", "earth_fix.dat", "earth_awy.dat"})
        add_source(file);
    window::MainWindowModel& model = open({cycle_.path()});
    EXPECT_TRUE((*this)[Control::Run].enabled);
    for (const Category category : kCategories) model.box_set(window::category_box(category), false);
    EXPECT_FALSE((*this)[Control::Run].enabled);
    model.box_set(Control::Waypoints, true);
    EXPECT_TRUE((*this)[Control::Run].enabled);
    model.box_set(Control::SkelmarBuilder, false);
    EXPECT_FALSE((*this)[Control::Run].enabled);
}

// The selection is read from each box's own state: a box taken away is not
// selected even when checked, and a locked or hidden group changes nothing.
TEST_F(ModelTest, SelectionReadsEachBoxsOwnState) {
    install_product(0);
    install_product(3);
    add_source("earth_fix.dat");
    window::MainWindowModel& model = open({cycle_.path()});
    model.box_set(Control::Airports, true);
    model.box_set(Control::NavAids, true);
    model.box_set(Control::EfisGps3, true);

    EXPECT_EQ(model.selected_categories(), (CategorySelection{false, false, true, false}));
    EXPECT_EQ(model.selected_targets(),
              (TargetSelection{true, false, false, true, false, false, false, false}));
    EXPECT_TRUE(state().shows(Control::Waypoints));
    EXPECT_FALSE(state().shows(Control::Airports));
    EXPECT_FALSE(state().lets_use(Control::NavAids));
}

struct KeyCase {
    const char* name;
    bool escape;     // Esc, or else Enter
    Control focus;   // for Enter
    bool exit_usable;
    bool closes;
};

void PrintTo(const KeyCase& c, std::ostream* out) { *out << c.name; }

class KeyTest : public ModelTest, public testing::WithParamInterface<KeyCase> {};

// Exit is the default and the cancel button.
TEST_P(KeyTest, EscAndEnterPressExitUnlessAnotherButtonHasTheFocus) {
    window::MainWindowModel& model = open();
    view_.while_message = [&] {
        if (view_.messages.size() > 1) return;
        if (GetParam().escape) model.escape_pressed();
        if (!GetParam().escape) model.enter_pressed(GetParam().focus);
    };
    if (GetParam().exit_usable) {
        view_.while_message();
    } else {
        // A converter has locked Exit: the run shows a bad apt.dat line in a box meanwhile.
        write_file(cycle_ / "apt.dat", "I\n1100 Version\n1 10 0 0 XAPT Example\n100 short\n102 H1 40.0 -100.0 0 10 10 1 0 0 0 0\n99\n");
        model.folder_edited(cycle_.path());
        model.activate(Control::Run);
        ASSERT_FALSE(view_.messages.empty());
        EXPECT_FALSE(view_.messages[0].drawn[Control::Exit].enabled);
    }
    EXPECT_EQ(view_.closes, GetParam().closes ? 1 : 0);
    EXPECT_EQ(state().closed, GetParam().closes);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyTest,
    testing::Values(KeyCase{"esc", true, Control::SourceFolder, true, true},
                    KeyCase{"enter_in_folder_field", false, Control::SourceFolder, true, true},
                    KeyCase{"enter_in_progress_list", false, Control::ProgressList, true, true},
                    KeyCase{"enter_on_a_box", false, Control::Airways, true, true},
                    KeyCase{"enter_on_disabled_run", false, Control::Run, true, false},
                    KeyCase{"esc_while_exit_is_locked", true, Control::SourceFolder, false, false},
                    KeyCase{"enter_while_exit_is_locked", false, Control::SourceFolder, false,
                            false}),
    [](const testing::TestParamInfo<KeyCase>& case_info) { return std::string(case_info.param.name); });

// Activated with no category offered, RUN does nothing at all: the window
// stays narrow and says nothing.
TEST_F(ModelTest, ADisabledButtonIgnoresTheUserButNotTheProgram) {
    window::MainWindowModel& model = open();
    ASSERT_FALSE((*this)[Control::Run].enabled);
    model.pressed(Control::Run);
    model.activate(Control::Run);
    EXPECT_TRUE(state().progress.empty());
    EXPECT_TRUE(view_.messages.empty());
    EXPECT_EQ(state().width, window::Width::Narrow);
    EXPECT_EQ(view_.closes, 0);

    add_source("earth_fix.dat");
    model.folder_edited(cycle_.path());
    model.activate(Control::Run);
    EXPECT_EQ(state().progress.front(), "Converting Waypoints...");
}

TEST_F(ModelTest, TheFolderButtonTakesTheChosenFolderAndCancelChangesNothing) {
    add_source("earth_fix.dat");
    window::MainWindowModel& model = open();
    model.pressed(Control::FolderButton);
    EXPECT_EQ(view_.chooser_titles.back(), "Select Input Folder for Update Nav Files");
    EXPECT_EQ(state().folder_text, "");

    view_.chosen_folder = cycle_.path();
    model.pressed(Control::FolderButton);
    EXPECT_EQ(state().folder_text, cycle_.path());
    EXPECT_TRUE((*this)[Control::Waypoints].checked);
}

TEST_F(ModelTest, HelpOpensModallyThenWhereTheUserLeftIt) {
    window::MainWindowModel& model = open();
    model.pressed(Control::HelpButton);
    model.pressed(Control::HelpButton);
    ASSERT_EQ(view_.help_places.size(), 2u);
    EXPECT_EQ(view_.help_places[0], std::nullopt) << "centred the first time";
    EXPECT_EQ(view_.help_places[1], view_.help_left_at);
    EXPECT_TRUE(view_.help_open_while_shown);
    EXPECT_FALSE(state().help_open);
}

TEST_F(ModelTest, TheNarrowWindowHidesTheProgressList) {
    window::MainWindowModel& model = open();
    EXPECT_EQ(state().width, window::Width::Narrow);
    EXPECT_FALSE((*this)[Control::ProgressList].visible);
    model.set_width(window::Width::Wide);
    EXPECT_TRUE((*this)[Control::ProgressList].visible);
}

} // namespace
} // namespace quill::test
