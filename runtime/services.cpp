// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "runtime/services.h"

#include <QApplication>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>

#include <array>
#include <utility>

namespace runtime {

namespace {

// Room the window manager takes beside a dialog's title (its icon and buttons),
// and how much larger its title font usually is than a dialog's text.
constexpr int kTitleBarButtonsWidth = 120;
constexpr double kTitleFontScale = 1.3;

std::function<void()>& EndHandler()
{
    static std::function<void()> handler;
    return handler;
}

QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

struct ButtonSet
{
    std::array<std::pair<QMessageBox::StandardButton, MsgBoxAnswer>, 3> buttons;
    int count;
};

ButtonSet Buttons(int style)
{
    using B = QMessageBox;
    switch (style & 7) {
    case OkCancel:
        return {{{{B::Ok, AnswerOk}, {B::Cancel, AnswerCancel}}}, 2};
    case AbortRetryIgnore:
        return {{{{B::Abort, AnswerAbort}, {B::Retry, AnswerRetry}, {B::Ignore, AnswerIgnore}}}, 3};
    case YesNoCancel:
        return {{{{B::Yes, AnswerYes}, {B::No, AnswerNo}, {B::Cancel, AnswerCancel}}}, 3};
    case YesNo:
        return {{{{B::Yes, AnswerYes}, {B::No, AnswerNo}}}, 2};
    case RetryCancel:
        return {{{{B::Retry, AnswerRetry}, {B::Cancel, AnswerCancel}}}, 2};
    default:
        return {{{{B::Ok, AnswerOk}}}, 1};
    }
}

QMessageBox::Icon Icon(int style)
{
    switch (style & 0x70) {
    case Critical:
        return QMessageBox::Critical;
    case Question:
        return QMessageBox::Question;
    case Exclamation:
        return QMessageBox::Warning;
    case Information:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

int MsgBox(QWidget* owner, std::string_view prompt, int style, std::string_view title)
{
    QString text = FromUtf8(prompt);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));

    QMessageBox box(Icon(style), FromUtf8(title), text, QMessageBox::NoButton, owner);
    box.setTextFormat(Qt::PlainText);
    if (owner) {
        box.setFont(owner->font());
    }
    // Lines start at the left, so that leading blanks indent as they were written.
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setWordWrap(false);
    }
    const ButtonSet set = Buttons(style);
    for (int i = 0; i < set.count; ++i) {
        box.addButton(set.buttons[i].first)->setIcon(QIcon());
    }
    // Wide enough for the whole title, which the window manager would cut short.
    // Its title font is not ours to know: title bars use a larger bold one.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        QFont titleFont = box.font();
        titleFont.setBold(true);
        titleFont.setPointSizeF(titleFont.pointSizeF() * kTitleFontScale);
        const int titleWidth = QFontMetrics(titleFont).horizontalAdvance(box.windowTitle());
        grid->addItem(new QSpacerItem(titleWidth + kTitleBarButtonsWidth, 0, QSizePolicy::Minimum,
                                      QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    const int defaultIndex = std::min((style >> 8) & 3, set.count - 1);
    box.setDefaultButton(set.buttons[defaultIndex].first);
    box.exec();
    // Back to the window the box was over, also where no window manager does it.
    if (owner) {
        owner->activateWindow();
    }

    const QMessageBox::StandardButton clicked = box.standardButton(box.clickedButton());
    for (int i = 0; i < set.count; ++i) {
        if (clicked == set.buttons[i].first) {
            return set.buttons[i].second;
        }
    }
    return set.count == 1 ? set.buttons[0].second : AnswerCancel;
}

void End()
{
    if (const auto& handler = EndHandler()) {
        handler();
        return;
    }
    // The windows go at once, so nothing more can be clicked; the event loop
    // then returns and main() ends the process with status 0.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        window->hide();
    }
    QCoreApplication::exit(0);
}

void SetEndHandler(std::function<void()> handler)
{
    EndHandler() = std::move(handler);
}

} // namespace runtime
