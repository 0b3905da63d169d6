// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "runtime/captionfit.h"

#include "runtime/label.h"
#include "runtime/optionbuttoncontrol.h"
#include "runtime/picturebox.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QPushButton>
#include <QStyleOptionButton>

#include <algorithm>

namespace runtime {

namespace {

// Room a push button's frame takes on each side.
constexpr int kButtonMargin = 4;

bool Fits(const QFontMetrics& metrics, const QString& text, const QRect& room)
{
    return metrics.horizontalAdvance(text) <= room.width() && metrics.height() <= room.height();
}

} // namespace

bool CaptionFits(const QWidget& control, const QStringList& lines)
{
    const QFontMetrics metrics = control.fontMetrics();
    if (auto* option = qobject_cast<const OptionButtonControl*>(&control)) {
        const QStringList shown = option->CaptionLines();
        const QRect room = option->CaptionRect();
        return shown.size() <= 2 && shown.size() * metrics.height() <= room.height() &&
               std::all_of(shown.cbegin(), shown.cend(), [&](const QString& line) {
                   return metrics.horizontalAdvance(line) <= room.width();
               });
    }
    if (auto* check = qobject_cast<const QCheckBox*>(&control)) {
        QStyleOptionButton option;
        option.initFrom(check);
        return Fits(metrics, check->text(),
                    check->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, check));
    }
    if (auto* button = qobject_cast<const QPushButton*>(&control)) {
        return Fits(metrics, WithoutAccessKey(button->text()),
                    button->rect().marginsRemoved(
                        QMargins(kButtonMargin, kButtonMargin, kButtonMargin, kButtonMargin)));
    }
    if (auto* label = qobject_cast<const QLabel*>(&control)) {
        return Fits(metrics, label->text(), label->contentsRect());
    }
    if (auto* box = qobject_cast<const PictureBox*>(&control)) {
        return std::all_of(lines.cbegin(), lines.cend(), [&](const QString& line) {
            return Fits(metrics, line, box->contentsRect());
        });
    }
    return true;
}

} // namespace runtime
