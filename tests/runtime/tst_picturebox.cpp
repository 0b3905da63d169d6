// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "../window/uifixture.h"

#include <QClipboard>
#include <QMenu>

// The result box, where the window puts it and as it sets it up, written to
// directly.
class TestPictureBox : public UiFixture
{
    Q_OBJECT

private slots:
    void init()
    {
        StartForm();
        m_box = ui->Picture1;
    }

    void lines();
    void keepsItsLineWhenRepainted();
    void legibleAnswer_data();
    void legibleAnswer();
    void copyMenu_data();
    void copyMenu();

private:
    runtime::PictureBox* m_box = nullptr;
    int InkPixels();
};

int TestPictureBox::InkPixels()
{
    const QImage image = m_box->grab().toImage();
    const QRgb ink = m_box->InkColor().rgb();
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixel(x, y) == ink;
        }
    }
    return count;
}

void TestPictureBox::lines()
{
    // One line high: a second line would be written out of sight.
    m_box->WriteLine("первая");
    m_box->WriteLine("second");
    QCOMPARE(m_box->text(), QStringLiteral("первая"));
    m_box->Clear();
    QVERIFY(m_box->text().isEmpty());
    m_box->WriteLine(" 12 ");
    QCOMPARE(m_box->text(), QStringLiteral(" 12 "));
}

void TestPictureBox::keepsItsLineWhenRepainted()
{
    QCOMPARE(InkPixels(), 0);
    m_box->WriteLine(" 0 ");
    const int ink = InkPixels();
    QVERIFY(ink > 0);
    form->showMinimized();
    form->showNormal();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    QCOMPARE(InkPixels(), ink);
}

void TestPictureBox::legibleAnswer_data()
{
    QTest::addColumn<QColor>("base");
    QTest::addColumn<QColor>("highlight");
    QTest::addColumn<QColor>("ink"); // at least 4.5:1 against base, in the highlight's hue
    QTest::newRow("Fusion light") << QColor("#ffffff") << QColor("#308cc6") << QColor("#2b7caf");
    QTest::newRow("GNOME dark") << QColor("#2d2d2d") << QColor("#308cc6") << QColor("#449bd2");
    QTest::newRow("Adwaita dark") << QColor("#2d2d2d") << QColor("#15539e") << QColor("#5097e8");
    QTest::newRow("high contrast inverse")
        << QColor("#000000") << QColor("#1c1c1c") << QColor("#757575");
    QTest::newRow("high contrast") << QColor("#ffffff") << QColor("#ffff00") << QColor("#7a7a00");
}

// The answer is written in a colour that stands out from the box, also when
// the palette changes while it shows.
void TestPictureBox::legibleAnswer()
{
    QFETCH(QColor, base);
    QFETCH(QColor, highlight);
    QFETCH(QColor, ink);
    m_box->WriteLine(" 1082,53175473055 ");
    QPalette palette = form->palette();
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::Highlight, highlight);
    form->setPalette(palette);
    QCOMPARE(m_box->InkColor().name(), ink.name());
    QVERIFY2(InkPixels() > 0, "the line is not painted in the legible colour");
}

void TestPictureBox::copyMenu_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("copied"); // empty: nothing to copy
    QTest::newRow("answer") << " 6 "
                            << "6";
    QTest::newRow("no triangle") << "Нет такого треугольника"
                                 << "Нет такого треугольника";
    QTest::newRow("blank") << ""
                           << "";
}

// The context menu, opened by mouse, Menu key and Shift+F10, copies the line
// without the blanks around it, and changes nothing the user sees; Ctrl+C and
// Ctrl+Insert, here and elsewhere, the key suite checks.
void TestPictureBox::copyMenu()
{
    QFETCH(QString, line);
    QFETCH(QString, copied);
    if (!line.isEmpty()) {
        m_box->WriteLine(line.toStdString());
    }
    m_box->setFocus();
    QClipboard* clipboard = QGuiApplication::clipboard();
    const QString untouched = QStringLiteral("untouched");
    const QString expected = copied.isEmpty() ? untouched : copied;
    QWindow* window = form->windowHandle();

    // Opens the menu, reads its one item a moment after it shows, triggers
    // it where it is enabled.
    auto openMenu = [&](const std::function<void()>& open) {
        QString item;
        QTimer watch;
        int shown = 0;
        connect(&watch, &QTimer::timeout, this, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu || !menu->isVisible() || ++shown < 2) {
                return;
            }
            watch.stop();
            QAction* action = menu->actions().value(0);
            item = action->text() + (action->isEnabled() ? "" : " (disabled)");
            if (action->isEnabled() && menu->activeAction() == action) {
                item += " (highlighted)";
            }
            menu->close();
            if (action->isEnabled()) {
                action->trigger();
            }
        });
        watch.start(10);
        clipboard->setText(untouched);
        open();
        if (!QTest::qWaitFor([&] { return !watch.isActive(); }, 10000)) {
            return QStringLiteral("<no menu>");
        }
        return item;
    };
    // Opened by a key, the item is highlighted at once, so that a screen
    // reader says it; by the mouse, it waits for the pointer.
    const QString item = copied.isEmpty() ? "Копировать (disabled)" : "Копировать";
    const QString byKey = copied.isEmpty() ? item : item + " (highlighted)";
    const QPoint centre = m_box->mapTo(form.get(), m_box->rect().center());
    for (const auto& [open, shown] :
         std::initializer_list<std::pair<std::function<void()>, QString>>{
             {[&] { QTest::keyClick(window, Qt::Key_Menu); }, byKey},
             {[&] { QTest::keyClick(window, Qt::Key_F10, Qt::ShiftModifier); }, byKey},
             {[&] { QTest::mouseClick(window, Qt::RightButton, {}, centre); }, item}}) {
        QCOMPARE(openMenu(open), shown);
        QCOMPARE(clipboard->text(), expected);
    }
    QCOMPARE(m_box->text(), line);
    QCOMPARE(QApplication::focusWidget(), m_box);
}

QTEST_MAIN(TestPictureBox)
#include "tst_picturebox.moc"
