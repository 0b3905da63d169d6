// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

class QWidget;

namespace window {

// The formulas box: its title, spelt as the program has always spelt it, and
// its two lines joined by CR LF. The "с" before the first ";" is Cyrillic.
inline constexpr std::string_view kFormulasTitle = "Использоавннае формулы";
inline constexpr std::string_view kFormulasLine1 = "S=sqr(p/2*(p/2-a)*(p/2-b)*(p/2-c));";
inline constexpr std::string_view kFormulasLine2 = "     P=a+b+с; p=P/2=(a+b+c)/2.";
std::string FormulasMessage();

// Shows the formulas the calculation uses, in a modal box over owner; changes nothing.
void FormulasCommand(QWidget* owner);

// Ends the program at once.
void ExitCommand();

} // namespace window
