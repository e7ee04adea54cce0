// Answering the next modal window from the event loop, and keys sent as the window system sends
// them.
#include "widget_driving.h"

#include <QKeyEvent>
#include <QTimer>

namespace quill::test {

void answer_next_modal(std::function<void(QWidget*)> answer) {
    auto* poll = new QTimer(qApp);
    poll->setInterval(0);
    QObject::connect(poll, &QTimer::timeout, [poll, answer = std::move(answer)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) return;
        poll->stop();
        poll->deleteLater();
        answer(modal);
    });
    poll->start();
}

void press_key(QWidget* widget, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

} // namespace quill::test
