#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <ostream>

#include "main_window_fixture.h"

namespace quill::test {
namespace {

struct KeyCase {
    int key;
    const char* focus;
};

void PrintTo(const KeyCase& c, std::ostream* out) { *out << "key " << c.key << " in " << c.focus; }

class ExitKeyTest : public MainWindowTest, public testing::WithParamInterface<KeyCase> {};

TEST_P(ExitKeyTest, ClosesTheWindowAndSoTheProgram) {
    MainWindow& window = open();
    bool program_ends = false;
    QObject::connect(qApp, &QGuiApplication::lastWindowClosed, [&] { program_ends = true; });
    QTimer::singleShot(0, [&] { press_key(find<QWidget>(GetParam().focus), GetParam().key); });
    QTimer::singleShot(5000, &window, &QCoreApplication::quit); // only if the window stays open

    QApplication::exec();

    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(program_ends);
}

INSTANTIATE_TEST_SUITE_P(Keys, ExitKeyTest,
                         testing::Values(KeyCase{Qt::Key_Escape, "edSourceFolder"},
                                         KeyCase{Qt::Key_Return, "edSourceFolder"},
                                         KeyCase{Qt::Key_Enter, "lbProgress"},
                                         KeyCase{Qt::Key_Escape, "lbProgress"}));

TEST_F(MainWindowTest, TabOrderRunsFromRunToHelp) {
    open();
    QStringList order;
    QWidget* widget = find<QWidget>("bbGo");
    do {
        if (widget->focusPolicy() & Qt::TabFocus) order << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != find<QWidget>("bbGo"));

    const QStringList expected{
        "bbGo",       "bbCancel",         "edSourceFolder",   "cbEFISBrannock",  "cbMFDGPS",
        "cbEFISGPS",  "cbSkelmarConsole", "cbSkelmarBuilder", "cbEFISBrannock3", "cbMFDGPS3",
        "cbEFISGPS3", "cbAirports",       "cbNavAids",        "cbWayPoints",     "cbAirways",
        "lbProgress", "btnHelp"};
    EXPECT_EQ(order, expected);
}

TEST_F(MainWindowTest, TheFolderChooserOffersFoldersOnly) {
    open();
    QString title;
    bool folders_only = false;
    bool no_new_folder = false;
    QString starts_in;
    answer_next_modal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (dialog) {
            title = dialog->windowTitle();
            folders_only = dialog->fileMode() == QFileDialog::Directory &&
                           dialog->testOption(QFileDialog::ShowDirsOnly);
            no_new_folder = dialog->testOption(QFileDialog::ReadOnly);
            starts_in = dialog->directory().absolutePath();
        }
        modal->close();
    });

    const QString working_folder = QDir::currentPath();
    QDir::setCurrent(cycle());
    find<QToolButton>("sbInput")->click();
    QDir::setCurrent(working_folder);

    EXPECT_EQ(title, "Select Input Folder for Update Nav Files");
    EXPECT_TRUE(folders_only);
    EXPECT_TRUE(no_new_folder);
    EXPECT_NE(starts_in, cycle()) << "not in the program's working folder";
    EXPECT_TRUE(find<QLineEdit>("edSourceFolder")->text().isEmpty()) << "cancelled";
}

TEST_F(MainWindowTest, AChosenFolderIsDetected) {
    add_all_sources();
    open();
    answer_next_modal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->setDirectory(cycle());
        dialog->selectFile(cycle());
        QMetaObject::invokeMethod(dialog, "accept");
    });

    find<QToolButton>("sbInput")->click();

    EXPECT_EQ(find<QLineEdit>("edSourceFolder")->text(), QDir::toNativeSeparators(cycle()));
    EXPECT_TRUE(find("cbAirports")->isChecked());
}

TEST_F(MainWindowTest, ProgressLinesAreAppendedAtThirteenPixels) {
    MainWindow& window = open();
    window.addProgress("Converting Airports...");
    window.addProgress(" ");

    auto* list = find<QListWidget>("lbProgress");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), "Converting Airports...");
    EXPECT_EQ(list->item(1)->text(), " ");
    EXPECT_EQ(list->sizeHintForRow(0), 13);
}

TEST_F(MainWindowTest, WideningShowsTheProgressList) {
    MainWindow& window = open();
    const QWidget* list = find<QWidget>("lbProgress");
    EXPECT_GT(list->geometry().right(), window.width()) << "narrow: beyond the right edge";
    window.setOuterWidth(MainWindow::kWideWidth);
    EXPECT_EQ(window.frameGeometry().width(), MainWindow::kWideWidth);
    EXPECT_LT(list->geometry().right(), window.width());
}

} // namespace
} // namespace quill::test
