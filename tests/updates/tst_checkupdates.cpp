#include "updates/checkupdates.h"

#include "windows.h"

#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QSignalSpy>

class TestCheckUpdates : public WindowTest
{
    Q_OBJECT

    QProcess server;
    QString base;

    // The dialog with its timer stopped: the test runs its animation step by step.
    struct Opening
    {
        CheckUpdates dialog;
        QSignalSpy replies{dialog.findChild<QNetworkAccessManager *>(),
                           &QNetworkAccessManager::finished};
        Opening()
        {
            dialog.findChild<QTimer *>()->stop();
            dialog.show();
        }
        void steps(int count)
        {
            for (int i = 0; i < count; ++i)
                QMetaObject::invokeMethod(&dialog, "showTime");
        }
        QString result() const { return child<QLabel>(&dialog, "lblResult")->text(); }
    };

    void serve(const QString &path) { updatehooks::setIndicatorUrl(QUrl(base + path)); }
    void start() override
    {
        updatehooks::reset();
        putSettings("lang|ivn", "1|4");
    }

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
        QTest::addColumn<QString>("path");     // /status/delay/size/body on the test server
        QTest::addColumn<QByteArray>("files"); // language|installed version, "-" for none
        QTest::addColumn<QString>("result");
        const QString update = QStringLiteral(
            "New update available!\nClick button below in order to download the newest version.");
        const QString none = QStringLiteral("No updates available.");
        QTest::newRow("newer") << "/200/0/0/5" << QByteArray("1|4\r\n") << update;
        QTest::newRow("the same, blanks after") << "/200/0/3/4" << QByteArray("1|4") << none;
        QTest::newRow("no installed file") << "/200/0/0/1" << QByteArray("1|-") << update;
        QTest::newRow("an error status is discarded") << "/404/0/0/9" << QByteArray("1|4") << none;
        QTest::newRow("a redirect is not followed") << "/302/0/0/9" << QByteArray("1|4") << update;
        QTest::newRow("64 KiB are read") << "/200/0/65536/9" << QByteArray("1|4") << update;
        QTest::newRow("a byte more is discarded") << "/200/0/65537/9" << QByteArray("1|4") << none;
        QTest::newRow("Norwegian") << "/200/0/0/5" << QByteArray("-|4")
                                   << QStringLiteral("Ny oppdatering tilgjengelig!\nTrykk på "
                                                     "knappen nedenfor for å laste ned nyeste "
                                                     "versjon.");
    }

    void verdict()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, files);
        putSettings("lang|ivn", files);
        serve(path);
        Opening open;
        open.steps(44);
        QTRY_COMPARE_WITH_TIMEOUT(open.replies.count(), 44, 15000);
        open.steps(1);
        QTEST(open.result(), "result");
    }

    // A reply that takes more than 10 seconds is dropped; one that comes after
    // the verdict counts at the next opening.
    void slowReplies()
    {
        {
            serve(QStringLiteral("/200/12/0/9"));
            Opening open;
            open.steps(1);
            serve(QStringLiteral("/200/1/0/8"));
            open.steps(1);
            updatehooks::setIndicatorUrl(QUrl(QStringLiteral("http://127.0.0.1:1/")));
            open.steps(43);
            QCOMPARE(open.result(), QStringLiteral("No updates available."));
            QTRY_COMPARE_WITH_TIMEOUT(open.replies.count(), 45, 11500);
        }
        Opening again;
        again.steps(45);
        QCOMPARE(again.result(), QStringLiteral("New update available!\nClick button below in "
                                                "order to download the newest version."));
    }
};

QTEST_MAIN(TestCheckUpdates)
#include "tst_checkupdates.moc"
