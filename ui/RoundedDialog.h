#pragma once

#include "OverlayDialog.h"

// Dimming veil over the whole parent, the backdrop of every HudView.
class RoundedDialog : public OverlayDialog
{
    Q_OBJECT
public:
    explicit RoundedDialog(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
