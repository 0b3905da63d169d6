// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "window/formdescription.h"

namespace window {

using K = ControlKind;

// In the order of the window's description, which is also the stacking order.
// "цыфр" (Check1's tooltip) and "длинну" (Label1) are spelt as the program has
// always spelt them.
const std::array<ControlDescription, 16> kForm1Controls = {{
    {"Option1", K::OptionButton, "Вычислить периметр треугольника", 0, 1320, 1935, 375, 6,
     "Вычислить периметр треугольника"},
    {"Option2", K::OptionButton, "Вычислить площадь треугольника", 1920, 1320, 1935, 375, 5,
     "Вычислить площадь треугольника"},
    {"Command2", K::CommandButton, "Ф&ормулы", 1200, 2520, 1455, 375, 4,
     "Вывод использованных формул"},
    {"Command1", K::CommandButton, "Выч&ислить", 0, 2520, 1095, 375, 3,
     "Для нахождения периметра или площади треугольника нажмите кнопку \"Вычислить\""},
    {"Command3", K::CommandButton, "В&ыход", 2760, 2520, 1095, 375, 2,
     "Для завершения работы программы нажмите кнопку \"Выход\""},
    {"Picture1", K::PictureBox, nullptr, 0, 2040, 2655, 375, 1, "Ответ"},
    {"Check1", K::CheckBox, "Округлить", 2760, 2040, 1095, 375, 0,
     "Округляет результат до трёх цыфр после запятой"},
    {"Slider3", K::Slider, nullptr, 120, 960, 3735, 255, 12, "Третья сторона треугольника"},
    {"Slider2", K::Slider, nullptr, 120, 600, 3735, 255, 13, "Вторая сторона треугольника"},
    {"Slider1", K::Slider, nullptr, 120, 240, 3735, 255, 14, "Первая сторона треугольника"},
    {"Label2", K::Label, "A", 0, 240, 135, 255, 11, "Первая сторона треугольника", "Slider1"},
    {"Label3", K::Label, "B", 0, 600, 135, 255, 10, "Вторая сторона треугольника", "Slider2"},
    {"Label4", K::Label, "C", 0, 960, 135, 255, 9, "Третья сторона треугольника", "Slider3"},
    {"Label1", K::Label, "Установите длинну сторон треугольника:", 360, 0, 3255, 255, 8, nullptr},
    {"Line1", K::Line, nullptr, 0, 1800, 3960, 0, -1, nullptr},
    {"Label5", K::Label, "Для вычисления нажмите кнопку \"Выч&ислить\".", 120, 1800, 3735, 255, 7,
     nullptr},
}};

} // namespace window
