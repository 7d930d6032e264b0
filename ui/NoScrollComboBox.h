#pragma once

#include <QComboBox>

// A combo box the mouse wheel never changes: the wheel scrolls what lies
// under it instead.
class NoScrollComboBox : public QComboBox
{
    Q_OBJECT
public:
    using QComboBox::QComboBox;

protected:
    void wheelEvent(QWheelEvent *event) override;
};
