// The Qt main window: its widgets from the control table, the model's state drawn on them, their
// events and keys handed to the model, and its frame and place under a window manager.
#include "qt/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QWindow>
#include <cstdint>

#include "qt/artwork.h"
#include "qt/dialog_font.h"
#include "qt/help_window.h"
#include "qt/table_widgets.h"
#include "window/placement.h"
#include "window/texts.h"

using quill::window::Control;
using quill::window::MainWindowState;
using quill::window::MessageKind;
using quill::window::Point;

namespace {

// Progress lines are packed at a fixed height whatever the font.
class ProgressLineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(),
                quill::window::kProgressLineHeight};
    }
};

QString text_of(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The widget's own flag: a disabled group leaves it unset.
bool enabled_by_itself(const QWidget* widget) {
    return !widget->testAttribute(Qt::WA_ForceDisabled);
}

// What the window manager has put around the window so far; nothing before
// the window is framed.
QMargins frame_of(const QWidget* window) {
    const QWindow* handle = window->windowHandle();
    return handle ? handle->frameMargins() : QMargins();
}

QMessageBox::Icon icon_of(MessageKind kind) {
    switch (kind) {
    case MessageKind::Plain: return QMessageBox::NoIcon;
    case MessageKind::Information: return QMessageBox::Information;
    case MessageKind::Warning: return QMessageBox::Warning;
    case MessageKind::Error: return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

std::vector<std::string> to_parameters(const QStringList& list) {
    std::vector<std::string> parameters;
    for (const QString& text : list) parameters.push_back(text.toStdString());
    return parameters;
}

} // namespace

MainWindow::MainWindow(QStringList parameters, QWidget* parent) : QDialog(parent) {
    use_dialog_font(this);
    makeWidgets();
    setWindowTitle(text_of(quill::window::kMainCaption));
    // A fixed border: the system menu and close only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(quill::window::kWideWidth, quill::window::kClientHeight);
    setWindowIcon(satellite_icon());
    help_ = new HelpWindow(this);

    auto_start_timer_ = new QTimer(this);
    auto_start_timer_->setObjectName(QStringLiteral("autoStartTimer"));
    auto_start_timer_->setSingleShot(true);
    quill::window::WindowView& view = *this;
    model_ = std::make_unique<quill::window::MainWindowModel>(view, to_parameters(parameters));
    connectControls();
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::widget(Control control) const {
    return widgets_[quill::window::index_of(control)];
}

// In the table's order, which makes each group before the controls in it, then Tab's order.
void MainWindow::makeWidgets() {
    for (const quill::window::ControlEntry& entry : quill::window::kMainControls) {
        QWidget* parent = entry.in_group() ? widget(entry.group) : this;
        widgets_[quill::window::index_of(entry.id)] = make_widget(entry, parent);
    }
    for (std::size_t i = 1; i < quill::window::kTabOrder.size(); ++i)
        setTabOrder(widget(quill::window::kTabOrder[i - 1]), widget(quill::window::kTabOrder[i]));
    auto* list = static_cast<QListWidget*>(widget(Control::ProgressList));
    list->setItemDelegate(new ProgressLineDelegate(list));
    list->setUniformItemSizes(true);
}

template <typename Event>
void MainWindow::forward(Event&& event) {
    if (!drawing_) event();
}

// Keys go to the model with the control they were typed in; the model knows
// which button Esc and Enter press.
void MainWindow::connectControls() {
    for (const quill::window::ControlEntry& entry : quill::window::kMainControls) {
        QWidget* control = widget(entry.id);
        control->installEventFilter(this);
        const Control id = entry.id;
        if (auto* box = qobject_cast<QCheckBox*>(control)) {
            connect(box, &QCheckBox::toggled, this,
                    [this, id](bool checked) { forward([&] { model_->box_set(id, checked); }); });
        } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            connect(button, &QAbstractButton::clicked, this,
                    [this, id] { forward([&] { model_->pressed(id); }); });
        }
    }
    connect(static_cast<QLineEdit*>(widget(Control::SourceFolder)), &QLineEdit::textChanged, this,
            [this](const QString& text) {
                forward([&] { model_->folder_edited(text.toStdString()); });
            });
    connect(auto_start_timer_, &QTimer::timeout, this, [this] { model_->timer_ticked(); });
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Escape) {
        model_->escape_pressed();
        return true;
    }
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return QDialog::eventFilter(watched, event);
    for (const quill::window::ControlEntry& entry : quill::window::kMainControls) {
        if (widget(entry.id) == watched) model_->enter_pressed(entry.id);
    }
    return true;
}

void MainWindow::draw(const MainWindowState& state) {
    drawing_ = true;
    auto* field = static_cast<QLineEdit*>(widget(Control::SourceFolder));
    if (field->text().toStdString() != state.folder_text)
        field->setText(QString::fromStdString(state.folder_text));
    drawControls(state);
    drawProgress(state);
    drawTimer(state.auto_start_armed);
    if (const int outer_width = quill::window::outer_width(state.width);
        outer_width != outer_width_) {
        outer_width_ = outer_width;
        fitToFrame();
    }
    drawBusy(state.busy);
    drawing_ = false;
    repaint();
}

// Each control's own state: Qt itself keeps a box in a disabled or hidden
// group disabled or hidden.
void MainWindow::drawControls(const MainWindowState& state) {
    for (const quill::window::ControlEntry& entry : quill::window::kMainControls) {
        QWidget* control = widget(entry.id);
        const quill::window::ControlState& own = state[entry.id];
        if (control->isHidden() == own.visible) control->setVisible(own.visible);
        if (enabled_by_itself(control) != own.enabled) control->setEnabled(own.enabled);
        auto* box = qobject_cast<QCheckBox*>(control);
        if (box && box->isChecked() != own.checked) box->setChecked(own.checked);
    }
}

void MainWindow::drawProgress(const MainWindowState& state) {
    auto* list = static_cast<QListWidget*>(widget(Control::ProgressList));
    const quill::window::ProgressChange change = progress_shown_.update(state);
    if (change.empty_first) list->clear();
    for (const std::string& line : change.added) list->addItem(QString::fromStdString(line));
}

void MainWindow::drawBusy(bool busy) {
    if (busy == busy_) return;
    busy_ = busy;
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

void MainWindow::drawTimer(bool armed) {
    if (armed && !auto_start_timer_->isActive())
        auto_start_timer_->start(quill::window::kStartDelay);
    if (!armed) auto_start_timer_->stop();
}

void MainWindow::show_message(MessageKind kind, const std::string& text) {
    QMessageBox box(icon_of(kind), text_of(quill::window::kApplicationName),
                    QString::fromStdString(text), QMessageBox::Ok, this);
    box.exec();
}

// The platform's folder tree, opened in the user's home folder rather than
// the program's working folder, with no folder selected; read-only, so that
// it offers no new folder where the platform's chooser allows leaving it out.
std::optional<std::string> MainWindow::choose_folder(const std::string& title) {
    const QString folder =
        QFileDialog::getExistingDirectory(this, QString::fromStdString(title), QDir::homePath(),
                                          QFileDialog::ShowDirsOnly | QFileDialog::ReadOnly);
    if (folder.isEmpty()) return std::nullopt;
    return QDir::toNativeSeparators(folder).toStdString();
}

// Qt centres a dialog on its parent at every showing unless the program has
// placed it.
Point MainWindow::show_help(const std::optional<Point>& place) {
    if (place) help_->move(place->x, place->y);
    help_->exec();
    return {help_->x(), help_->y()};
}

void MainWindow::close_window() { QDialog::close(); }

// The window manager frames the window after it is shown and tells of it in
// a move, a resize or the activation, in an order of its own.
bool MainWindow::event(QEvent* event) {
    if (event->type() == QEvent::Show && !shown_) {
        shown_ = true;
        model_->shown();
        const std::optional<Point> corner = model_->state().corner;
        requestPlacement(corner ? std::optional(QPoint(corner->x, corner->y)) : std::nullopt);
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

void MainWindow::requestPlacement(std::optional<QPoint> corner) {
    placing_ = true;
    requested_corner_ = corner;
    placed_for_.reset();
    fitToFrame();
}

void MainWindow::fitToFrame() {
    const QMargins frame = frame_of(this);
    const int client_width = outer_width_ - frame.left() - frame.right();
    if (width() != client_width) setFixedSize(client_width, quill::window::kClientHeight);
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
    const Point centred = quill::window::centred_in(
        {area.x(), area.y(), area.width(), area.height()}, outer.width(), outer.height());
    const QPoint corner = requested_corner_.value_or(QPoint(centred.x, centred.y));
    setGeometry(QRect(corner + QPoint(frame.left(), frame.top()), size()));
}

// Esc reaching the window itself.
void MainWindow::reject() { model_->escape_pressed(); }

// Closing goes straight through; the dialog's own close would route it
// through reject and so through Exit.
void MainWindow::closeEvent(QCloseEvent* event) { event->accept(); }
