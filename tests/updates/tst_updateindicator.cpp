#include "updates/updateindicator.h"

#include <QFile>
#include <QtTest>

#include <climits>

class TestUpdateIndicator : public QObject
{
    Q_OBJECT

private slots:
    void version_data();
    void version();
    void textStopsAtZeroByte();
    void verdict_data();
    void verdict();
    void verdictTexts_data();
    void verdictTexts();
    void indicatorUrlDefaultsToTheMakersServer();
    void downloadPageIsOneFixedHttpAddress();
    void shippedIndicatorMatchesInstalledVersion();
};

void TestUpdateIndicator::version_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("expected");

    QTest::newRow("5") << QByteArray("5") << 5;
    QTest::newRow("5 LF") << QByteArray("5\n") << 5;
    QTest::newRow("5 CR LF") << QByteArray("5\r\n") << 5;
    QTest::newRow("5 blanks") << QByteArray("5   ") << 5;
    QTest::newRow("blanks 5 tab") << QByteArray("  5\t") << 5;
    QTest::newRow("leading zeros") << QByteArray("0022") << 22;
    QTest::newRow("plus sign") << QByteArray("+7") << 7;
    QTest::newRow("minus sign") << QByteArray("-3") << -3;
    QTest::newRow("2.2") << QByteArray("2.2") << 0;
    QTest::newRow("five") << QByteArray("five") << 0;
    QTest::newRow("empty") << QByteArray() << 0;
    QTest::newRow("only blanks") << QByteArray(" \r\n") << 0;
    QTest::newRow("two numbers") << QByteArray("5 6") << 0;
    QTest::newRow("two lines") << QByteArray("5\n6") << 0;
    QTest::newRow("hex") << QByteArray("0x10") << 0;
    QTest::newRow("int max") << QByteArray("2147483647") << INT_MAX;
    QTest::newRow("int min") << QByteArray("-2147483648") << INT_MIN;
    QTest::newRow("past int max") << QByteArray("2147483648") << 0;
    QTest::newRow("past int min") << QByteArray("-2147483649") << 0;
    QTest::newRow("huge") << QByteArray(5000, '9') << 0;
    QTest::newRow("zero byte ends it") << QByteArray("6\0"
                                                     "99",
                                                     4)
                                       << 6;
    QTest::newRow("zero byte first") << QByteArray("\0"
                                                   "6",
                                                   2)
                                     << 0;
    QTest::newRow("invalid utf-8") << QByteArray("\xff"
                                                 "5")
                                   << 0;
    QTest::newRow("html error page") << QByteArray("<html>404</html>") << 0;
}

void TestUpdateIndicator::version()
{
    QFETCH(QByteArray, body);
    QFETCH(int, expected);
    QCOMPARE(updateindicator::indicatorVersion(body), expected);
}

void TestUpdateIndicator::textStopsAtZeroByte()
{
    QCOMPARE(updateindicator::indicatorText(QByteArray("12\0"
                                                       "34",
                                                       5)),
             QStringLiteral("12"));
    QCOMPARE(updateindicator::indicatorText(QByteArray("\xc3\xa5"
                                                       "1")),
             QStringLiteral("å1"));
}

void TestUpdateIndicator::verdict_data()
{
    QTest::addColumn<int>("latest");
    QTest::addColumn<int>("installed");
    QTest::addColumn<bool>("update");

    QTest::newRow("newer") << 5 << 4 << true;
    QTest::newRow("same") << 4 << 4 << false;
    QTest::newRow("older") << 3 << 4 << false;
    QTest::newRow("nothing read") << 0 << 0 << false;
    QTest::newRow("no installed version") << 1 << 0 << true;
    QTest::newRow("negative") << -5 << -6 << true;
    QTest::newRow("signed extremes") << INT_MIN << INT_MAX << false;
    QTest::newRow("signed extremes reversed") << INT_MAX << INT_MIN << true;
}

void TestUpdateIndicator::verdict()
{
    QFETCH(int, latest);
    QFETCH(int, installed);
    QFETCH(bool, update);
    QCOMPARE(updateindicator::updateAvailable(latest, installed), update);
}

void TestUpdateIndicator::verdictTexts_data()
{
    QTest::addColumn<bool>("update");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("text");

    const QString englishUpdate = QStringLiteral(
        "New update available!\nClick button below in order to download the newest version.");
    const QString norwegianUpdate = QStringLiteral(
        "Ny oppdatering tilgjengelig!\nTrykk på knappen nedenfor for å laste ned nyeste versjon.");
    const QString englishNone = QStringLiteral("No updates available.");
    const QString norwegianNone = QStringLiteral("Ingen oppdateringer tilgjengelig.");

    QTest::newRow("update, 1") << true << 1 << englishUpdate;
    QTest::newRow("none, 1") << false << 1 << englishNone;
    QTest::newRow("update, 2") << true << 2 << norwegianUpdate;
    QTest::newRow("none, 2") << false << 2 << norwegianNone;
    QTest::newRow("update, 0") << true << 0 << norwegianUpdate;
    QTest::newRow("none, 3") << false << 3 << norwegianNone;
    QTest::newRow("update, -1") << true << -1 << norwegianUpdate;
}

void TestUpdateIndicator::verdictTexts()
{
    QFETCH(bool, update);
    QFETCH(int, language);
    QFETCH(QString, text);
    QCOMPARE(updateindicator::verdictText(update,
                                          language == 1 ? Language::English : Language::Norwegian),
             text);
}

void TestUpdateIndicator::indicatorUrlDefaultsToTheMakersServer()
{
    const QUrl maker(
        QStringLiteral("http://www.quorvane.com/TivoraUpdater/TivoraUpdateIndicator.txt"));
    QCOMPARE(updateindicator::indicatorUrl(), maker);
}

void TestUpdateIndicator::downloadPageIsOneFixedHttpAddress()
{
    const QUrl page = updateindicator::downloadPageUrl();
    QVERIFY(page.isValid());
    QCOMPARE(page.scheme(), QStringLiteral("http"));
    QVERIFY(page.path().contains(QStringLiteral("Tivora")));
    QCOMPARE(updateindicator::downloadPageUrl(), page);
}

void TestUpdateIndicator::shippedIndicatorMatchesInstalledVersion()
{
    QFile served(
        QStringLiteral(TIVORA_SOURCE_DIR "/server/TivoraUpdater/TivoraUpdateIndicator.txt"));
    QFile installed(QStringLiteral(TIVORA_SOURCE_DIR "/data/settings/tivora_ivn.txt"));
    QVERIFY(served.open(QIODevice::ReadOnly));
    QVERIFY(installed.open(QIODevice::ReadOnly));
    const QByteArray number = installed.readAll();
    QVERIFY(updateindicator::indicatorVersion(number) > 0);
    QCOMPARE(served.readAll(), number);
}

QTEST_MAIN(TestUpdateIndicator)
#include "tst_updateindicator.moc"
