#pragma once
#include <climits>

// The engine's rules are stated for 32-bit signed ints, and ordinary dates
// stay far inside that range. A profile file may still hold any number, and
// adding two of them in int would be undefined behaviour. So sums that file
// values flow into are formed in long long and brought back here with
// two's-complement wrap-around — the result 32-bit hardware arithmetic gives,
// now defined — and every normal date gets exactly the plain formula.
inline int Wrap32(long long value)
{
    const long long span = 4294967296LL;  // 2^32
    long long low = value % span;         // in (-2^32, 2^32)
    if (low > INT_MAX)
        low -= span;
    else if (low < INT_MIN)
        low += span;
    return static_cast<int>(low);
}
