// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "window/formdescription.h"

namespace window {

const char* const kResultFontFamily = "MS Sans Serif";

} // namespace window
