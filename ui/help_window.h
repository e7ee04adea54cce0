#pragma once

#include <QDialog>
#include <QPoint>
#include <memory>
#include <optional>

namespace Ui {
class TfrmHelp;
}

// How to obtain the cycle files. Shown modally by "?"; shown again where the
// user left it.
class TfrmHelp : public QDialog {
    Q_OBJECT

public:
    explicit TfrmHelp(QWidget* parent = nullptr);
    ~TfrmHelp() override;

    void setVisible(bool visible) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::unique_ptr<Ui::TfrmHelp> ui;
    std::optional<QPoint> last_position_;
};
