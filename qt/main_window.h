#pragma once

#include <QDialog>
#include <QMargins>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <array>
#include <memory>
#include <optional>
#include <string>

#include "app/categories.h"
#include "app/target_table.h"
#include "window/main_window_model.h"
#include "window/window_view.h"

namespace Ui {
class MainWindow;
}
class QTimer;
class HelpWindow;

// The main window on Qt: draws the window model's state and hands the user's
// actions to it. It decides nothing; its own work is what Qt needs to show
// the state, such as keeping the outer width true to the window manager's
// frame.
class MainWindow : public QDialog, private quill::window::WindowView {
    Q_OBJECT

public:
    // Outer widths, frame included.
    static constexpr int kNarrowWidth = quill::window::kNarrowWidth;
    static constexpr int kWideWidth = quill::window::kWideWidth;

    // The start-up parameters, without the program's own path.
    explicit MainWindow(QStringList parameters, QWidget* parent = nullptr);
    ~MainWindow() override;

    void setHelpWindow(HelpWindow* help);

    const std::string& workFolder() const { return model_->work_folder(); }
    bool autoRun() const { return model_->auto_run(); }
    quill::TargetSelection selectedTargets() const { return model_->selected_targets(); }
    quill::CategorySelection selectedCategories() const { return model_->selected_categories(); }
    // The program's exit status after an unattended run (quill::ExitStatus).
    int exitStatus() const { return model_->exit_status(); }

    void addProgress(const QString& text);
    void setOuterWidth(int outer_width);

public slots:
    // RUN activated by the program: it acts whatever RUN's state.
    void run();
    void autoStart();

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
    void applyTexts();
    void connectControls();
    void drawControls(const quill::window::MainWindowState& state);
    void drawProgress(const std::vector<std::string>& lines);
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

    std::unique_ptr<Ui::MainWindow> ui;
    std::array<QWidget*, quill::window::kControlCount> widgets_{};
    std::unique_ptr<quill::window::MainWindowModel> model_;
    QTimer* auto_start_timer_ = nullptr;
    HelpWindow* help_ = nullptr;
    bool drawing_ = false;
    bool busy_ = false;
    bool shown_ = false;
    int outer_width_ = kWideWidth;
    bool placing_ = false;
    std::optional<QPoint> requested_corner_;
    // The frame the last placement allowed for; a new frame places again.
    std::optional<QMargins> placed_for_;
};
