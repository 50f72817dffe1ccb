#include "updates/checkupdates.h"

#include "boxwatcher.h"
#include "indicatorserver.h"
#include "opening.h"
#include "updates/updateindicator.h"
#include "workingfolder.h"

#include <QDesktopServices>
#include <QElapsedTimer>
#include <QNetworkReply>
#include <QtTest>

namespace {

// 45 ticks of 100 ms; the upper bound only catches a check that never ends.
constexpr qint64 kVerdictEarliestMs = 4300;
constexpr qint64 kVerdictLatestMs = 9000;

} // namespace

// The dialog run by its own timer, in real time.
class TestCheckUpdatesTimer : public CheckUpdatesTestBase
{
    Q_OBJECT

private slots:
    void serverDownForTheWholeCheck();
    void fortyFiveRequestsAndTheButtonMidway();
    void closedAtStep20AndReopened();
    void hungServerTimesOut();

private:
    // Waits for the verdict; returns the milliseconds since the opening began.
    qint64 waitForVerdict(const Opening &open, const QElapsedTimer &since);
};

qint64 TestCheckUpdatesTimer::waitForVerdict(const Opening &open, const QElapsedTimer &since)
{
    while (open.result().isEmpty() && since.elapsed() < kVerdictLatestMs)
        QTest::qWait(10);
    return since.elapsed();
}

void TestCheckUpdatesTimer::serverDownForTheWholeCheck()
{
    WorkingFolder folder;
    writeCheckSettings(folder, "1", "0");
    updatehooks::setIndicatorUrl(IndicatorServer::deadUrl());
    BoxWatcher boxes;

    QElapsedTimer since;
    since.start();
    Opening open(Opening::Ticks::ByTimer);
    const qint64 elapsed = waitForVerdict(open, since);
    QVERIFY2(elapsed >= kVerdictEarliestMs, qPrintable(QString::number(elapsed)));
    QVERIFY2(elapsed < kVerdictLatestMs, qPrintable(QString::number(elapsed)));
    QCOMPARE(open.result(), kEnglishNone);
    QCOMPARE(open.progress(), QString());
    QVERIFY(open.finished->count() >= 44);
    QVERIFY(boxes.seen().isEmpty());
}

void TestCheckUpdatesTimer::fortyFiveRequestsAndTheButtonMidway()
{
    WorkingFolder folder;
    writeCheckSettings(folder, "1", "4");
    server.serve("5");

    QElapsedTimer since;
    since.start();
    Opening open(Opening::Ticks::ByTimer);
    QTRY_VERIFY_WITH_TIMEOUT(server.requests() >= 10, 5000);
    QTest::mouseClick(open.button(), Qt::LeftButton);
    QCOMPARE(browser.opened, QList<QUrl>{updateindicator::downloadPageUrl()});
    const auto frame = [&open] {
        return open.label("lblLoading")->pixmap(Qt::ReturnByValue).toImage();
    };
    const QImage frameAtClick = frame();
    QVERIFY(!frameAtClick.isNull());
    QTRY_VERIFY_WITH_TIMEOUT(frame() != frameAtClick, 2000);
    QVERIFY(open.result().isEmpty());

    const qint64 elapsed = waitForVerdict(open, since);
    QVERIFY2(elapsed >= kVerdictEarliestMs, qPrintable(QString::number(elapsed)));
    QCOMPARE(open.result(), kEnglishUpdate);
    QTRY_COMPARE(open.finished->count(), 45);

    // The timer keeps ticking after the verdict and sends nothing more.
    QTest::qWait(600);
    QVERIFY(open.timer->isActive());
    QCOMPARE(server.requests(), 45);
    QCOMPARE(open.result(), kEnglishUpdate);
}

void TestCheckUpdatesTimer::closedAtStep20AndReopened()
{
    WorkingFolder folder;
    writeCheckSettings(folder, "2", "4");
    server.serve("5");
    {
        Opening first(Opening::Ticks::ByTimer);
        QTRY_VERIFY_WITH_TIMEOUT(server.requests() >= 20, 5000);
        QCOMPARE(first.result(), QString());
        first.dialog->close();
    }
    const int firstRequests = server.requests();
    QVERIFY(firstRequests >= 20 && firstRequests < 45);
    server.resetCounts();

    QElapsedTimer since;
    since.start();
    Opening second(Opening::Ticks::ByTimer);
    QCOMPARE(second.progress(), QString());
    QCOMPARE(second.result(), QString());
    const qint64 elapsed = waitForVerdict(second, since);
    QVERIFY2(elapsed >= kVerdictEarliestMs, qPrintable(QString::number(elapsed)));
    QCOMPARE(second.result(), kNorwegianUpdate);
    QTRY_COMPARE(server.requests(), 45);
}

void TestCheckUpdatesTimer::hungServerTimesOut()
{
    WorkingFolder folder;
    writeCheckSettings(folder, "1", "4");
    serveLate("9", 13);

    QElapsedTimer since;
    since.start();
    Opening open;
    open.step();
    QVERIFY(open.settle(1, 12500));
    const qint64 failedAfter = since.elapsed();
    QVERIFY2(failedAfter >= 9500 && failedAfter < 12500, qPrintable(QString::number(failedAfter)));

    // The late "9" never arrives; the rest of the check finds nothing newer.
    server.serve(IndicatorServer::kIndicatorPath, 404, "9");
    open.steps(43);
    QVERIFY(open.settle(44));
    open.step();
    QCOMPARE(open.result(), kEnglishNone);
}

QTEST_MAIN(TestCheckUpdatesTimer)
#include "tst_checkupdatestimer.moc"
