// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/controls.h"

#include <QRadioButton>

namespace runtime {

// An option button of one group, read as selected or not. Its caption wraps
// onto further lines when it is wider than the button, and a click anywhere on
// the button selects it. The group is one stop for Tab, which lands on the
// selected button.
class OptionButtonControl : public QRadioButton, public OptionButton
{
    Q_OBJECT

public:
    explicit OptionButtonControl(QWidget* parent = nullptr);

    bool Value() const override;

    // Where the caption goes, in the button's coordinates, and the lines it
    // takes there, each as high as the font.
    QRect CaptionRect() const;
    QStringList CaptionLines() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    // Tells the platform's screen readers that this button has just been
    // selected, where the toolkit does not (platform/optionbutton_*.cpp).
    void TellSelected();
};

} // namespace runtime
