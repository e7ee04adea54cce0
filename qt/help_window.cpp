#include "qt/help_window.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "qt/artwork.h"
#include "qt/dialog_font.h"
#include "ui_help_window.h"
#include "window/controls.h"
#include "window/texts.h"

namespace {

QString text_of(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::HelpWindow>()) {
    ui->setupUi(this);
    use_dialog_font(this);
    setWindowTitle(text_of(quill::window::kHelpCaption));
    for (const quill::window::HelpEntry& entry : quill::window::kHelpControls) {
        QWidget* control = findChild<QWidget*>(text_of(entry.name));
        if (auto* label = qobject_cast<QLabel*>(control)) label->setText(text_of(entry.text));
        if (auto* button = qobject_cast<QPushButton*>(control))
            button->setText(text_of(entry.text));
    }
    // A tool window: a narrow title bar with a close button only.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(size());
    setWindowIcon(satellite_icon());
    ui->bbDone->setIcon(tick_icon());
    connect(ui->bbDone, &QPushButton::clicked, this, &QDialog::accept);
}

HelpWindow::~HelpWindow() = default;

// There is no cancel button, so Esc does nothing.
void HelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}
