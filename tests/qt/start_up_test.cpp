// The Qt main window's first showing: the parameters handed to the model as UTF-8, the window
// placed or centred frame included, a position error told in a box, and the start timer drawn.
#include <QCheckBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <optional>
#include <ostream>

#include "main_window_fixture.h"

namespace quill::test {
namespace {

using window::Control;

bool centred(const QWidget& window) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint offset = window.frameGeometry().center() - area.center();
    return offset.manhattanLength() <= 2;
}

struct PositionCase {
    std::string left;
    bool converts;
};

void PrintTo(const PositionCase& c, std::ostream* out) { *out << "[" << c.left << "]"; }

class PositionTest : public MainWindowTest, public testing::WithParamInterface<PositionCase> {};

// A position that does not convert is told before the window is placed, which then opens
// centred.
TEST_P(PositionTest, PlacesTheWindowOrTellsWhyAndCentresIt) {
    std::optional<QString> message;
    if (!GetParam().converts) {
        answer_next_modal([&](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) message = box->text();
            modal->close();
        });
    }

    MainWindow& window = open({cycle(), "go", QString::fromStdString(GetParam().left), "150"});

    EXPECT_EQ(window.frameGeometry().width(), window::kNarrowWidth);
    if (GetParam().converts) {
        EXPECT_FALSE(message);
        EXPECT_EQ(window.pos(), QPoint(200, 150));
        return;
    }
    ASSERT_TRUE(message) << "no error box";
    EXPECT_EQ(*message, QString::fromStdString("'" + GetParam().left +
                                               "' is not a valid integer value for Integer type."));
    EXPECT_TRUE(centred(window));
}

INSTANTIATE_TEST_SUITE_P(Texts, PositionTest,
                         testing::Values(PositionCase{" 200", true}, PositionCase{"200px", false}));

// The progress list lies beyond the narrow window's right edge, and is hidden as well.
TEST_F(MainWindowTest, WithoutAPositionTheNarrowWindowIsCentred) {
    MainWindow& window = open();
    EXPECT_EQ(window.frameGeometry().width(), window::kNarrowWidth);
    EXPECT_EQ(window.height(), window::kClientHeight);
    EXPECT_TRUE(centred(window));
    const QWidget* list = find(Control::ProgressList);
    EXPECT_GT(list->geometry().right(), window.width());
    EXPECT_TRUE(list->isHidden());
}

// The model reads the folder as UTF-8 and finds its files.
TEST_F(MainWindowTest, AFolderNamedBeyondAsciiIsTakenAsGiven) {
    const TempDir folder("Zoë Ærø");
    write_one_record_source(folder.path(), "apt.dat");
    open({QString::fromStdString(folder.path())});
    EXPECT_EQ(find<QLineEdit>(Control::SourceFolder)->text().toStdString(), folder.path());
    EXPECT_TRUE(find<QCheckBox>(Control::Airports)->isChecked());
}

TEST_F(MainWindowTest, TheUnattendedStartIsTimedAsTheModelSays) {
    add_all_sources();
    MainWindow& window = open({cycle(), "start"});
    const auto* timer = window.findChild<QTimer*>();
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    EXPECT_TRUE(timer->isSingleShot());
    EXPECT_EQ(timer->intervalAsDuration(), window::kStartDelay);
}

} // namespace
} // namespace quill::test
