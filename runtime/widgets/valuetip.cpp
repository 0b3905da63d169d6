// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "runtime/widgets/valuetip.h"

#include "runtime/services.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>

namespace runtime {

namespace {

// As long as the value stays on screen after the last change.
constexpr int kShownMs = 1500;

} // namespace

ValueTip::ValueTip(QWidget* owner) : QLabel(owner, Qt::ToolTip | Qt::BypassGraphicsProxyWidget)
{
    // Never the active window: the keys stay with the slider.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setMargin(style()->pixelMetric(QStyle::PM_ToolTipLabelFrameWidth, nullptr, this));
    setAlignment(Qt::AlignCenter);
    m_hide.setSingleShot(true);
    m_hide.setInterval(kShownMs);
    connect(&m_hide, &QTimer::timeout, this, &QWidget::hide);
}

void ValueTip::ShowAt(const QString& text, const QPoint& bottomCentre)
{
    hide();
    setText(text);
    adjustSize();
    QPoint topLeft = bottomCentre - QPoint(width() / 2, height());
    // A Wayland client knows no global places; there the compositor keeps
    // the tip on the screen.
    const QScreen* screen = QGuiApplication::screenAt(bottomCentre);
    if (screen && !IsWayland()) {
        const QRect room = screen->availableGeometry();
        topLeft.setX(qBound(room.left(), topLeft.x(), room.right() + 1 - width()));
        topLeft.setY(qBound(room.top(), topLeft.y(), room.bottom() + 1 - height()));
    }
    // The tip itself, not a frame the platform may give it, goes there.
    setGeometry(QRect(topLeft, size()));
    show();
    m_hide.start();
}

} // namespace runtime
