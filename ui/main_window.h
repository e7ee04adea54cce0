#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <array>
#include <memory>
#include <string>

#include "app/categories.h"
#include "app/target_table.h"

namespace Ui {
class TfrmMain;
}
class QCheckBox;
class QTimer;
class TfrmHelp;

// The program's working window: the source folder, the target and category
// boxes, the progress list and the buttons RUN, Exit and "?".
class TfrmMain : public QDialog {
    Q_OBJECT

public:
    // Outer widths, frame included: narrow hides the progress list.
    static constexpr int kNarrowWidth = 410;
    static constexpr int kWideWidth = 684;

    // The start-up parameters, without the program's own path.
    explicit TfrmMain(QStringList parameters, QWidget* parent = nullptr);
    ~TfrmMain() override;

    void SetHelpWindow(TfrmHelp* help);

    const std::string& WorkFolder() const { return work_folder_; }
    bool AutoRun() const { return auto_run_; }
    // The folder field's text as a file system path, unchanged otherwise.
    std::string SourceFolder() const;

    // Selections by each box's own state, whatever its group's state.
    quill::TargetSelection SelectedTargets() const;
    quill::CategorySelection SelectedCategories() const;

    // Appends a line to the progress list and puts it on the screen at once.
    void AddProgress(const QString& text);
    void SetWindowWidth(int outer_width);

    void DetectTargetDatabases();
    void DetectSourceFiles();
    void UpdateRunButton();

    // The converters, each with RUN and Exit disabled and the busy cursor up.
    void ConvertAirports();
    void ConvertNavaids();
    void ConvertFixes();
    void ConvertAirways();

    // The program's exit status after an unattended run: 0 done, 1 failed,
    // 2 some product database not updated.
    int ExitStatus() const { return exit_status_; }

public slots:
    void bbGoClick();
    void bbCancelClick();
    void btnHelpClick();
    void sbInputClick();
    void edSourceFolderChange();
    void TimerAutoStartTimer();

protected:
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Esc: Exit is the cancel button.
    void reject() override;

private:
    friend class WindowRunHost;

    void FormCreate();
    void FormShow();
    void ConnectHandlers();
    void CentreOnScreen();
    void ApplyWidth();
    QCheckBox* CategoryBox(quill::Category category) const;
    // The controls a run locks while it loads and publishes, in locking order.
    std::array<QWidget*, 7> RunLockedControls() const;
    void SetRunLocked(bool locked);
    void ReportAirportLine(const QString& message);
    void FinishRun(std::size_t failures, std::size_t targets);
    void FailRun(const QString& message);

    std::unique_ptr<Ui::TfrmMain> ui;
    QStringList parameters_;
    std::array<QCheckBox*, quill::kTargetCount> target_boxes_{};
    QTimer* TimerAutoStart = nullptr;
    TfrmHelp* help_ = nullptr;
    std::string work_folder_;
    bool auto_run_ = false;
    bool shown_ = false;
    int outer_width_ = kWideWidth;
    int exit_status_ = 0;
};
