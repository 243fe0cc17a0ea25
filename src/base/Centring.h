#pragma once

// (screen size - window size) / 2, or 0 when the screen is not larger; any
// two ints give a result.
inline int CentreOffset(int screenSize, int windowSize)
{
    if (screenSize <= windowSize)
        return 0;
    return static_cast<int>((static_cast<long long>(screenSize) - windowSize) / 2);
}
