// RUN in the Qt main window: the progress lines drawn as they come, the busy cursor, the
// message boxes of each kind, the width, and the unattended start that closes the window.
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "main_window_fixture.h"
#include "support/sql_rows.h"

namespace quill::test {
namespace {

using window::Control;

// The lines of a run of the whole sample cycle, as the list shows them.
QStringList sample_lines() {
    QStringList lines;
    for (const std::string& line : sample_run_lines()) lines << QString::fromStdString(line);
    return lines;
}

// Closes every message box the run opens and keeps what each said.
class MessageBoxes {
public:
    MessageBoxes() {
        QObject::connect(&poll_, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible()) return;
            shown.push_back({box->icon(), box->text(), QApplication::overrideCursor() != nullptr});
            if (while_shown) while_shown();
            box->done(QMessageBox::Ok);
        });
        poll_.start(0);
    }
    struct Shown {
        QMessageBox::Icon icon;
        QString text;
        bool busy_cursor; // while the box was up
    };
    std::vector<Shown> shown;
    // Runs while each box is up, after it is added to `shown`.
    std::function<void()> while_shown;

private:
    QTimer poll_;
};

class WindowRun : public MainWindowTest {
protected:
    QStringList progress() const {
        QStringList lines;
        auto* list = find<QListWidget>(Control::ProgressList);
        for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
        return lines;
    }
    void click(Control button) const { find<QAbstractButton>(button)->click(); }
    // Lets the event loop run until the window has closed itself or time is up.
    bool wait_until_closed(int ms = 20000) {
        QElapsedTimer clock;
        clock.start();
        while (window_->isVisible() && clock.elapsed() < ms)
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        return !window_->isVisible();
    }
    int frame_width() const { return window_->frameGeometry().width(); }
    void expect_idle_controls() {
        for (const Control control :
             {Control::SourceFolder, Control::FolderButton, Control::HelpButton,
              Control::TargetGroup, Control::CategoryGroup, Control::Run, Control::Exit})
            EXPECT_TRUE(find(control)->isEnabled()) << window::entry(control).name;
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }

    const QString sample_ = QString::fromStdString(sample_cycle_folder());
};

// Each line is in the list as soon as the run has written it, each in a row of 13 pixels; the
// cursor is busy while the work database is loaded and published.
TEST_F(WindowRun, AllFourCategoriesInOrderThenUpdateComplete) {
    const std::string db = install_product(2, true);
    open({sample_});
    auto* list = find<QListWidget>(Control::ProgressList);
    QStringList busy_lines;
    QObject::connect(list->model(), &QAbstractItemModel::rowsInserted, [&] {
        if (QApplication::overrideCursor()) busy_lines << list->item(list->count() - 1)->text();
    });
    MessageBoxes boxes;
    click(Control::Run);
    EXPECT_EQ(progress(), sample_lines());
    EXPECT_EQ(busy_lines, sample_lines().mid(4)) << "from the blank line to the last block";
    EXPECT_EQ(list->sizeHintForRow(0), window::kProgressLineHeight);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "Update Complete!");
    EXPECT_EQ(boxes.shown[0].icon, QMessageBox::Information);
    EXPECT_FALSE(boxes.shown[0].busy_cursor);
    EXPECT_EQ(frame_width(), window::kNarrowWidth);
    EXPECT_TRUE(list->isHidden()) << "the narrow window hides the list";
    expect_idle_controls();
    EXPECT_GT(sql_count(db, "SELECT count(*) FROM NavAirway"), 0);
}

TEST_F(WindowRun, OnlyWaypointsAndASecondRunStartsWithAnEmptyList) {
    install_product(0, true);
    open({sample_});
    for (const Control box : {Control::Airports, Control::NavAids, Control::Airways}) click(box);
    MessageBoxes boxes;
    click(Control::Run);
    click(Control::Run);
    EXPECT_EQ(progress(),
              QStringList({"Converting Waypoints...", " ", "Loading Waypoints/Fixes..."}));
    EXPECT_EQ(boxes.shown.size(), 2u);
}

TEST_F(WindowRun, UnattendedStartRunsAndClosesByItself) {
    const std::string db = install_product(5, true);
    MainWindow& window = open({sample_, "start"});
    MessageBoxes boxes;
    ASSERT_TRUE(wait_until_closed());
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(window.exitStatus(), 0);
    EXPECT_EQ(progress(), sample_lines());
    EXPECT_GT(sql_count(db, "SELECT count(*) FROM Airport"), 0);
}

TEST_F(WindowRun, FailureWhileLoadingIsToldInAnErrorBoxAndLeavesTheWindowWide) {
    install_product(0, true, "ALTER TABLE NavLTP DROP COLUMN ProviderName;");
    open({sample_});
    MessageBoxes boxes;
    click(Control::Run);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].icon, QMessageBox::Critical);
    EXPECT_TRUE(boxes.shown[0].text.contains("ProviderName")) << boxes.shown[0].text.toStdString();
    EXPECT_FALSE(boxes.shown[0].busy_cursor);
    EXPECT_EQ(frame_width(), window::kWideWidth);
    EXPECT_FALSE(find(Control::ProgressList)->isHidden());
    expect_idle_controls();
}

TEST_F(WindowRun, TargetThatCannotBeReplacedIsToldInAWarningBox) {
    install_product(0, true);
    const std::string stuck = install_product(3, true);
    make_folders(stuck + ".tmp/blocker");
    open({sample_});
    MessageBoxes boxes;
    click(Control::Run);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].icon, QMessageBox::Warning);
    EXPECT_TRUE(boxes.shown[0].text.startsWith("1 of the 2 selected product databases"));
    EXPECT_TRUE(progress().last().startsWith("Could not update Brannock EFIS GPS: "));
}

class AirportLineErrors : public WindowRun {
protected:
    void SetUp() override {
        write_file(cycle_ / "apt.dat", "I\n1100 Version\n1 10 0 0 XAPT Example\n100 short row\n102 "
                                       "H1 40.0 -100.0 0 10 10 1 0 0 0 0\n99\n");
        install_product(0, true);
    }
    const QString kError = "Error in apt.dat at line (data read): 100 short row";
};

TEST_F(AirportLineErrors, InteractiveRunShowsEachInAPlainBox) {
    open({cycle()});
    MessageBoxes boxes;
    click(Control::Run);
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0].text, kError);
    EXPECT_EQ(boxes.shown[0].icon, QMessageBox::NoIcon);
    EXPECT_FALSE(boxes.shown[0].busy_cursor);
    EXPECT_EQ(boxes.shown[1].text, "Update Complete!");
    EXPECT_FALSE(progress().contains(kError));
}

// A converter locks Exit while it works, and with it Esc and Enter.
TEST_F(AirportLineErrors, KeysDoNothingWhileExitIsDisabled) {
    MainWindow& window = open({cycle()});
    MessageBoxes boxes;
    bool exit_locked = false;
    boxes.while_shown = [&] {
        if (boxes.shown.size() != 1) return;
        exit_locked = !find(Control::Exit)->isEnabled();
        press_key(find(Control::SourceFolder), Qt::Key_Escape);
        press_key(find(Control::SourceFolder), Qt::Key_Return);
    };
    click(Control::Run);
    EXPECT_TRUE(exit_locked);
    EXPECT_TRUE(window.isVisible());
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[1].text, "Update Complete!");
}

} // namespace
} // namespace quill::test
