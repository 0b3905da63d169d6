// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "runtime/widgets/picturebox.h"

#include "runtime/widgets/announcer.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace runtime {

namespace {

constexpr double kLegibleContrast = 4.5;

double RelativeLuminance(const QColor& color)
{
    auto linear = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) +
           0.0722 * linear(color.blueF());
}

} // namespace

double ContrastRatio(const QColor& a, const QColor& b)
{
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool IsLight(const QColor& color)
{
    // Where the two ratios meet, near 0.18.
    return RelativeLuminance(color) > 0.18;
}

PictureBox::PictureBox(QWidget* parent) : QLineEdit(parent)
{
    connect(this, &PictureBox::Announced, new Announcer(this), &Announcer::Announce);
    setReadOnly(true);
    m_copy = new QAction(QStringLiteral("Копировать"), this);
    m_copy->setEnabled(false);
    connect(m_copy, &QAction::triggered, this, &PictureBox::Copy);
    // Its one item, in the window's language, instead of the editing menu.
    addAction(m_copy);
    Ink();
}

void PictureBox::Clear()
{
    m_written = false;
    Show(QString());
}

void PictureBox::WriteLine(std::string_view text)
{
    if (m_written) {
        return; // below the box's one line, out of sight
    }
    m_written = true;
    Show(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void PictureBox::Show(const QString& line)
{
    setText(line);
    home(false);
    m_copy->setEnabled(!CopyText().isEmpty());
    // A command clears the box and writes its line in one go: the screen
    // reader hears the answer once, when the command is done.
    if (!m_announcePending) {
        m_announcePending = true;
        QTimer::singleShot(0, this, &PictureBox::Announce);
    }
}

void PictureBox::Announce()
{
    m_announcePending = false;
    if (const QString answer = CopyText(); !answer.isEmpty()) {
        emit Announced(answer);
    }
}

bool PictureBox::ShowsWhole(const QString& line)
{
    const QString shown = text();
    setText(line);
    home(false);
    // The place nearest the right edge is the line's end only when none of it is cut.
    const bool whole = cursorPositionAt(QPoint(width() - 1, height() / 2)) == line.size();
    setText(shown);
    return whole;
}

QString PictureBox::CopyText() const
{
    return text().trimmed();
}

void PictureBox::Copy() const
{
    if (const QString copied = CopyText(); !copied.isEmpty()) {
        QGuiApplication::clipboard()->setText(copied);
    }
}

QColor PictureBox::InkColor() const
{
    const QColor highlight = palette().color(QPalette::Highlight).toHsl();
    const QColor background = palette().color(backgroundRole());
    if (ContrastRatio(highlight, background) >= kLegibleContrast) {
        return QColor(highlight.rgb());
    }
    // Away from the background's lightness: darker on a light box, lighter on
    // a dark one; black or white always get there.
    const bool darker = IsLight(background);
    QColor ink = highlight;
    for (int lightness = highlight.lightness(); lightness >= 0 && lightness <= 255;
         lightness += darker ? -1 : 1) {
        ink.setHsl(highlight.hslHue(), highlight.hslSaturation(), lightness);
        if (ContrastRatio(ink, background) >= kLegibleContrast) {
            break;
        }
    }
    return QColor(ink.rgb());
}

void PictureBox::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        Ink();
    }
}

void PictureBox::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    menu.addActions(actions());
    // Opened from the keyboard, the first item is highlighted once the menu
    // shows, as in Windows' and GTK's own menus, so that a screen reader says
    // which item the menu opened on; Qt highlights one only in submenus and
    // menu bars. The mouse leaves it to the pointer.
    if (event->reason() == QContextMenuEvent::Keyboard) {
        QTimer::singleShot(0, &menu, [&menu] { menu.setActiveAction(menu.actions().value(0)); });
    }
    menu.exec(event->globalPos());
}

void PictureBox::Ink()
{
    const QColor ink = InkColor();
    if (palette().color(QPalette::Text) != ink) {
        QPalette inked = palette();
        inked.setColor(QPalette::Text, ink);
        setPalette(inked);
    }
}

void PictureBox::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    // Not all selected on Tab as an editable line is: a screen reader would
    // read the selection instead of the answer, and copy takes it whole anyway.
    deselect();
}

void PictureBox::keyPressEvent(QKeyEvent* event)
{
    // The answer, trimmed, unless the user selected a part of it.
    if (event->matches(QKeySequence::Copy) && !hasSelectedText()) {
        Copy();
        return;
    }
    // The menu keys, which the line edit would take for itself, and
    // Shift+F10, which X11 does not turn into a context menu as Windows does.
    if (event->key() == Qt::Key_Menu ||
        (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier)) {
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, cursorRect().center(),
                               mapToGlobal(cursorRect().center()));
        QCoreApplication::sendEvent(this, &menu);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace runtime
