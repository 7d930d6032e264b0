#pragma once

#include <QImage>
#include <QRect>
#include <QString>

// Minimal X11 access for end-to-end tests of the real executable: find a
// top-level window by title, look at it, give it input as a user would
// (through the XTest extension, so events go where the pointer and focus
// are) and ask it to close the way a window manager does.
class X11Window
{
public:
    X11Window();
    ~X11Window();
    X11Window(const X11Window &) = delete;
    X11Window &operator=(const X11Window &) = delete;

    bool isConnected() const { return m_display != nullptr; }
    // Searches the whole window tree; 0 when no window has that title.
    unsigned long find(const QString &title) const;
    QRect geometry(unsigned long window) const;
    // Sends WM_DELETE_WINDOW, as a window manager's close button does.
    void requestClose(unsigned long window) const;
    // What the screen shows inside rect (root coordinates).
    QImage grab(const QRect &rect) const;
    // Moves the pointer to point (root coordinates) and clicks the left button.
    void click(const QPoint &point) const;
    // Presses and releases the key of an X keysym name such as "space".
    void pressKey(const char *keysymName) const;

private:
    struct _XDisplay *m_display = nullptr;
};
