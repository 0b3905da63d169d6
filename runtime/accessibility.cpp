// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "runtime/accessibility.h"

#include "runtime/label.h"
#include "runtime/picturebox.h"

#include <QAccessibleWidget>
#include <QFontMetrics>

namespace runtime {

namespace {

// Text that can be read but not changed: a caption, or the result line.
class ReadOnlyTextAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    ReadOnlyTextAccessible(QWidget* widget, QAccessible::Role role)
        : QAccessibleWidget(widget, role)
    {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name:
            return widget()->accessibleName().isEmpty() ? Shown() : widget()->accessibleName();
        case QAccessible::Value:
            return Shown();
        case QAccessible::Description:
            // Not the tooltip in its place: that would be read as if it were the text.
            return widget()->accessibleDescription();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        return s;
    }

    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override
    {
        auto related = QAccessibleWidget::relations(match);
        auto* label = qobject_cast<QLabel*>(widget());
        if ((match & QAccessible::Labelled) && label && label->buddy()) {
            related.append(
                {QAccessible::queryAccessibleInterface(label->buddy()), QAccessible::Labelled});
        }
        return related;
    }

    QString text(int startOffset, int endOffset) const override
    {
        return Shown().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(Shown().size()); }
    void selection(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int offset) const override
    {
        const QString shown = Shown();
        if (offset < 0 || offset >= shown.size()) {
            return {};
        }
        const QFontMetrics metrics = widget()->fontMetrics();
        const QPoint origin = widget()->mapToGlobal(widget()->contentsRect().topLeft());
        return {origin.x() + metrics.horizontalAdvance(shown.left(offset)), origin.y(),
                metrics.horizontalAdvance(shown.at(offset)), metrics.height()};
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        for (int i = 0; i < characterCount(); ++i) {
            if (characterRect(i).contains(point)) {
                return i;
            }
        }
        return -1;
    }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = offset;
        return {};
    }

private:
    QString Shown() const
    {
        if (auto* box = qobject_cast<PictureBox*>(widget())) {
            return box->Text();
        }
        if (auto* label = qobject_cast<QLabel*>(widget())) {
            return label->text();
        }
        return {};
    }
};

QAccessibleInterface* Factory(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) {
        return nullptr;
    }
    // The program's own top-level window (Qt names only its stock ones).
    if (widget->isWindow() && className == QLatin1String(widget->metaObject()->className())) {
        return new QAccessibleWidget(widget, QAccessible::Window);
    }
    if (className == QLatin1String("runtime::Label")) {
        return new ReadOnlyTextAccessible(widget, QAccessible::StaticText);
    }
    if (className == QLatin1String("runtime::PictureBox")) {
        return new ReadOnlyTextAccessible(widget, QAccessible::EditableText);
    }
    if (className == QLatin1String("runtime::Line")) {
        return new QAccessibleWidget(widget, QAccessible::Separator);
    }
    return nullptr;
}

} // namespace

void InstallAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

} // namespace runtime
