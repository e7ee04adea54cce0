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
#include <algorithm>
#include <vector>

#include "app/command_line.h"
#include "app/work_folder.h"
#include "app/error.h"
#include "convert/source_files.h"
#include "ui/artwork.h"
#include "ui/dialog_font.h"
#include "ui/help_window.h"
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

} // namespace

TfrmMain::TfrmMain(QStringList parameters, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TfrmMain>()), parameters_(std::move(parameters)) {
    ui->setupUi(this);
    UseDialogFont(this);
    setWindowTitle(QStringLiteral("Quillstrom (Navigraph) - V" QUILL_VERSION));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(kWideWidth, kClientHeight);
    setWindowIcon(SatelliteIcon());
    ui->sbInput->setIcon(FolderIcon());
    ui->bbGo->setIcon(TickIcon());
    ui->bbCancel->setIcon(CrossIcon());
    ui->StatusBar1->addWidget(
        new QLabel(tr("Orvanel - navigation database updates for Orvanel avionics")));
    ui->lbProgress->setItemDelegate(new ProgressLineDelegate(ui->lbProgress));
    ui->lbProgress->setUniformItemSizes(true);

    for (std::size_t row = 0; row < quill::kTargetCount; ++row) {
        const QString name = QString::fromLatin1(quill::TargetTable[row].check_box);
        target_boxes_[row] = findChild<QCheckBox*>(name);
    }
    TimerAutoStart = new QTimer(this);
    TimerAutoStart->setObjectName(QStringLiteral("TimerAutoStart"));
    TimerAutoStart->setSingleShot(true);
    TimerAutoStart->setInterval(kAutoStartDelayMs);
    ConnectHandlers();
    FormCreate();
}

TfrmMain::~TfrmMain() = default;

// Every change of a checked state re-evaluates RUN, whether the user or the
// program made it.
void TfrmMain::ConnectHandlers() {
    for (QCheckBox* box : target_boxes_)
        connect(box, &QCheckBox::toggled, this, &TfrmMain::UpdateRunButton);
    for (const quill::Category category : quill::kCategories) {
        connect(CategoryBox(category), &QCheckBox::toggled, this, &TfrmMain::UpdateRunButton);
    }
    connect(ui->edSourceFolder, &QLineEdit::textChanged, this, &TfrmMain::edSourceFolderChange);
    connect(ui->sbInput, &QToolButton::clicked, this, &TfrmMain::sbInputClick);
    connect(ui->btnHelp, &QPushButton::clicked, this, &TfrmMain::btnHelpClick);
    connect(ui->bbGo, &QPushButton::clicked, this, &TfrmMain::bbGoClick);
    connect(ui->bbCancel, &QPushButton::clicked, this, &TfrmMain::bbCancelClick);
    connect(TimerAutoStart, &QTimer::timeout, this, &TfrmMain::TimerAutoStartTimer);
}

void TfrmMain::SetHelpWindow(TfrmHelp* help) { help_ = help; }

void TfrmMain::FormCreate() { work_folder_ = quill::MakeWorkFolder(); }

void TfrmMain::showEvent(QShowEvent* event) {
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
    QDialog::showEvent(event);
}

void TfrmMain::FormShow() {
    auto_run_ = false;
    SetWindowWidth(kNarrowWidth);
    CentreOnScreen();
    const quill::StartOptions options = quill::ParseCommandLine(to_parameters(parameters_));
    if (options.folder) ui->edSourceFolder->setText(QString::fromStdString(*options.folder));
    auto_run_ = options.auto_run;
    if (options.left) {
        try {
            const quill::WindowPosition position = quill::ConvertPosition(options);
            move(position.left, position.top);
        } catch (const quill::Error& error) {
            QMessageBox::critical(this, QApplication::applicationName(),
                                  QString::fromStdString(error.message()));
            return;
        }
    }
    DetectTargetDatabases();
    DetectSourceFiles();
    if (auto_run_ && QFileInfo(ui->edSourceFolder->text()).isDir()) {
        ui->gbDatabasesFound->hide();
        TimerAutoStart->start();
    }
}

