// The widget for each kind of control in the tables, and what a table entry sets on it.
#include "qt/table_widgets.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QToolButton>

#include "qt/artwork.h"
#include "window/controls.h"

using quill::window::ControlKind;
using quill::window::Picture;

namespace {

QString text_of(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QIcon icon_of(Picture picture) {
    switch (picture) {
    case Picture::None: return {};
    case Picture::Folder: return folder_icon();
    case Picture::Tick: return tick_icon();
    case Picture::Cross: return cross_icon();
    }
    return {};
}

// A flat picture button that the focus passes by.
QWidget* picture_button(QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setFocusPolicy(Qt::NoFocus);
    button->setIconSize(QSize(16, 16));
    button->setAutoRaise(true);
    return button;
}

QWidget* widget_of_kind(ControlKind kind, QWidget* parent) {
    switch (kind) {
    case ControlKind::Label: return new QLabel(parent);
    case ControlKind::TextField: return new QLineEdit(parent);
    case ControlKind::PictureButton: return picture_button(parent);
    case ControlKind::Button: return new QPushButton(parent);
    case ControlKind::DefaultButton: {
        auto* button = new QPushButton(parent);
        button->setDefault(true);
        return button;
    }
    case ControlKind::GroupBox: return new QGroupBox(parent);
    case ControlKind::CheckBox: return new QCheckBox(parent);
    case ControlKind::List: return new QListWidget(parent);
    case ControlKind::StatusBar: {
        auto* bar = new QStatusBar(parent);
        bar->setSizeGripEnabled(false);
        return bar;
    }
    case ControlKind::Bevel: {
        auto* bevel = new QFrame(parent);
        bevel->setFrameShape(QFrame::Panel);
        bevel->setFrameShadow(QFrame::Sunken);
        return bevel;
    }
    }
    return new QWidget(parent);
}

void set_text(QWidget* widget, const QString& text, bool wraps) {
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(text);
        label->setWordWrap(wraps);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        group->setTitle(text);
    } else if (auto* bar = qobject_cast<QStatusBar*>(widget); bar && !text.isEmpty()) {
        bar->addWidget(new QLabel(text));
    }
}

} // namespace

// Only what the table sets is set on the font, so that the rest follows the window's.
QWidget* make_widget(const quill::window::ControlLook& look, QWidget* parent, int points) {
    QWidget* widget = widget_of_kind(look.kind, parent);
    widget->setObjectName(text_of(look.name));
    widget->setGeometry(look.rect.left, look.rect.top, look.rect.width, look.rect.height);
    set_text(widget, text_of(look.text), look.wraps);
    if (look.bold || points > 0) {
        QFont font;
        if (look.bold) font.setBold(true);
        if (points > 0) font.setPointSize(points);
        widget->setFont(font);
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget);
        button && look.picture != Picture::None)
        button->setIcon(icon_of(look.picture));
    return widget;
}
