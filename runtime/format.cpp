// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "runtime/format.h"

#include <QLocale>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace runtime {

namespace {

// 15 significant digits: as many as a double always carries faithfully.
constexpr int kSignificantDigits = 15;

// Drops the sign of a value that rounds to zero, so no "-.000" or "-0" appears.
bool AllZeros(std::string_view digits)
{
    return std::all_of(digits.begin(), digits.end(), [](char c) { return c == '0'; });
}

} // namespace

std::string DecimalSeparator()
{
    return QLocale().decimalPoint().toStdString();
}

std::string FormatNumber(double value, std::string_view pattern)
{
    const auto point = pattern.find('.');
    const std::string_view intPlaces = pattern.substr(0, point);
    const std::string_view fracPlaces =
        point == std::string_view::npos ? std::string_view{} : pattern.substr(point + 1);
    const auto minIntDigits = std::count(intPlaces.begin(), intPlaces.end(), '0');
    const auto minFracDigits = std::count(fracPlaces.begin(), fracPlaces.end(), '0');
    const auto fracDigits = static_cast<int>(fracPlaces.size());

    // to_chars rounds the exact binary value correctly, so a rounding carry into
    // the integer part (73.9996 -> 74.000) comes for free.
    char buffer[400];
    const auto [end, error] = std::to_chars(std::begin(buffer), std::end(buffer), std::fabs(value),
                                            std::chars_format::fixed, fracDigits);
    if (error != std::errc{}) {
        return {};
    }
    const std::string_view fixed(buffer, static_cast<std::size_t>(end - buffer));
    const auto dot = fixed.find('.');
    std::string intDigits(fixed.substr(0, dot));
    std::string fracDigitsText(dot == std::string_view::npos ? std::string_view{}
                                                             : fixed.substr(dot + 1));

    const bool negative = std::signbit(value) && !(AllZeros(intDigits) && AllZeros(fracDigitsText));

    intDigits.erase(0, intDigits.find_first_not_of('0'));
    if (std::ssize(intDigits) < minIntDigits) {
        intDigits.insert(0, static_cast<std::size_t>(minIntDigits - std::ssize(intDigits)), '0');
    }
    while (std::ssize(fracDigitsText) > minFracDigits && fracDigitsText.back() == '0') {
        fracDigitsText.pop_back();
    }

    std::string text = negative ? "-" : "";
    text += intDigits;
    if (point != std::string_view::npos) {
        text += DecimalSeparator();
        text += fracDigitsText;
    }
    return text;
}

std::string PrintItem(std::int32_t value)
{
    std::string text = value < 0 ? "-" : " ";
    // Widened so that the magnitude of the most negative value still fits.
    text += std::to_string(std::abs(static_cast<std::int64_t>(value)));
    text += ' ';
    return text;
}

std::string PrintItem(double value)
{
    // Scientific form gives exactly the 15 significant digits and where the
    // point goes; the digits are then laid out in fixed form.
    char buffer[64];
    const auto [end, error] = std::to_chars(std::begin(buffer), std::end(buffer), std::fabs(value),
                                            std::chars_format::scientific, kSignificantDigits - 1);
    if (error != std::errc{} || !std::isfinite(value)) {
        return " " + std::string(buffer, error == std::errc{} ? end : buffer) + " ";
    }
    const std::string_view scientific(buffer, static_cast<std::size_t>(end - buffer));
    const auto e = scientific.find('e');
    std::string digits;
    digits += scientific.front();
    digits += scientific.substr(2, e - 2);
    int exponent = 0;
    std::from_chars(scientific.data() + e + 1 + (scientific[e + 1] == '+'), end, exponent);

    const auto lastSignificant = digits.find_last_not_of('0');
    digits.erase(lastSignificant == std::string::npos ? 1 : lastSignificant + 1);

    std::string intDigits;
    std::string fracDigits;
    if (exponent >= 0) {
        const auto intCount = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= intCount) {
            intDigits = digits + std::string(intCount - digits.size(), '0');
        } else {
            intDigits = digits.substr(0, intCount);
            fracDigits = digits.substr(intCount);
        }
    } else {
        intDigits = "0";
        fracDigits = std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    }

    const bool negative = std::signbit(value) && digits != "0";
    std::string text = negative ? "-" : " ";
    text += intDigits;
    if (!fracDigits.empty()) {
        text += DecimalSeparator();
        text += fracDigits;
    }
    text += ' ';
    return text;
}

} // namespace runtime
