// The arithmetic of the skinned slider: where the thumb sits for a value and which value a
// click, a drag or a release gives. Integer where the slider truncates, floating point where
// it rounds; an empty range (maximum <= minimum) or a track without room always gives the
// minimum and the left limit.
#pragma once

namespace SliderMath {

int Clamp(int value, int minimum, int maximum);
// Truncates, or rounds half up when round is set, then clamps; safe for any double.
int Settle(double value, bool round, int minimum, int maximum);

// Left edge of a thumb of the given width for a value (the value clamped first).
int ThumbLeft(int value, int minimum, int maximum, int leftLimit, int rightLimit, int width);
// Value of a click x pixels from the track's left edge, before rounding.
double ClickValue(int x, int minimum, int maximum, int trackWidth);
// Limits a drag step so that the thumb stays within [leftLimit, rightLimit].
int LimitDrag(int dx, int thumbLeft, int width, int leftLimit, int rightLimit);
// Value while dragging (integer arithmetic, clamped) for the thumb's new left edge.
int DragValue(int thumbLeft, int minimum, int maximum, int leftLimit, int rightLimit, int width);
// Value on release for the thumb's left edge, before rounding.
double ReleaseValue(int thumbLeft, int minimum, int maximum, int leftLimit, int rightLimit, int width);

}  // namespace SliderMath