void TfrmMain::CentreOnScreen() {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QSize outer = frameGeometry().size();
    move(area.x() + (area.width() - outer.width()) / 2,
         area.y() + (area.height() - outer.height()) / 2);
}

void TfrmMain::SetWindowWidth(int outer_width) {
    outer_width_ = outer_width;
    ApplyWidth();
}

// The frame's width is known only once the window manager has framed the
// window, which it tells by moving it; the outer width is kept then.
void TfrmMain::ApplyWidth() {
    const int frame = frameGeometry().width() - width();
    if (frame + width() != outer_width_) setFixedSize(outer_width_ - frame, kClientHeight);
}

void TfrmMain::moveEvent(QMoveEvent* event) {
    QDialog::moveEvent(event);
    ApplyWidth();
}

std::string TfrmMain::SourceFolder() const {
    return QFile::encodeName(ui->edSourceFolder->text()).toStdString();
}

QCheckBox* TfrmMain::CategoryBox(quill::Category category) const {
    const std::array<QCheckBox*, quill::kCategoryCount> boxes{ui->cbAirports, ui->cbNavAids,
                                                              ui->cbWayPoints, ui->cbAirways};
    return boxes[quill::index_of(category)];
}

void TfrmMain::DetectTargetDatabases() {
    const quill::TargetSelection found = quill::DetectTargets();
    for (std::size_t row = 0; row < quill::kTargetCount; ++row)
        offer(target_boxes_[row], found[row], false);
    UpdateRunButton();
}

void TfrmMain::DetectSourceFiles() {
    const bool no_folder = ui->edSourceFolder->text().isEmpty();
    const std::string folder = SourceFolder();
    for (const quill::Category category : quill::kCategories) {
        const bool found = !no_folder && quill::source_exists(folder, quill::source_name(category));
        offer(CategoryBox(category), found, category == quill::Category::Airports);
    }
}

void TfrmMain::UpdateRunButton() {
    const auto checked = [](const QCheckBox* box) { return box->isChecked(); };
    const bool any_target = std::any_of(target_boxes_.begin(), target_boxes_.end(), checked);
    const bool any_category =
        std::any_of(quill::kCategories.begin(), quill::kCategories.end(),
                    [&](quill::Category c) { return checked(CategoryBox(c)); });
    ui->bbGo->setEnabled(any_target && any_category);
}

quill::TargetSelection TfrmMain::SelectedTargets() const {
    quill::TargetSelection selected{};
    for (std::size_t row = 0; row < quill::kTargetCount; ++row) {
        const QCheckBox* box = target_boxes_[row];
        selected[row] = enabled_by_itself(box) && box->isChecked();
    }
    return selected;
}

quill::CategorySelection TfrmMain::SelectedCategories() const {
    quill::CategorySelection selected{};
    for (const quill::Category category : quill::kCategories) {
        const QCheckBox* box = CategoryBox(category);
        const bool available =
            category == quill::Category::Airports ? !box->isHidden() : enabled_by_itself(box);
        selected[quill::index_of(category)] = available && box->isChecked();
    }
    return selected;
}

void TfrmMain::AddProgress(const QString& text) {
    ui->lbProgress->addItem(text);
    repaint();
}

void TfrmMain::edSourceFolderChange() {
    DetectSourceFiles();
    UpdateRunButton();
}

void TfrmMain::sbInputClick() {
    const QString folder = QFileDialog::getExistingDirectory(
        this, tr("Select Input Folder for Update Nav Files"), QString(), QFileDialog::ShowDirsOnly);
    if (!folder.isEmpty()) ui->edSourceFolder->setText(QDir::toNativeSeparators(folder));
}

void TfrmMain::btnHelpClick() {
    if (help_) help_->exec();
}

void TfrmMain::bbCancelClick() { close(); }

// Runs RUN whatever its enabled state: that governs only the user's clicks.
void TfrmMain::TimerAutoStartTimer() {
    TimerAutoStart->stop();
    bbGoClick();
}

void TfrmMain::reject() { ui->bbCancel->click(); }

// Closing goes straight through; the dialog's own close would route it
// through reject and so through Exit.
void TfrmMain::closeEvent(QCloseEvent* event) { event->accept(); }
