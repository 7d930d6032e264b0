#pragma once

#include <QScrollBar>

// Slim playlist scroll bar: white rounded handle, no arrow buttons.
class ListScrollBar : public QScrollBar
{
    Q_OBJECT
public:
    explicit ListScrollBar(QWidget *parent = nullptr);
};
