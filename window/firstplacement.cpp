// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "window/firstplacement.h"

#include "runtime/services.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace window {

namespace {

// How long the window waits for its frame: a tenth of a second at a time, for
// two seconds at most.
constexpr int kFramePollMs = 100;
constexpr int kFramePolls = 20;

} // namespace

FirstPlacement::FirstPlacement(QWidget* window) : QObject(window), m_window(window)
{
    m_frameWatch.setInterval(kFramePollMs);
    connect(&m_frameWatch, &QTimer::timeout, this, [this] {
        if (KeepOnScreen() || ++m_framePolls == kFramePolls) {
            m_frameWatch.stop();
        }
    });
    if (!runtime::IsWayland()) {
        window->installEventFilter(this);
    }
}

bool FirstPlacement::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window && event->type() == QEvent::Show) {
        m_window->removeEventFilter(this);
        KeepOnScreen();
        m_frameWatch.start();
    }
    return false;
}

bool FirstPlacement::KeepOnScreen()
{
    QWindow* window = m_window->windowHandle();
    if (!window || !window->screen()) {
        return false;
    }
    QMargins frame = window->frameMargins();
    const bool framed = !frame.isNull();
    // At a fractional scale the frame, in whole logical pixels, may come out
    // a pixel short.
    const qreal ratio = window->devicePixelRatio();
    if (ratio != std::floor(ratio)) {
        frame += QMargins(1, 1, 1, 1);
    }
    // Moved, never resized: just far enough that the whole window, frame
    // included, lies on the screen; the top left wins where nothing would do.
    const QRect available = window->screen()->availableGeometry();
    const QRect outer = m_window->geometry().marginsAdded(frame);
    QPoint shift;
    shift.rx() = std::min(0, available.right() - outer.right());
    shift.rx() = std::max(shift.x(), available.left() - outer.left());
    shift.ry() = std::min(0, available.bottom() - outer.bottom());
    shift.ry() = std::max(shift.y(), available.top() - outer.top());
    if (!shift.isNull()) {
        m_window->setGeometry(m_window->geometry().translated(shift));
    }
    return framed;
}

} // namespace window
