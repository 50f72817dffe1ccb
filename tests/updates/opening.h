#pragma once

#include "updates/checkupdates.h"

#include "indicatorserver.h"
#include "updates/updateindicator.h"
#include "workingfolder.h"

#include <QCommandLinkButton>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <memory>

inline const QString kEnglishUpdate = QStringLiteral(
    "New update available!\nClick button below in order to download the newest version.");
inline const QString kNorwegianUpdate = QStringLiteral(
    "Ny oppdatering tilgjengelig!\nTrykk på knappen nedenfor for å laste ned nyeste versjon.");
inline const QString kEnglishNone = QStringLiteral("No updates available.");
inline const QString kNorwegianNone = QStringLiteral("Ingen oppdateringer tilgjengelig.");

// Writes the language and installed version files a check reads; a null value leaves one out.
inline void writeCheckSettings(const WorkingFolder &folder, const QByteArray &language,
                               const QByteArray &installed)
{
    if (!language.isNull())
        folder.writeSetting(QStringLiteral("tivora_lang.txt"), language);
    if (!installed.isNull())
        folder.writeSetting(QStringLiteral("tivora_ivn.txt"), installed);
}

// Stands in for the desktop's browser.
class BrowserRecorder : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void openUrl(const QUrl &url) { opened.append(url); }
};

// One opening of the dialog, shown modal as the main window shows it. Its
// animation steps come from the test (step()) or from its own 100 ms timer.
class Opening
{
public:
    enum class Ticks { ByTest, ByTimer };

    explicit Opening(Ticks ticks = Ticks::ByTest) : dialog(std::make_unique<CheckUpdates>())
    {
        timer = dialog->findChild<QTimer *>(QString(), Qt::FindDirectChildrenOnly);
        if (timer && ticks == Ticks::ByTest)
            timer->stop();
        manager = dialog->findChild<QNetworkAccessManager *>();
        finished = std::make_unique<QSignalSpy>(manager, &QNetworkAccessManager::finished);
        dialog->setModal(true);
        dialog->show();
    }

    void step() { QMetaObject::invokeMethod(dialog.get(), "showTime", Qt::DirectConnection); }
    void steps(int count)
    {
        for (int i = 0; i < count; ++i)
            step();
    }
    // Every request so far has been answered (or has failed).
    bool settle(int expected, int timeoutMs = 15000)
    {
        QElapsedTimer clock;
        clock.start();
        while (finished->count() < expected && clock.elapsed() < timeoutMs)
            QTest::qWait(5);
        return finished->count() == expected;
    }
    // Runs the check to its verdict, letting every request before it finish first.
    bool runToVerdict()
    {
        steps(44);
        const bool settled = settle(44);
        step();
        return settled;
    }

    QLabel *label(const char *name) const { return dialog->findChild<QLabel *>(name); }
    QString result() const { return label("lblResult")->text(); }
    QString progress() const { return label("lblTitleLoader")->text(); }
    QCommandLinkButton *button() const
    {
        return dialog->findChild<QCommandLinkButton *>("commandLinkButton");
    }

    std::unique_ptr<CheckUpdates> dialog;
    QTimer *timer = nullptr;
    QNetworkAccessManager *manager = nullptr;
    std::unique_ptr<QSignalSpy> finished;
};

// What every test of the dialog starts from: a loopback server the check asks, web links opening
// in the recorder, and a checker that has read nothing yet.
class CheckUpdatesTestBase : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qRegisterMetaType<QNetworkReply *>();
        QVERIFY(server.isRunning());
        updatehooks::setIndicatorUrl(server.url());
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &browser, "openUrl");
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &browser, "openUrl");
    }

    void init()
    {
        updatehooks::reset();
        updatehooks::setIndicatorUrl(server.url());
        server.resetCounts();
        browser.opened.clear();
    }

    void cleanupTestCase()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        updatehooks::setIndicatorUrl(QUrl());
    }

protected:
    // The indicator answers body only after a delay.
    void serveLate(const QByteArray &body, double delaySeconds)
    {
        IndicatorServer::Answer late;
        late.body = body;
        late.delaySeconds = delaySeconds;
        server.serve(IndicatorServer::kIndicatorPath, late);
    }

    IndicatorServer server;
    BrowserRecorder browser;
};
