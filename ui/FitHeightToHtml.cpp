#include "FitHeightToHtml.h"

#include <QTextDocument>
#include <QWidget>

QSize fitHeightToHtml(QWidget *widget, const QString &html, const QFont *font)
{
    QTextDocument document;
    document.setDefaultFont(font ? *font : widget->font());
    document.setHtml(html);
    document.setTextWidth(widget->width());
    const int height = static_cast<int>(document.size().height());
    widget->setFixedHeight(height);
    return QSize(widget->width(), height);
}
