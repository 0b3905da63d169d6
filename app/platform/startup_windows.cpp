// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "app/startup.h"

namespace app {

// A GUI program on Windows starts without standard streams and gets no signal
// for a closed pipe: there is nothing to guard.
void GuardStandardStreams() {}

// No session bus on Windows.
void NoBusAutolaunch() {}

} // namespace app
