// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "window/keyrouting.h"

#include "window/physicalkeys.h"

#include <QKeyEvent>
#include <QPushButton>

namespace window {

namespace {

bool IsEnter(const QKeyEvent& event)
{
    return (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) &&
           (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

} // namespace

KeyRouting::KeyRouting(QWidget* window, QPushButton* defaultButton)
    : QObject(window), m_window(window), m_default(defaultButton)
{}

bool KeyRouting::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        return HandleKey(*static_cast<QKeyEvent*>(event), watched);
    }
    return false;
}

bool KeyRouting::HandleKey(const QKeyEvent& event, QObject* receiver)
{
    if (IsEnter(event) && !qobject_cast<QPushButton*>(receiver)) {
        m_default->click();
        return true;
    }
    if (event.modifiers() != Qt::AltModifier) {
        return false;
    }
    const QChar letter = RussianLetterOfKey(event);
    if (letter.isNull()) {
        return false;
    }
    const QKeySequence wanted(Qt::ALT | letter.toUpper().unicode());
    for (QPushButton* button : m_window->findChildren<QPushButton*>()) {
        if (QKeySequence::mnemonic(button->text()) == wanted) {
            button->animateClick();
            return true;
        }
    }
    return false;
}

} // namespace window
