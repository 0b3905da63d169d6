// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "runtime/widgets/captionfit.h"
#include "runtime/widgets/label.h"
#include "uifixture.h"
#include "window/formdescription.h"

#include <QAccessible>
#include <QToolTip>

#include <algorithm>
#include <map>
#include <string_view>
#include <utility>
#include <vector>

class TestForm1 : public UiFixture
{
    Q_OBJECT

private slots:

    void window();
    void controls_data();
    void controls();
    void initialState();
    void focusOrder();
    void calculateByMouse();
    void inputsLeaveTheBoxAlone();
    void resizingMovesNothing();
    void captionsFit();
};

// The window shows what its table says, each fact read from the table; what a
// user then gets of it the other suites and the scenarios check through the
// window's facts.
void TestForm1::window()
{
    using namespace window;
    QCOMPARE(form->windowTitle(), QString::fromUtf8(kForm1Caption));
    QCOMPARE(form->geometry(), QRect(Pixels(kForm1Left), Pixels(kForm1Top), Pixels(kForm1Width),
                                     Pixels(kForm1Height)));
    const Qt::WindowFlags flags = form->windowFlags();
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(flags & Qt::WindowMaximizeButtonHint);
    QVERIFY(form->minimumSize() != form->maximumSize());
    // Spelt as the program has always spelt them.
    auto text = [](const char* name, auto field) {
        return QString::fromUtf8(
            std::ranges::find(kForm1Controls, std::string_view(name), &ControlDescription::name)
                ->*field);
    };
    QVERIFY(text("Label1", &ControlDescription::caption).contains(QStringLiteral("длинну")));
    QVERIFY(text("Check1", &ControlDescription::toolTip).contains(QStringLiteral("цыфр")));
}

void TestForm1::controls_data()
{
    QTest::addColumn<int>("row");
    for (int row = 0; row < int(window::kForm1Controls.size()); ++row) {
        QTest::newRow(window::kForm1Controls[row].name) << row;
    }
}

// Each control of the table: its kind, caption, tooltip, the name and
// description a screen reader gives it, whole inside the window.
void TestForm1::controls()
{
    QFETCH(int, row);
    const window::ControlDescription& d = window::kForm1Controls[row];
    static const std::map<window::ControlKind, const char*> classes = {
        {window::ControlKind::OptionButton, "QRadioButton"},
        {window::ControlKind::CommandButton, "QPushButton"},
        {window::ControlKind::PictureBox, "QLineEdit"},
        {window::ControlKind::CheckBox, "QCheckBox"},
        {window::ControlKind::Slider, "QSlider"},
        {window::ControlKind::Label, "runtime::Label"},
        {window::ControlKind::Line, "QFrame"}};
    const QString caption = QString::fromUtf8(d.caption ? d.caption : "");
    const QString toolTip = QString::fromUtf8(d.toolTip ? d.toolTip : "");
    const QString spoken = d.caption ? runtime::WithoutAccessKey(caption) : toolTip;

    auto* control = form->findChild<QWidget*>(QString::fromUtf8(d.name));
    QVERIFY(control);
    QVERIFY2(control->inherits(classes.at(d.kind)), control->metaObject()->className());
    QString shown;
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        shown = button->text();
    } else if (auto* label = qobject_cast<runtime::Label*>(control)) {
        shown = label->Caption();
    }
    QCOMPARE(shown, caption);
    QVERIFY2(
        form->rect().contains(control->geometry()) || d.kind == window::ControlKind::Line,
        qPrintable(
            QStringLiteral("outside the window at %1,%2").arg(control->x()).arg(control->y())));
    QToolTip::hideText();
    QHelpEvent hover(QEvent::ToolTip, QPoint(1, 1), control->mapToGlobal(QPoint(1, 1)));
    QApplication::sendEvent(control, &hover);
    QCOMPARE(QToolTip::isVisible() ? QToolTip::text() : QString(), toolTip);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    QCOMPARE(accessible->text(QAccessible::Name), spoken);
    QCOMPARE(accessible->text(QAccessible::Description), toolTip != spoken ? toolTip : QString());
}

void TestForm1::initialState()
{
    for (QSlider* slider : Sliders()) {
        QCOMPARE(slider->value(), 0);
    }
    QVERIFY(!ui->Option1->isChecked());
    QVERIFY(!ui->Option2->isChecked());
    QCOMPARE(ui->Check1->checkState(), Qt::Unchecked);
    QVERIFY(Box().isEmpty());
    QCOMPARE(QApplication::focusWidget(), ui->Check1);
    QVERIFY(ui->Command1->isDefault());
}

