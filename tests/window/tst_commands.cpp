// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "runtime/services.h"
#include "runtime/widgets/picturebox.h"
#include "uifixture.h"
#include "window/commands.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

// How the formulas box is opened and closed.
enum class Open
{
    Click,
    AccessKey,
    Enter,
};
enum class Close
{
    Esc,
    Enter,
    Ok,
    CloseBox,
};
Q_DECLARE_METATYPE(Open)
Q_DECLARE_METATYPE(Close)

class TestCommands : public UiFixture
{
    Q_OBJECT

private slots:

    void formulasMessage();
    void formulasBox_data();
    void formulasBox();
    void escapeInTheBoxClosesOnlyTheBox();
    void exitWhileAResultShows();
    void messageBoxAnswers_data();
    void messageBoxAnswers();

private:
    // What the user can see of the window's inputs and the result box.
    QStringList State();
};

QStringList TestCommands::State()
{
    QStringList state;
    for (QSlider* slider : Sliders()) {
        state << QString::number(slider->value());
    }
    state << QString::number(ui->Option1->isChecked()) << QString::number(ui->Option2->isChecked())
          << QString::number(ui->Check1->checkState()) << ui->Picture1->text();
    return state;
}

void TestCommands::formulasMessage()
{
    // The formulas as the program has always shown them, the "с" before the
    // first ";" Cyrillic, the one in the brackets Latin; CR LF between.
    const QString message = QString::fromStdString(window::FormulasMessage());
    QCOMPARE(message, QStringLiteral("S=sqr(p/2*(p/2-a)*(p/2-b)*(p/2-c));\r\n"
                                     "     P=a+b+\u0441; p=P/2=(a+b+c)/2."));
    QCOMPARE(QString::fromUtf8(window::kFormulasTitle), QStringLiteral("Использоавннае формулы"));
}

void TestCommands::formulasBox_data()
{
    QTest::addColumn<Open>("open");
    QTest::addColumn<Close>("close");
    const std::pair<Open, const char*> opens[] = {
        {Open::Click, "click"}, {Open::AccessKey, "access key"}, {Open::Enter, "Enter"}};
    const std::pair<Close, const char*> closes[] = {{Close::Esc, "Esc"},
                                                    {Close::Enter, "Enter"},
                                                    {Close::Ok, "OK"},
                                                    {Close::CloseBox, "close box"}};
    for (auto [open, openName] : opens) {
        for (auto [close, closeName] : closes) {
            QTest::addRow("%s, %s", openName, closeName) << open << close;
        }
    }
}

void TestCommands::formulasBox()
{
    QFETCH(Open, open);
    QFETCH(Close, close);

    ui->Slider1->setValue(3);
    ui->Option2->click();
    ui->Check1->click();
    ui->Command1->click();
    ui->Slider2->setFocus();
    const QStringList before = State();

    // Three times in a row: each box is the same and changes nothing.
    for (int round = 0; round < 3; ++round) {
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QList<QMessageBox::StandardButton> buttons;
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
        bool modal = false;
        ExpectModal([&](QMessageBox* box) {
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            for (QAbstractButton* button : box->buttons()) {
                buttons << box->standardButton(button);
            }
            defaultButton = box->standardButton(box->defaultButton());
            modal = box->isModal();
            switch (close) {
            case Close::Esc:
                QTest::keyClick(box, Qt::Key_Escape);
                break;
            case Close::Enter:
                // To the box's own focus: on Windows the box may not be the
                // active window yet when it first shows.
                QTest::keyClick(box->focusWidget() ? box->focusWidget() : box, Qt::Key_Return);
                break;
            case Close::Ok:
                QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
                break;
            case Close::CloseBox:
                box->close();
                break;
            }
        });

        if (open == Open::Click) {
            QTest::mouseClick(ui->Command2, Qt::LeftButton);
        } else if (open == Open::AccessKey) {
            const QChar letter = AccessLetter(ui->Command2);
            QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(),
                                Qt::Key(letter.toUpper().unicode()), QString(letter),
                                Qt::AltModifier);
        } else {
            ui->Command2->setFocus();
            QTest::keyClick(ui->Command2, Qt::Key_Return);
        }
        QVERIFY(ModalHandled());
        QTRY_VERIFY(!QApplication::activeModalWidget());

        QCOMPARE(title, QString::fromUtf8(window::kFormulasTitle));
        // Two lines on screen: CR LF is the line break.
        QCOMPARE(text, QString::fromStdString(window::FormulasMessage()).replace("\r\n", "\n"));
        QCOMPARE(icon, QMessageBox::Information);
        QCOMPARE(buttons, QList<QMessageBox::StandardButton>{QMessageBox::Ok});
        QCOMPARE(defaultButton, QMessageBox::Ok);
        QVERIFY(modal);
        QCOMPARE(State(), before);
        QCOMPARE(ends, 0);
        // Once the box has gone, the focus is back where the opening left
        // it: on the button a click or Enter gave it to, and on the slider
        // where an access key, which moves no focus, was pressed.
        QTRY_COMPARE(QApplication::focusWidget(),
                     open == Open::AccessKey ? static_cast<QWidget*>(ui->Slider2) : ui->Command2);
    }
}

void TestCommands::escapeInTheBoxClosesOnlyTheBox()
{
    ExpectModal([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
    ui->Command2->click();
    QVERIFY(ModalHandled());
    QCOMPARE(ends, 0);
    QTRY_VERIFY(QApplication::focusWidget());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QCOMPARE(ends, 1);
}

void TestCommands::exitWhileAResultShows()
{
    ui->Option1->click();
    ui->Command1->click();
    QCOMPARE(ui->Picture1->text(), QStringLiteral(" 0 "));
    QTest::mouseClick(ui->Command3, Qt::LeftButton);
    QCOMPARE(ends, 1);
}

void TestCommands::messageBoxAnswers_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Esc") << int(Qt::Key_Escape);
}

void TestCommands::messageBoxAnswers()
{
    QFETCH(int, key);
    ExpectModal([&](QMessageBox* box) {
        // Enter to the box's own focus, which it has before Windows makes it active.
        const bool toFocus = key == Qt::Key_Return && box->focusWidget();
        QTest::keyClick(toFocus ? box->focusWidget() : box, Qt::Key(key));
    });
    runtime::MsgBox(form.get(), "text", "title");
    QVERIFY(ModalHandled());
}

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
