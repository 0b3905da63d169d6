// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "runtime/widgets/optionbuttoncontrol.h"

namespace runtime {

// AT-SPI: Qt's checked-state change is what Orca speaks; anything more would
// be heard twice.
void OptionButtonControl::TellSelected() {}

} // namespace runtime
