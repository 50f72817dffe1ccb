#include "updates/checkupdates.h"
#include "ui_checkupdates.h"

#include "app/theme.h"
#include "settings/settingsfiles.h"
#include "updates/loadersteps.h"
#include "updates/updateindicator.h"

#include <QDesktopServices>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPixmap>
#include <QTimer>

namespace {

// Kept for the whole program run: a reply from an earlier opening still counts.
QString languageText;
qint32 languageCode = 0;
QString latestVersionText;
qint32 latestVersion = 0;
QString installedVersionText;
qint32 installedVersion = 0;
qint32 loaderStep = 0;
bool loaderActive = false;

} // namespace

namespace checkupdates {

void resetStateForTesting()
{
    languageText.clear();
    languageCode = 0;
    latestVersionText.clear();
    latestVersion = 0;
    installedVersionText.clear();
    installedVersion = 0;
    loaderStep = 0;
    loaderActive = false;
}

} // namespace checkupdates

CheckUpdates::CheckUpdates(QWidget *parent)
    : QDialog(parent), ui(new Ui::CheckUpdates), network(new QNetworkAccessManager(this))
{
    setStyleSheet(theme::darkTheme());
    ui->setupUi(this);

    loaderActive = true;
    loaderStep = 0;

    auto *timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &CheckUpdates::showTime);
    timer->setInterval(100);
    timer->start();

    if (const auto word = settingsfiles::readFirstWord(settingsfiles::kLanguage)) {
        languageText = *word;
        languageCode = settingsfiles::toInt(languageText);
    }

    ui->commandLinkButton->setText(languageCode == 1 ? QStringLiteral("Download Tivora")
                                                     : QStringLiteral("Last ned Tivora"));
}

CheckUpdates::~CheckUpdates()
{
    // Requests still in flight die with the dialog and must not call back into it.
    const auto replies = network->findChildren<QNetworkReply *>();
    for (QNetworkReply *pending : replies) {
        disconnect(pending, nullptr, this, nullptr);
        pending->abort();
        delete pending;
    }
    delete ui;
}

void CheckUpdates::showTime()
{
    if (loaderActive)
        startLoader();
}

void CheckUpdates::startLoader()
{
    ++loaderStep;

    QNetworkRequest request(updateindicator::indicatorUrl());
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    request.setTransferTimeout(updateindicator::kTransferTimeoutMs);
    QNetworkReply *sent = network->get(request);
    // The network thread pauses once this much is waiting, so an endless body is never held.
    sent->setReadBufferSize(updateindicator::kMaxBodyBytes + 1);
    connect(sent, &QNetworkReply::readyRead, sent, [sent] {
        if (sent->isRunning() && sent->bytesAvailable() > updateindicator::kMaxBodyBytes)
            sent->abort();
    });
    connect(sent, &QNetworkReply::finished, this, &CheckUpdates::reply);

    if (loaderStep == loadersteps::kVerdictStep) {
        showVerdict();
        return;
    }
    const auto step = loadersteps::stepAt(loaderStep);
    if (!step)
        return;
    ui->lblLoading->setPixmap(QPixmap(step->frame));
    const QString &text = languageCode == 1 ? step->englishText : step->norwegianText;
    if (!text.isEmpty())
        ui->lblTitleLoader->setText(text);
}

void CheckUpdates::showVerdict()
{
    ui->lblLoading->clear();
    loaderActive = false;
    latestVersion = settingsfiles::toInt(latestVersionText);
    if (const auto word = settingsfiles::readFirstWord(settingsfiles::kInstalledVersion)) {
        installedVersionText = *word;
        installedVersion = settingsfiles::toInt(installedVersionText);
    }
    ui->lblTitleLoader->clear();
    ui->lblResult->setText(updateindicator::verdictText(
        updateindicator::updateAvailable(latestVersion, installedVersion), languageCode));
}

void CheckUpdates::reply()
{
    auto *finished = qobject_cast<QNetworkReply *>(sender());
    if (!finished)
        return;
    if (finished->error() == QNetworkReply::NoError) {
        const QByteArray body = finished->read(updateindicator::kMaxBodyBytes + 1);
        if (body.size() <= updateindicator::kMaxBodyBytes)
            latestVersionText = updateindicator::indicatorText(body);
    }
    finished->deleteLater();
}

void CheckUpdates::on_commandLinkButton_clicked()
{
    QDesktopServices::openUrl(updateindicator::downloadPageUrl());
}
