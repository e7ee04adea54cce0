// The help window on Qt: how to obtain the cycle files.
#pragma once

#include <QDialog>

// Static text and "Done", built from the help window's control table. Shown
// modally by "?" of the main window, which places it.
class HelpWindow : public QDialog {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
