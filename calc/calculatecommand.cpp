// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "calc/calculatecommand.h"

#include "calc/resulttext.h"
#include "calc/resultvalue.h"
#include "calc/triangle.h"

namespace calc {

void CalculateCommand(const runtime::FormControls& form)
{
    // The old line goes first, before any input is read.
    form.Picture1.Clear();

    // Braced initialisation reads the sliders in this order: a, b, c.
    const SideLengths s{form.Slider1.Value(), form.Slider2.Value(), form.Slider3.Value()};

    const std::int32_t P = Perimeter(s);

    ResultValue r;

    if (form.Option1.Value()) {
        r = P;
    }

    // Independent of the perimeter: should both options ever be set, the area wins.
    if (form.Option2.Value()) {
        r = HeronArea(s);
    }

    const bool round = form.Check1.Value() != runtime::CheckBox::Unchecked;
    form.Picture1.WriteLine(ResultText(r, round));
}

} // namespace calc
