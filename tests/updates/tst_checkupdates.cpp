#include "updates/checkupdates.h"

#include "app/theme.h"
#include "boxwatcher.h"
#include "indicatorserver.h"
#include "opening.h"
#include "updates/updateindicator.h"
#include "workingfolder.h"

#include <QCommandLinkButton>
#include <QDesktopServices>
#include <QFormLayout>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

namespace {

struct ShownStep
{
    int step;
    const char *frame;
    const char *english;
    const char *norwegian;
};

// What the user sees change, step by step; every other step changes nothing.
const ShownStep kShownSteps[] = {
    {3, "load_one", "Checking for updates.", "Ser etter oppdateringer."},
    {6, "load_two", nullptr, nullptr},
    {9, "load_three", "Checking for updates..", "Ser etter oppdateringer.."},
    {13, "load_four", nullptr, nullptr},
    {16, "load_five", "Checking for updates.", "Ser etter oppdateringer..."},
    {19, "load_six", nullptr, nullptr},
    {21, "load_seven", "Checking for updates.", "Ser etter oppdateringer."},
    {24, "load_one", nullptr, nullptr},
    {27, "load_two", "Checking for updates.", "Ser etter oppdateringer.."},
    {31, "load_three", nullptr, nullptr},
    {34, "load_four", "Checking for updates.", "Ser etter oppdateringer..."},
    {37, "load_five", nullptr, nullptr},
    {40, "load_six", "Checking for updates.", "Ser etter oppdateringer."},
    {43, "load_seven", nullptr, nullptr},
};

QImage frameImage(const char *name)
{
    return QPixmap(QStringLiteral(":/images/resources/%1.png").arg(QLatin1String(name))).toImage();
}

QImage shownImage(const QLabel *label)
{
    return label->pixmap(Qt::ReturnByValue).toImage();
}

} // namespace

class TestCheckUpdates : public CheckUpdatesTestBase
{
    Q_OBJECT

private slots:
    void form();
    void noRequestBeforeTheFirstTick();
    void verdict_data();
    void verdict();
    void failedRepliesAreDiscarded_data();
    void failedRepliesAreDiscarded();
    void redirectIsNotFollowed();
    void replySlowerThanTheVerdictCountsLater();
    void earlierOpeningCountsAtALaterOne();
    void stepTexts_data();
    void stepTexts();
    void closingMidwayRestartsTheAnimation();
    void buttonOpensTheDownloadPage();
    void openingAndClosingAgainstASlowServer();
};

