// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT

// Writes the facts of the window as the window builds them, for the scenarios
// and checks that drive the real program, so that none of them copies a
// caption, a tooltip, the tab order or the version:
//   storomer_windowfacts <file>
// One shell assignment a line, name='value' (a quote written '\''), which a
// shell sources and Python reads with shlex:
//   version title client_size client_place formulas_title formulas_line<N>
//   no_triangle controls (the window's children, in stacking order)
//   tab_order backtab_order (where Tab and Shift+Tab go from the start)
//   <control>_class _caption _key _name _role _tip _rect _labelled_by
//   _value ("min..max = value", where it has one)
//   style color_scheme window_color window_tone: the look the system gave
//   (the tone as the answer's ink takes it: light where black stands out more)
//   answer_contrast: of the no-triangle line as the box draws it, against
//   the box (its most common colour), from its most contrasting pixel

#include "runtime/services.h"
#include "runtime/widgets/label.h"
#include "runtime/widgets/optionbuttoncontrol.h"
#include "runtime/widgets/picturebox.h"
#include "runtime/widgets/slidercontrol.h"
#include "storomer_version.h"
#include "window/form1.h"
#include "window/formdescription.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QHash>
#include <QHelpEvent>
#include <QKeySequence>
#include <QMessageBox>
#include <QMetaEnum>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QStyleHints>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include <algorithm>
#include <cstdio>

namespace {

class Facts
{
public:
    void Add(const QString& name, const QString& value)
    {
        QString quoted = value;
        quoted.replace(QLatin1Char('\''), QLatin1String("'\\''"));
        m_text += name + QLatin1String("='") + quoted + QLatin1String("'\n");
    }
    bool Write(const char* path) const
    {
        QFile file(QString::fromLocal8Bit(path));
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
               file.write(m_text.toUtf8()) == m_text.toUtf8().size();
    }

private:
    QString m_text;
};

QString Caption(QWidget* control)
{
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        return button->text();
    }
    if (auto* label = qobject_cast<runtime::Label*>(control)) {
        return label->Caption();
    }
    return {};
}

// What the pointer resting on control shows.
QString ToolTip(QWidget* control)
{
    QToolTip::hideText();
    if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000)) {
        return QStringLiteral("(a tooltip that does not go)");
    }
    QHelpEvent hover(QEvent::ToolTip, QPoint(1, 1), control->mapToGlobal(QPoint(1, 1)));
    QApplication::sendEvent(control, &hover);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

// The contrast a reader sees in box's middle band, where its line is drawn.
double DrawnContrast(QWidget* box)
{
    const QImage shot = box->grab().toImage();
    const QRect band(4, shot.height() * 3 / 10, shot.width() - 8, shot.height() * 4 / 10);
    QHash<QRgb, int> counts;
    for (int y = band.top(); y <= band.bottom(); ++y) {
        for (int x = band.left(); x <= band.right(); ++x) {
            ++counts[shot.pixel(x, y)];
        }
    }
    QRgb background = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > counts.value(background)) {
            background = it.key();
        }
    }
    double most = 1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        most = std::max(most, runtime::ContrastRatio(QColor(it.key()), QColor(background)));
    }
    return most;
}

