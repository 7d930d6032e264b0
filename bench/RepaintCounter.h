#pragma once

#include <QObject>

// Counts a window's repaints (install it as the window's event filter):
// each one composes the whole window. Native child windows repaint on their
// own and are not counted.
class RepaintCounter : public QObject
{
public:
    quint64 count() const { return m_count; }
    void print(double seconds) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    quint64 m_count = 0;
};
