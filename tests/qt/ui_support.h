#pragma once

#include <QApplication>
#include <QCheckBox>
#include <QWidget>
#include <functional>

namespace quill::test {

// Runs the answer on the next modal window as soon as it is up, e.g. to read
// and close a message box that the code under test opens and waits on.
void answer_next_modal(std::function<void(QWidget*)> answer);

// Presses and releases a key on the widget; unused keys travel up to its window.
void press_key(QWidget* widget, int key);

// A check box's own state, as the program sets it.
struct BoxState {
    bool checked;
    bool available; // not hidden and not disabled by itself
    bool operator==(const BoxState&) const = default;
};
BoxState state_of(const QCheckBox* box);

} // namespace quill::test
