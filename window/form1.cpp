// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "window/form1.h"

#include "calc/calculatecommand.h"
#include "runtime/accessibility.h"
#include "runtime/captionfit.h"
#include "runtime/checkboxcontrol.h"
#include "runtime/keys.h"
#include "runtime/label.h"
#include "runtime/optionbuttoncontrol.h"
#include "runtime/picturebox.h"
#include "runtime/slidercontrol.h"
#include "window/commands.h"
#include "window/formdescription.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <vector>

namespace window {

namespace {

QRect PixelRect(const ControlDescription& d)
{
    return {Pixels(d.left), Pixels(d.top), Pixels(d.width), Pixels(d.height)};
}

QString Text(const char* text)
{
    return text ? QString::fromUtf8(text) : QString();
}

// How long the window waits for its frame: a tenth of a second at a time, for
// two seconds at most.
constexpr int kFramePollMs = 100;
constexpr int kFramePolls = 20;

bool IsEnter(const QKeyEvent& event)
{
    return (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) &&
           (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

} // namespace

Form1::Form1(QWidget* parent) : QWidget(parent)
{
    runtime::InstallAccessibility();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(Text(kForm1Caption));
    QFont font;
    font.setFamilies({Text(kWindowFontFamily), Text(kWindowFontFallback)});
    font.setPointSize(kWindowFontPoints);
    setFont(font);
    // The client area; the frame goes around it. Controls keep their places
    // whatever size the user gives the window.
    setGeometry(Pixels(kForm1Left), Pixels(kForm1Top), Pixels(kForm1Width), Pixels(kForm1Height));

    CreateControls();
    FitFonts();
    m_frameWatch.setInterval(kFramePollMs);
    connect(&m_frameWatch, &QTimer::timeout, this, [this] {
        if (KeepOnScreen() || ++m_framePolls == kFramePolls) {
            m_frameWatch.stop();
        }
    });
    SetTabOrder();
    ConnectCommands();
    Check1->setFocus();
}

void Form1::CreateControls()
{
    for (const ControlDescription& d : kForm1Controls) {
        QWidget* control = CreateControl(d);
        control->setObjectName(Text(d.name));
        if (d.kind == ControlKind::Line) {
            // Centred on its y, as thick as the line.
            control->setGeometry(Pixels(d.left), Pixels(d.top) - kLineWidth / 2, Pixels(d.width),
                                 kLineWidth);
        } else {
            control->setGeometry(PixelRect(d));
        }
        if (d.toolTip) {
            control->setToolTip(Text(d.toolTip));
        }
        // A screen reader names a control by its caption, or by its tooltip
        // where it has none.
        const QString spoken =
            d.caption ? runtime::WithoutAccessKey(Text(d.caption)) : Text(d.toolTip);
        if (!spoken.isEmpty()) {
            control->setAccessibleName(spoken);
        }
        // Enter and the access keys are the window's, whatever the platform
        // theme lets the focused control do with them.
        control->installEventFilter(this);
    }

    // Option1 and Option2 are the window's only option buttons, so as
    // auto-exclusive siblings they form one group: neither is selected at start,
    // and selecting one clears the other.
    Option1 = Find<runtime::OptionButtonControl>("Option1");
    Option2 = Find<runtime::OptionButtonControl>("Option2");
    Command1 = Find<QPushButton>("Command1");
    Command3 = Find<QPushButton>("Command3");
    Picture1 = Find<runtime::PictureBox>("Picture1");
    Check1 = Find<runtime::CheckBoxControl>("Check1");
    Slider1 = Find<runtime::SliderControl>("Slider1");
    Slider2 = Find<runtime::SliderControl>("Slider2");
    Slider3 = Find<runtime::SliderControl>("Slider3");

    // A letter label names the slider beside it, for a screen reader.
    for (const ControlDescription& d : kForm1Controls) {
        if (d.labelFor) {
            Find<runtime::Label>(d.name)->setBuddy(Find<QWidget>(d.labelFor));
        }
    }
}

QWidget* Form1::CreateControl(const ControlDescription& d)
{
    const QString caption = Text(d.caption);
    switch (d.kind) {
    case ControlKind::OptionButton: {
        auto* option = new runtime::OptionButtonControl(this);
        option->setText(caption);
        return option;
    }
    case ControlKind::CommandButton: {
        auto* button = new QPushButton(caption, this);
        // A focused button takes Enter for itself, as on the platform.
        button->setAutoDefault(true);
        return button;
    }
    case ControlKind::PictureBox: {
        auto* box = new runtime::PictureBox(this);
        QFont font;
        font.setFamilies({
#ifdef Q_OS_WIN
            Text(kResultFontFamily),
#endif
            Text(kWindowFontFamily), Text(kWindowFontFallback)});
        font.setPointSizeF(kResultFontPoints);
        font.setBold(true);
        box->setFont(font);
        return box;
    }
    case ControlKind::CheckBox: {
        auto* check = new runtime::CheckBoxControl(this);
        check->setText(caption);
        return check;
    }
    case ControlKind::Slider: {
        auto* slider = new runtime::SliderControl(this);
        slider->setRange(kSliderMin, kSliderMax);
        slider->setSingleStep(kSliderSmallChange);
        slider->setPageStep(kSliderLargeChange);
        slider->setTickPosition(QSlider::TicksBelow);
        slider->setTickInterval(kSliderTickFrequency);
        return slider;
    }
    case ControlKind::Label:
        return new runtime::Label(caption, this);
    case ControlKind::Line:
        break;
    }
    auto* line = new runtime::Line(this);
    line->setLineWidth(kLineWidth / 2);
    return line;
}

template <class T> T* Form1::Find(const char* name) const
{
    // Every name is in the table, so a miss is a fault in the table itself.
    T* control = findChild<T*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
    Q_ASSERT(control);
    return control;
}

void Form1::SetTabOrder()
{
    std::vector<const ControlDescription*> order;
    for (const ControlDescription& d : kForm1Controls) {
        if (d.kind != ControlKind::Label && d.kind != ControlKind::Line) {
            order.push_back(&d);
        }
    }
    std::sort(order.begin(), order.end(),
              [](auto* x, auto* y) { return x->tabIndex < y->tabIndex; });
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(Find<QWidget>(order[i - 1]->name), Find<QWidget>(order[i]->name));
    }
}

void Form1::ConnectCommands()
{
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, [this] { calc::CalculateCommand(Controls()); });
    connect(Find<QPushButton>("Command2"), &QPushButton::clicked, this,
            [this] { FormulasCommand(this); });
    connect(Command3, &QPushButton::clicked, this, [] { ExitCommand(); });

