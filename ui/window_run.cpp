#include "ui/window_run.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <iostream>

#include "app/error.h"
#include "run/target_databases.h"
#include "run/update_run.h"
#include "ui/main_window.h"

namespace {

void restore_every_cursor() {
    while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
}

// RUN and Exit are locked and the cursor busy while a converter works; a
// failure leaves both to the run's own ending.
template <typename Conversion>
void in_converter_frame(MainWindow& window, Conversion&& conversion) {
    window.runButton()->setEnabled(false);
    window.exitButton()->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    conversion();
    window.runButton()->setEnabled(true);
    window.exitButton()->setEnabled(true);
    QApplication::restoreOverrideCursor();
}

} // namespace

// The run's view of the window: the selection as the boxes show it at the
// moment asked, and the progress list.
class WindowRun::Host : public quill::RunHost {
public:
    explicit Host(WindowRun& run) : run_(run), window_(run.window_) {}

    std::string source_folder() override { return window_.sourceFolder(); }
    bool category_selected(quill::Category category) override {
        return window_.selectedCategories()[quill::index_of(category)];
    }
    quill::TargetSelection targets_selected() override { return window_.selectedTargets(); }
    void progress(const std::string& line) override {
        window_.addProgress(QString::fromStdString(line));
    }
    void airport_line_error(const std::string& message) override {
        run_.reportAirportLine(QString::fromStdString(message));
    }
    void category_starting(quill::Category) override {
        window_.setOuterWidth(MainWindow::kWideWidth);
    }
    void convert(quill::Category category, const std::string& work_folder) override {
        in_converter_frame(window_, [&] { RunHost::convert(category, work_folder); });
    }
    void loading_starting() override {
        run_.setLocked(true);
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }

private:
    WindowRun& run_;
    MainWindow& window_;
};

void WindowRun::start() {
    window_.clearProgress();
    Host host(*this);
    quill::RunOptions options;
    options.work_folder = window_.workFolder();
    try {
        const std::size_t targets = quill::count_selected(window_.selectedTargets());
        const quill::RunOutcome outcome = quill::RunUpdate(host, options);
        if (outcome.categories_ran) finish(outcome.failures.size(), targets);
    } catch (const quill::Error& error) {
        fail(QString::fromStdString(error.display()));
    } catch (const std::exception& error) {
        fail(QString::fromLocal8Bit(error.what()));
    }
}

void WindowRun::reportAirportLine(const QString& message) {
    if (window_.autoRun()) {
        window_.addProgress(message);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), message,
                    QMessageBox::Ok, &window_);
    box.exec();
}

// Locks in the order of the list; unlocks RUN and Exit first, then the rest.
void WindowRun::setLocked(bool locked) {
    const auto controls = window_.runLockedControls();
    if (locked) {
        for (QWidget* control : controls) control->setEnabled(false);
        return;
    }
    window_.runButton()->setEnabled(true);
    window_.exitButton()->setEnabled(true);
    for (std::size_t i = 0; i < controls.size() - 2; ++i) controls[i]->setEnabled(true);
}

void WindowRun::finish(std::size_t failures, std::size_t targets) {
    QApplication::restoreOverrideCursor();
    if (!window_.autoRun() && failures == 0) {
        QMessageBox::information(&window_, QApplication::applicationName(),
                                 QStringLiteral("Update Complete!"));
    } else if (!window_.autoRun()) {
        QMessageBox::warning(&window_, QApplication::applicationName(),
                             QStringLiteral("%1 of the %2 selected product databases could not "
                                            "be updated. The progress list says why.")
                                 .arg(failures)
                                 .arg(targets));
    }
    window_.setOuterWidth(MainWindow::kNarrowWidth);
    setLocked(false);
    if (window_.autoRun()) {
        exit_status_ = failures == 0 ? quill::kSuccess : quill::kSomeNotUpdated;
        window_.exitProgram();
    }
}

// The window stays wide so that the progress lines can still be read. An
// unattended run has nobody to answer a box: its calling program reads the
// message from standard error and the status.
void WindowRun::fail(const QString& message) {
    restore_every_cursor();
    setLocked(false);
    if (!window_.autoRun()) {
        QMessageBox::critical(&window_, QApplication::applicationName(), message);
        return;
    }
    window_.addProgress(message);
    std::cerr << message.toStdString() << std::endl;
    exit_status_ = quill::kFailed;
    window_.exitProgram();
}
