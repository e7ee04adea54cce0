// The Qt windows as they build themselves from their control tables: each widget where its
// table puts it, inside its group, captioned, in its font, and Tab in the table's order.
#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QStatusBar>

#include "main_window_fixture.h"
#include "qt/help_window.h"

namespace quill::test {
namespace {

using window::Control;

QString caption_of(const QWidget* widget) {
    if (auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
    if (auto* group = qobject_cast<const QGroupBox*>(widget)) return group->title();
    if (auto* bar = qobject_cast<const QStatusBar*>(widget)) {
        const QLabel* notice = bar->findChild<QLabel*>();
        return notice ? notice->text() : QString();
    }
    return {};
}

QRect rect_of(const window::Rect& rect) { return {rect.left, rect.top, rect.width, rect.height}; }

QString text_of(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Shown, so that every widget has been placed and polished as the user sees it.
TEST_F(MainWindowTest, EachWidgetLiesWhereTheTableSaysInItsGroupWithItsCaption) {
    MainWindow& window = open();
    for (const window::ControlEntry& entry : window::kMainControls) {
        SCOPED_TRACE(entry.name);
        const QWidget* widget = find(entry.id);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), rect_of(entry.rect));
        const QWidget* parent = entry.in_group() ? find(entry.group) : &window;
        EXPECT_EQ(widget->parentWidget(), parent);
        EXPECT_EQ(caption_of(widget), text_of(entry.text));
        EXPECT_EQ(widget->font().bold(), entry.bold);
        EXPECT_EQ(widget->font().pointSize(), window::kFontPoints);
    }
    EXPECT_EQ(window.height(), window::kClientHeight);
}

// Every product and category offered, so that no box is left out for being unusable.
TEST_F(MainWindowTest, TabMovesInTheTablesOrderAndComesBackToRun) {
    for (std::size_t row = 0; row < kTargetCount; ++row) install_product(row);
    add_all_sources();
    open({cycle()});
    QStringList order;
    QWidget* run = find(Control::Run);
    QWidget* widget = run;
    do {
        if (widget->focusPolicy() & Qt::TabFocus) order << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != run);

    QStringList table;
    for (const Control control : window::kTabOrder) table << name_of(window::entry(control).name);
    EXPECT_EQ(order, table);
}

TEST(HelpWindowLayout, EachWidgetLiesWhereTheTableSaysWithItsCaptionAndFont) {
    HelpWindow help;
    help.show();
    EXPECT_EQ(help.size(), QSize(window::kHelpClientWidth, window::kHelpClientHeight));
    for (const window::HelpEntry& entry : window::kHelpControls) {
        SCOPED_TRACE(entry.name);
        const QWidget* widget = help.findChild<QWidget*>(name_of(entry.name));
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), rect_of(entry.rect));
        EXPECT_EQ(caption_of(widget), text_of(entry.text));
        EXPECT_EQ(widget->font().bold(), entry.bold);
        if (auto* label = qobject_cast<const QLabel*>(widget)) {
            EXPECT_EQ(label->wordWrap(), entry.wraps);
            EXPECT_EQ(label->font().pointSize(), window::kHelpFontPoints);
        }
    }
}

} // namespace
} // namespace quill::test
