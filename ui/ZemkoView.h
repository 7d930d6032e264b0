#pragma once

#include <QWidget>

// The player's only top-level window.
class ZemkoView : public QWidget
{
    Q_OBJECT
public:
    explicit ZemkoView(QWidget *parent = nullptr);
    ~ZemkoView() override;

protected:
    void closeEvent(QCloseEvent *event) override;
};
