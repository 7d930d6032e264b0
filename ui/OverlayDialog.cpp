#include "OverlayDialog.h"

#include <QDebug>
#include <QMouseEvent>

OverlayDialog::OverlayDialog(const char *className, QWidget *parent)
    : QDialog(parent)
    , m_className(className)
{
    setModal(true);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::WindowFlags());
    installEventFilter(this);
}

OverlayDialog::~OverlayDialog()
{
    qDebug().noquote() << QString::fromLatin1(m_className) + QStringLiteral(" 销毁");
}

bool OverlayDialog::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        if (!contentWidget)
            break;
        if (!contentWidget->rect().contains(
                contentWidget->mapFromGlobal(static_cast<QMouseEvent *>(event)->globalPos())))
            close();
        return true;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void OverlayDialog::closeEvent(QCloseEvent *event)
{
    // A press closes; its release (and any later close) must not announce it again.
    if (m_closed)
        return QDialog::closeEvent(event);
    m_closed = true;
    emit hudClosed();
    QDialog::closeEvent(event);
}
