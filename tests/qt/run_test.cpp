#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/platform.h"
#include "app/target_table.h"
#include "app/work_folder.h"
#include "run/update_run.h"
#include "support/sql_rows.h"
#include "support/temp_dir.h"
#include "qt/main_window.h"
#include "ui_support.h"

namespace quill::test {
namespace {

const QStringList kAllFourLines{
    "Converting Airports...", "Converting NavAids...", "Converting Waypoints...",
    "Converting Airways...", " ", "Loading Airports (Land)...", "Loading Airports (Water)...",
    "Loading Airports (Heliports)...", "Loading Airport Comms...", "Loading Airport Info...",
    "Loading Nav NDBs...", "Loading Nav NDB-DMEs...", "Loading Nav VORs...",
    "Loading Nav VOR-DMEs...", "Loading Nav VORTACs...", "Loading Nav TACANs...",
    "Loading Nav DMEs...", "Loading Waypoints/Fixes...", "Loading Airways (High)...",
    "Loading Airways (Low)...", "Loading Localizers...", "Loading Glideslopes...",
    "Loading Marker Beacons...", "Loading FPAPs...", "Loading LTPs..."};

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

class WindowRun : public testing::Test {
protected:
    std::string install(std::size_t row, std::string_view extra_sql = {}) {
        make_folders(target_folder(TargetTable[row]));
        create_product_database(target_path(TargetTable[row]), extra_sql);
        return target_path(TargetTable[row]);
    }
    MainWindow& open(const QStringList& parameters) {
        window_ = std::make_unique<MainWindow>(parameters);
        window_->show();
        return *window_;
    }
    QStringList progress() const {
        QStringList lines;
        auto* list = window_->findChild<QListWidget*>("lbProgress");
        for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
        return lines;
    }
    template <typename W = QPushButton> W* find(const char* name) const {
        return window_->findChild<W*>(QString::fromLatin1(name));
    }
    // Lets the event loop run until the window has closed itself or time is up.
    bool wait_until_closed(int ms = 20000) {
        QElapsedTimer clock;
        clock.start();
        while (window_->isVisible() && clock.elapsed() < ms)
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        return !window_->isVisible();
    }
    void expect_idle_controls() {
        for (const char* name : {"edSourceFolder", "sbInput", "btnHelp", "gbDatabasesFound",
                                 "gbUpdatesFound", "bbGo", "bbCancel"})
            EXPECT_TRUE(window_->findChild<QWidget*>(name)->isEnabled()) << name;
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }

    AppDataSandbox appdata_;
    const QString sample_ = QString::fromStdString(sample_cycle_folder());
    std::unique_ptr<MainWindow> window_;
};

TEST_F(WindowRun, AllFourCategoriesInOrderThenUpdateComplete) {
    const std::string db = install(2);
    MainWindow& window = open({sample_});
    MessageBoxes boxes;
    find("bbGo")->click();
    EXPECT_EQ(progress(), kAllFourLines);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "Update Complete!");
    EXPECT_EQ(boxes.shown[0].icon, QMessageBox::Information);
    EXPECT_EQ(window.frameGeometry().width(), MainWindow::kNarrowWidth);
    expect_idle_controls();
    EXPECT_GT(sql_count(db, "SELECT count(*) FROM NavAirway"), 0);
}

TEST_F(WindowRun, OnlyWaypointsAndASecondRunStartsWithAnEmptyList) {
    install(0);
    open({sample_});
    for (const char* name : {"cbAirports", "cbNavAids", "cbAirways"})
        find<QCheckBox>(name)->setChecked(false);
    MessageBoxes boxes;
    find("bbGo")->click();
    find("bbGo")->click();
    EXPECT_EQ(progress(), QStringList({"Converting Waypoints...", " ", "Loading Waypoints/Fixes..."}));
    EXPECT_EQ(boxes.shown.size(), 2u);
}

TEST_F(WindowRun, NoCategoryAvailableDoesNothing) {
    install(0);
    MainWindow& window = open({});
    MessageBoxes boxes;
    MainWindow::staticMetaObject.invokeMethod(&window, "run");
    EXPECT_TRUE(progress().isEmpty());
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(window.frameGeometry().width(), MainWindow::kNarrowWidth);
}

TEST_F(WindowRun, UnattendedStartRunsAndClosesByItself) {
    const std::string db = install(5);
    MainWindow& window = open({sample_, "start"});
    MessageBoxes boxes;
    ASSERT_TRUE(wait_until_closed());
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(window.exitStatus(), 0);
    EXPECT_EQ(progress(), kAllFourLines);
    EXPECT_GT(sql_count(db, "SELECT count(*) FROM Airport"), 0);
}

TEST_F(WindowRun, FailureWhileLoadingRestoresTheWindowAndTouchesNoDatabase) {
    const std::string broken = install(0, "ALTER TABLE NavLTP DROP COLUMN ProviderName;");
    const std::string other = install(1);
    const std::string broken_before = read_file(broken);
    const std::string other_before = read_file(other);
    MainWindow& window = open({sample_});
    MessageBoxes boxes;
    find("bbGo")->click();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].icon, QMessageBox::Critical);
    EXPECT_TRUE(boxes.shown[0].text.contains("ProviderName")) << boxes.shown[0].text.toStdString();
    EXPECT_FALSE(boxes.shown[0].busy_cursor);
    EXPECT_EQ(read_file(broken), broken_before);
    EXPECT_EQ(read_file(other), other_before);
    EXPECT_EQ(window.frameGeometry().width(), MainWindow::kWideWidth);
    expect_idle_controls();
}

