#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <ostream>
#include <vector>

#include "main_window_fixture.h"

namespace quill::test {
namespace {

enum class FolderText { Empty, Cycle, Missing };

struct SourceCase {
    const char* name;
    FolderText folder;
    std::vector<std::string> files;
    std::array<BoxState, 4> expected; // Airports, Nav Aids, Waypoints, Airways
};

void PrintTo(const SourceCase& c, std::ostream* out) { *out << c.name; }

constexpr BoxState kOffered{true, true};
constexpr BoxState kMissing{false, false};

class SourceDetectionTest : public MainWindowTest,
                            public testing::WithParamInterface<SourceCase> {};

TEST_P(SourceDetectionTest, OffersTheCategoriesWhoseFilesExist) {
    for (const std::string& file : GetParam().files) add_source(file);
    open();
    const QString text = GetParam().folder == FolderText::Empty   ? QString()
                         : GetParam().folder == FolderText::Cycle ? cycle()
                                                                  : cycle() + "/missing";
    find<QLineEdit>("edSourceFolder")->setText(text);

    const std::array<BoxState, 4> states{state_of(find("cbAirports")), state_of(find("cbNavAids")),
                                         state_of(find("cbWayPoints")),
                                         state_of(find("cbAirways"))};
    EXPECT_EQ(states, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, SourceDetectionTest,
    testing::Values(SourceCase{"empty text",
                               FolderText::Empty,
                               {"apt.dat"},
                               {kMissing, kMissing, kMissing, kMissing}},
                    SourceCase{"all four",
                               FolderText::Cycle,
                               {"apt.dat", "earth_nav.dat", "earth_fix.dat", "earth_awy.dat"},
                               {kOffered, kOffered, kOffered, kOffered}},
                    SourceCase{"any letter case",
                               FolderText::Cycle,
                               {"Apt.dat", "Earth_Nav.dat", "EARTH_FIX.DAT", "earth_Awy.dat"},
                               {kOffered, kOffered, kOffered, kOffered}},
                    SourceCase{"fixes only",
                               FolderText::Cycle,
                               {"earth_fix.dat"},
                               {kMissing, kMissing, kOffered, kMissing}},
                    SourceCase{"missing folder",
                               FolderText::Missing,
                               {"apt.dat"},
                               {kMissing, kMissing, kMissing, kMissing}}),
    [](const testing::TestParamInfo<SourceCase>& case_info) {
        std::string name = case_info.param.name;
        for (char& c : name) c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

TEST_F(MainWindowTest, EveryTextChangeDetectsAgain) {
    add_all_sources();
    open({cycle()});
    QCheckBox* airports = find("cbAirports");
    QLineEdit* folder = find<QLineEdit>("edSourceFolder");
    airports->setChecked(false);

    folder->setText(cycle());
    EXPECT_FALSE(airports->isChecked()) << "the same text is no change";

    folder->setText(cycle() + "x");
    folder->setText(cycle());
    EXPECT_TRUE(airports->isChecked());
}

TEST_F(MainWindowTest, DetectsTheInstalledTargets) {
    install_target(1);
    install_target(5);
    open();
    for (std::size_t row = 0; row < kTargetCount; ++row) {
        const bool installed = row == 1 || row == 5;
        EXPECT_EQ(state_of(find(TargetTable[row].check_box.data())),
                  (BoxState{installed, installed}))
            << TargetTable[row].check_box;
    }
}

TEST_F(MainWindowTest, RunNeedsACheckedTargetAndACheckedCategory) {
    install_target(0);
    add_all_sources();
    open({cycle()});
    QPushButton* run = find<QPushButton>("bbGo");
    EXPECT_TRUE(run->isEnabled());

    for (const char* name : {"cbAirports", "cbNavAids", "cbWayPoints", "cbAirways"}) {
        find(name)->setChecked(false);
    }
    EXPECT_FALSE(run->isEnabled());
    find("cbWayPoints")->setChecked(true);
    EXPECT_TRUE(run->isEnabled());
    find("cbSkelmarBuilder")->setChecked(false);
    EXPECT_FALSE(run->isEnabled());
}

TEST_F(MainWindowTest, RunStaysDisabledWithoutTargets) {
    add_all_sources();
    open({cycle()});
    EXPECT_FALSE(find<QPushButton>("bbGo")->isEnabled());
}

TEST_F(MainWindowTest, SelectionReadsEachBoxsOwnState) {
    install_target(0);
    install_target(3);
    add_all_sources();
    MainWindow& window = open({cycle()});

    find<QGroupBox>("gbDatabasesFound")->setEnabled(false);
    find<QGroupBox>("gbDatabasesFound")->hide();
    find<QGroupBox>("gbUpdatesFound")->setEnabled(false);
    find<QGroupBox>("gbUpdatesFound")->hide();

    const TargetSelection targets{true, false, false, true, false, false, false, false};
    EXPECT_EQ(window.selectedTargets(), targets);
    EXPECT_EQ(window.selectedCategories(), (CategorySelection{true, true, true, true}));
}

TEST_F(MainWindowTest, ABoxTakenAwayIsNotSelectedEvenWhenChecked) {
    add_source("earth_fix.dat");
    MainWindow& window = open({cycle()});

    find("cbAirports")->setChecked(true);
    find("cbNavAids")->setChecked(true);
    find("cbEFISGPS3")->setChecked(true);

    EXPECT_EQ(window.selectedCategories(), (CategorySelection{false, false, true, false}));
    EXPECT_EQ(window.selectedTargets(), TargetSelection{});
}

} // namespace
} // namespace quill::test
