#pragma once

#include <QDialog>
#include <QPointer>

// Modal overlay shared by CustomView and RoundedDialog: with a parent it is a
// child widget lying over the parent window; a mouse press, release or double
// click outside contentWidget closes it. It deletes itself when closed, so its
// creator keeps no pointer after hudClosed.
class OverlayDialog : public QDialog
{
    Q_OBJECT
public:
    void setContentWidget(QWidget *widget) { contentWidget = widget; }

signals:
    void hudClosed();

protected:
    OverlayDialog(const char *className, QWidget *parent);
    ~OverlayDialog() override;

    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QPointer<QWidget> contentWidget;
    const char *m_className;
    bool m_closed = false;
};
