// The first showing: what the start-up parameters ask for, the work folder, and the unattended
// start with what it does when its timer runs out.
#include <ostream>

#include "app/file_system.h"
#include "model_fixture.h"

namespace quill::test {
namespace {

using window::Control;
using window::Point;

// "<cycle>" stands for a folder holding a source file, "<missing>" for a
// folder that does not exist.
struct StartCase {
    std::vector<std::string> parameters;
    std::string folder_text;
    bool auto_run;
    bool armed;        // the start timer runs
    bool group_hidden; // the target group, for an unattended start on an existing folder
    std::optional<Point> corner;
    std::string error; // the message box shown, if any
};

void PrintTo(const StartCase& c, std::ostream* out) {
    *out << c.parameters.size() << " parameters";
    for (const std::string& p : c.parameters) *out << " [" << p << "]";
}

class StartUpTest : public ModelTest, public testing::WithParamInterface<StartCase> {
protected:
    std::string expand(const std::string& text) const {
        if (text == "<cycle>") return cycle_.path();
        if (text == "<missing>") return cycle_ / "missing";
        return text;
    }
};

TEST_P(StartUpTest, TakesWhatTheParametersAskFor) {
    add_source("earth_fix.dat");
    install_product(0);
    std::vector<std::string> parameters;
    for (const std::string& p : GetParam().parameters) parameters.push_back(expand(p));

    window::MainWindowModel& model = open(parameters);

    EXPECT_EQ(state().folder_text, expand(GetParam().folder_text));
    EXPECT_EQ(model.auto_run(), GetParam().auto_run);
    EXPECT_EQ(state().auto_start_armed, GetParam().armed);
    EXPECT_EQ((*this)[Control::TargetGroup].visible, !GetParam().group_hidden);
    EXPECT_EQ(state().corner, GetParam().corner);
    EXPECT_EQ(state().width, window::Width::Narrow);
    const bool failed = !GetParam().error.empty();
    ASSERT_EQ(view_.messages.size(), failed ? 1u : 0u);
    if (failed) {
        EXPECT_EQ(view_.messages[0].kind, window::MessageKind::Error);
        EXPECT_EQ(view_.messages[0].text, GetParam().error);
    }
    EXPECT_EQ((*this)[Control::SkelmarBuilder].checked, !failed)
        << "targets detected unless failed";
    EXPECT_EQ((*this)[Control::Waypoints].checked, GetParam().folder_text == "<cycle>")
        << "the folder's files are offered as soon as it is taken";
}

INSTANTIATE_TEST_SUITE_P(
    Counts, StartUpTest,
    testing::Values(
        StartCase{{}, "", false, false, false, std::nullopt, ""},
        StartCase{{"<cycle>"}, "<cycle>", false, false, false, std::nullopt, ""},
        StartCase{{"<cycle>", "start"}, "<cycle>", true, true, true, std::nullopt, ""},
        StartCase{{"<cycle>", "Start"}, "<cycle>", false, false, false, std::nullopt, ""},
        StartCase{{"<missing>", "start"}, "<missing>", true, true, false, std::nullopt, ""},
        StartCase{{"<cycle>", "start", "200"}, "", false, false, false, std::nullopt, ""},
        StartCase{
            {"<cycle>", "start", " 200", "150"}, "<cycle>", true, true, true, Point{200, 150}, ""},
        StartCase{
            {"<cycle>", "go", "$C8", "0x96"}, "<cycle>", false, false, false, Point{200, 150}, ""},
        StartCase{{"<cycle>", "start", "200px", "150"},
                  "<cycle>",
                  true,
                  false,
                  false,
                  std::nullopt,
                  "'200px' is not a valid integer value for Integer type."},
        StartCase{{"<cycle>", "start", "200", ""},
                  "<cycle>",
                  true,
                  false,
                  false,
                  std::nullopt,
                  "'' is not a valid integer value for Integer type."},
        StartCase{
            {"<cycle>", "start", "200", "150", "x"}, "", false, false, false, std::nullopt, ""}));

TEST_F(ModelTest, CreatingTheWindowMakesTheWorkFolder) {
    window::MainWindowModel model(view_, {});
    EXPECT_EQ(model.work_folder(), native_path(appdata_.path() + "/Orvanel/Quillstrom/"));
    EXPECT_TRUE(folder_exists(model.work_folder()));
    EXPECT_EQ(view_.draws, 0) << "nothing is drawn before the window is shown";
}

// The tick activates RUN whatever its state, once: no product database is
// installed, so the run converts and then fails at seeding, and the
// unattended window closes with status 1. RUN itself stays disabled
// throughout, for nothing is checked that it could update.
TEST_F(ModelTest, TheStartTimerRunsRunOnceWhateverItsState) {
    add_source("earth_fix.dat");
    window::MainWindowModel& model = open({cycle_.path(), "start"});
    ASSERT_TRUE(state().auto_start_armed);
    ASSERT_FALSE((*this)[Control::Run].enabled);
    view_.keep_frames = true;

    model.timer_ticked();
    model.timer_ticked();

    EXPECT_FALSE(state().auto_start_armed);
    EXPECT_EQ(state().progress.front(), "Converting Waypoints...");
    EXPECT_EQ(state().progress.back(), "No target database selected");
    EXPECT_EQ(model.exit_status(), 1);
    EXPECT_EQ(view_.closes, 1);
    EXPECT_TRUE(view_.messages.empty());
    for (const window::MainWindowState& frame : view_.frames)
        EXPECT_FALSE(frame[Control::Run].enabled) << frame.progress.size() << " lines";
}

// "<file>" stands for a file where the folder should be, "<empty>" for a folder without any
// source file.
struct NothingToRunCase {
    const char* name;
    std::string folder;
    std::string reason; // after the folder's own text in quotes
};

void PrintTo(const NothingToRunCase& c, std::ostream* out) { *out << c.name; }

class NothingToRunTest : public ModelTest, public testing::WithParamInterface<NothingToRunCase> {};

// An unattended start that can run no category ends the program when its timer runs out, with
// status 1 and the reason on standard error, in the command-line tool's words; nobody is there
// to read a box.
TEST_P(NothingToRunTest, AnUnattendedStartEndsWithStatusOneAndSaysWhy) {
    install_product(0);
    write_file(cycle_ / "readme.txt", "not a source file");
    const std::string folder = GetParam().folder == "<file>"    ? cycle_ / "readme.txt"
                               : GetParam().folder == "<empty>" ? cycle_.path()
                                                                : cycle_ / "missing";
    window::MainWindowModel& model = open({folder, "start"});
    ASSERT_TRUE(state().auto_start_armed);
    EXPECT_EQ(view_.closes, 0) << "not before the timer runs out";

    testing::internal::CaptureStderr();
    model.timer_ticked();
    const std::string reason = "'" + folder + "' " + GetParam().reason;

    EXPECT_EQ(testing::internal::GetCapturedStderr(), reason + "\n");
    EXPECT_EQ(model.exit_status(), 1);
    EXPECT_EQ(view_.closes, 1);
    EXPECT_TRUE(view_.messages.empty());
    EXPECT_EQ(state().progress, std::vector<std::string>{reason}) << "nothing was converted";
}

INSTANTIATE_TEST_SUITE_P(
    Folders, NothingToRunTest,
    testing::Values(NothingToRunCase{"missing", "<missing>", "does not exist"},
                    NothingToRunCase{"a_file", "<file>", "is not a folder"},
                    NothingToRunCase{
                        "no_source_file", "<empty>",
                        "holds none of apt.dat, earth_nav.dat, earth_fix.dat, earth_awy.dat"}),
    [](const testing::TestParamInfo<NothingToRunCase>& case_info) {
        return std::string(case_info.param.name);
    });

} // namespace
} // namespace quill::test
