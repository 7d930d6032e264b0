#include "SliderMath.h"

#include <algorithm>
#include <cmath>

namespace {

// The truncated value at fraction of the way from minimum to maximum. An empty
// widget (width or height 0) has no position: it gives the minimum instead of
// dividing by zero.
int valueAt(int minimum, int maximum, double fraction)
{
    if (!std::isfinite(fraction))
        return minimum;
    const double value = std::trunc(minimum + fraction * (double(maximum) - minimum));
    return int(
        std::clamp(value, double(std::min(minimum, maximum)), double(std::max(minimum, maximum))));
}

} // namespace

namespace SliderMath {

int horizontalClickValue(int minimum, int maximum, int x, int width)
{
    if (width <= 0)
        return minimum;
    return valueAt(minimum, maximum, double(x) / width);
}

int verticalClickValue(int minimum, int maximum, int y, int height)
{
    if (height <= 0)
        return minimum;
    return valueAt(minimum, maximum, 1.0 - double(y) / height);
}

int snappedReleaseValue(int position)
{
    if (position <= 6)
        return 0;
    if (position < 96)
        return position;
    return 100;
}

} // namespace SliderMath
