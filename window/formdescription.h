// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#pragma once

// The window's description, read the way a form file reads: one row a control,
// with its kind, caption, rectangle in twips, tab index and tooltip. Form1
// builds its widgets from this table and from nothing else.

#include <array>

namespace window {

enum class ControlKind
{
    OptionButton,
    CommandButton,
    PictureBox,
    CheckBox,
    Slider,
    Label,
    Line,
};

struct ControlDescription
{
    const char* name;
    ControlKind kind;
    const char* caption; // "&" marks the access key; nullptr where there is none
    int left;            // twips; for a line, its end points (left, top)-(left + width, top)
    int top;
    int width;
    int height;
    int tabIndex; // -1 where the control has none
    const char* toolTip;
    const char* labelFor = nullptr; // a label: the control it names
};

// 1440 twips to the inch, 15 to a pixel at 96 dots per inch.
inline constexpr int kTwipsPerPixel = 15;

constexpr int Pixels(int twips)
{
    return twips / kTwipsPerPixel;
}

inline constexpr const char* kForm1Caption = "Сторомер";
// The client area, and where its top-left corner opens on the screen.
inline constexpr int kForm1Left = 3825;
inline constexpr int kForm1Top = 3120;
inline constexpr int kForm1Width = 3855;
inline constexpr int kForm1Height = 2895;

// Slider settings shared by the three sliders.
inline constexpr int kSliderMin = 0;
inline constexpr int kSliderMax = 50;
inline constexpr int kSliderSmallChange = 1;
inline constexpr int kSliderLargeChange = 5;
inline constexpr int kSliderTickFrequency = 1;

// The line's thickness in pixels.
inline constexpr int kLineWidth = 2;

// The result box's font, bold: "MS Sans Serif", a font of Windows that no
// other system has. Elsewhere the box asks for the window's family at once
// (asking for a missing family costs a full fallback search at start), so
// each platform's file in platform/ says whether it has it (nullptr: not).
extern const char* const kResultFontFamily;
inline constexpr double kResultFontPoints = 8.25;
// The widest lines the result box must show in full.
inline constexpr std::array<const char*, 2> kResultWidestLines = {" 1082,53175473055 ",
                                                                  "Нет такого треугольника"};

// The font of every other control, which the description leaves to the
// platform: Liberation Sans has Arial's metrics and Cyrillic, so every caption
// fits its rectangle as it would with the Windows dialog font; Windows itself
// has Arial. Where neither is there, the size comes down until all fit.
inline constexpr const char* kWindowFontFamily = "Liberation Sans";
inline constexpr const char* kWindowFontFallback = "Arial";
inline constexpr int kWindowFontPoints = 8;
inline constexpr double kSmallestFontPoints = 5;

extern const std::array<ControlDescription, 16> kForm1Controls;

} // namespace window
