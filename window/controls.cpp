// The control tables of the main window and the help window, and the boxes that stand for
// product rows and categories.
#include "window/controls.h"

#include <algorithm>

#include "app/target_table.h"

namespace quill::window {

using C = Control;
using K = ControlKind;

const std::array<ControlEntry, kControlCount> kMainControls{{
    {{"folder_heading", K::Label, {8, 8, 200, 16}, "NAV Files Update Folder", true},
     C::FolderHeading},
    {{"source_folder", K::TextField, {8, 27, 293, 21}}, C::SourceFolder},
    {{"folder_button", K::PictureButton, {307, 25, 23, 22}, "", false, false, Picture::Folder},
     C::FolderButton},
    {{"help_button", K::Button, {345, 25, 33, 25}, "?"}, C::HelpButton},
    {{"target_group", K::GroupBox, {8, 67, 370, 198}, "NAV Databases Found"}, C::TargetGroup},
    {{"brannock2_heading", K::Label, {12, 22, 150, 16}, "Brannock 2.X", true},
     C::Brannock2Heading,
     C::TargetGroup},
    {{"brannock3_heading", K::Label, {187, 22, 150, 16}, "Brannock 3.X", true},
     C::Brannock3Heading,
     C::TargetGroup},
    {{"skelmar_heading", K::Label, {12, 128, 150, 16}, "Skelmar", true},
     C::SkelmarHeading,
     C::TargetGroup},
    {{"efis_brannock", K::CheckBox, {12, 41, 167, 17}, "EFIS Brannock Moving Map"},
     C::EfisBrannock,
     C::TargetGroup},
    {{"mfd_gps", K::CheckBox, {12, 65, 128, 17}, "Brannock MFD GPS"}, C::MfdGps, C::TargetGroup},
    {{"efis_gps", K::CheckBox, {12, 90, 129, 17}, "Brannock EFIS GPS"}, C::EfisGps, C::TargetGroup},
    {{"skelmar_console", K::CheckBox, {12, 147, 112, 17}, "Skelmar Console"},
     C::SkelmarConsole,
     C::TargetGroup},
    {{"skelmar_builder", K::CheckBox, {12, 170, 106, 17}, "Skelmar Builder"},
     C::SkelmarBuilder,
     C::TargetGroup},
    {{"efis_brannock3", K::CheckBox, {187, 41, 176, 17}, "Brannock 3 EFIS Moving Map"},
     C::EfisBrannock3,
     C::TargetGroup},
    {{"mfd_gps3", K::CheckBox, {187, 65, 137, 17}, "Brannock 3 MFD GPS"},
     C::MfdGps3,
     C::TargetGroup},
    {{"efis_gps3", K::CheckBox, {187, 90, 138, 17}, "Brannock 3 EFIS GPS"},
     C::EfisGps3,
     C::TargetGroup},
    // The caption begins with a blank, as the product's own window has it.
    {{"category_group", K::GroupBox, {8, 304, 370, 81}, " Updates Found"}, C::CategoryGroup},
    {{"nav_aids", K::CheckBox, {12, 23, 63, 17}, "Nav Aids"}, C::NavAids, C::CategoryGroup},
    {{"airways", K::CheckBox, {118, 23, 59, 17}, "Airways"}, C::Airways, C::CategoryGroup},
    {{"airports", K::CheckBox, {220, 23, 59, 17}, "Airports"}, C::Airports, C::CategoryGroup},
    {{"waypoints", K::CheckBox, {12, 46, 72, 17}, "Waypoints"}, C::Waypoints, C::CategoryGroup},
    {{"progress_list", K::List, {392, 27, 273, 407}}, C::ProgressList},
    {{"run", K::Button, {8, 408, 75, 25}, "RUN", false, false, Picture::Tick}, C::Run},
    {{"exit", K::DefaultButton, {303, 408, 75, 25}, "Exit", false, false, Picture::Cross}, C::Exit},
    {{"status_bar",
      K::StatusBar,
      {0, 451, 684, 19},
      "Orvanel - navigation database updates for Orvanel avionics"},
     C::StatusBar},
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

bool is_button(Control control) {
    const ControlKind kind = entry(control).kind;
    return kind == K::Button || kind == K::DefaultButton || kind == K::PictureButton;
}

Control default_button() {
    return std::ranges::find(kMainControls, K::DefaultButton, &ControlEntry::kind)->id;
}

using H = HelpControl;

const std::array<HelpEntry, kHelpControlCount> kHelpControls{{
    {{"bevel", K::Bevel, {8, 8, 571, 385}}, H::Bevel},
    {{"intro",
      K::Label,
      {16, 24, 537, 33},
      "To update any Navigation Database, you need to purchase a Navigraph subscription to their "
      "Navdata product.",
      false,
      true},
     H::Intro},
    {{"download_heading", K::Label, {16, 80, 537, 25}, "How to download the update files", true},
     H::DownloadHeading},
    {{"step1",
      K::Label,
      {16, 111, 537, 25},
      "1. If you have a subscription, go to the Navigraph website and login."},
     H::Step1},
    {{"step2", K::Label, {16, 142, 537, 25}, "2. After logging in, select Downloads/Navdata."},
     H::Step2},
    {{"step3",
      K::Label,
      {16, 173, 537, 25},
      "3. Select Navdata Manual Installation. Browse all the way to the end of the list."},
     H::Step3},
    {{"step4",
      K::Label,
      {16, 204, 537, 35},
      "4. Select X-Plane 11 (11.50+) or X-Plane 12 and click on the [Windows] button to start "
      "the download.",
      false,
      true},
     H::Step4},
    {{"step5",
      K::Label,
      {16, 245, 537, 25},
      "5. The downloaded file will be in saved to your Downloads folder."},
     H::Step5},
    {{"step6",
      K::Label,
      {16, 276, 553, 37},
      "6. Use Windows Explorer to locate the Download folder and right click on the downloaded "
      "file (zip)",
      false,
      true},
     H::Step6},
    {{"step7",
      K::Label,
      {16, 319, 537, 26},
      "7. Select Extract All... and choose a destination folder and click on Extract.",
      false,
      true},
     H::Step7},
    {{"step8",
      K::Label,
      {16, 351, 537, 42},
      "8. Now you can use this program to update your GPS database files. Choose the folder you "
      "extracted the files into as the NAV Files Update Folder.",
      false,
      true},
     H::Step8},
    {{"done", K::DefaultButton, {256, 416, 75, 25}, "Done", false, false, Picture::Tick}, H::Done},
}};

} // namespace quill::window
