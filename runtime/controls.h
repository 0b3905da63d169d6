// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#pragma once

// The runtime boundary: what a command may read of the window's controls and do
// to the result box. calc/ sees only these interfaces and the services in
// format.h; the Qt widgets that implement them live beside them in runtime/, so
// a command runs the same against the real window and against stand-ins.
//
//   window (Form1) --FormControls--> calc::CalculateCommand --WriteLine--> ResultBox

#include <cstdint>
#include <string_view>

namespace runtime {

class Slider
{
public:
    virtual ~Slider() = default;
    // The thumb's position, which the calculation takes as a side length.
    virtual std::int32_t Value() const = 0;
};

class OptionButton
{
public:
    virtual ~OptionButton() = default;
    virtual bool Value() const = 0;
};

class CheckBox
{
public:
    enum : std::int16_t
    {
        Unchecked = 0,
        Checked = 1,
        Grayed = 2
    };

    virtual ~CheckBox() = default;
    virtual std::int16_t Value() const = 0;
};

// The output surface of a calculation: a column of text lines.
class ResultBox
{
public:
    virtual ~ResultBox() = default;
    // Erases everything; the next line goes to the top-left corner.
    virtual void Clear() = 0;
    // Writes UTF-8 text at the writing position, which then moves to the next line.
    virtual void WriteLine(std::string_view text) = 0;
};

// The controls of the window that a command works on, borrowed for one call.
struct FormControls
{
    const Slider& Slider1;
    const Slider& Slider2;
    const Slider& Slider3;
    const OptionButton& Option1;
    const OptionButton& Option2;
    const CheckBox& Check1;
    ResultBox& Picture1;
};

} // namespace runtime
