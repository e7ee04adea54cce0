#include "ui/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QMessageBox>

#include "run/target_databases.h"
#include "run/update_run.h"
#include "convert/airport_converter.h"
#include "convert/airway_converter.h"
#include "app/error.h"
#include "convert/fix_converter.h"
#include "convert/navaid_converter.h"
#include "ui_main_window.h"

namespace {

enum ExitStatus { kDone = 0, kFailed = 1, kSomeNotUpdated = 2 };

// The busy cursor for the whole program while it lives.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

void restore_every_cursor() {
    while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
}

std::size_t count_selected(const quill::TargetSelection &selection) {
    std::size_t n = 0;
    for (bool selected : selection) n += selected;
    return n;
}

} // namespace

// The run's view of the window: the selection as the boxes show it at the
// moment asked, and the progress list.
class WindowRunHost : public quill::RunHost {
public:
    explicit WindowRunHost(TfrmMain &window) : window_(window) {}

    std::string source_folder() override { return window_.SourceFolder(); }
    bool category_selected(quill::Category category) override {
        return window_.SelectedCategories()[quill::index_of(category)];
    }
    quill::TargetSelection targets_selected() override { return window_.SelectedTargets(); }
    void progress(const std::string &line) override {
        window_.AddProgress(QString::fromStdString(line));
    }
    void airport_line_error(const std::string &message) override {
        window_.ReportAirportLine(QString::fromStdString(message));
    }
    void category_starting(quill::Category) override {
        window_.SetWindowWidth(TfrmMain::kWideWidth);
    }
    void convert(quill::Category category, const std::string &) override {
        switch (category) {
        case quill::Category::Airports: window_.ConvertAirports(); break;
        case quill::Category::NavAids: window_.ConvertNavaids(); break;
        case quill::Category::Waypoints: window_.ConvertFixes(); break;
        case quill::Category::Airways: window_.ConvertAirways(); break;
        }
    }
    void loading_starting() override {
        window_.SetRunLocked(true);
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }

private:
    TfrmMain &window_;
};

namespace {

// The converter frame of the window: RUN and Exit are locked and the cursor
// busy while a converter works; a failure leaves both to the run's handling.
template <typename Conversion>
void in_converter_frame(QPushButton *go, QPushButton *cancel, Conversion &&conversion) {
    go->setEnabled(false);
    cancel->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    conversion();
    go->setEnabled(true);
    cancel->setEnabled(true);
    QApplication::restoreOverrideCursor();
}

} // namespace

void TfrmMain::ConvertAirports() {
    in_converter_frame(ui->bbGo, ui->bbCancel, [this] {
        quill::ConvertAirports(SourceFolder(), work_folder_, [this](const std::string &message) {
            ReportAirportLine(QString::fromStdString(message));
        });
    });
}

void TfrmMain::ConvertNavaids() {
    in_converter_frame(ui->bbGo, ui->bbCancel,
                       [this] { quill::ConvertNavaids(SourceFolder(), work_folder_); });
}

void TfrmMain::ConvertFixes() {
    in_converter_frame(ui->bbGo, ui->bbCancel,
                       [this] { quill::ConvertFixes(SourceFolder(), work_folder_); });
}

void TfrmMain::ConvertAirways() {
    in_converter_frame(ui->bbGo, ui->bbCancel,
                       [this] { quill::ConvertAirways(SourceFolder(), work_folder_); });
}

// An unattended run must never wait for a click: its line errors go to the list.
void TfrmMain::ReportAirportLine(const QString &message) {
    if (auto_run_) {
        AddProgress(message);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), message,
                    QMessageBox::Ok, this);
    box.exec();
}

std::array<QWidget *, 7> TfrmMain::RunLockedControls() const {
    return {ui->edSourceFolder, ui->sbInput, ui->btnHelp, ui->gbDatabasesFound,
            ui->GroupBox2,      ui->bbGo,    ui->bbCancel};
}

// Locks in the order of the list; unlocks RUN and Exit first, then the rest.
void TfrmMain::SetRunLocked(bool locked) {
    const std::array<QWidget *, 7> controls = RunLockedControls();
    if (locked) {
        for (QWidget *control : controls) control->setEnabled(false);
        return;
    }
    ui->bbGo->setEnabled(true);
    ui->bbCancel->setEnabled(true);
    for (std::size_t i = 0; i < controls.size() - 2; ++i) controls[i]->setEnabled(true);
}

void TfrmMain::bbGoClick() {
    ui->lbProgress->clear();
    repaint();
    WindowRunHost host(*this);
    quill::RunOptions options;
    options.work_folder = work_folder_;
    try {
        const std::size_t targets = count_selected(SelectedTargets());
        const quill::RunOutcome outcome = quill::RunUpdate(host, options);
        if (outcome.categories_ran) FinishRun(outcome.failures.size(), targets);
    } catch (const quill::Error &error) {
        FailRun(QString::fromStdString(error.display()));
    } catch (const std::exception &error) {
        FailRun(QString::fromLocal8Bit(error.what()));
    }
}

void TfrmMain::FinishRun(std::size_t failures, std::size_t targets) {
    QApplication::restoreOverrideCursor();
    if (!auto_run_ && failures == 0) {
        QMessageBox::information(this, QApplication::applicationName(),
                                 QStringLiteral("Update Complete!"));
    } else if (!auto_run_) {
        QMessageBox::warning(this, QApplication::applicationName(),
                             QStringLiteral("%1 of the %2 selected product databases could not "
                                            "be updated. The progress list says why.")
                                 .arg(failures)
                                 .arg(targets));
    }
    SetWindowWidth(kNarrowWidth);
    SetRunLocked(false);
    if (auto_run_) {
        exit_status_ = failures == 0 ? kDone : kSomeNotUpdated;
        ui->bbCancel->click();
    }
}

// The window stays wide so that the progress lines can still be read.
void TfrmMain::FailRun(const QString &message) {
    QMessageBox::critical(this, QApplication::applicationName(), message);
    restore_every_cursor();
    SetRunLocked(false);
    if (auto_run_) {
        exit_status_ = kFailed;
        ui->bbCancel->click();
    }
}
