#include "CustomListView.h"

#include "FileDelegate.h"

#include <QEvent>

CustomListView::CustomListView(QWidget *parent)
    : QListView(parent)
{
    // Plain moves must reach the delegate for the hover colour.
    setAttribute(Qt::WA_MouseTracking);
    installEventFilter(this);
}

bool CustomListView::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Leave) {
        if (auto *delegate = qobject_cast<FileDelegate *>(itemDelegate())) {
            delegate->setHoverIndex(QModelIndex());
            viewport()->update();
        }
    }
    return QListView::eventFilter(watched, event);
}
