#include "X11Window.h"

#include <QThread>
#include <QtGlobal>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <memory>

namespace {

unsigned long findIn(Display *display, Window window, const QByteArray &title)
{
    char *name = nullptr;
    if (XFetchName(display, window, &name) && name) {
        const bool same = title == name;
        XFree(name);
        if (same)
            return window;
    }
    Window root = 0;
    Window parent = 0;
    Window *children = nullptr;
    unsigned int count = 0;
    unsigned long found = 0;
    if (XQueryTree(display, window, &root, &parent, &children, &count)) {
        for (unsigned int i = 0; i < count && !found; ++i)
            found = findIn(display, children[i], title);
        if (children)
            XFree(children);
    }
    return found;
}

// An Xvfb that resets when its last client leaves refuses connections for a
// moment, so a test that starts right after another one's player exited
// tries again before it concludes there is no server.
Display *openDisplay()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return nullptr;
    // Windows of other clients come and go while the tree is walked; Xlib's
    // default handler would end the test on the first vanished one.
    XSetErrorHandler([](Display *, XErrorEvent *) { return 0; });
    for (int attempt = 0; attempt < 30; ++attempt) {
        if (Display *display = XOpenDisplay(nullptr))
            return display;
        QThread::msleep(100);
    }
    return nullptr;
}

} // namespace

X11Window::X11Window()
    : m_display(openDisplay())
{
}

X11Window::~X11Window()
{
    if (m_display)
        XCloseDisplay(m_display);
}

unsigned long X11Window::find(const QString &title) const
{
    if (!m_display)
        return 0;
    return findIn(m_display, DefaultRootWindow(m_display), title.toUtf8());
}

QRect X11Window::geometry(unsigned long window) const
{
    XWindowAttributes attributes;
    if (!m_display || !XGetWindowAttributes(m_display, window, &attributes))
        return QRect();
    int x = 0;
    int y = 0;
    Window child = 0;
    XTranslateCoordinates(m_display, window, DefaultRootWindow(m_display), 0, 0, &x, &y, &child);
    return QRect(x, y, attributes.width, attributes.height);
}

void X11Window::requestClose(unsigned long window) const
{
    if (!m_display)
        return;
    XEvent event = {};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(m_display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(m_display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(m_display, window, False, NoEventMask, &event);
    XFlush(m_display);
}

QImage X11Window::grab(const QRect &rect) const
{
    if (!m_display || rect.isEmpty())
        return QImage();
    const auto destroy = [](XImage *image) {
        XDestroyImage(image);
    };
    const std::unique_ptr<XImage, decltype(destroy)> image(
        XGetImage(m_display, DefaultRootWindow(m_display), rect.x(), rect.y(),
                  unsigned(rect.width()), unsigned(rect.height()), AllPlanes, ZPixmap),
        destroy);
    if (!image)
        return QImage();
    QImage result(rect.size(), QImage::Format_RGB32);
    for (int y = 0; y < rect.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < rect.width(); ++x)
            line[x] = QRgb(XGetPixel(image.get(), x, y)) | 0xff000000u;
    }
    return result;
}

void X11Window::click(const QPoint &point) const
{
    if (!m_display)
        return;
    XTestFakeMotionEvent(m_display, -1, point.x(), point.y(), CurrentTime);
    XTestFakeButtonEvent(m_display, Button1, True, CurrentTime);
    XTestFakeButtonEvent(m_display, Button1, False, CurrentTime);
    XFlush(m_display);
}

void X11Window::pressKey(const char *keysymName) const
{
    if (!m_display)
        return;
    const KeyCode code = XKeysymToKeycode(m_display, XStringToKeysym(keysymName));
    XTestFakeKeyEvent(m_display, code, True, CurrentTime);
    XTestFakeKeyEvent(m_display, code, False, CurrentTime);
    XFlush(m_display);
}
