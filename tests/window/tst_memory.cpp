// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "uifixture.h"

#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

// 100,000 calculations through the real button must not let the process grow.
class TestMemory : public UiFixture
{
    Q_OBJECT

private slots:
    void calculationsDoNotGrowTheProcess();

private:
    static qint64 ResidentKiB()
    {
        QFile status(QStringLiteral("/proc/self/status"));
        if (!status.open(QIODevice::ReadOnly)) {
            return -1;
        }
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("VmRSS:")) {
                return line.mid(6).trimmed().split(' ').front().toLongLong();
            }
        }
        return -1;
    }
};

void TestMemory::calculationsDoNotGrowTheProcess()
{
#ifdef STOROMER_SANITIZE
    QSKIP("the sanitizers' own bookkeeping grows the process; LeakSanitizer checks leaks there");
#endif
    auto* command1 = ui->Command1;
    const auto sliders = Sliders();
    QRadioButton* options[] = {ui->Option1, ui->Option2};
    auto run = [&](int from, int to) {
        for (int i = from; i < to; ++i) {
            sliders[i % sliders.size()]->setValue(i % 51);
            options[(i / 7) % 2]->setChecked(true);
            command1->click();
            if (i % 500 == 0) {
                QCoreApplication::processEvents(); // paints the box now and then, as a user sees it
            }
        }
    };
    run(0, 1000);
    const qint64 start = ResidentKiB();
    QVERIFY(start > 0);
    run(1000, 100000);
    const qint64 growth = ResidentKiB() - start;
    qInfo("resident memory after 1,000 calculations: %lld KiB; grown by %lld KiB after 100,000",
          start, growth);
    QVERIFY2(growth <= 1024, qPrintable(QStringLiteral("grew by %1 KiB").arg(growth)));
}

QTEST_MAIN(TestMemory)
#include "tst_memory.moc"
