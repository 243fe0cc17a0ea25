#pragma once
// Where a window goes on the screen, kept free of Windows so it can be
// tested on its own.
#include <algorithm>
#include <climits>

// The left (top) edge of a window `windowSize` pixels wide (high) centred on
// a screen `screenSize` pixels wide (high), halves rounding down. A window
// larger than the screen lies as far off its left (top) edge as it is too
// large, keeping its right (bottom) part in view. Any two ints give a result.
inline int CentredOrigin(int screenSize, int windowSize)
{
    const long long room = static_cast<long long>(screenSize) - windowSize;
    return static_cast<int>(room > 0 ? room / 2 : std::max<long long>(room, INT_MIN));
}
