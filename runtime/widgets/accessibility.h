// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#pragma once

// How a screen reader sees what Qt has no interface for: the program's main
// window is a frame, the line a separator, an announcement a notification;
// and the result box, whose stock interface drops its last character. Every
// other widget, ours built on stock ones included, keeps Qt's own.

struct QMetaObject;

namespace runtime {

// Registers those interfaces with Qt; mainWindow is the class of the program's
// own top-level window. Call once the application object stands.
void InstallAccessibility(const QMetaObject& mainWindow);

} // namespace runtime
