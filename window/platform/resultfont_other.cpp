// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "window/formdescription.h"

namespace window {

// No "MS Sans Serif" outside Windows.
const char* const kResultFontFamily = nullptr;

} // namespace window
