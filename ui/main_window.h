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

namespace Ui {
class MainWindow;
}
class QCheckBox;
class QPushButton;
class QTimer;
class HelpWindow;
class WindowRun;

// The program's working window: the source folder, the target and category
// boxes, the progress list and the buttons RUN, Exit and "?". Its run lives
// in WindowRun, which works through the functions below.
class MainWindow : public QDialog {
    Q_OBJECT

public:
    // Outer widths, frame included: narrow hides the progress list.
    static constexpr int kNarrowWidth = 410;
    static constexpr int kWideWidth = 684;
    static constexpr int kRunLockedCount = 7;

    // The start-up parameters, without the program's own path.
    explicit MainWindow(QStringList parameters, QWidget* parent = nullptr);
    ~MainWindow() override;

    void setHelpWindow(HelpWindow* help);

    const std::string& workFolder() const { return work_folder_; }
    bool autoRun() const { return auto_run_; }
    // The folder field's text as a file system path, unchanged otherwise.
    std::string sourceFolder() const;

    // Selections by each box's own state, whatever its group's state.
    quill::TargetSelection selectedTargets() const;
    quill::CategorySelection selectedCategories() const;

    // Appends a line to the progress list and puts it on the screen at once.
    void addProgress(const QString& text);
    void clearProgress();
    void setOuterWidth(int outer_width);

    void detectTargetDatabases();
    void detectSourceFiles();
    void updateRunButton();

    QPushButton* runButton() const;
    QPushButton* exitButton() const;
    // The controls a run locks while it loads and publishes, in locking order;
    // RUN and Exit come last.
    std::array<QWidget*, kRunLockedCount> runLockedControls() const;

    // The program's exit status after an unattended run (quill::ExitStatus).
    int exitStatus() const;

public slots:
    void run();
    // Exit: closes the window, and so the program, whatever Exit's state.
    void exitProgram();
    void showHelp();
    void chooseFolder();
    void sourceFolderChanged();
    void autoStart();

protected:
    bool event(QEvent* event) override;
    bool nativeEvent(const QByteArray& type, void* message, qintptr* result) override;
    void closeEvent(QCloseEvent* event) override;
    // Esc: Exit is the cancel button.
    void reject() override;

private:
    void connectHandlers();
    void firstShown();
    // Puts the window's outer corner there, or centres the window when no
    // corner is given, frame included.
    void requestPlacement(std::optional<QPoint> corner);
    // Keeps the outer width, and a requested placement, true to the frame
    // the window manager has put around the window so far.
    void fitToFrame();
    void place(const QMargins& frame);
    QCheckBox* categoryBox(quill::Category category) const;

    std::unique_ptr<Ui::MainWindow> ui;
    std::unique_ptr<WindowRun> run_;
    QStringList parameters_;
    std::array<QCheckBox*, quill::kTargetCount> target_boxes_{};
    QTimer* auto_start_timer_ = nullptr;
    HelpWindow* help_ = nullptr;
    std::string work_folder_;
    bool auto_run_ = false;
    bool shown_ = false;
    int outer_width_ = kWideWidth;
    bool placing_ = false;
    std::optional<QPoint> requested_corner_;
    // The frame the last placement allowed for; a new frame places again.
    std::optional<QMargins> placed_for_;
};
