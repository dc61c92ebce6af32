#include "SliderMath.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace SliderMath {

int Clamp(int value, int minimum, int maximum) { return value < minimum ? minimum : (value > maximum ? maximum : value); }

int Settle(double value, bool round, int minimum, int maximum)
{
    if (round) value += 0.5;
    if (!(value > minimum)) return minimum;  // also NaN
    if (value >= maximum) return Clamp(maximum, minimum, maximum);
    return Clamp(static_cast<int>(std::trunc(value)), minimum, maximum);
}

int ThumbLeft(int value, int minimum, int maximum, int leftLimit, int rightLimit, int width)
{
    if (maximum <= minimum) return leftLimit;
    const int64_t v = Clamp(value, minimum, maximum);
    const int64_t room = int64_t{rightLimit} - leftLimit - width;
    return static_cast<int>(leftLimit + room * (v - minimum) / (int64_t{maximum} - minimum));
}

double ClickValue(int x, int minimum, int maximum, int trackWidth)
{
    if (trackWidth <= 0 || maximum <= minimum) return minimum;
    return minimum + double(x) * (double(maximum) - minimum) / trackWidth;
}

int LimitDrag(int dx, int thumbLeft, int width, int leftLimit, int rightLimit)
{
    const int64_t most = int64_t{rightLimit} - width - thumbLeft;
    const int64_t least = int64_t{leftLimit} - thumbLeft;
    return static_cast<int>(std::max(least, std::min<int64_t>(dx, most)));
}

int DragValue(int thumbLeft, int minimum, int maximum, int leftLimit, int rightLimit, int width)
{
    const int64_t room = int64_t{rightLimit} - width - leftLimit;
    if (room <= 0 || maximum <= minimum) return minimum;
    const int64_t v = minimum + (int64_t{thumbLeft} - leftLimit) * (int64_t{maximum} - minimum) / room;
    return static_cast<int>(std::clamp<int64_t>(v, minimum, maximum));
}

double ReleaseValue(int thumbLeft, int minimum, int maximum, int leftLimit, int rightLimit, int width)
{
    const double room = double(rightLimit) - width - leftLimit;
    if (room <= 0 || maximum <= minimum) return minimum;
    return minimum + (double(maximum) - minimum) * (double(thumbLeft) - leftLimit) / room;
}

}  // namespace SliderMath
