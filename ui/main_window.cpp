#include "ui/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cstdint>
#include <vector>

#include "app/command_line.h"
#include "app/error.h"
#include "app/work_folder.h"
#include "convert/source_files.h"
#include "ui/artwork.h"
#include "ui/dialog_font.h"
#include "ui/help_window.h"
#include "ui/window_run.h"
#include "ui_main_window.h"

namespace {

constexpr int kClientHeight = 470;
constexpr int kProgressLineHeight = 13;
constexpr int kAutoStartDelayMs = 1000;

// Progress lines are packed at a fixed height whatever the font.
class ProgressLineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), kProgressLineHeight};
    }
};

// Shows or hides the box, or enables or disables it.
void set_available(QCheckBox* box, bool available, bool by_hiding) {
    if (by_hiding) {
        box->setVisible(available);
    } else {
        box->setEnabled(available);
    }
}

// A box whose file exists is offered and checked; otherwise it is unchecked
// first, then taken away.
void offer(QCheckBox* box, bool available, bool by_hiding) {
    if (available) set_available(box, true, by_hiding);
    box->setChecked(available);
    if (!available) set_available(box, false, by_hiding);
}

// The box's own flag: a disabled group leaves it unset.
bool enabled_by_itself(const QWidget* widget) {
    return !widget->testAttribute(Qt::WA_ForceDisabled);
}

std::vector<std::string> to_parameters(const QStringList& list) {
    std::vector<std::string> parameters;
    for (const QString& text : list) parameters.push_back(text.toStdString());
    return parameters;
}

// What the window manager has put around the window so far; nothing before
// the window is framed.
QMargins frame_of(const QWidget* window) {
    const QWindow* handle = window->windowHandle();
    return handle ? handle->frameMargins() : QMargins();
}

} // namespace

MainWindow::MainWindow(QStringList parameters, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::MainWindow>()),
      run_(std::make_unique<WindowRun>(*this)), parameters_(std::move(parameters)) {
    ui->setupUi(this);
    UseDialogFont(this);
    setWindowTitle(QStringLiteral("Quillstrom (Navigraph) - V" QUILL_VERSION));
    // A fixed border: the system menu and close only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(kWideWidth, kClientHeight);
    setWindowIcon(SatelliteIcon());
    ui->sbInput->setIcon(FolderIcon());
    ui->bbGo->setIcon(TickIcon());
    ui->bbCancel->setIcon(CrossIcon());
    ui->statusBar->addWidget(
        new QLabel(tr("Orvanel - navigation database updates for Orvanel avionics")));
    ui->lbProgress->setItemDelegate(new ProgressLineDelegate(ui->lbProgress));
    ui->lbProgress->setUniformItemSizes(true);

    for (std::size_t row = 0; row < quill::kTargetCount; ++row) {
        const QString name = QString::fromLatin1(quill::TargetTable[row].check_box);
        target_boxes_[row] = findChild<QCheckBox*>(name);
    }
    auto_start_timer_ = new QTimer(this);
    auto_start_timer_->setObjectName(QStringLiteral("autoStartTimer"));
    auto_start_timer_->setSingleShot(true);
    auto_start_timer_->setInterval(kAutoStartDelayMs);
    connectHandlers();
    work_folder_ = quill::MakeWorkFolder();
}

MainWindow::~MainWindow() = default;

// Every change of a checked state re-evaluates RUN, whether the user or the
// program made it.
void MainWindow::connectHandlers() {
    for (QCheckBox* box : target_boxes_)
        connect(box, &QCheckBox::toggled, this, &MainWindow::updateRunButton);
    for (const quill::Category category : quill::kCategories) {
        connect(categoryBox(category), &QCheckBox::toggled, this, &MainWindow::updateRunButton);
    }
    connect(ui->edSourceFolder, &QLineEdit::textChanged, this, &MainWindow::sourceFolderChanged);
    connect(ui->sbInput, &QToolButton::clicked, this, &MainWindow::chooseFolder);
    connect(ui->btnHelp, &QPushButton::clicked, this, &MainWindow::showHelp);
    connect(ui->bbGo, &QPushButton::clicked, this, &MainWindow::run);
    connect(ui->bbCancel, &QPushButton::clicked, this, &MainWindow::exitProgram);
    connect(auto_start_timer_, &QTimer::timeout, this, &MainWindow::autoStart);
}

