// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#pragma once

// The main window. Form1 builds its controls from the table in
// formdescription.h and routes the three buttons to their commands:
//
//   Command1 (click, Enter, Alt+И) -> calc::CalculateCommand(Controls())
//   Command2 (click, Alt+О)        -> FormulasCommand(this window)
//   Command3 (click, Esc, Alt+Ы)   -> ExitCommand()
//
// Every key path of the window, and the unit that handles it:
//
//   Enter, keypad Enter        Command1 (the default button) from any control
//                              but a command button, which takes it itself:
//                              KeyRouting, and setDefault for the stock path
//   Esc                        Command3 from anywhere: a QShortcut here
//   Alt+И, Alt+О, Alt+Ы        the buttons by their access letters: Qt's
//                              mnemonics from the captions
//   Alt+B, Alt+J, Alt+S        the same by the physical key that carries the
//                              letter in the Russian layout, under a Latin
//                              group: KeyRouting with PhysicalKeys
//   Tab, Shift+Tab             the tab order of the table: SetTabOrder
//   arrows, Page Up/Down, Home, End   the sliders: QSlider
//   Ctrl+C, Ctrl+Insert        copy the answer from anywhere: a QShortcut
//                              here, and PictureBox::keyPressEvent in the box
//   Shift+F10, Menu            the result box's menu: PictureBox::keyPressEvent
//
// FirstPlacement brings the window onto the screen once. Nothing else in the
// window computes, formats or reacts to an input.

#include "runtime/controls.h"

#include <QWidget>

class QPushButton;

namespace runtime {
class CheckBoxControl;
class OptionButtonControl;
class PictureBox;
class SliderControl;
} // namespace runtime

namespace window {

struct ControlDescription;

class Form1 : public QWidget
{
    Q_OBJECT

public:
    // The controls that act, by the names of the window's table, typed; the
    // window owns them all. Whoever drives the window (the tests) reaches them
    // here, so that a renamed control fails to compile.
    struct Controls
    {
        runtime::OptionButtonControl* Option1 = nullptr;
        runtime::OptionButtonControl* Option2 = nullptr;
        QPushButton* Command1 = nullptr;
        QPushButton* Command2 = nullptr;
        QPushButton* Command3 = nullptr;
        runtime::PictureBox* Picture1 = nullptr;
        runtime::CheckBoxControl* Check1 = nullptr;
        runtime::SliderControl* Slider1 = nullptr;
        runtime::SliderControl* Slider2 = nullptr;
        runtime::SliderControl* Slider3 = nullptr;
    };

    explicit Form1(QWidget* parent = nullptr);
    const Controls& Named() const { return m_named; }

private:
    void CreateControls();
    QWidget* CreateControl(const ControlDescription& description);
    template <class T> T* Find(const char* name) const;
    void SetTabOrder();
    void ConnectCommands();
    void FitFonts();
    // What the Calculate command reads and writes, borrowed for one call.
    runtime::FormControls CommandControls();

    Controls m_named;
};

} // namespace window
