#include "updates/checkupdates.h"
#include "updates/updatecheck.h"

#include "windows.h"

#include <QLabel>
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

// An opening of the dialog with the check's timer stopped: steps() runs its animation on and
// gives the verdict shown.
struct Opening
{
    explicit Opening(UpdateCheck &check) : check(check) {}
    UpdateCheck &check;
    CheckUpdates dialog{check};
    QSignalSpy replies{check.findChild<QNetworkAccessManager *>(),
                       &QNetworkAccessManager::finished};
    QString steps(int count)
    {
        check.findChild<QTimer *>()->stop();
        for (int i = 0; i < count; ++i)
            check.step();
        return shown(&dialog, QStringLiteral("lblResult"));
    }
};

} // namespace

class TestCheckUpdates : public WindowTest
{
    Q_OBJECT

    QProcess server;

    // The indicator at the test server's /status/delay/size/body.
    QUrl serve(const QString &path)
    {
        return QUrl(
            QStringLiteral("http://127.0.0.1:%1%2").arg(server.property("port").toString(), path));
    }

private slots:
    void initTestCase()
    {
        qRegisterMetaType<QNetworkReply *>();
        server.start(QStringLiteral("python3"),
                     {QStringLiteral(TIVORA_SOURCE_DIR "/tests/support/server.py")});
        QVERIFY(QTest::qWaitFor([&] { return server.canReadLine(); }, 10000));
        server.setProperty("port", server.readLine().mid(5).trimmed());
    }
    void cleanupTestCase() { server.close(); }
    void verdict_data()
    {
        QTest::addColumn<QString>("path");     // /status/delay/size/body on the test server
        QTest::addColumn<QByteArray>("files"); // language|installed version, - for none
        QTest::addColumn<QString>("result");
        const auto row = [](const char *tag, const char *path, const char *files,
                            const QString &result) {
            QTest::newRow(tag) << QString::fromLatin1(path) << QByteArray(files) << result;
        };
        row("newer", "/200/0/0/5", "1|4\r\n", kUpdate);
        row("the same, blanks after", "/200/0/3/4", "1|4", kNone);
        row("no installed file", "/200/0/0/1", "1|-", kUpdate);
        row("an error status is dropped", "/404/0/0/9", "1|4", kUnreachable);
        row("not a number", "/200/0/0/2.2", "1|4", kUnreachable);
        row("a redirect is not followed", "/302/0/0/9", "1|4", kUpdate);
        row("64 KiB are read", "/200/0/65536/9", "1|4", kUpdate);
        row("a byte more is dropped", "/200/0/65537/9", "1|4", kUnreachable);
        row("Norwegian without a language file", "/500/0/0/9", "-|4",
            QStringLiteral("Kunne ikke nå oppdateringsserveren. Vennligst prøv igjen senere."));
    }
    void verdict()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, files);
        putSettings("lang ivn", files);
        UpdateCheck check(serve(path));
        Opening open(check);
        QCOMPARE(open.steps(9), QString()); // a frame and a text while it checks, its dots moving
        QVERIFY(
            shown(&open.dialog, QStringLiteral("lblTitleLoader")).endsWith(QLatin1String("..")));
        QCOMPARE(open.steps(35), QString());
        QVERIFY(!child<QLabel>(&open.dialog, "lblLoading")->pixmap(Qt::ReturnByValue).isNull());
        QTRY_COMPARE_WITH_TIMEOUT(open.replies.count(), 44, 15000);
        QTEST(open.steps(1), "result");
    }
    // A reply that takes more than 10 seconds is dropped, and so is one still on its way when the
    // dialog closes; one that comes after the verdict counts at the next opening.
    void slowReplies()
    {
        putSettings("lang ivn", "1|4");
        UpdateCheck late(serve(QStringLiteral("/200/12/0/9")));
        {
            Opening open(late);
            QCOMPARE(open.steps(45), kUnreachable);
            QTRY_COMPARE_WITH_TIMEOUT(open.replies.count(), 45, 11500);
        }
        QCOMPARE(Opening(late).steps(45), kUnreachable);
        UpdateCheck afterwards(serve(QStringLiteral("/200/0.3/0/9")));
        // Closed with its requests in flight: their replies never count.
        QCOMPARE(Opening(afterwards).steps(45), kUnreachable);
        QTest::qWait(1000);
        {
            Opening open(afterwards);
            QCOMPARE(open.steps(45), kUnreachable);
            QTRY_COMPARE_WITH_TIMEOUT(open.replies.count(), 45, 8000);
        }
        CheckUpdates byItself(afterwards); // the check's own timer runs it
        QTRY_COMPARE_WITH_TIMEOUT(shown(&byItself, QStringLiteral("lblResult")), kUpdate, 9000);
    }
};

QTEST_MAIN(TestCheckUpdates)
#include "tst_checkupdates.moc"
