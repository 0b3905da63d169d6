// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#pragma once

// Exact integer arithmetic to judge the calculation by, sharing nothing with it.

#include <cmath>
#include <cstdint>
#include <string>

// The judge needs 128-bit integers, which GCC and Clang have and MSVC lacks.
#if defined(__SIZEOF_INT128__)
#define STOROMER_HAS_EXACT_AREA 1

namespace exact {

__extension__ typedef unsigned __int128 U128;
__extension__ typedef __int128 I128;

// 16 times the squared area, P(P - 2a)(P - 2b)(P - 2c): negative when the sides
// form no triangle, zero when the triangle is flat.
inline std::int64_t SixteenAreaSquared(std::int64_t a, std::int64_t b, std::int64_t c)
{
    const std::int64_t p = a + b + c;
    return p * (p - 2 * a) * (p - 2 * b) * (p - 2 * c);
}

// A finite positive double as m * 2^k with m a whole number.
struct Binary
{
    std::int64_t m;
    int k;
};

inline Binary Decompose(double r)
{
    int e = 0;
    const double fraction = std::frexp(r, &e); // r = fraction * 2^e, fraction in [0.5, 1)
    return {static_cast<std::int64_t>(std::ldexp(fraction, 53)), e - 53};
}

// Whether r is the double nearest to sqrt(n / 16): (r - u/2)^2 <= n/16 <= (r + u/2)^2,
// u being the spacing of doubles at r.
inline bool IsCorrectlyRoundedRootOfSixteenth(double r, std::int64_t n)
{
    if (n == 0) {
        return r == 0;
    }
    if (!(r > 0)) {
        return false;
    }
    const Binary b = Decompose(r);
    // With r = m 2^k and u = 2^k the bounds become (2m - 1)^2 <= n 2^(-2k-2) <= (2m + 1)^2,
    // all three near 2^108.
    const int shift = -2 * b.k - 2;
    if (shift < 0 || shift > 120) {
        return false;
    }
    const U128 scaled = static_cast<U128>(n) << shift;
    const U128 below = static_cast<U128>(2 * b.m - 1) * static_cast<U128>(2 * b.m - 1);
    const U128 above = static_cast<U128>(2 * b.m + 1) * static_cast<U128>(2 * b.m + 1);
    return below <= scaled && scaled <= above;
}

// The perimeter p's line: " p " in the general form; "p.000" rounded, with
// separator sep and no 0 before it.
inline std::string PerimeterLine(int p, bool rounded, const std::string& sep)
{
    if (rounded) {
        return (p == 0 ? "" : std::to_string(p)) + sep + "000";
    }
    // Not " " + std::to_string(p): GCC 12 warns there of an overlap that
    // cannot happen (GCC bug 105651).
    return std::string(" ").append(std::to_string(p)).append(" ");
}

// r rounded to three decimals as "#.000" with separator sep, by integer arithmetic.
inline std::string RoundedThreeDecimals(double r, const std::string& sep)
{
    const Binary b = Decompose(r);
    const U128 thousandfold = static_cast<U128>(b.m) * 1000;
    U128 k = thousandfold;
    if (b.k < 0) {
        const int s = -b.k;
        k = (thousandfold + (static_cast<U128>(1) << (s - 1))) >> s;
    } else {
        k <<= b.k;
    }
    const auto whole = static_cast<std::uint64_t>(k / 1000);
    std::string thousandths = std::to_string(static_cast<unsigned>(k % 1000));
    thousandths.insert(0, 3 - thousandths.size(), '0');
    return (whole == 0 ? std::string() : std::to_string(whole)) + sep + thousandths;
}

// Whether text (digits with at most one separator sep) is r to 15 significant
// digits: no more than 15 of them, no trailing zero after the separator, a 0
// before the separator below 1, and within half a unit of the 15th digit of r.
inline bool IsFifteenDigitsOf(const std::string& text, double r, const std::string& sep)
{
    const auto at = text.find(sep);
    const std::string whole = text.substr(0, at);
    const std::string fraction = at == std::string::npos ? "" : text.substr(at + sep.size());
    if (whole.empty() || (whole.size() > 1 && whole[0] == '0') ||
        (at != std::string::npos && (fraction.empty() || fraction.back() == '0'))) {
        return false;
    }
    const std::string all = whole + fraction;
    for (char c : all) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    const auto first = all.find_first_not_of('0');
    if (first == std::string::npos) {
        return r == 0;
    }
    const std::size_t significant = all.size() - first;
    if (significant > 15) {
        return false;
    }
    // The exponent of the leading digit, then the unit of the 15th digit, 10^(lead - 14).
    const int lead = static_cast<int>(whole.size()) - 1 - static_cast<int>(first);
    const int places = 14 - lead; // decimal places of a full 15-digit rendering
    if (places < static_cast<int>(fraction.size()) || places > 20) {
        return false;
    }
    // D = text * 10^places, exactly.
    I128 d = 0;
    for (char c : all) {
        d = d * 10 + (c - '0');
    }
    I128 pow10 = 1;
    for (int i = 0; i < places; ++i) {
        pow10 *= 10;
    }
    for (std::size_t i = fraction.size(); i < static_cast<std::size_t>(places); ++i) {
        d *= 10;
    }
    // |D / 10^places - m 2^k| <= 1/2 / 10^places  <=>  |2D - 2m 10^places 2^k| <= 1.
    const Binary b = Decompose(r);
    if (b.k >= 0 || -b.k > 60) {
        return false;
    }
    const I128 lhs = (2 * d) << -b.k;                    // 2D 2^(-k)
    const I128 rhs = 2 * static_cast<I128>(b.m) * pow10; // 2m 10^places
    const I128 diff = lhs > rhs ? lhs - rhs : rhs - lhs;
    return diff <= (static_cast<I128>(1) << -b.k);
}

// What is wrong with line as the answer for sides a, b and c with the
// perimeter or the area selected (the area wins), rounded or not, decimal
// separator sep; empty where it is right. The area's line is judged by the
// double nearest to its root, sqrt(n) / 4 being that for every n here.
inline std::string Misjudged(int a, int b, int c, bool perimeter, bool area, bool rounded,
                             const std::string& sep, const std::string& line)
{
    if (!area) {
        const bool right =
            perimeter ? line == PerimeterLine(a + b + c, rounded, sep) : line.empty();
        return right        ? ""
               : !perimeter ? "a line with no measure"
               : rounded    ? "rounded perimeter"
                            : "perimeter";
    }
    const std::int64_t n = SixteenAreaSquared(a, b, c);
    if (n < 0) {
        return line == "Нет такого треугольника" ? "" : "not a triangle";
    }
    const double r = std::sqrt(static_cast<double>(n)) / 4;
    if (rounded) {
        return line == RoundedThreeDecimals(r, sep) ? "" : "rounded area " + line;
    }
    const bool right = line.size() > 2 && line.front() == ' ' && line.back() == ' ' &&
                       IsFifteenDigitsOf(line.substr(1, line.size() - 2), r, sep);
    return right ? "" : "general area '" + line + "'";
}

} // namespace exact

#endif
