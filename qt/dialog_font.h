// The dialog font both Qt windows are drawn in.
#pragma once

class QWidget;

// Gives the window the dialog font, Tahoma 8 point, with close fallbacks of
// similar width where Tahoma is not installed, so captions still fit the
// fixed layout.
void use_dialog_font(QWidget* window);
