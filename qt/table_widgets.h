// Makes the Qt widget of one control of a window's control table: both Qt windows build
// themselves from their tables with it.
#pragma once

class QWidget;

namespace quill::window {
struct ControlLook;
}

// The widget of the control's kind as a child of the parent, named, placed and captioned as the
// table has it, bold where the table says, with its picture. `points` sizes its text where the
// window's own font does not serve; 0 keeps the window's.
QWidget* make_widget(const quill::window::ControlLook& look, QWidget* parent, int points = 0);
