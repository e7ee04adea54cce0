#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QWindow>

#include "main_window_fixture.h"
#include "qt/help_window.h"

namespace quill::test {
namespace {

class HelpWindowTest : public MainWindowTest {
protected:
    HelpWindowTest() {
        open();
        help_ = std::make_unique<HelpWindow>(window_.get());
        window_->setHelpWindow(help_.get());
    }

    // Opens help by "?" and runs the check on it while it is up, then "Done".
    void while_help_is_open(const std::function<void(HelpWindow&)>& check) {
        bool shown = false;
        answer_next_modal([&](QWidget* modal) {
            auto* help = qobject_cast<HelpWindow*>(modal);
            shown = help != nullptr;
            if (help) check(*help);
            help_->findChild<QPushButton*>("bbDone")->click();
        });
        find<QPushButton>("btnHelp")->click();
        EXPECT_TRUE(shown) << "help was not shown modally";
        EXPECT_FALSE(help_->isVisible());
    }

    std::unique_ptr<HelpWindow> help_;
};

TEST_F(HelpWindowTest, ShowsTheStepsModally) {
    while_help_is_open([](HelpWindow& help) {
        EXPECT_EQ(help.windowTitle(), "Help");
        EXPECT_EQ(help.size(), QSize(587, 460));
        const QLabel* last = help.findChild<QLabel*>("step8");
        ASSERT_NE(last, nullptr);
        EXPECT_TRUE(last->text().endsWith("as the NAV Files Update Folder."));
    });
    EXPECT_EQ(help_->result(), QDialog::Accepted);
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

TEST_F(HelpWindowTest, EnterClosesButEscDoesNot) {
    help_->show();
    QWidget* done = help_->findChild<QPushButton*>("bbDone");
    press_key(done, Qt::Key_Escape);
    EXPECT_TRUE(help_->isVisible());
    press_key(done, Qt::Key_Return);
    EXPECT_FALSE(help_->isVisible());
}

} // namespace
} // namespace quill::test