// The controls the focus visits by key in a window just opened, as names: a
// window of its own, since where the focus has been can change where it goes.
QStringList Walk(Qt::Key key)
{
    window::Form1 form;
    form.show();
    QStringList order;
    if (!QTest::qWaitForWindowActive(&form)) {
        return order;
    }
    QWidget* first = QApplication::focusWidget();
    for (QWidget* at = first; at && order.size() < 64;) {
        order << at->objectName();
        QTest::keyClick(at, key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        at = QApplication::focusWidget();
        if (at == first) {
            break;
        }
    }
    return order;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fputs("usage: storomer_windowfacts <file>\n", stderr);
        return 2;
    }
    // The window's Exit must not end the tool.
    runtime::SetEndHandler([] {});
    window::Form1 form;
    form.show();
    if (!QTest::qWaitForWindowActive(&form)) {
        std::fputs("storomer_windowfacts: the window never became active\n", stderr);
        return 1;
    }
    const window::Form1::Controls& ui = form.Named();
    Facts facts;
    facts.Add(QStringLiteral("version"), QStringLiteral(STOROMER_VERSION_TEXT));
    facts.Add(QStringLiteral("title"), form.windowTitle());
    const QRect client = form.geometry();
    facts.Add(QStringLiteral("client_size"),
              QStringLiteral("%1x%2").arg(client.width()).arg(client.height()));
    facts.Add(QStringLiteral("client_place"),
              QStringLiteral("%1+%2").arg(client.x()).arg(client.y()));

    QStringList names;
    const QMetaEnum roles = QMetaEnum::fromType<QAccessible::Role>();
    for (QWidget* control : form.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        const QString name = control->objectName();
        if (name.isEmpty()) {
            continue;
        }
        names << name;
        const QString caption = Caption(control);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        const QKeySequence mnemonic = QKeySequence::mnemonic(caption);
        const QString key =
            mnemonic.isEmpty()
                ? QString()
                : QString(QChar(mnemonic[0].key() & ~Qt::KeyboardModifierMask)).toLower();
        const QRect r = control->geometry();
        QStringList labelledBy;
        for (const auto& [label, relation] : accessible->relations(QAccessible::Label)) {
            labelledBy << label->object()->objectName();
        }
        const QString prefix = name + QLatin1Char('_');
        facts.Add(prefix + QLatin1String("class"),
                  QString::fromLatin1(control->metaObject()->className()));
        facts.Add(prefix + QLatin1String("caption"), caption);
        facts.Add(prefix + QLatin1String("key"), key);
        facts.Add(prefix + QLatin1String("name"), accessible->text(QAccessible::Name));
        facts.Add(prefix + QLatin1String("role"),
                  QString::fromLatin1(roles.valueToKey(accessible->role())));
        facts.Add(prefix + QLatin1String("tip"), ToolTip(control));
        facts.Add(
            prefix + QLatin1String("rect"),
            QStringLiteral("%1,%2,%3,%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()));
        facts.Add(prefix + QLatin1String("labelled_by"), labelledBy.join(QLatin1Char(' ')));
        if (QAccessibleValueInterface* value = accessible->valueInterface()) {
            facts.Add(prefix + QLatin1String("value"),
                      QStringLiteral("%1..%2 = %3")
                          .arg(value->minimumValue().toString(), value->maximumValue().toString(),
                               value->currentValue().toString()));
        }
    }
    facts.Add(QStringLiteral("controls"), names.join(QLatin1Char(' ')));
    facts.Add(QStringLiteral("tab_order"), Walk(Qt::Key_Tab).join(QLatin1Char(' ')));
    facts.Add(QStringLiteral("backtab_order"), Walk(Qt::Key_Backtab).join(QLatin1Char(' ')));
    form.activateWindow();
    if (!QTest::qWaitForWindowActive(&form)) {
        std::fputs("storomer_windowfacts: the window never became active again\n", stderr);
        return 1;
    }

    // The formulas box, as the Formulas button opens it.
    bool formulas = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) {
            return;
        }
        facts.Add(QStringLiteral("formulas_title"), box->windowTitle());
        const QStringList lines = box->text().split(QLatin1Char('\n'));
        for (int i = 0; i < lines.size(); ++i) {
            QString line = lines[i];
            if (line.endsWith(QLatin1Char('\r'))) {
                line.chop(1);
            }
            facts.Add(QStringLiteral("formulas_line%1").arg(i + 1), line);
        }
        formulas = true;
        box->done(0);
    });
    watch.start(20);
    ui.Command2->click();
    if (!QTest::qWaitFor([&] { return formulas; }, 10000)) {
        std::fputs("storomer_windowfacts: the Formulas button showed no box\n", stderr);
        return 1;
    }
    watch.stop();

    // The line a user gets for sides that make no triangle.
    ui.Slider1->setValue(1);
    ui.Slider2->setValue(1);
    ui.Slider3->setValue(5);
    ui.Option2->click();
    ui.Command1->click();
    facts.Add(QStringLiteral("no_triangle"), ui.Picture1->text().trimmed());
    facts.Add(QStringLiteral("answer_contrast"),
              QString::number(DrawnContrast(ui.Picture1), 'f', 2));
    facts.Add(QStringLiteral("style"), QApplication::style()->name());
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    const QMetaEnum schemes = QMetaEnum::fromType<Qt::ColorScheme>();
    facts.Add(
        QStringLiteral("color_scheme"),
        QString::fromLatin1(schemes.valueToKey(int(QGuiApplication::styleHints()->colorScheme()))));
#endif
    const QColor window = form.palette().color(QPalette::Window);
    facts.Add(QStringLiteral("window_color"), window.name());
    facts.Add(QStringLiteral("window_tone"),
              runtime::IsLight(window) ? QStringLiteral("light") : QStringLiteral("dark"));

    if (!facts.Write(argv[1])) {
        std::fprintf(stderr, "storomer_windowfacts: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
