#include "ListScrollBar.h"

ListScrollBar::ListScrollBar(QWidget *parent)
    : QScrollBar(parent)
{
    setStyleSheet(QStringLiteral(
        "QScrollBar:vertical { background-color: #414D5A; width: 10px; }"
        "QScrollBar::handle:vertical { background-color: #ffffff; border-radius: 5px;"
        " min-height: 40px; }"
        "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { width: 0px; }"
        "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }"));
}
