// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "window/form1.h"

#include "calc/calculatecommand.h"
#include "runtime/widgets/accessibility.h"
#include "runtime/widgets/captionfit.h"
#include "runtime/widgets/checkboxcontrol.h"
#include "runtime/widgets/label.h"
#include "runtime/widgets/line.h"
#include "runtime/widgets/optionbuttoncontrol.h"
#include "runtime/widgets/picturebox.h"
#include "runtime/widgets/slidercontrol.h"
#include "window/commands.h"
#include "window/firstplacement.h"
#include "window/formdescription.h"
#include "window/keyrouting.h"
#include "window/repeatedtooltips.h"

#include <QPushButton>
#include <QShortcut>

#include <algorithm>
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

} // namespace

Form1::Form1(QWidget* parent) : QWidget(parent)
{
    runtime::InstallAccessibility(staticMetaObject);
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
    new FirstPlacement(this);
    SetTabOrder();
    ConnectCommands();
    m_named.Check1->setFocus();
}

void Form1::CreateControls()
{
    auto* repeated = new RepeatedToolTips(this);
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
        // A screen reader names a control by its caption, or by its tooltip
        // where it has none, and hears the tooltip as its description where
        // that says more.
        const QString spoken =
            d.caption ? runtime::WithoutAccessKey(Text(d.caption)) : Text(d.toolTip);
        if (!spoken.isEmpty()) {
            control->setAccessibleName(spoken);
        }
        if (d.toolTip && Text(d.toolTip) == spoken) {
            repeated->Add(control, spoken);
        } else if (d.toolTip) {
            control->setToolTip(Text(d.toolTip));
        }
    }

    // Option1 and Option2 are the window's only option buttons, so as
    // auto-exclusive siblings they form one group: neither is selected at start,
    // and selecting one clears the other.
    m_named = {Find<runtime::OptionButtonControl>("Option1"),
               Find<runtime::OptionButtonControl>("Option2"),
               Find<QPushButton>("Command1"),
               Find<QPushButton>("Command2"),
               Find<QPushButton>("Command3"),
               Find<runtime::PictureBox>("Picture1"),
               Find<runtime::CheckBoxControl>("Check1"),
               Find<runtime::SliderControl>("Slider1"),
               Find<runtime::SliderControl>("Slider2"),
               Find<runtime::SliderControl>("Slider3")};

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
        QStringList families = {Text(kWindowFontFamily), Text(kWindowFontFallback)};
        if (kResultFontFamily) {
            families.prepend(Text(kResultFontFamily));
        }
        font.setFamilies(families);
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
    m_named.Command1->setDefault(true);
    connect(m_named.Command1, &QPushButton::clicked, this,
            [this] { calc::CalculateCommand(CommandControls()); });
    connect(m_named.Command2, &QPushButton::clicked, this, [this] { FormulasCommand(this); });
    connect(m_named.Command3, &QPushButton::clicked, this, [] { ExitCommand(); });

    // Esc is the cancel key of the whole window, whatever has the focus.
    auto* cancel = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    cancel->setContext(Qt::WindowShortcut);
    connect(cancel, &QShortcut::activated, m_named.Command3, &QPushButton::click);

    // The answer is copied from anywhere: no other control has a selection.
    auto* copy = new QShortcut(QKeySequence::Copy, this);
    copy->setContext(Qt::WindowShortcut);
    connect(copy, &QShortcut::activated, m_named.Picture1, &runtime::PictureBox::Copy);

    auto* keys = new KeyRouting(this, m_named.Command1);
    installEventFilter(keys);
    for (QWidget* control : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        control->installEventFilter(keys);
    }
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
        return std::all_of(children.cbegin(), children.cend(), [&](QWidget* control) {
            return control == m_named.Picture1 || runtime::CaptionFits(*control);
        });
    });
    const QStringList widestLines = {Text(kResultWidestLines[0]), Text(kResultWidestLines[1])};
    shrinkUntil(m_named.Picture1,
                [&] { return runtime::CaptionFits(*m_named.Picture1, widestLines); });
}

runtime::FormControls Form1::CommandControls()
{
    return {*m_named.Slider1, *m_named.Slider2, *m_named.Slider3, *m_named.Option1,
            *m_named.Option2, *m_named.Check1,  *m_named.Picture1};
}

} // namespace window
