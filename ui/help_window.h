#pragma once

#include <QDialog>
#include <QPoint>
#include <memory>
#include <optional>

namespace Ui {
class HelpWindow;
}

// How to obtain the cycle files. Shown modally by "?"; shown again where the
// user left it.
class HelpWindow : public QDialog {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);
    ~HelpWindow() override;

    void setVisible(bool visible) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::unique_ptr<Ui::HelpWindow> ui;
    std::optional<QPoint> last_position_;
};
