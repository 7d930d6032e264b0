#pragma once

#include <QFont>
#include <QSize>
#include <QString>

class QWidget;

// Lays html out at widget's width in font (the widget's font when none is
// given), fixes the widget's height to the laid-out height and returns
// (width, height).
QSize fitHeightToHtml(QWidget *widget, const QString &html, const QFont *font = nullptr);
