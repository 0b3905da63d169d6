// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "runtime/widgets/captionfit.h"

#include "runtime/widgets/label.h"
#include "runtime/widgets/optionbuttoncontrol.h"
#include "runtime/widgets/picturebox.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QPushButton>
#include <QStyleOptionButton>

#include <algorithm>

namespace runtime {

namespace {

bool Fits(const QFontMetrics& metrics, const QString& text, const QRect& room)
{
    return metrics.horizontalAdvance(text) <= room.width() && metrics.height() <= room.height();
}

// Where the style draws a button's caption.
QRect CaptionRoom(const QAbstractButton& button, QStyle::SubElement element)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    return button.style()->subElementRect(element, &option, &button);
}

} // namespace

bool CaptionFits(QWidget& control, const QStringList& lines)
{
    const QFontMetrics metrics = control.fontMetrics();
    if (auto* option = qobject_cast<OptionButtonControl*>(&control)) {
        const QStringList shown = option->CaptionLines();
        const QRect room = option->CaptionRect();
        return shown.size() <= 2 && shown.size() * metrics.height() <= room.height() &&
               std::all_of(shown.cbegin(), shown.cend(), [&](const QString& line) {
                   return metrics.horizontalAdvance(line) <= room.width();
               });
    }
    if (auto* check = qobject_cast<QCheckBox*>(&control)) {
        return Fits(metrics, check->text(), CaptionRoom(*check, QStyle::SE_CheckBoxContents));
    }
    if (auto* button = qobject_cast<QPushButton*>(&control)) {
        return Fits(metrics, WithoutAccessKey(button->text()),
                    CaptionRoom(*button, QStyle::SE_PushButtonContents));
    }
    if (auto* label = qobject_cast<QLabel*>(&control)) {
        return Fits(metrics, label->text(), label->contentsRect());
    }
    if (auto* box = qobject_cast<PictureBox*>(&control)) {
        return std::all_of(lines.cbegin(), lines.cend(),
                           [&](const QString& line) { return box->ShowsWhole(line); });
    }
    return true;
}

} // namespace runtime
