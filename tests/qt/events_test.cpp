// What the user does in the Qt main window reaches the model, and what the model decides is
// drawn: typed folders, clicked boxes, keys, the folder chooser, and each box's own state.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>
#include <ostream>

#include "main_window_fixture.h"

namespace quill::test {
namespace {

using window::Control;

// Only a folder with the fix file: Airports is taken away by hiding its box, Nav Aids by
// disabling it, Waypoints is offered; with a product installed RUN can be pressed, until the
// only category is unchecked.
TEST_F(MainWindowTest, ATypedFolderAndAClickedBoxAreDrawnAsTheModelDecides) {
    install_product(0);
    add_source("earth_fix.dat");
    open();
    ASSERT_FALSE(find(Control::Run)->isEnabled());

    find<QLineEdit>(Control::SourceFolder)->setText(cycle());
    EXPECT_TRUE(find(Control::Airports)->isHidden());
    EXPECT_FALSE(find(Control::NavAids)->isEnabled());
    EXPECT_TRUE(find<QCheckBox>(Control::Waypoints)->isChecked());
    EXPECT_TRUE(find(Control::Run)->isEnabled());

    find<QCheckBox>(Control::Waypoints)->click();
    EXPECT_FALSE(find<QCheckBox>(Control::Waypoints)->isChecked());
    EXPECT_FALSE(find(Control::Run)->isEnabled());
}

// An unattended start hides the product group; the boxes in it keep their own
// states, which Qt shows hidden with their group.
TEST_F(MainWindowTest, ABoxInAHiddenGroupKeepsItsOwnState) {
    install_product(0);
    add_all_sources();
    open({cycle(), "start"});
    const auto* box = find<QCheckBox>(Control::SkelmarBuilder);
    EXPECT_TRUE(find(Control::TargetGroup)->isHidden());
    EXPECT_FALSE(box->isVisible());
    EXPECT_FALSE(box->isHidden());
    EXPECT_TRUE(box->isChecked());
    EXPECT_TRUE(box->isEnabled());
}

struct KeyCase {
    int key;
    Control focus;
};

void PrintTo(const KeyCase& c, std::ostream* out) {
    *out << "key " << c.key << " in " << window::entry(c.focus).name;
}

class ExitKeyTest : public MainWindowTest, public testing::WithParamInterface<KeyCase> {};

TEST_P(ExitKeyTest, ClosesTheWindowAndSoTheProgram) {
    MainWindow& window = open();
    bool program_ends = false;
    QObject::connect(qApp, &QGuiApplication::lastWindowClosed, [&] { program_ends = true; });
    QTimer::singleShot(0, [&] { press_key(find(GetParam().focus), GetParam().key); });
    QTimer::singleShot(5000, &window, &QCoreApplication::quit); // only if the window stays open

    QApplication::exec();

    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(program_ends);
}

INSTANTIATE_TEST_SUITE_P(Keys, ExitKeyTest,
                         testing::Values(KeyCase{Qt::Key_Escape, Control::SourceFolder},
                                         KeyCase{Qt::Key_Return, Control::SourceFolder},
                                         KeyCase{Qt::Key_Enter, Control::ProgressList},
                                         KeyCase{Qt::Key_Escape, Control::ProgressList}));

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
    find<QToolButton>(Control::FolderButton)->click();
    QDir::setCurrent(working_folder);

    EXPECT_EQ(title, "Select Input Folder for Update Nav Files");
    EXPECT_TRUE(folders_only);
    EXPECT_TRUE(no_new_folder);
    EXPECT_NE(starts_in, cycle()) << "not in the program's working folder";
    EXPECT_TRUE(find<QLineEdit>(Control::SourceFolder)->text().isEmpty()) << "cancelled";
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

    find<QToolButton>(Control::FolderButton)->click();

    EXPECT_EQ(find<QLineEdit>(Control::SourceFolder)->text(), QDir::toNativeSeparators(cycle()));
    EXPECT_TRUE(find<QCheckBox>(Control::Airports)->isChecked());
}

} // namespace
} // namespace quill::test
