// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's two rules of integer arithmetic: quotients truncate toward
// zero, and computed positions round to nearest with halves to even.
#include <cstdint>

namespace sorvel {

// Rounds to the nearest integer, halves to the even neighbour; values
// outside the int range are clamped.
int RoundHalfEven(double value);

// a / b truncated toward zero. A zero divisor gives 0 instead of a crash:
// layout values come from files and must never bring the program down.
int DivTrunc(int a, int b);

// a mod b with the sign of a; 0 for a zero divisor.
int ModTrunc(int a, int b);

// Half of n, truncated toward zero ("n div 2").
constexpr int Half(int n) {
    return n / 2;
}

}  // namespace sorvel
