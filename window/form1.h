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
// Nothing else in the window computes, formats or reacts to an input.

#include "runtime/controls.h"

#include <QTimer>
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
    explicit Form1(QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateControls();
    QWidget* CreateControl(const ControlDescription& description);
    template <class T> T* Find(const char* name) const;
    void SetTabOrder();
    void ConnectCommands();
    void FitFonts();
    // Moves the window onto the screen where it is not; true once the window
    // manager's frame was known and so counted.
    bool KeepOnScreen();
    bool HandleKey(QKeyEvent* event, QWidget* receiver);
    // What the Calculate command reads and writes, borrowed for one call.
    runtime::FormControls Controls();

    // The controls the commands and keys need; the window owns them all.
    runtime::OptionButtonControl* Option1 = nullptr;
    runtime::OptionButtonControl* Option2 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command3 = nullptr;
    runtime::PictureBox* Picture1 = nullptr;
    runtime::CheckBoxControl* Check1 = nullptr;
    runtime::SliderControl* Slider1 = nullptr;
    runtime::SliderControl* Slider2 = nullptr;
    runtime::SliderControl* Slider3 = nullptr;

    // Waits, after the window is shown, for the window manager's frame.
    QTimer m_frameWatch;
    int m_framePolls = 0;
};

} // namespace window
