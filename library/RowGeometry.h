#pragma once

#include <QPoint>
#include <QRect>

// Where the parts of one playlist row go, from the row's rectangle alone, so
// painting and hit testing share one set of numbers.
struct RowGeometry
{
    QRect thumbnail;
    QRect deleteButton;
    QRect name;
    QRect time;
    QRect size;
    // Top-left corner of the one-pixel separator line (the row's last line).
    QPoint separator;

    static RowGeometry forRow(const QRect &row);
};
