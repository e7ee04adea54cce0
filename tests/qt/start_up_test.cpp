#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <filesystem>
#include <optional>
#include <ostream>
#include <vector>

#include "main_window_fixture.h"

namespace quill::test {
namespace {

// "<cycle>" stands for a folder holding all four source files, "<missing>"
// for a folder that does not exist.
struct CommandLineCase {
    std::vector<std::string> parameters;
    std::string folder_text;
    bool auto_run;
    bool armed; // the unattended start is armed and the target group hidden
};

void PrintTo(const CommandLineCase& c, std::ostream* out) {
    *out << c.parameters.size() << " parameters";
    for (const std::string& p : c.parameters) *out << " [" << p << "]";
}

class CommandLineTest : public MainWindowTest, public testing::WithParamInterface<CommandLineCase> {
protected:
    QString expand(const std::string& text) const {
        if (text == "<cycle>") return cycle();
        if (text == "<missing>") return cycle() + "/missing";
        return QString::fromStdString(text);
    }
};

TEST_P(CommandLineTest, TakesFolderAndStartFromTheAcceptedCounts) {
    add_all_sources();
    install_target(0);
    QStringList parameters;
    for (const std::string& p : GetParam().parameters) parameters << expand(p);

    MainWindow& window = open(parameters);

    EXPECT_EQ(find<QLineEdit>("edSourceFolder")->text(),
              GetParam().folder_text.empty() ? QString() : expand(GetParam().folder_text));
    EXPECT_EQ(window.autoRun(), GetParam().auto_run);
    EXPECT_EQ(find<QTimer>("autoStartTimer")->isActive(), GetParam().armed);
    EXPECT_EQ(find<QGroupBox>("gbDatabasesFound")->isHidden(), GetParam().armed);
    EXPECT_EQ(state_of(find("cbSkelmarBuilder")), (BoxState{true, true})) << "targets detected";
}

INSTANTIATE_TEST_SUITE_P(
    Counts, CommandLineTest,
    testing::Values(CommandLineCase{{}, "", false, false},
                    CommandLineCase{{"<cycle>"}, "<cycle>", false, false},
                    CommandLineCase{{"<cycle>", "start"}, "<cycle>", true, true},
                    CommandLineCase{{"<cycle>", "Start"}, "<cycle>", false, false},
                    CommandLineCase{{"<missing>", "start"}, "<missing>", true, false},
                    CommandLineCase{{"<cycle>", "start", "200"}, "", false, false},
                    CommandLineCase{{"<cycle>", "start", "200", "150"}, "<cycle>", true, true},
                    CommandLineCase{{"<cycle>", "go", "200", "150"}, "<cycle>", false, false},
                    CommandLineCase{{"<cycle>", "start", "200", "150", "x"}, "", false, false}));

struct PositionCase {
    std::string left;
    bool converts;
};

void PrintTo(const PositionCase& c, std::ostream* out) { *out << "[" << c.left << "]"; }

class PositionTest : public MainWindowTest, public testing::WithParamInterface<PositionCase> {};

bool centred(const QWidget& window) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint offset = window.frameGeometry().center() - area.center();
    return offset.manhattanLength() <= 2;
}

TEST_P(PositionTest, PlacesTheWindowOrStopsTheShowHandler) {
    add_all_sources();
    install_target(0);
    std::optional<QString> message;
    if (!GetParam().converts) {
        answer_next_modal([&](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) message = box->text();
            modal->close();
        });
    }

    MainWindow& window = open({cycle(), "start", QString::fromStdString(GetParam().left), "150"});

    EXPECT_EQ(window.frameGeometry().width(), MainWindow::kNarrowWidth);
    EXPECT_EQ(find<QLineEdit>("edSourceFolder")->text(), cycle());
    EXPECT_EQ(state_of(find("cbAirports")), (BoxState{true, true})) << "detected with the folder";
    EXPECT_TRUE(window.autoRun());
    if (GetParam().converts) {
        EXPECT_FALSE(message);
        EXPECT_EQ(window.pos(), QPoint(200, 150));
        EXPECT_TRUE(find<QTimer>("autoStartTimer")->isActive());
        return;
    }
    ASSERT_TRUE(message) << "no error box";
    EXPECT_EQ(*message, QString::fromStdString("'" + GetParam().left +
                                               "' is not a valid integer value for Integer type."));
    EXPECT_TRUE(centred(window));
    EXPECT_FALSE(find<QTimer>("autoStartTimer")->isActive());
    EXPECT_FALSE(find<QGroupBox>("gbDatabasesFound")->isHidden());
    EXPECT_EQ(state_of(find("cbSkelmarBuilder")), (BoxState{false, true}))
        << "targets not detected";
}

INSTANTIATE_TEST_SUITE_P(Texts, PositionTest,
                         testing::Values(PositionCase{" 200", true}, PositionCase{"$C8", true},
                                         PositionCase{"0xC8", true}, PositionCase{"200px", false},
                                         PositionCase{"", false},
                                         PositionCase{"2147483648", false}));

TEST_F(MainWindowTest, WithoutAPositionTheNarrowWindowIsCentred) {
    MainWindow& window = open();
    EXPECT_EQ(window.frameGeometry().width(), MainWindow::kNarrowWidth);
    EXPECT_EQ(window.height(), 470);
    EXPECT_TRUE(centred(window));
}

TEST_F(MainWindowTest, TheAutoStartFiresOnce) {
    add_all_sources();
    MainWindow& window = open({cycle(), "start"});
    QTimer* timer = find<QTimer>("autoStartTimer");
    ASSERT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 1000);
    EXPECT_TRUE(timer->isSingleShot());

    // No product database is installed: RUN is disabled, yet the tick runs the update,
    // which converts and then stops at seeding. Unattended, it waits for no click.
    window.autoStart();

    EXPECT_FALSE(timer->isActive());
    const auto* list = find<QListWidget>("lbProgress");
    ASSERT_GT(list->count(), 0);
    EXPECT_EQ(list->item(list->count() - 1)->text(), "No target database selected");
    EXPECT_EQ(window.exitStatus(), 1);
    EXPECT_FALSE(window.isVisible()) << "closed";
}

TEST_F(MainWindowTest, CreatingTheWindowMakesTheWorkFolder) {
    MainWindow& window = create();
    EXPECT_EQ(window.workFolder(), appdata_.path() + "/Orvanel/Quillstrom/");
    EXPECT_TRUE(std::filesystem::is_directory(window.workFolder()));
}

} // namespace
} // namespace quill::test
