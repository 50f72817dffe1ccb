#include "updates/checkupdates.h"

#include "windows.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QSignalSpy>

namespace {

const QString kUpdate = QStringLiteral(
    "New update available!\nClick button below in order to download the newest version.");
const QString kNone = QStringLiteral("No updates available.");
const QString kUnreachable =
    QStringLiteral("Could not reach the update server. Please try again later.");

// The dialog with its timer stopped: the test runs its animation step by step.
struct Opening
{
    CheckUpdates dialog;
    QSignalSpy replies{dialog.findChild<QNetworkAccessManager *>(),
                       &QNetworkAccessManager::finished};
    // Runs the animation on by so many steps and gives the verdict shown.
    QString steps(int count)
    {
        dialog.findChild<QTimer *>()->stop();
        for (int i = 0; i < count; ++i)
            QMetaObject::invokeMethod(&dialog, "showTime");
        return shown(&dialog, QStringLiteral("lblResult"));
    }
};

} // namespace

class TestCheckUpdates : public WindowTest
{
    Q_OBJECT

    QProcess server;
    QString base;

    // The indicator comes from the test server's /status/delay/size/body.
    void serve(const QString &path) { updatehooks::setIndicatorUrl(QUrl(base + path)); }
    void start() override { updatehooks::reset(); }

private slots:
    void initTestCase()
    {
        qRegisterMetaType<QNetworkReply *>();
        server.start(QStringLiteral("python3"),
                     {QStringLiteral(TIVORA_SOURCE_DIR "/tests/support/server.py")});
        while (!server.canReadLine())
            QVERIFY(server.waitForReadyRead(10000));
        base = QStringLiteral("http://127.0.0.1:") +
               QString::fromLatin1(server.readLine().mid(5).trimmed());
    }
    void cleanupTestCase()
    {
        server.closeWriteChannel();
        server.waitForFinished();
    }
    void verdict_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("files"); // language|installed version, - for none
        QTest::addColumn<QString>("result");
        QTest::newRow("newer") << "/200/0/0/5" << QByteArray("1|4\r\n") << kUpdate;
        QTest::newRow("the same, blanks after") << "/200/0/3/4" << QByteArray("1|4") << kNone;
        QTest::newRow("no installed file") << "/200/0/0/1" << QByteArray("1|-") << kUpdate;
        QTest::newRow("an error status is discarded")
            << "/404/0/0/9" << QByteArray("1|4") << kUnreachable;
        QTest::newRow("not a number") << "/200/0/0/2.2" << QByteArray("1|4") << kUnreachable;
        QTest::newRow("a redirect is not followed") << "/302/0/0/9" << QByteArray("1|4") << kUpdate;
        QTest::newRow("64 KiB are read") << "/200/0/65536/9" << QByteArray("1|4") << kUpdate;
        QTest::newRow("a byte more is discarded")
            << "/200/0/65537/9" << QByteArray("1|4") << kUnreachable;
        QTest::newRow("Norwegian, unreachable")
            << "/500/0/0/9" << QByteArray("2|4")
            << QStringLiteral("Kunne ikke nå oppdateringsserveren. Vennligst prøv igjen senere.");
        QTest::newRow("Norwegian")
            << "/200/0/0/5" << QByteArray("-|4")
            << QStringLiteral("Ny oppdatering tilgjengelig!\nTrykk på knappen "
                              "nedenfor for å laste ned nyeste versjon.");
    }
    void verdict()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, files);
        putSettings("lang ivn", files);
        serve(path);
        Opening open;
        open.steps(44);
        QTRY_COMPARE_WITH_TIMEOUT(open.replies.count(), 44, 15000);
        QTEST(open.steps(1), "result");
    }
    // A reply that takes more than 10 seconds is dropped; one that comes after
    // the verdict counts at the next opening.
    void slowReplies()
    {
        putSettings("lang ivn", "1|4");
        {
            Opening open;
            serve(QStringLiteral("/200/12/0/9"));
            open.steps(1);
            serve(QStringLiteral("/200/1/0/8"));
            open.steps(1);
            serve(QStringLiteral("/dead"));
            QCOMPARE(open.steps(43), kUnreachable);
            QTRY_COMPARE_WITH_TIMEOUT(open.replies.count(), 45, 11500);
        }
        QCOMPARE(Opening().steps(45), kUpdate);
    }
};

QTEST_MAIN(TestCheckUpdates)
#include "tst_checkupdates.moc"
