// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
//
// uiaclient <window title>: asks the window for its UI Automation provider,
// as a screen reader's first request does, which turns Qt's UI Automation on.
// Exits 1 when no such window shows within 30 seconds.
// windows.h first: the others build on it.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

int main()
{
    constexpr LPARAM kUiaRootObjectId = -25; // UIAutomationCoreApi.h
    int count = 0;
    wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
    if (count != 2) {
        return 2;
    }
    for (int tries = 0; tries < 300; ++tries) {
        if (HWND window = FindWindowW(nullptr, args[1])) {
            SendMessageW(window, WM_GETOBJECT, 0, kUiaRootObjectId);
            return 0;
        }
        Sleep(100);
    }
    return 1;
}
