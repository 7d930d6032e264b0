#pragma once

#include <QSize>

// Size rules of the HudView pages, from measured text and button widths.
namespace HudSizing {

// Settings page width: labels take a third of the dialog, the option
// buttons two thirds. labels = widest label; playModes = widest play-mode
// button; maps = sum over the map buttons of (button width + 20).
int settingsWidth(int labels, int playModes, int maps);
// Width of the settings page's label column for the same measures.
int settingsLabelColumn(int labels, int playModes, int maps);
// Sort page: title = width of the sort title; buttons = widest sort button.
QSize sortSize(int title, int buttons);

} // namespace HudSizing
