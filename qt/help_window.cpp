// The help window's widgets from its table, its frame, and its keys.
#include "qt/help_window.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLabel>

#include "qt/artwork.h"
#include "qt/dialog_font.h"
#include "qt/table_widgets.h"
#include "window/controls.h"
#include "window/texts.h"

using quill::window::ControlKind;

// The text is set at the help text's size and top-aligned, as static text is on Windows.
HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent) {
    use_dialog_font(this);
    setWindowTitle(QString::fromUtf8(quill::window::kHelpCaption.data(),
                                     static_cast<qsizetype>(quill::window::kHelpCaption.size())));
    for (const quill::window::HelpEntry& entry : quill::window::kHelpControls) {
        const bool text = entry.kind == ControlKind::Label;
        QWidget* widget = make_widget(entry, this, text ? quill::window::kHelpFontPoints : 0);
        if (text) static_cast<QLabel*>(widget)->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (entry.id == quill::window::HelpControl::Done)
            connect(static_cast<QAbstractButton*>(widget), &QAbstractButton::clicked, this,
                    &QDialog::accept);
    }
    // A tool window: a narrow title bar with a close button only.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(quill::window::kHelpClientWidth, quill::window::kHelpClientHeight);
    setWindowIcon(satellite_icon());
}

// There is no cancel button, so Esc does nothing.
void HelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}
