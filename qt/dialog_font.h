#pragma once

class QWidget;

// Gives the window the dialog font of its form, Tahoma, with close fallbacks
// of similar width where Tahoma is not installed, so captions still fit the
// fixed layout.
void use_dialog_font(QWidget* window);
