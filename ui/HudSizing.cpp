#include "HudSizing.h"

#include <QtGlobal>

namespace HudSizing {

namespace {

double buttonThird(int playModes, int maps)
{
    return qMax(playModes, maps) / 0.6 * 0.3;
}

} // namespace

int settingsWidth(int labels, int playModes, int maps)
{
    const double x = buttonThird(playModes, maps);
    return x > labels ? int(3 * x + 30) : 3 * labels + 30;
}

int settingsLabelColumn(int labels, int playModes, int maps)
{
    const double x = buttonThird(playModes, maps);
    return x > labels ? int(x) : labels;
}

QSize sortSize(int title, int buttons)
{
    const int w = qMax(title + 70, buttons + 30) + 50;
    return QSize(qMax(w, 350), 200);
}

} // namespace HudSizing
