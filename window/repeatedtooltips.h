// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QWidget;

namespace window {

// Tooltips that only repeat a control's name. Qt offers a control's tooltip
// to a screen reader as its description, which would then say the name
// twice; these are kept off the control and shown from here instead.
class RepeatedToolTips : public QObject
{
    Q_OBJECT

public:
    explicit RepeatedToolTips(QObject* parent);

    void Add(QWidget* control, const QString& toolTip);
    static QString Of(const QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace window
