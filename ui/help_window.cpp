#include "ui/help_window.h"

#include <QKeyEvent>
#include <QPushButton>

#include "ui/artwork.h"
#include "ui/dialog_font.h"
#include "ui_help_window.h"

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::HelpWindow>()) {
    ui->setupUi(this);
    UseDialogFont(this);
    // A tool window: a narrow title bar with a close button only.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(size());
    setWindowIcon(SatelliteIcon());
    ui->bbDone->setIcon(TickIcon());
    connect(ui->bbDone, &QPushButton::clicked, this, &QDialog::accept);
}

HelpWindow::~HelpWindow() = default;

// The toolkit centres a dialog at every showing unless it was placed by
// program; a place the user dragged it to is kept by placing it here.
void HelpWindow::setVisible(bool visible) {
    if (!visible && isVisible()) last_position_ = pos();
    if (visible && last_position_) move(*last_position_);
    QDialog::setVisible(visible);
}

// There is no cancel button, so Esc does nothing.
void HelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}
