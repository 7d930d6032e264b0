#pragma once

class QWidget;

// Gives every text-bearing descendant of widget the interface font of the
// current language (default size and weight).
void applyFontToChildren(QWidget *widget);
