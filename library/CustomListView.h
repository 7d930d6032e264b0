#pragma once

#include <QListView>

// The playlist view: tracks the mouse for the delegate's hover colour and
// clears it when the mouse leaves the view.
class CustomListView : public QListView
{
    Q_OBJECT
public:
    explicit CustomListView(QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