void MainWindow::setHelpWindow(HelpWindow* help) { help_ = help; }

int MainWindow::exitStatus() const { return run_->exitStatus(); }

// The window manager frames the window after it is shown and tells of it in
// a move, a resize or the activation, in an order of its own.
bool MainWindow::event(QEvent* event) {
    if (event->type() == QEvent::Show && !shown_) {
        shown_ = true;
        firstShown();
    }
    const bool handled = QDialog::event(event);
    const QEvent::Type type = event->type();
    if (type == QEvent::Move || type == QEvent::Resize || type == QEvent::WindowActivate)
        fitToFrame();
    return handled;
}

// An X window manager reports the frame it has put around the window in a
// property of the window; the toolkit reads it only after this handler, so
// the frame is looked at again once the event has been handled.
bool MainWindow::nativeEvent(const QByteArray& type, void* message, qintptr* result) {
    constexpr std::uint8_t kPropertyNotify = 28; // XCB_PROPERTY_NOTIFY
    if (type == "xcb_generic_event_t" &&
        (*static_cast<const std::uint8_t*>(message) & 0x7f) == kPropertyNotify) {
        QMetaObject::invokeMethod(this, &MainWindow::fitToFrame, Qt::QueuedConnection);
    }
    return QDialog::nativeEvent(type, message, result);
}

void MainWindow::firstShown() {
    auto_run_ = false;
    setOuterWidth(kNarrowWidth);
    const quill::StartOptions options = quill::ParseCommandLine(to_parameters(parameters_));
    if (options.folder) ui->edSourceFolder->setText(QString::fromStdString(*options.folder));
    auto_run_ = options.auto_run;
    if (!options.left) {
        requestPlacement(std::nullopt);
    } else {
        try {
            const quill::WindowPosition position = quill::ConvertPosition(options);
            requestPlacement(QPoint(position.left, position.top));
        } catch (const quill::Error& error) {
            requestPlacement(std::nullopt);
            QMessageBox::critical(this, QApplication::applicationName(),
                                  QString::fromStdString(error.message()));
            return;
        }
    }
    detectTargetDatabases();
    detectSourceFiles();
    if (auto_run_ && QFileInfo(ui->edSourceFolder->text()).isDir()) {
        ui->gbDatabasesFound->hide();
        auto_start_timer_->start();
    }
}

void MainWindow::requestPlacement(std::optional<QPoint> corner) {
    placing_ = true;
    requested_corner_ = corner;
    placed_for_.reset();
    fitToFrame();
}

void MainWindow::setOuterWidth(int outer_width) {
    outer_width_ = outer_width;
    // The list lies beyond the left column, and a frame thinner than the
    // designed one would leave a strip of it inside the narrow window.
    ui->lbProgress->setVisible(outer_width >= kWideWidth);
    fitToFrame();
}

void MainWindow::fitToFrame() {
    const QMargins frame = frame_of(this);
    const int client_width = outer_width_ - frame.left() - frame.right();
    if (width() != client_width) setFixedSize(client_width, kClientHeight);
    if (placing_ && placed_for_ != frame) {
        placed_for_ = frame;
        place(frame);
    }
}

// Placed by its client area: the widget's own idea of its frame can lag
// behind the window manager's.
void MainWindow::place(const QMargins& frame) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QSize outer = size().grownBy(frame);
    const QPoint centred(area.x() + (area.width() - outer.width()) / 2,
                         area.y() + (area.height() - outer.height()) / 2);
    const QPoint corner = requested_corner_.value_or(centred);
    setGeometry(QRect(corner + QPoint(frame.left(), frame.top()), size()));
}

std::string MainWindow::sourceFolder() const {
    return QFile::encodeName(ui->edSourceFolder->text()).toStdString();
}

