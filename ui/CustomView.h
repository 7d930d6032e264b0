#pragma once

#include "OverlayDialog.h"

// Transparent overlay for the transport pop-ups; paints nothing of its own.
class CustomView : public OverlayDialog
{
    Q_OBJECT
public:
    explicit CustomView(QWidget *parent = nullptr);
};
