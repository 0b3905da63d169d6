// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "storomer.xpm"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

class TestIcon : public QObject
{
    Q_OBJECT

private slots:
    void picture();
    void builtFilesMatchTheSource_data();
    void builtFilesMatchTheSource();
    void builtFilesAreReproducible();

private:
    static QString Source(const char* name)
    {
        return QDir(QStringLiteral(STOROMER_RESOURCES_DIR)).filePath(QString::fromLatin1(name));
    }
    static const QImage& Xpm()
    {
        static const QImage image = QImage(storomer_xpm).convertToFormat(QImage::Format_ARGB32);
        return image;
    }
};

void TestIcon::picture()
{
    const QImage& icon = Xpm();
    QCOMPARE(icon.size(), QSize(32, 32));
    QSet<QRgb> colours;
    int white = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb p = icon.pixel(x, y);
            QCOMPARE(qAlpha(p), 255);
            colours << p;
            white += p == qRgb(255, 255, 255);
        }
    }
    QVERIFY(colours.size() <= 16);
    QCOMPARE(colours,
             (QSet<QRgb>{qRgb(255, 255, 255), qRgb(0, 0, 255), qRgb(255, 0, 0), qRgb(0, 0, 0)}));
    QVERIFY2(white > 32 * 32 / 2, "the ground is white");

    // Red squares on the three corners, blue between them.
    const QPoint left(8, 24), top(16, 8), right(25, 24);
    for (QPoint corner : {left, top, right}) {
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                QCOMPARE(icon.pixel(corner + QPoint(dx, dy)), qRgb(255, 0, 0));
            }
        }
    }
    QCOMPARE(icon.pixel(16, 24), qRgb(0, 0, 255)); // the base
    // A at the left corner, B at the top, C at the lower right: black, and nowhere else.
    auto blackIn = [&](QRect r) {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y) {
            for (int x = r.left(); x <= r.right(); ++x) {
                n += icon.pixel(x, y) == qRgb(0, 0, 0);
            }
        }
        return n;
    };
    const QRect a(0, 23, 7, 9), b(12, 0, 9, 7), c(26, 23, 6, 9);
    QVERIFY(blackIn(a) > 10);
    QVERIFY(blackIn(b) > 10);
    QVERIFY(blackIn(c) > 10);
    QCOMPARE(blackIn(a) + blackIn(b) + blackIn(c), blackIn(icon.rect()));
}

void TestIcon::builtFilesMatchTheSource_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("scale");
    QTest::newRow("png") << Source("storomer.png") << 1;
    QTest::newRow("png 64") << Source("storomer-64.png") << 2;
    QTest::newRow("ico") << Source("storomer.ico") << 1;
}

void TestIcon::builtFilesMatchTheSource()
{
    QFETCH(QString, file);
    QFETCH(int, scale);
    const QImage built = QImage(file).convertToFormat(QImage::Format_ARGB32);
    QVERIFY2(!built.isNull(), qPrintable(file));
    QCOMPARE(built.size(), Xpm().size() * scale);
    for (int y = 0; y < built.height(); ++y) {
        for (int x = 0; x < built.width(); ++x) {
            QCOMPARE(built.pixel(x, y), Xpm().pixel(x / scale, y / scale));
        }
    }
}

void TestIcon::builtFilesAreReproducible()
{
    QTemporaryDir out;
    QVERIFY(out.isValid());
    QCOMPARE(QProcess::execute(QStringLiteral(STOROMER_ICONMAKER), {out.path()}), 0);
    for (const char* name : {"storomer.png", "storomer-64.png", "storomer.ico"}) {
        QFile kept(Source(name));
        QFile rebuilt(QDir(out.path()).filePath(QString::fromLatin1(name)));
        QVERIFY(kept.open(QIODevice::ReadOnly) && rebuilt.open(QIODevice::ReadOnly));
        QVERIFY2(
            kept.readAll() == rebuilt.readAll(),
            qPrintable(QStringLiteral("%1 is not what storomer.xpm builds; run the icons target")
                           .arg(QString::fromLatin1(name))));
    }
}

QTEST_GUILESS_MAIN(TestIcon)
#include "tst_icon.moc"