void TestCheckUpdates::form()
{
    WorkingFolder folder;
    writeCheckSettings(folder, "1", QByteArray());
    Opening open;
    CheckUpdates &dialog = *open.dialog;

    QCOMPARE(dialog.objectName(), QStringLiteral("CheckUpdates"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Tivora Updater"));
    QCOMPARE(dialog.size(), QSize(589, 205));
    QCOMPARE(dialog.minimumSize(), QSize(589, 205));
    QCOMPARE(dialog.maximumSize(), QSize(589, 205));
    QCOMPARE(dialog.styleSheet(), theme::darkTheme());
    QVERIFY(open.timer);
    QCOMPARE(open.timer->interval(), 100);

    auto *form = dialog.findChild<QFormLayout *>(QStringLiteral("formLayout"));
    QVERIFY(form);
    QCOMPARE(dialog.layout(), form);
    QCOMPARE(form->rowCount(), 3);
    QCOMPARE(form->itemAt(0, QFormLayout::LabelRole)->widget(), open.label("lblLoading"));
    auto *column = dialog.findChild<QVBoxLayout *>(QStringLiteral("verticalLayout"));
    QCOMPARE(form->itemAt(0, QFormLayout::FieldRole)->layout(), column);
    QCOMPARE(column->count(), 2);
    QCOMPARE(column->itemAt(0)->widget(), open.label("lblTitleLoader"));
    QCOMPARE(column->itemAt(1)->widget(), open.label("lblResult"));
    QSpacerItem *spacer = form->itemAt(1, QFormLayout::FieldRole)->spacerItem();
    QVERIFY(spacer);
    QCOMPARE(spacer->sizeHint(), QSize(20, 40));
    QCOMPARE(spacer->sizePolicy().horizontalPolicy(), QSizePolicy::Minimum);
    QCOMPARE(spacer->sizePolicy().verticalPolicy(), QSizePolicy::Expanding);
    QCOMPARE(form->itemAt(2, QFormLayout::FieldRole)->widget(), open.button());

    for (const char *name : {"lblLoading", "lblTitleLoader", "lblResult"}) {
        QVERIFY2(open.label(name), name);
        QCOMPARE(open.label(name)->text(), QString());
        QCOMPARE(open.label(name)->alignment(), Qt::AlignCenter);
    }
    for (const char *name : {"lblTitleLoader", "lblResult"}) {
        QCOMPARE(open.label(name)->font().pointSize(), 10);
        QCOMPARE(open.label(name)->font().weight(), 75);
        QVERIFY(open.label(name)->font().bold());
    }
    QCOMPARE(open.button()->text(), QStringLiteral("Download Tivora"));
    QVERIFY(open.button()->isVisible());
    QVERIFY(open.button()->isEnabled());
}

void TestCheckUpdates::noRequestBeforeTheFirstTick()
{
    WorkingFolder folder;
    server.serve("5");
    Opening open;
    QTest::qWait(300);
    QCOMPARE(server.requests(), 0);
    open.step();
    QVERIFY(open.settle(1));
    QCOMPARE(server.requests(), 1);
}

void TestCheckUpdates::verdict_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QByteArray>("installed");
    QTest::addColumn<QByteArray>("language");
    QTest::addColumn<QString>("expected");

    const QByteArray missing;
    QTest::newRow("5 over 4") << QByteArray("5") << QByteArray("4") << QByteArray("1")
                              << kEnglishUpdate;
    QTest::newRow("4 over 4") << QByteArray("4") << QByteArray("4") << QByteArray("1")
                              << kEnglishNone;
    QTest::newRow("3 over 4") << QByteArray("3") << QByteArray("4") << QByteArray("1")
                              << kEnglishNone;
    QTest::newRow("5 LF over 4") << QByteArray("5\n") << QByteArray("4") << QByteArray("1")
                                 << kEnglishUpdate;
    QTest::newRow("5 CR LF over 4")
        << QByteArray("5\r\n") << QByteArray("4") << QByteArray("1") << kEnglishUpdate;
    QTest::newRow("5 blanks over 4")
        << QByteArray("5   ") << QByteArray("4") << QByteArray("1") << kEnglishUpdate;
    QTest::newRow("2.2 over 1") << QByteArray("2.2") << QByteArray("1") << QByteArray("1")
                                << kEnglishNone;
    QTest::newRow("five over 0") << QByteArray("five") << QByteArray("0") << QByteArray("1")
                                 << kEnglishNone;
    QTest::newRow("past 32 bits over 4")
        << QByteArray("2147483648") << QByteArray("4") << QByteArray("1") << kEnglishNone;
    QTest::newRow("zero byte ends the number")
        << QByteArray("6\0"
                      "1",
                      3)
        << QByteArray("5") << QByteArray("1") << kEnglishUpdate;
    QTest::newRow("installed CR LF")
        << QByteArray("5") << QByteArray("4\r\n") << QByteArray("1") << kEnglishUpdate;
    QTest::newRow("no installed file")
        << QByteArray("1") << missing << QByteArray("1") << kEnglishUpdate;
    QTest::newRow("signed") << QByteArray("-5") << QByteArray("-6") << QByteArray("1")
                            << kEnglishUpdate;
    QTest::newRow("Norwegian update")
        << QByteArray("5") << QByteArray("4") << QByteArray("2") << kNorwegianUpdate;
    QTest::newRow("Norwegian none")
        << QByteArray("4") << QByteArray("4") << QByteArray("2") << kNorwegianNone;
    QTest::newRow("no language file")
        << QByteArray("5") << QByteArray("4") << missing << kNorwegianUpdate;
    QTest::newRow("language 3") << QByteArray("3") << QByteArray("4") << QByteArray("3")
                                << kNorwegianNone;
}

void TestCheckUpdates::verdict()
{
    QFETCH(QByteArray, body);
    QFETCH(QByteArray, installed);
    QFETCH(QByteArray, language);
    QFETCH(QString, expected);

    WorkingFolder folder;
    writeCheckSettings(folder, language, installed);
    server.serve(body);
    BoxWatcher boxes;

    Opening open;
    QVERIFY(open.runToVerdict());
    QCOMPARE(open.result(), expected);
    QCOMPARE(open.progress(), QString());
    QVERIFY(shownImage(open.label("lblLoading")).isNull());
    QVERIFY(open.settle(45));
    QCOMPARE(server.requests(), 45);

    // Ticks after the verdict send nothing and change nothing.
    open.steps(5);
    QTest::qWait(100);
    QCOMPARE(server.requests(), 45);
    QCOMPARE(open.result(), expected);
    QVERIFY(boxes.seen().isEmpty());
}

void TestCheckUpdates::failedRepliesAreDiscarded_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<bool>("withLength");
    QTest::addColumn<QString>("expected");

    // A first reply stores "5"; the rest bring "1", which must not replace it.
    QTest::newRow("404") << 404 << QByteArray("1") << qint64(-1) << true << kEnglishUpdate;
    QTest::newRow("500") << 500 << QByteArray("1") << qint64(-1) << true << kEnglishUpdate;
    QTest::newRow("64 KiB + 1") << 200 << QByteArray("1") << qint64(65537) << true
                                << kEnglishUpdate;
    QTest::newRow("64 KiB + 1, no length")
        << 200 << QByteArray("1") << qint64(65537) << false << kEnglishUpdate;
    QTest::newRow("64 MiB, no length")
        << 200 << QByteArray("1") << qint64(64) * 1024 * 1024 << false << kEnglishUpdate;
    QTest::newRow("exactly 64 KiB")
        << 200 << QByteArray("1") << qint64(65536) << true << kEnglishNone;
    QTest::newRow("exactly 64 KiB, no length")
        << 200 << QByteArray("1") << qint64(65536) << false << kEnglishNone;
}

