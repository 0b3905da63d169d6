// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "runtime/widgets/announcer.h"

namespace runtime {

// AT-SPI: an invisible, zero-size notification that appears anew with each
// text; screen readers speak a notification as it shows.
Announcer::Announcer(QWidget* speaker) : QWidget(speaker)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    hide();
}

void Announcer::Announce(const QString& text)
{
    // Shown again even for the same text: each answer is heard.
    hide();
    setAccessibleName(text);
    show();
}

} // namespace runtime
