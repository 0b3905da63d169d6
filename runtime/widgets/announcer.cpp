// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "runtime/widgets/announcer.h"

namespace runtime {

Announcer::Announcer(QWidget* parent) : QWidget(parent)
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
