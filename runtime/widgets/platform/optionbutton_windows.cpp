// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "runtime/widgets/optionbuttoncontrol.h"

#include <QAccessible>

namespace runtime {

// UI Automation: a screen reader confirms a selected option by its
// SelectionItem_ElementSelected event, which Qt raises for SelectionAdd only.
// Qt workaround, until a Qt after 6.8 (recheck on each upgrade): Qt 6.8's
// Windows backend still raises nothing when a radio button becomes checked;
// it turns a checked-state change into an event for check boxes alone.
void OptionButtonControl::TellSelected()
{
    QAccessibleEvent event(this, QAccessible::SelectionAdd);
    QAccessible::updateAccessibility(&event);
}

} // namespace runtime
