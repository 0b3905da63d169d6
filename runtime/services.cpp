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

} // namespace

int MsgBox(QWidget* owner, std::string_view prompt, int style, std::string_view title)
{
    QString text = FromUtf8(prompt);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));

    const auto icon = (style & Information) ? QMessageBox::Information : QMessageBox::NoIcon;
    QMessageBox box(icon, FromUtf8(title), text, QMessageBox::NoButton, owner);
    box.setTextFormat(Qt::PlainText);
    if (owner) {
        box.setFont(owner->font());
    }
    // Lines start at the left, so that leading blanks indent as they were
    // written. Qt offers no way to say so but through its label's name.
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setWordWrap(false);
    }
    box.addButton(QMessageBox::Ok)->setIcon(QIcon());
    box.setDefaultButton(QMessageBox::Ok);
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
    box.exec();
    // Back to the window the box was over, also where no window manager does it.
    if (owner) {
        owner->activateWindow();
    }
    return AnswerOk;
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
