#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QStatusBar>

#include "main_window_fixture.h"
#include "qt/help_window.h"
#include "window/controls.h"

// The Qt forms hold the same geometry, captions and tab order as the control
// table that the Win32 window is built from.

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

QString name_of(std::string_view name) { return QString::fromLatin1(name.data(), name.size()); }

TEST_F(MainWindowTest, TheMainFormMatchesTheControlTable) {
    MainWindow& window = create();
    for (const window::ControlEntry& entry : window::kMainControls) {
        SCOPED_TRACE(entry.name);
        const QWidget* widget = find<QWidget>(entry.name.data());
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), rect_of(entry.rect));
        const QWidget* expected_parent =
            entry.in_group() ? find<QWidget>(window::entry(entry.group).name.data()) : &window;
        EXPECT_EQ(widget->parentWidget(), expected_parent);
        EXPECT_EQ(caption_of(widget), QString::fromUtf8(entry.text.data(), entry.text.size()));
        EXPECT_EQ(widget->font().bold(), entry.bold);
    }
    QStringList chain;
    for (QWidget* widget = find<QWidget>("bbGo"); chain.size() < 17;
         widget = widget->nextInFocusChain()) {
        if (widget->focusPolicy() & Qt::TabFocus) chain << widget->objectName();
    }
    QStringList table;
    for (const Control control : window::kTabOrder) table << name_of(window::entry(control).name);
    EXPECT_EQ(chain, table);
}

TEST_F(MainWindowTest, TheHelpFormMatchesTheControlTable) {
    HelpWindow help;
    EXPECT_EQ(help.size(), QSize(window::kHelpClientWidth, window::kHelpClientHeight));
    for (const window::HelpEntry& entry : window::kHelpControls) {
        SCOPED_TRACE(entry.name);
        const QWidget* widget = help.findChild<QWidget*>(name_of(entry.name));
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), rect_of(entry.rect));
        EXPECT_EQ(caption_of(widget), QString::fromUtf8(entry.text.data(), entry.text.size()));
        EXPECT_EQ(widget->font().bold(), entry.bold);
        if (auto* label = qobject_cast<const QLabel*>(widget)) {
            EXPECT_EQ(label->wordWrap(), entry.wraps);
        }
    }
}

} // namespace
} // namespace quill::test
