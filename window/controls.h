// The two windows' controls as both views make and lay them out, from one table each: kind,
// name, place and size, text, font and picture, and the order in which Tab visits them.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "app/categories.h"

// Places and sizes are pixels at 96 dpi, relative to the group box for the controls inside one.

namespace quill::window {

enum class Control {
    FolderHeading,
    SourceFolder,
    FolderButton,
    HelpButton,
    TargetGroup,
    Brannock2Heading,
    Brannock3Heading,
    SkelmarHeading,
    EfisBrannock,
    MfdGps,
    EfisGps,
    SkelmarConsole,
    SkelmarBuilder,
    EfisBrannock3,
    MfdGps3,
    EfisGps3,
    CategoryGroup,
    NavAids,
    Airways,
    Airports,
    Waypoints,
    ProgressList,
    Run,
    Exit,
    StatusBar,
};
inline constexpr std::size_t kControlCount = 25;

inline constexpr std::size_t index_of(Control control) { return static_cast<std::size_t>(control); }

// A default button is the one Enter presses when no other button has the focus; a bevel is a
// sunken panel drawn beneath other controls.
enum class ControlKind {
    Label,
    TextField,
    PictureButton,
    Button,
    DefaultButton,
    GroupBox,
    CheckBox,
    List,
    StatusBar,
    Bevel
};

// Pixels at 96 dpi.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Rect&) const = default;
};

// The picture a button shows beside or instead of its text.
enum class Picture { None, Folder, Tick, Cross };

// What a view needs to make one control and lay it out, whichever window it lies in.
struct ControlLook {
    std::string_view name; // the control's own name, which the Qt view gives its widget
    ControlKind kind;
    Rect rect;
    std::string_view text = {};
    bool bold = false;
    bool wraps = false; // a label whose text breaks into lines
    Picture picture = Picture::None;
};

struct ControlEntry : ControlLook {
    Control id;
    Control group = id; // the group box it lies in; itself when it lies in the window

    bool in_group() const { return group != id; }
};

// In Control order, which is the order of making: a group comes before the controls in it.
extern const std::array<ControlEntry, kControlCount> kMainControls;
const ControlEntry& entry(Control control);

// The order in which Tab moves the focus; the folder button, the labels, the
// groups and the status bar take no focus.
inline constexpr std::array<Control, 17> kTabOrder{
    Control::Run,           Control::Exit,      Control::SourceFolder,   Control::EfisBrannock,
    Control::MfdGps,        Control::EfisGps,   Control::SkelmarConsole, Control::SkelmarBuilder,
    Control::EfisBrannock3, Control::MfdGps3,   Control::EfisGps3,       Control::Airports,
    Control::NavAids,       Control::Waypoints, Control::Airways,        Control::ProgressList,
    Control::HelpButton};

// The box of a target row (in the product table's order) and of a category.
Control target_box(std::size_t row);
Control category_box(Category category);

// Whether the control is pressed rather than typed in or checked.
bool is_button(Control control);
// The button Enter presses when no other button has the focus.
Control default_button();

// The main window: its client area as laid out, and its two outer widths,
// frame included. At the narrow width only the left column of controls,
// which ends at kLeftColumnRight, is meant to be seen.
inline constexpr int kClientWidth = 684;
inline constexpr int kClientHeight = 470;
inline constexpr int kNarrowWidth = 410;
inline constexpr int kWideWidth = 684;
inline constexpr int kLeftColumnRight = 378;
inline constexpr int kProgressLineHeight = 13;
// The dialog font: Tahoma 8 point, 11 pixels high at 96 dpi.
inline constexpr std::string_view kFontFamily = "Tahoma";
inline constexpr int kFontPoints = 8;
inline constexpr int kFontPixels = 11;

// The help window: a bevel around ten fixed labels and "Done".
enum class HelpControl {
    Bevel,
    Intro,
    DownloadHeading,
    Step1,
    Step2,
    Step3,
    Step4,
    Step5,
    Step6,
    Step7,
    Step8,
    Done,
};
inline constexpr std::size_t kHelpControlCount = 12;

struct HelpEntry : ControlLook {
    HelpControl id;
};

// In HelpControl order, which is the order on screen from top to bottom.
extern const std::array<HelpEntry, kHelpControlCount> kHelpControls;

inline constexpr int kHelpClientWidth = 587;
inline constexpr int kHelpClientHeight = 460;
// The help text is 10 point, 13 pixels high at 96 dpi.
inline constexpr int kHelpFontPoints = 10;
inline constexpr int kHelpFontPixels = 13;

} // namespace quill::window
