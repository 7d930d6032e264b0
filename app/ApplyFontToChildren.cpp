#include "ApplyFontToChildren.h"

#include "AppManager.h"

#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>

namespace {

void applyFont(QWidget *widget, const QFont &font)
{
    for (QObject *child : widget->children()) {
        auto *childWidget = qobject_cast<QWidget *>(child);
        if (!childWidget)
            continue;
        if (qobject_cast<QLabel *>(childWidget) || qobject_cast<QPushButton *>(childWidget)
            || qobject_cast<QLineEdit *>(childWidget) || qobject_cast<QTextEdit *>(childWidget)
            || qobject_cast<QComboBox *>(childWidget) || qobject_cast<QToolButton *>(childWidget))
            childWidget->setFont(font);
        applyFont(childWidget, font);
    }
}

} // namespace

void applyFontToChildren(QWidget *widget)
{
    if (!widget)
        return;
    applyFont(widget, QFont(AppManager::instance()->fontFamily()));
}
