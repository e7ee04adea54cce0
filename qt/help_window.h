#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class HelpWindow;
}

// How to obtain the cycle files: static text and "Done". Shown modally by
// "?" of the main window, which places it.
class HelpWindow : public QDialog {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);
    ~HelpWindow() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::unique_ptr<Ui::HelpWindow> ui;
};
