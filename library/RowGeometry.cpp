#include "RowGeometry.h"

RowGeometry RowGeometry::forRow(const QRect &row)
{
    RowGeometry g;
    const int h = row.height() - 10;
    // 16:9 box; truncated, so a 60 px row gives 88 px.
    const int w = int(h * 1.777778);
    g.thumbnail = QRect(row.left() + 5, row.top() + 5, w, h);
    g.deleteButton = QRect(row.right() - 25, row.top() + (row.height() - 15) / 2, 15, 15);
    g.name = QRect(g.thumbnail.right() + 5, g.thumbnail.top() + 5, row.width() - w - 40, 20);
    g.time = QRect(g.thumbnail.right() + 5, g.thumbnail.bottom() - 20 - 3, 140, 20);
    g.size = QRect(g.time.right() + 5, g.time.top(), 80, 20);
    g.separator = row.bottomLeft();
    return g;
}