void TestCheckUpdates::failedRepliesAreDiscarded()
{
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(qint64, size);
    QFETCH(bool, withLength);
    QFETCH(QString, expected);

    WorkingFolder folder;
    writeCheckSettings(folder, "1", "4");
    server.serve("5");
    Opening open;
    open.step();
    QVERIFY(open.settle(1));

    IndicatorServer::Answer answer;
    answer.status = status;
    answer.body = body;
    answer.size = size;
    answer.withLength = withLength;
    server.serve(IndicatorServer::kIndicatorPath, answer);
    open.steps(43);
    QVERIFY(open.settle(44, 60000));
    open.step();
    QCOMPARE(open.result(), expected);
}

void TestCheckUpdates::redirectIsNotFollowed()
{
    WorkingFolder folder;
    writeCheckSettings(folder, "1", "4");
    const QString elsewhere = QStringLiteral("/elsewhere.txt");
    server.serve(elsewhere, 200, "1");
    IndicatorServer::Answer moved;
    moved.status = 302;
    moved.body = "7";
    moved.location = server.url(elsewhere).toString();
    server.serve(IndicatorServer::kIndicatorPath, moved);

    Opening open;
    QVERIFY(open.runToVerdict());
    QCOMPARE(open.result(), kEnglishUpdate);
    QCOMPARE(server.requests(elsewhere), 0);
}

void TestCheckUpdates::replySlowerThanTheVerdictCountsLater()
{
    WorkingFolder folder;
    writeCheckSettings(folder, "1", "4");
    serveLate("5", 0.2);

    {
        Opening open;
        open.steps(45);
        QCOMPARE(open.result(), kEnglishNone);
        QVERIFY(open.settle(45));
        // The verdict stands while the dialog stays open.
        QCOMPARE(open.result(), kEnglishNone);
    }

    server.serve(IndicatorServer::kIndicatorPath, 404, "1");
    Opening again;
    QVERIFY(again.runToVerdict());
    QCOMPARE(again.result(), kEnglishUpdate);
}

void TestCheckUpdates::earlierOpeningCountsAtALaterOne()
{
    WorkingFolder folder;
    writeCheckSettings(folder, "1", "4");
    server.serve("5");
    {
        Opening first;
        QVERIFY(first.runToVerdict());
        QCOMPARE(first.result(), kEnglishUpdate);
    }

    // Server gone and both files unreadable: what was read before stays in force.
    updatehooks::setIndicatorUrl(IndicatorServer::deadUrl());
    QVERIFY(QFile::remove(folder.absolute(QStringLiteral("data/settings/tivora_ivn.txt"))));
    QVERIFY(QFile::remove(folder.absolute(QStringLiteral("data/settings/tivora_lang.txt"))));
    BoxWatcher boxes;
    Opening second;
    QCOMPARE(second.button()->text(), QStringLiteral("Download Tivora"));
    QVERIFY(second.runToVerdict());
    QCOMPARE(second.result(), kEnglishUpdate);
    QVERIFY(boxes.seen().isEmpty());
}

