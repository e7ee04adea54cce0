// Driving Qt widgets as a user does: answering modal windows and pressing keys.
#pragma once

#include <QApplication>
#include <QWidget>
#include <functional>

namespace quill::test {

// Runs the answer on the next modal window as soon as it is up, e.g. to read
// and close a message box that the code under test opens and waits on.
void answer_next_modal(std::function<void(QWidget*)> answer);

// Presses and releases a key on the widget; unused keys travel up to its window.
void press_key(QWidget* widget, int key);

} // namespace quill::test