// Tab visits the table's controls that take the focus by their tab index,
// the two option buttons, one group, as one stop; Shift+Tab the other way.
void TestForm1::focusOrder()
{
    std::vector<const window::ControlDescription*> rows;
    for (const window::ControlDescription& d : window::kForm1Controls) {
        if (d.tabIndex >= 0 && d.kind != window::ControlKind::Label &&
            d.kind != window::ControlKind::Line) {
            rows.push_back(&d);
        }
    }
    std::ranges::sort(rows, {}, &window::ControlDescription::tabIndex);
    QList<QWidget*> order;
    bool groupSeen = false;
    for (const window::ControlDescription* d : rows) {
        if (d->kind == window::ControlKind::OptionButton && std::exchange(groupSeen, true)) {
            continue;
        }
        order << form->findChild<QWidget*>(QString::fromUtf8(d->name));
    }
    QList<QWidget*> forward;
    for (int i = 0; i < order.size(); ++i) {
        forward << QApplication::focusWidget();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(forward, order);
    QCOMPARE(QApplication::focusWidget(), order.first());

    QList<QWidget*> backward;
    for (int i = 0; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        backward.prepend(QApplication::focusWidget());
    }
    QCOMPARE(backward, order);
}

void TestForm1::calculateByMouse()
{
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    ui->Slider1->setValue(50);
    ui->Slider2->setValue(50);
    ui->Slider3->setValue(50);
    auto* option2 = ui->Option2;
    // Anywhere on the option button selects it, its wrapped caption included.
    QTest::mouseClick(option2, Qt::LeftButton, {}, QPoint(option2->width() - 10, 20));
    QVERIFY(option2->isChecked());
    auto* check = ui->Check1;
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(5, check->height() / 2));
    QVERIFY(check->isChecked());
    QTest::mouseClick(ui->Command1, Qt::LeftButton);
    QCOMPARE(Box(), QStringLiteral("1082,532"));
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(5, check->height() / 2));
    QVERIFY(!check->isChecked());
    QTest::mouseClick(ui->Command1, Qt::LeftButton);
    QCOMPARE(Box(), QStringLiteral(" 1082,53175473055 "));
    // Selecting the perimeter clears the area.
    auto* option1 = ui->Option1;
    QTest::mouseClick(option1, Qt::LeftButton, {}, QPoint(5, option1->height() / 2));
    QVERIFY(option1->isChecked());
    QVERIFY(!option2->isChecked());
    QTest::mouseClick(ui->Command1, Qt::LeftButton);
    QCOMPARE(Box(), QStringLiteral(" 150 "));
}

void TestForm1::inputsLeaveTheBoxAlone()
{
    ui->Option2->click();
    ui->Slider1->setValue(3);
    ui->Slider2->setValue(4);
    ui->Slider3->setValue(5);
    ui->Command1->click();
    QCOMPARE(Box(), QStringLiteral(" 6 "));
    MoveSlider(ui->Slider1, 10);
    ui->Option1->click();
    ui->Check1->click();
    QCOMPARE(Box(), QStringLiteral(" 6 "));
    // Calculating twice leaves one line.
    ui->Command1->click();
    ui->Command1->click();
    QCOMPARE(Box(), QStringLiteral("19.000"));
}

void TestForm1::resizingMovesNothing()
{
    QList<QRect> before;
    const auto children = form->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        before << child->geometry();
    }
    form->resize(600, 500);
    QTRY_COMPARE(form->size(), QSize(600, 500));
    for (int i = 0; i < children.size(); ++i) {
        QCOMPARE(children[i]->geometry(), before[i]);
    }
}

// Every caption fits its control as the window sizes it, and the result box
// shows its widest lines whole.
void TestForm1::captionsFit()
{
    QStringList clipped;
    for (auto* control : form->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (control != ui->Picture1 && !runtime::CaptionFits(*control)) {
            clipped << control->objectName();
        }
    }
    for (const char* line : {"1082,532", " 1082,53175473055 ", "Нет такого треугольника"}) {
        if (!runtime::CaptionFits(*ui->Picture1, {QString::fromUtf8(line)})) {
            clipped << QStringLiteral("Picture1: ") + QString::fromUtf8(line);
        }
    }
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1String(", "))));
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