QCheckBox* MainWindow::categoryBox(quill::Category category) const {
    const std::array<QCheckBox*, quill::kCategoryCount> boxes{ui->cbAirports, ui->cbNavAids,
                                                              ui->cbWayPoints, ui->cbAirways};
    return boxes[quill::index_of(category)];
}

void MainWindow::detectTargetDatabases() {
    const quill::TargetSelection found = quill::DetectTargets();
    for (std::size_t row = 0; row < quill::kTargetCount; ++row)
        offer(target_boxes_[row], found[row], false);
    updateRunButton();
}

void MainWindow::detectSourceFiles() {
    const bool no_folder = ui->edSourceFolder->text().isEmpty();
    const std::string folder = sourceFolder();
    for (const quill::Category category : quill::kCategories) {
        const bool found = !no_folder && quill::source_exists(folder, quill::source_name(category));
        offer(categoryBox(category), found, category == quill::Category::Airports);
    }
}

void MainWindow::updateRunButton() {
    const auto checked = [](const QCheckBox* box) { return box->isChecked(); };
    const bool any_target = std::any_of(target_boxes_.begin(), target_boxes_.end(), checked);
    const bool any_category =
        std::any_of(quill::kCategories.begin(), quill::kCategories.end(),
                    [&](quill::Category c) { return checked(categoryBox(c)); });
    ui->bbGo->setEnabled(any_target && any_category);
}

quill::TargetSelection MainWindow::selectedTargets() const {
    quill::TargetSelection selected{};
    for (std::size_t row = 0; row < quill::kTargetCount; ++row) {
        const QCheckBox* box = target_boxes_[row];
        selected[row] = enabled_by_itself(box) && box->isChecked();
    }
    return selected;
}

quill::CategorySelection MainWindow::selectedCategories() const {
    quill::CategorySelection selected{};
    for (const quill::Category category : quill::kCategories) {
        const QCheckBox* box = categoryBox(category);
        const bool available =
            category == quill::Category::Airports ? !box->isHidden() : enabled_by_itself(box);
        selected[quill::index_of(category)] = available && box->isChecked();
    }
    return selected;
}

void MainWindow::addProgress(const QString& text) {
    ui->lbProgress->addItem(text);
    repaint();
}

void MainWindow::clearProgress() {
    ui->lbProgress->clear();
    repaint();
}

QPushButton* MainWindow::runButton() const { return ui->bbGo; }

QPushButton* MainWindow::exitButton() const { return ui->bbCancel; }

std::array<QWidget*, MainWindow::kRunLockedCount> MainWindow::runLockedControls() const {
    return {ui->edSourceFolder, ui->sbInput, ui->btnHelp, ui->gbDatabasesFound,
            ui->gbUpdatesFound, ui->bbGo,    ui->bbCancel};
}

void MainWindow::sourceFolderChanged() {
    detectSourceFiles();
    updateRunButton();
}

// The platform's folder tree, opened in the user's home folder rather than
// the program's working folder, with no folder selected; read-only, so that
// it offers no new folder where the platform's chooser allows leaving it out.
void MainWindow::chooseFolder() {
    const QString folder = QFileDialog::getExistingDirectory(
        this, tr("Select Input Folder for Update Nav Files"), QDir::homePath(),
        QFileDialog::ShowDirsOnly | QFileDialog::ReadOnly);
    if (!folder.isEmpty()) ui->edSourceFolder->setText(QDir::toNativeSeparators(folder));
}

void MainWindow::showHelp() {
    if (help_) help_->exec();
}

void MainWindow::run() { run_->start(); }

void MainWindow::exitProgram() { close(); }

// Runs RUN whatever its enabled state: that governs only the user's clicks.
void MainWindow::autoStart() {
    auto_start_timer_->stop();
    run();
}

void MainWindow::reject() { ui->bbCancel->click(); }

// Closing goes straight through; the dialog's own close would route it
// through reject and so through Exit.
void MainWindow::closeEvent(QCloseEvent* event) { event->accept(); }
