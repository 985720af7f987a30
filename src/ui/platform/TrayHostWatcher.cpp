// Under X11 the tray host owns the selection _NET_SYSTEM_TRAY_S<screen>; when
// its window is destroyed the host is gone. kolvi watches that window on a
// connection of its own, so Qt's connection and its tray code stay untouched.
#include "TrayHostWatcher.h"

#include "platform/PlatformConfig.h"

#if KOLVI_HAVE_X11
#include <QSocketNotifier>

#include <X11/Xlib.h>

#include <string>
#endif

namespace kolvi {

#if KOLVI_HAVE_X11

namespace {

// The host's window may be gone by the time it is asked about: that error is
// expected, and must not reach Xlib's default handler, which ends the program.
int IgnoreXErrors(Display*, XErrorEvent*) {
    return 0;
}

void SelectInput(Display* display, Window window, long mask) {
    const XErrorHandler previous = XSetErrorHandler(IgnoreXErrors);
    XSelectInput(display, window, mask);
    XSync(display, False);
    XSetErrorHandler(previous);
}

} // namespace

struct TrayHostWatcher::Connection {
    Display* display = nullptr;
    QSocketNotifier* notifier = nullptr;
    Window host = 0;
};

TrayHostWatcher::TrayHostWatcher(QObject* parent) : QObject(parent) {}

TrayHostWatcher::~TrayHostWatcher() {
    if (connection_ != nullptr) {
        delete connection_->notifier;
        XCloseDisplay(connection_->display);
        delete connection_;
    }
}

bool TrayHostWatcher::Watch() {
    if (connection_ == nullptr) {
        Display* display = XOpenDisplay(nullptr);
        if (display == nullptr) {
            return false;
        }
        connection_ = new Connection{display, nullptr, 0};
        connection_->notifier =
            new QSocketNotifier(ConnectionNumber(display), QSocketNotifier::Read);
        connect(connection_->notifier, &QSocketNotifier::activated, this, [this] {
            Display* d = connection_->display;
            bool gone = false;
            while (XPending(d) > 0) {
                XEvent event;
                XNextEvent(d, &event);
                gone = gone || (event.type == DestroyNotify &&
                                event.xdestroywindow.window == connection_->host);
            }
            if (gone && connection_->host != 0) {
                connection_->host = 0;
                Q_EMIT TrayHostGone();
            }
        });
    }
    Display* display = connection_->display;
    const std::string selection = "_NET_SYSTEM_TRAY_S" + std::to_string(DefaultScreen(display));
    XGrabServer(display); // the owner must not go between asking and watching
    const Window host = XGetSelectionOwner(display, XInternAtom(display, selection.c_str(), False));
    if (host != 0) {
        SelectInput(display, host, StructureNotifyMask);
    }
    XUngrabServer(display);
    XFlush(display);
    connection_->host = host;
    return host != 0;
}

void TrayHostWatcher::Stop() {
    if (connection_ != nullptr && connection_->host != 0) {
        SelectInput(connection_->display, connection_->host, NoEventMask);
        connection_->host = 0;
    }
}

#else

struct TrayHostWatcher::Connection {};

TrayHostWatcher::TrayHostWatcher(QObject* parent) : QObject(parent) {}
TrayHostWatcher::~TrayHostWatcher() = default;
bool TrayHostWatcher::Watch() {
    return false;
}
void TrayHostWatcher::Stop() {}

#endif

} // namespace kolvi