void TestCheckUpdates::stepTexts_data()
{
    QTest::addColumn<QByteArray>("language");
    QTest::addColumn<bool>("english");

    QTest::newRow("1") << QByteArray("1") << true;
    QTest::newRow("1 LF") << QByteArray("1\n") << true;
    QTest::newRow("2") << QByteArray("2") << false;
    QTest::newRow("2 CR LF") << QByteArray("2\r\n") << false;
    QTest::newRow("missing") << QByteArray() << false;
    QTest::newRow("3") << QByteArray("3") << false;
    QTest::newRow("empty") << QByteArray("") << false;
}

void TestCheckUpdates::stepTexts()
{
    QFETCH(QByteArray, language);
    QFETCH(bool, english);

    WorkingFolder folder;
    writeCheckSettings(folder, language, "4");
    server.serve("5");

    Opening open;
    QCOMPARE(open.button()->text(),
             english ? QStringLiteral("Download Tivora") : QStringLiteral("Last ned Tivora"));

    QImage frame;
    QString text;
    for (int step = 1; step <= 44; ++step) {
        for (const ShownStep &shown : kShownSteps) {
            if (shown.step != step)
                continue;
            frame = frameImage(shown.frame);
            QVERIFY(!frame.isNull());
            if (shown.english)
                text = QLatin1String(english ? shown.english : shown.norwegian);
        }
        open.step();
        QVERIFY2(shownImage(open.label("lblLoading")) == frame, qPrintable(QString::number(step)));
        QCOMPARE(open.progress(), text);
        QCOMPARE(open.result(), QString());
    }
    QVERIFY(open.settle(44));
    open.step();
    QVERIFY(shownImage(open.label("lblLoading")).isNull());
    QCOMPARE(open.progress(), QString());
    QCOMPARE(open.result(), english ? kEnglishUpdate : kNorwegianUpdate);
}

void TestCheckUpdates::closingMidwayRestartsTheAnimation()
{
    WorkingFolder folder;
    writeCheckSettings(folder, "2", "4");
    server.serve("5");
    {
        Opening first;
        first.steps(20);
        QCOMPARE(first.progress(), QStringLiteral("Ser etter oppdateringer..."));
    }
    Opening second;
    second.steps(2);
    QCOMPARE(second.progress(), QString());
    QVERIFY(shownImage(second.label("lblLoading")).isNull());
    second.step();
    QCOMPARE(second.progress(), QStringLiteral("Ser etter oppdateringer."));
    QVERIFY(shownImage(second.label("lblLoading")) == frameImage("load_one"));
    second.steps(41);
    QCOMPARE(second.result(), QString());
    QVERIFY(second.settle(44));
    second.step();
    QCOMPARE(second.result(), kNorwegianUpdate);
}

void TestCheckUpdates::buttonOpensTheDownloadPage()
{
    WorkingFolder folder;
    writeCheckSettings(folder, "1", "4");
    server.serve("3");
    Opening open;
    open.steps(10);
    QTest::mouseClick(open.button(), Qt::LeftButton);
    QCOMPARE(browser.opened.size(), 1);
    QCOMPARE(browser.opened.first(), updateindicator::downloadPageUrl());
    QCOMPARE(browser.opened.first().scheme(), QStringLiteral("http"));

    open.steps(3);
    QVERIFY(shownImage(open.label("lblLoading")) == frameImage("load_four"));
    QVERIFY(open.settle(13));
    open.steps(31);
    QVERIFY(open.settle(44));
    open.step();
    QCOMPARE(open.result(), kEnglishNone);
    QTest::mouseClick(open.button(), Qt::LeftButton);
    QCOMPARE(browser.opened.size(), 2);
}

void TestCheckUpdates::openingAndClosingAgainstASlowServer()
{
    WorkingFolder folder;
    writeCheckSettings(folder, QByteArray(), "4");
    serveLate("5", 0.2);

    for (int round = 0; round < 20; ++round) {
        Opening open;
        open.steps(15);
        QCoreApplication::processEvents();
        QPointer<QNetworkAccessManager> manager = open.manager;
        QList<QPointer<QNetworkReply>> replies;
        for (QNetworkReply *reply : manager->findChildren<QNetworkReply *>())
            replies.append(reply);
        QCOMPARE(replies.size(), 15);
        open.dialog.reset();
        QVERIFY(manager.isNull());
        for (const QPointer<QNetworkReply> &reply : replies)
            QVERIFY(reply.isNull());
    }
    // Answers to the aborted requests come back to nobody.
    QTest::qWait(500);

    Opening last;
    last.steps(45);
    QCOMPARE(last.result(), kNorwegianNone);
}

QTEST_MAIN(TestCheckUpdates)
#include "tst_checkupdates.moc"
