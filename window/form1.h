// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#pragma once

// The main window. Form1 builds its controls from the table in
// formdescription.h and routes the three buttons to their commands:
//
//   Command1 (click, Enter, Alt+И) -> calc::CalculateCommand(controls())
//   Command2 (click, Alt+О)        -> FormulasCommand
//   Command3 (click, Esc, Alt+Ы)   -> ExitCommand
//
// Nothing else in the window computes, formats or reacts to an input.

#include "runtime/controls.h"

#include <QWidget>

class QFrame;
class QPushButton;

namespace runtime {
class CheckBoxControl;
class Label;
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
    explicit Form1(QWidget* parent = nullptr);

    // What the commands may read and write, borrowed for one call.
    runtime::FormControls controls();

    runtime::OptionButtonControl* Option1 = nullptr;
    runtime::OptionButtonControl* Option2 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command3 = nullptr;
    runtime::PictureBox* Picture1 = nullptr;
    runtime::CheckBoxControl* Check1 = nullptr;
    runtime::SliderControl* Slider3 = nullptr;
    runtime::SliderControl* Slider2 = nullptr;
    runtime::SliderControl* Slider1 = nullptr;
    runtime::Label* Label2 = nullptr;
    runtime::Label* Label3 = nullptr;
    runtime::Label* Label4 = nullptr;
    runtime::Label* Label1 = nullptr;
    QFrame* Line1 = nullptr;
    runtime::Label* Label5 = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateControls();
    QWidget* CreateControl(const ControlDescription& description);
    template <class T> T* Find(const char* name) const;
    void SetTabOrder();
    void ConnectCommands();
};

} // namespace window
