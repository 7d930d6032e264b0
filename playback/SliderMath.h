#pragma once

// Value arithmetic of the transport sliders, apart from the widgets.
namespace SliderMath {

// The value under a click at x on a horizontal slider width pixels wide:
// trunc(minimum + x / width * (maximum - minimum)), kept in range.
int horizontalClickValue(int minimum, int maximum, int x, int width);
// The value under a click at y on a vertical slider height pixels tall, with
// the maximum at the top, kept in range.
int verticalClickValue(int minimum, int maximum, int y, int height);
// Where a released 0..100 slider settles: within 6 of the bottom on 0,
// within 5 of the top on 100, else where it is.
int snappedReleaseValue(int position);

} // namespace SliderMath