TEST_F(WindowRun, UnattendedFailureListsItsMessageAndClosesWithStatusOne) {
    install(0, "DROP INDEX NavWPT_WPTName; ALTER TABLE NavWPT DROP COLUMN WPTName;");
    MainWindow& window = open({sample_, "start"});
    MessageBoxes boxes;
    testing::internal::CaptureStderr();
    const bool closed = wait_until_closed();
    const std::string err = testing::internal::GetCapturedStderr();
    ASSERT_TRUE(closed);
    EXPECT_TRUE(boxes.shown.empty()) << "nobody is there to answer a box";
    EXPECT_TRUE(progress().last().contains("WPTName")) << progress().last().toStdString();
    EXPECT_NE(err.find(progress().last().toStdString()), std::string::npos) << err;
    EXPECT_EQ(window.exitStatus(), 1);
}

// Another update holds the work folder: the window says so and changes nothing.
TEST_F(WindowRun, ASecondUpdateIsRefusedInABoxOrUnattendedWithStatusOne) {
    const std::string path = install(0);
    const std::string before = read_file(path);
    const FileLock running(make_work_folder() + std::string(kUpdateLockName));
    ASSERT_TRUE(running.held());
    const QString message = QString::fromUtf8(kAnotherUpdateRunning.data(), kAnotherUpdateRunning.size());

    open({sample_});
    MessageBoxes boxes;
    find("bbGo")->click();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].icon, QMessageBox::Critical);
    EXPECT_EQ(boxes.shown[0].text, message);
    expect_idle_controls();

    MainWindow& unattended = open({sample_, "start"});
    ASSERT_TRUE(wait_until_closed());
    EXPECT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(progress().last(), message);
    EXPECT_EQ(unattended.exitStatus(), 1);
    EXPECT_EQ(read_file(path), before);
}

TEST_F(WindowRun, TargetThatCannotBeReplacedIsReportedAndTheOthersUpdated) {
    const std::string good = install(0);
    const std::string stuck = install(3);
    const std::string stuck_before = read_file(stuck);
    make_folders(stuck + ".tmp/blocker");
    open({sample_});
    MessageBoxes boxes;
    find("bbGo")->click();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].icon, QMessageBox::Warning);
    EXPECT_TRUE(boxes.shown[0].text.startsWith("1 of the 2 selected product databases"));
    EXPECT_TRUE(progress().last().startsWith("Could not update Brannock EFIS GPS: "));
    EXPECT_EQ(read_file(stuck), stuck_before);
    EXPECT_GT(sql_count(good, "SELECT count(*) FROM NavWPT"), 0);
}

TEST_F(WindowRun, UnattendedPartialPublishClosesWithStatusTwoAndNoBox) {
    install(0);
    const std::string stuck = install(1);
    make_folders(stuck + ".tmp/blocker");
    MainWindow& window = open({sample_, "start"});
    MessageBoxes boxes;
    ASSERT_TRUE(wait_until_closed());
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(window.exitStatus(), 2);
}

class AirportLineErrors : public WindowRun {
protected:
    void SetUp() override {
        write_file(cycle_ / "apt.dat", "I\n1100 Version\n1 10 0 0 XAPT Example\n100 short row\n102 H1 40.0 -100.0 0 10 10 1 0 0 0 0\n99\n");
        install(0);
    }
    TempDir cycle_;
    const QString kError = "Error in apt.dat at line (data read): 100 short row";
};

TEST_F(AirportLineErrors, InteractiveRunShowsEachInABox) {
    open({QString::fromStdString(cycle_.path())});
    MessageBoxes boxes;
    find("bbGo")->click();
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0].text, kError);
    EXPECT_EQ(boxes.shown[0].icon, QMessageBox::NoIcon);
    EXPECT_EQ(boxes.shown[1].text, "Update Complete!");
    EXPECT_FALSE(progress().contains(kError));
}

// A converter locks Exit while it works, and with it Esc and Enter.
TEST_F(AirportLineErrors, KeysDoNothingWhileExitIsDisabled) {
    MainWindow& window = open({QString::fromStdString(cycle_.path())});
    MessageBoxes boxes;
    bool exit_locked = false;
    boxes.while_shown = [&] {
        if (boxes.shown.size() != 1) return;
        exit_locked = !find("bbCancel")->isEnabled();
        press_key(find<QWidget>("edSourceFolder"), Qt::Key_Escape);
        press_key(find<QWidget>("edSourceFolder"), Qt::Key_Return);
    };
    find("bbGo")->click();
    EXPECT_TRUE(exit_locked);
    EXPECT_TRUE(window.isVisible());
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[1].text, "Update Complete!");
}

TEST_F(AirportLineErrors, UnattendedRunListsThemInstead) {
    MainWindow& window = open({QString::fromStdString(cycle_.path()), "start"});
    MessageBoxes boxes;
    ASSERT_TRUE(wait_until_closed());
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(progress().mid(0, 2), QStringList({"Converting Airports...", kError}));
    EXPECT_EQ(window.exitStatus(), 0);
}

} // namespace
} // namespace quill::test
