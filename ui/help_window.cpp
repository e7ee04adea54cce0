#include "ui/help_window.h"

#include <QKeyEvent>
#include <QPushButton>

#include "ui/artwork.h"
#include "ui/dialog_font.h"
#include "ui_help_window.h"

TfrmHelp::TfrmHelp(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TfrmHelp>()) {
    ui->setupUi(this);
    UseDialogFont(this);
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(size());
    setWindowIcon(SatelliteIcon());
    ui->bbGo->setIcon(TickIcon());
    connect(ui->bbGo, &QPushButton::clicked, this, &QDialog::accept);
}

TfrmHelp::~TfrmHelp() = default;

// The toolkit centres a dialog at every showing unless it was placed by
// program; a place the user dragged it to is kept by placing it here.
void TfrmHelp::setVisible(bool visible) {
    if (!visible && isVisible()) last_position_ = pos();
    if (visible && last_position_) move(*last_position_);
    QDialog::setVisible(visible);
}

// There is no cancel button, so Esc does nothing.
void TfrmHelp::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}
