#include "window/controls.h"

namespace quill::window {

using C = Control;
using K = ControlKind;

const std::array<ControlEntry, kControlCount> kMainControls{{
    {C::FolderHeading, "folderHeading", K::Label, C::FolderHeading, {8, 8, 200, 16},
     "NAV Files Update Folder", true},
    {C::SourceFolder, "edSourceFolder", K::TextField, C::SourceFolder, {8, 27, 293, 21}, ""},
    {C::FolderButton, "sbInput", K::PictureButton, C::FolderButton, {307, 25, 23, 22}, "", false,
     Picture::Folder},
    {C::HelpButton, "btnHelp", K::Button, C::HelpButton, {345, 25, 33, 25}, "?"},
    {C::TargetGroup, "gbDatabasesFound", K::GroupBox, C::TargetGroup, {8, 67, 370, 198},
     "NAV Databases Found"},
    {C::Brannock2Heading, "brannock2Heading", K::Label, C::TargetGroup, {12, 22, 150, 16},
     "Brannock 2.X", true},
    {C::Brannock3Heading, "brannock3Heading", K::Label, C::TargetGroup, {187, 22, 150, 16},
     "Brannock 3.X", true},
    {C::SkelmarHeading, "skelmarHeading", K::Label, C::TargetGroup, {12, 128, 150, 16}, "Skelmar",
     true},
    {C::EfisBrannock, "cbEFISBrannock", K::CheckBox, C::TargetGroup, {12, 41, 167, 17},
     "EFIS Brannock Moving Map"},
    {C::MfdGps, "cbMFDGPS", K::CheckBox, C::TargetGroup, {12, 65, 128, 17}, "Brannock MFD GPS"},
    {C::EfisGps, "cbEFISGPS", K::CheckBox, C::TargetGroup, {12, 90, 129, 17}, "Brannock EFIS GPS"},
    {C::SkelmarConsole, "cbSkelmarConsole", K::CheckBox, C::TargetGroup, {12, 147, 112, 17},
     "Skelmar Console"},
    {C::SkelmarBuilder, "cbSkelmarBuilder", K::CheckBox, C::TargetGroup, {12, 170, 106, 17},
     "Skelmar Builder"},
    {C::EfisBrannock3, "cbEFISBrannock3", K::CheckBox, C::TargetGroup, {187, 41, 176, 17},
     "Brannock 3 EFIS Moving Map"},
    {C::MfdGps3, "cbMFDGPS3", K::CheckBox, C::TargetGroup, {187, 65, 137, 17}, "Brannock 3 MFD GPS"},
    {C::EfisGps3, "cbEFISGPS3", K::CheckBox, C::TargetGroup, {187, 90, 138, 17},
     "Brannock 3 EFIS GPS"},
    // The caption begins with a blank, as the product's own window has it.
    {C::CategoryGroup, "gbUpdatesFound", K::GroupBox, C::CategoryGroup, {8, 304, 370, 81},
     " Updates Found"},
    {C::NavAids, "cbNavAids", K::CheckBox, C::CategoryGroup, {12, 23, 63, 17}, "Nav Aids"},
    {C::Airways, "cbAirways", K::CheckBox, C::CategoryGroup, {118, 23, 59, 17}, "Airways"},
    {C::Airports, "cbAirports", K::CheckBox, C::CategoryGroup, {220, 23, 59, 17}, "Airports"},
    {C::Waypoints, "cbWayPoints", K::CheckBox, C::CategoryGroup, {12, 46, 72, 17}, "Waypoints"},
    {C::ProgressList, "lbProgress", K::List, C::ProgressList, {392, 27, 273, 407}, ""},
    {C::Run, "bbGo", K::Button, C::Run, {8, 408, 75, 25}, "RUN", false, Picture::Tick},
    {C::Exit, "bbCancel", K::Button, C::Exit, {303, 408, 75, 25}, "Exit", false, Picture::Cross},
    {C::StatusBar, "statusBar", K::StatusBar, C::StatusBar, {0, 451, 684, 19},
     "Orvanel - navigation database updates for Orvanel avionics"},
}};

const ControlEntry& entry(Control control) { return kMainControls[index_of(control)]; }

Control target_box(std::size_t row) {
    static constexpr std::array<Control, kTargetCount> boxes{
        C::SkelmarBuilder, C::SkelmarConsole, C::EfisBrannock, C::EfisGps,
        C::MfdGps,         C::EfisBrannock3,  C::EfisGps3,     C::MfdGps3};
    return boxes[row];
}

Control category_box(Category category) {
    static constexpr std::array<Control, kCategoryCount> boxes{C::Airports, C::NavAids,
                                                               C::Waypoints, C::Airways};
    return boxes[quill::index_of(category)];
}

using H = HelpControl;

const std::array<HelpEntry, kHelpControlCount> kHelpControls{{
    {H::Bevel, "textFrame", {8, 8, 571, 385}, ""},
    {H::Intro, "introText", {16, 24, 537, 33},
     "To update any Navigation Database, you need to purchase a Navigraph subscription to their "
     "Navdata product.",
     false, true},
    {H::DownloadHeading, "downloadHeading", {16, 80, 537, 25}, "How to download the update files",
     true},
    {H::Step1, "step1", {16, 111, 537, 25},
     "1. If you have a subscription, go to the Navigraph website and login."},
    {H::Step2, "step2", {16, 142, 537, 25}, "2. After logging in, select Downloads/Navdata."},
    {H::Step3, "step3", {16, 173, 537, 25},
     "3. Select Navdata Manual Installation. Browse all the way to the end of the list."},
    {H::Step4, "step4", {16, 204, 537, 35},
     "4. Select X-Plane 11 (11.50+) or X-Plane 12 and click on the [Windows] button to start the "
     "download.",
     false, true},
    {H::Step5, "step5", {16, 245, 537, 25},
     "5. The downloaded file will be in saved to your Downloads folder."},
    {H::Step6, "step6", {16, 276, 553, 37},
     "6. Use Windows Explorer to locate the Download folder and right click on the downloaded "
     "file (zip)",
     false, true},
    {H::Step7, "step7", {16, 319, 537, 26},
     "7. Select Extract All... and choose a destination folder and click on Extract.", false,
     true},
    {H::Step8, "step8", {16, 351, 537, 42},
     "8. Now you can use this program to update your GPS database files. Choose the folder you "
     "extracted the files into as the NAV Files Update Folder.",
     false, true},
    {H::Done, "bbDone", {256, 416, 75, 25}, "Done"},
}};

} // namespace quill::window
