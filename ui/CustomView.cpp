#include "CustomView.h"

CustomView::CustomView(QWidget *parent)
    : OverlayDialog("CustomView", parent)
{
}
