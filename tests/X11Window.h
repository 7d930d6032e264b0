#pragma once

#include <QRect>
#include <QString>

// Minimal X11 access for end-to-end tests of the real executable: find a
// top-level window by title and ask it to close the way a window manager does.
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

private:
    struct _XDisplay *m_display = nullptr;
};
