// The main window on Qt: the window model's state drawn with Qt widgets, the user's actions
// handed to the model.
#pragma once

#include <QDialog>
#include <QMargins>
#include <QPoint>
#include <QStringList>
#include <array>
#include <memory>
#include <optional>
#include <string>

#include "window/main_window_model.h"
#include "window/progress_shown.h"
#include "window/window_view.h"

class QTimer;
class HelpWindow;

// The widgets are built from the control table. The window decides nothing;
// its own work is what Qt needs to show the state, such as keeping the outer
// width true to the window manager's frame.
class MainWindow : public QDialog, private quill::window::WindowView {
    Q_OBJECT

public:
    // The start-up parameters, without the program's own path.
    explicit MainWindow(QStringList parameters, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The status the program ends with once the window has closed (quill::ExitStatus).
    int exitStatus() const { return model_->exit_status(); }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool nativeEvent(const QByteArray& type, void* message, qintptr* result) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    // The window model's requests.
    void draw(const quill::window::MainWindowState& state) override;
    void show_message(quill::window::MessageKind kind, const std::string& text) override;
    std::optional<std::string> choose_folder(const std::string& title) override;
    quill::window::Point show_help(const std::optional<quill::window::Point>& place) override;
    void close_window() override;

    QWidget* widget(quill::window::Control control) const;
    void makeWidgets();
    void connectControls();
    void drawControls(const quill::window::MainWindowState& state);
    void drawProgress(const quill::window::MainWindowState& state);
    void drawBusy(bool busy);
    void drawTimer(bool armed);
    // Hands an event of a control to the model, unless it only echoes what
    // the model itself has just drawn.
    template <typename Event>
    void forward(Event&& event);

    // Puts the window's outer corner there, or centres the window when no
    // corner is given, frame included.
    void requestPlacement(std::optional<QPoint> corner);
    // Keeps the outer width, and a requested placement, true to the frame
    // the window manager has put around the window so far.
    void fitToFrame();
    void place(const QMargins& frame);

    std::array<QWidget*, quill::window::kControlCount> widgets_{};
    std::unique_ptr<quill::window::MainWindowModel> model_;
    HelpWindow* help_ = nullptr;
    QTimer* auto_start_timer_ = nullptr;
    quill::window::ProgressShown progress_shown_;
    bool drawing_ = false;
    bool busy_ = false;
    bool shown_ = false;
    int outer_width_ = quill::window::kWideWidth;
    bool placing_ = false;
    std::optional<QPoint> requested_corner_;
    // The frame the last placement allowed for; a new frame places again.
    std::optional<QMargins> placed_for_;
};
