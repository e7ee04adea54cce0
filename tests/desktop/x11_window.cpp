// Reading a window's atom-list properties over XCB, and waiting for the window manager to frame
// a window.
#include "x11_window.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QWindow>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <xcb/xcb.h>

namespace quill::test {
namespace {

xcb_connection_t* connection() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename Reply> using ReplyPtr = std::unique_ptr<Reply, FreeReply>;

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
    const ReplyPtr<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 1, static_cast<uint16_t>(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

QString atom_name(xcb_connection_t* c, xcb_atom_t atom) {
    const ReplyPtr<xcb_get_atom_name_reply_t> reply(
        xcb_get_atom_name_reply(c, xcb_get_atom_name(c, atom), nullptr));
    if (!reply) return {};
    return QString::fromLatin1(xcb_get_atom_name_name(reply.get()),
                               xcb_get_atom_name_name_length(reply.get()));
}

void pump(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

} // namespace

bool on_x11() { return QGuiApplication::platformName() == QLatin1String("xcb"); }

QStringList atom_names(const QWidget& window, const char* property) {
    xcb_connection_t* c = connection();
    if (!c) return {};
    const auto id = static_cast<xcb_window_t>(window.winId());
    const ReplyPtr<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        c, xcb_get_property(c, 0, id, atom(c, property), XCB_ATOM_ATOM, 0, 256), nullptr));
    QStringList names;
    if (!reply) return names;
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / int(sizeof(xcb_atom_t));
    for (int i = 0; i < count; ++i) names << atom_name(c, atoms[i]);
    return names;
}

bool wait_until_managed(const QWidget& window) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 10000) {
        pump(50);
        const bool framed = window.windowHandle() && window.windowHandle()->frameMargins().top() > 0;
        if (framed && !atom_names(window, "_NET_WM_ALLOWED_ACTIONS").isEmpty()) {
            pump(500);
            return true;
        }
    }
    return false;
}

} // namespace quill::test
