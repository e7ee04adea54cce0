// The Qt help window: opened modally by "?", placed centred then where the user left it, and
// closed by Done or Enter but not by Esc.
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QWindow>

#include "main_window_fixture.h"
#include "qt/help_window.h"

namespace quill::test {
namespace {

QPushButton* done_of(const HelpWindow& help) {
    return help.findChild<QPushButton*>(name_of(window::kHelpControls.back().name));
}

class HelpWindowTest : public MainWindowTest {
protected:
    HelpWindowTest() { open(); }

    // Opens help by "?" and runs the check on it while it is up, then "Done".
    void while_help_is_open(const std::function<void(HelpWindow&)>& check) {
        HelpWindow* shown = nullptr;
        answer_next_modal([&](QWidget* modal) {
            shown = qobject_cast<HelpWindow*>(modal);
            if (shown) check(*shown);
            if (shown) done_of(*shown)->click();
        });
        find<QPushButton>(window::Control::HelpButton)->click();
        ASSERT_NE(shown, nullptr) << "help was not shown modally";
        EXPECT_FALSE(shown->isVisible());
        EXPECT_EQ(shown->result(), QDialog::Accepted);
    }
};

TEST_F(HelpWindowTest, ShowsTheStepsModally) {
    while_help_is_open([](HelpWindow& help) {
        EXPECT_EQ(help.windowTitle(), "Help");
        EXPECT_EQ(help.size(), QSize(587, 460));
        const QLabel* last = help.findChild<QLabel*>("step8");
        ASSERT_NE(last, nullptr);
        EXPECT_TRUE(last->text().endsWith("as the NAV Files Update Folder."));
    });
}

TEST_F(HelpWindowTest, OpensCentredThenWhereTheUserLeftIt) {
    QPoint left_at;
    while_help_is_open([&](HelpWindow& help) {
        const QPoint offset = help.frameGeometry().center() - window_->frameGeometry().center();
        EXPECT_LE(offset.manhattanLength(), 2) << "centred on the main window";
        help.windowHandle()->setPosition(40, 30); // as the window manager does for a drag
        QCoreApplication::processEvents();
        left_at = help.pos();
    });
    ASSERT_LT(left_at.x(), 100) << "the drag did not move the window";
    while_help_is_open([&](HelpWindow& help) { EXPECT_EQ(help.pos(), left_at); });
}

TEST(HelpWindowKeys, EnterClosesButEscDoesNot) {
    HelpWindow help;
    help.show();
    QWidget* done = done_of(help);
    press_key(done, Qt::Key_Escape);
    EXPECT_TRUE(help.isVisible());
    press_key(done, Qt::Key_Return);
    EXPECT_FALSE(help.isVisible());
}

} // namespace
} // namespace quill::test