    // Esc is the cancel key of the whole window, whatever has the focus.
    auto* cancel = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    cancel->setContext(Qt::WindowShortcut);
    connect(cancel, &QShortcut::activated, Command3, &QPushButton::click);
}

void Form1::FitFonts()
{
    // With the preferred family every caption fits at the described size; with
    // another family the size comes down in half points until they all fit.
    auto shrinkUntil = [](QWidget* target, const auto& fits) {
        QFont font = target->font();
        while (!fits() && font.pointSizeF() > kSmallestFontPoints) {
            font.setPointSizeF(font.pointSizeF() - 0.5);
            target->setFont(font);
        }
    };
    const auto children = findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    shrinkUntil(this, [&] {
        return std::all_of(children.cbegin(), children.cend(), [&](const QWidget* control) {
            return control == Picture1 || runtime::CaptionFits(*control);
        });
    });
    const QStringList widestLines = {Text(kResultWidestLines[0]), Text(kResultWidestLines[1])};
    shrinkUntil(Picture1, [&] { return runtime::CaptionFits(*Picture1, widestLines); });
}

bool Form1::event(QEvent* event)
{
    // Once when shown, and again when the window manager has framed the
    // window, which it does in its own time: only then is the frame's size known.
    if (event->type() == QEvent::Show) {
        KeepOnScreen();
        m_framePolls = 0;
        m_frameWatch.start();
    }
    return QWidget::event(event);
}

bool Form1::KeepOnScreen()
{
    QWindow* window = windowHandle();
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
    const QRect outer = geometry().marginsAdded(frame);
    QPoint shift;
    shift.rx() = std::min(0, available.right() - outer.right());
    shift.rx() = std::max(shift.x(), available.left() - outer.left());
    shift.ry() = std::min(0, available.bottom() - outer.bottom());
    shift.ry() = std::max(shift.y(), available.top() - outer.top());
    if (!shift.isNull()) {
        setGeometry(geometry().translated(shift));
    }
    return framed;
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        return HandleKey(static_cast<QKeyEvent*>(event), qobject_cast<QWidget*>(watched));
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::keyPressEvent(QKeyEvent* event)
{
    if (!HandleKey(event, this)) {
        QWidget::keyPressEvent(event);
    }
}

bool Form1::HandleKey(QKeyEvent* event, QWidget* receiver)
{
    // Enter calculates from every control but a command button, which takes
    // it for itself; some platform themes would let it press the focused
    // check box or option button instead.
    if (IsEnter(*event) && !qobject_cast<QPushButton*>(receiver)) {
        Command1->click();
        return true;
    }
    // Alt with the key that carries a button's access letter in the Russian
    // layout, while another layout group is active.
    if (event->modifiers() == Qt::AltModifier) {
        const QChar letter = runtime::RussianLetterOfKey(*event);
        if (!letter.isNull()) {
            const QKeySequence wanted(Qt::ALT | letter.toUpper().unicode());
            for (QPushButton* button : findChildren<QPushButton*>()) {
                if (QKeySequence::mnemonic(button->text()) == wanted) {
                    button->animateClick();
                    return true;
                }
            }
        }
    }
    return false;
}

runtime::FormControls Form1::Controls()
{
    return {*Slider1, *Slider2, *Slider3, *Option1, *Option2, *Check1, *Picture1};
}

} // namespace window
