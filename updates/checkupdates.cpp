#include "updates/checkupdates.h"
#include "ui_checkupdates.h"

#include "kit/theme.h"
#include "settings/settingsfiles.h"
#include "updates/loadersteps.h"
#include "updates/updateindicator.h"

#include <QDesktopServices>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPixmap>
#include <QTimer>
#include <QUrl>

namespace {

// Process-wide values, zero at program start: a reply from an earlier opening still counts.
struct State
{
    qint32 languageCode = 0;
    QString latestVersionText;
    qint32 installedVersion = 0;
    qint32 loaderStep = 0;
    bool loaderActive = false;
    QUrl indicatorUrl;
};

State state;

const texttable::Table kTexts{
    {"commandLinkButton", texttable::Property::Text, {"Download Tivora", "Last ned Tivora"}},
};

// English for code 1; every other code, a missing file included, gives Norwegian.
Language language()
{
    return state.languageCode == 1 ? Language::English : Language::Norwegian;
}

} // namespace

namespace updatehooks {

void setIndicatorUrl(const QUrl &url)
{
    state.indicatorUrl = url;
}

void reset()
{
    state = State();
}

const texttable::Table &texts()
{
    return kTexts;
}

} // namespace updatehooks

CheckUpdates::CheckUpdates(QWidget *parent)
    : QDialog(parent), ui(new Ui::CheckUpdates), network(new QNetworkAccessManager(this))
{
    setStyleSheet(theme::darkTheme());
    ui->setupUi(this);

    state.loaderActive = true;
    state.loaderStep = 0;

    auto *timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &CheckUpdates::showTime);
    timer->setInterval(100);
    timer->start();

    if (const auto code = settingsfiles::readInt(settingsfiles::kLanguage))
        state.languageCode = *code;
    texttable::apply(this, kTexts, language());
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
    if (state.loaderActive)
        startLoader();
}

void CheckUpdates::startLoader()
{
    ++state.loaderStep;
    requestIndicator();
    if (state.loaderStep == loadersteps::kVerdictStep)
        showVerdict();
    else
        showStep(state.loaderStep);
}

void CheckUpdates::requestIndicator()
{
    QNetworkRequest request(state.indicatorUrl.isEmpty() ? updateindicator::indicatorUrl()
                                                         : state.indicatorUrl);
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
}

void CheckUpdates::showStep(int step)
{
    const loadersteps::Step *shown = loadersteps::stepAt(step);
    if (!shown)
        return;
    ui->lblLoading->setPixmap(QPixmap(QString::fromLatin1(shown->frame)));
    const QString text = shown->text.in(language());
    if (!text.isEmpty())
        ui->lblTitleLoader->setText(text);
}

void CheckUpdates::showVerdict()
{
    ui->lblLoading->clear();
    state.loaderActive = false;
    if (const auto installed = settingsfiles::readInt(settingsfiles::kInstalledVersion))
        state.installedVersion = *installed;
    ui->lblTitleLoader->clear();
    ui->lblResult->setText(updateindicator::verdictText(
        updateindicator::verdict(state.latestVersionText, state.installedVersion), language()));
}

void CheckUpdates::reply()
{
    auto *finished = qobject_cast<QNetworkReply *>(sender());
    if (!finished)
        return;
    if (finished->error() == QNetworkReply::NoError) {
        const QByteArray body = finished->read(updateindicator::kMaxBodyBytes + 1);
        if (body.size() <= updateindicator::kMaxBodyBytes)
            state.latestVersionText = updateindicator::indicatorText(body);
    }
    finished->deleteLater();
}

void CheckUpdates::on_commandLinkButton_clicked()
{
    QDesktopServices::openUrl(updateindicator::downloadPageUrl());
}
