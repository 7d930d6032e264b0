#pragma once

#include <QWidget>

// Rounded dark panel the transport pop-ups are drawn on.
class RoundedView : public QWidget
{
    Q_OBJECT
public:
    explicit RoundedView(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
