#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "app/categories.h"
#include "app/target_table.h"

// The two windows' controls as both views lay them out: kind, object name,
// position and size in pixels at 96 dpi (relative to the group box for the
// controls inside one), text and tab order. The Qt form holds the same
// geometry; a test holds the two together.

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

enum class ControlKind { Label, TextField, PictureButton, Button, GroupBox, CheckBox, List, StatusBar };

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

struct ControlEntry {
    Control id;
    std::string_view name; // the object name in the Qt form
    ControlKind kind;
    Control group; // the group box it lies in; itself when it lies in the window
    Rect rect;
    std::string_view text;
    bool bold = false;
    Picture picture = Picture::None;

    bool in_group() const { return group != id; }
};

// In Control order.
extern const std::array<ControlEntry, kControlCount> kMainControls;
const ControlEntry& entry(Control control);

// The order in which Tab moves the focus; the folder button, the labels, the
// groups and the status bar take no focus.
inline constexpr std::array<Control, 17> kTabOrder{
    Control::Run,           Control::Exit,           Control::SourceFolder,   Control::EfisBrannock,
    Control::MfdGps,        Control::EfisGps,        Control::SkelmarConsole, Control::SkelmarBuilder,
    Control::EfisBrannock3, Control::MfdGps3,        Control::EfisGps3,       Control::Airports,
    Control::NavAids,       Control::Waypoints,      Control::Airways,        Control::ProgressList,
    Control::HelpButton};

// The box of a target row and of a category.
Control target_box(std::size_t row);
Control category_box(Category category);

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

struct HelpEntry {
    HelpControl id;
    std::string_view name;
    Rect rect;
    std::string_view text;
    bool bold = false;
    bool wraps = false;
};

// In HelpControl order, which is the order on screen from top to bottom.
extern const std::array<HelpEntry, kHelpControlCount> kHelpControls;

inline constexpr int kHelpClientWidth = 587;
inline constexpr int kHelpClientHeight = 460;
// The help text is 13 pixels high.
inline constexpr int kHelpFontPixels = 13;

} // namespace quill::window
