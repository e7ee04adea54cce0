// RUN through the model: how each outcome ends, what it says and where, and the locking step by
// step.
#include <algorithm>
#include <ostream>

#include "app/platform.h"
#include "run/update_lock.h"
#include "support/product_states.h"
#include "support/sql_rows.h"
#include "model_fixture.h"

namespace quill::test {
namespace {

using window::Control;
using window::MessageKind;
using window::Width;

enum class Outcome { Success, PartlyPublished, Failure, AnotherUpdateRunning, AirportLineError, EmptySource };

struct ExpectedMessage {
    MessageKind kind;
    std::string text; // the whole text, or a part of it after '~'
};

struct RunCase {
    const char* name;
    Outcome outcome;
    bool unattended;
    std::vector<ExpectedMessage> messages;
    Width width_after;
    int exit_status;
    std::string progress; // a line the list must hold, or a part of the last after '~'
};

void PrintTo(const RunCase& c, std::ostream* out) { *out << c.name; }

bool matches(const std::string& text, const std::string& expected) {
    if (!expected.empty() && expected[0] == '~')
        return text.find(expected.substr(1)) != std::string::npos;
    return text == expected;
}

const std::string kBadLine = "Error in apt.dat at line (data read): 100 short row";

class RunOutcomeTest : public ModelTest, public testing::WithParamInterface<RunCase> {
protected:
    // Makes the products and the cycle of the case; what it returns holds a
    // product or the work folder busy while it lives.
    std::shared_ptr<void> prepare(Outcome outcome) {
        cycle_folder_ = sample_cycle_folder();
        switch (outcome) {
        case Outcome::Success: install_product(0, true); break;
        case Outcome::PartlyPublished: {
            install_product(0, true);
            const std::string held = install_product(1, true);
            return std::make_shared<RunningProduct>(held, RunningProduct::Mode::Writing);
        }
        case Outcome::Failure: install_product(0, true, "ALTER TABLE NavLTP DROP COLUMN ProviderName;"); break;
        case Outcome::AnotherUpdateRunning: {
            install_product(0, true);
            window::MainWindowModel probe(view_, {});
            return std::make_shared<FileLock>(probe.work_folder() + std::string(kUpdateLockName));
        }
        case Outcome::EmptySource:
            install_product(0, true);
            write_file(cycle_ / "apt.dat", "");
            cycle_folder_ = cycle_.path();
            break;
        case Outcome::AirportLineError:
            install_product(0, true);
            write_file(cycle_ / "apt.dat",
                       "I\n1100 Version\n1 10 0 0 XAPT Example\n100 short row\n102 H1 40.0 -100.0 0 10 10 1 0 0 0 0\n99\n");
            cycle_folder_ = cycle_.path();
            break;
        }
        return nullptr;
    }
    std::string cycle_folder_;
};

TEST_P(RunOutcomeTest, EndsWithItsMessagesWidthUnlockingAndStatus) {
    const RunCase& c = GetParam();
    const std::shared_ptr<void> holder = prepare(c.outcome);
    std::vector<std::string> parameters{cycle_folder_};
    if (c.unattended) parameters.emplace_back("start");
    window::MainWindowModel& model = open(parameters);
    testing::internal::CaptureStderr();
    if (c.unattended) {
        model.timer_ticked();
    } else {
        model.pressed(Control::Run);
    }
    const std::string err = testing::internal::GetCapturedStderr();

    ASSERT_EQ(view_.messages.size(), c.messages.size());
    for (std::size_t i = 0; i < c.messages.size(); ++i) {
        EXPECT_EQ(view_.messages[i].kind, c.messages[i].kind);
        EXPECT_TRUE(matches(view_.messages[i].text, c.messages[i].text)) << view_.messages[i].text;
        EXPECT_FALSE(view_.messages[i].drawn.busy) << "no busy cursor over a box";
    }
    if (!view_.messages.empty() && !c.progress.empty()) {
        EXPECT_EQ(view_.messages.back().drawn.width, Width::Wide) << "the list is seen behind the box";
    }
    EXPECT_EQ(state().width, c.width_after);
    EXPECT_FALSE(state().busy);
    for (const Control control : {Control::SourceFolder, Control::FolderButton, Control::HelpButton,
                                  Control::TargetGroup, Control::CategoryGroup, Control::Run,
                                  Control::Exit})
        EXPECT_TRUE((*this)[control].enabled) << window::entry(control).name;
    const std::vector<std::string>& lines = state().progress;
    if (c.progress.empty()) {
        EXPECT_TRUE(lines.empty()) << "the run stopped before its first line";
        return;
    }
    ASSERT_FALSE(lines.empty());
    const bool listed = matches(lines.back(), c.progress) ||
                        std::find(lines.begin(), lines.end(), c.progress) != lines.end();
    EXPECT_TRUE(listed) << lines.back();
    EXPECT_EQ(view_.closes, c.unattended ? 1 : 0);
    if (c.unattended) {
        EXPECT_EQ(model.exit_status(), c.exit_status);
    }
    if (c.unattended && c.exit_status == 1) {
        EXPECT_NE(err.find(lines.back()), std::string::npos) << "told on standard error: " << err;
    }
    EXPECT_EQ(view_.drawn, state());
}

const std::string kPartly =
    "1 of the 2 selected product databases could not be updated. The progress list says why.";
const std::string kAnother(kAnotherUpdateRunning);
const std::string kEmptyAirports = "apt.dat holds no airport: it is empty or not an X-Plane apt.dat";

INSTANTIATE_TEST_SUITE_P(
    Runs, RunOutcomeTest,
    testing::Values(
        RunCase{"success", Outcome::Success, false, {{MessageKind::Information, "Update Complete!"}},
                Width::Narrow, 0, "Loading LTPs..."},
        RunCase{"success_unattended", Outcome::Success, true, {}, Width::Narrow, 0,
                "Loading LTPs..."},
        RunCase{"partly_published", Outcome::PartlyPublished, false,
                {{MessageKind::Warning, kPartly}}, Width::Narrow, 0,
                "~Could not update Skelmar Console: "},
        RunCase{"partly_published_unattended", Outcome::PartlyPublished, true, {}, Width::Narrow, 2,
                "~Could not update Skelmar Console: "},
        RunCase{"failure", Outcome::Failure, false, {{MessageKind::Error, "~ProviderName"}}, Width::Wide, 0,
                " "},
        RunCase{"failure_unattended", Outcome::Failure, true, {}, Width::Wide, 1, "~ProviderName"},
        RunCase{"another_update", Outcome::AnotherUpdateRunning, false,
                {{MessageKind::Error, kAnother}}, Width::Narrow, 0, ""},
        RunCase{"another_update_unattended", Outcome::AnotherUpdateRunning, true, {}, Width::Narrow,
                1, kAnother},
        RunCase{"empty_source", Outcome::EmptySource, false, {{MessageKind::Error, kEmptyAirports}},
                Width::Wide, 0, "Converting Airports..."},
        RunCase{"empty_source_unattended", Outcome::EmptySource, true, {}, Width::Wide, 1, kEmptyAirports},
        RunCase{"airport_line_error", Outcome::AirportLineError, false,
                {{MessageKind::Plain, kBadLine}, {MessageKind::Information, "Update Complete!"}},
                Width::Narrow, 0, "Loading Airports (Land)..."},
        RunCase{"airport_line_error_unattended", Outcome::AirportLineError, true, {}, Width::Narrow,
                0, kBadLine}),
    [](const testing::TestParamInfo<RunCase>& case_info) { return std::string(case_info.param.name); });

// A converter locks RUN and Exit while it works; loading and publishing lock
// the folder field, the three buttons and both groups; the cursor is busy
// throughout and the window wide.
TEST_F(ModelTest, TheRunLocksTheControlsStepByStep) {
    install_product(0, true);
    window::MainWindowModel& model = open({sample_cycle_folder()});
    view_.keep_frames = true;
    model.pressed(Control::Run);

    int converting = 0;
    int loading = 0;
    for (const window::MainWindowState& frame : view_.frames) {
        if (frame.progress.empty() || !frame.busy) continue;
        EXPECT_EQ(frame.width, Width::Wide);
        EXPECT_FALSE(frame[Control::Run].enabled);
        EXPECT_FALSE(frame[Control::Exit].enabled);
        if (frame[Control::SourceFolder].enabled) {
            ++converting;
            EXPECT_EQ(frame.progress.back().rfind("Converting", 0), 0u) << frame.progress.back();
        } else {
            ++loading;
            for (const Control control : {Control::FolderButton, Control::HelpButton,
                                          Control::TargetGroup, Control::CategoryGroup})
                EXPECT_FALSE(frame[control].enabled) << window::entry(control).name;
            EXPECT_TRUE(frame[Control::Airports].enabled) << "the boxes keep their own states";
        }
    }
    EXPECT_EQ(converting, 4);
    EXPECT_GE(loading, 20);
    EXPECT_TRUE(state()[Control::TargetGroup].enabled);
}

} // namespace
} // namespace quill::test
