#include "updates/updatecheck.h"

#include "settings/settingsfiles.h"
#include "updates/loadersteps.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

UpdateCheck::UpdateCheck(const QUrl &indicator, QObject *parent)
    : QObject(parent), m_indicator(indicator)
{
    connect(&m_timer, &QTimer::timeout, this, &UpdateCheck::step);
}

UpdateCheck::~UpdateCheck()
{
    close();
}

void UpdateCheck::open()
{
    m_step = 0;
    m_network = std::make_unique<QNetworkAccessManager>(this);
    m_timer.start(kStepMs);
    m_language = settingsfiles::readLanguage(m_language);
}

void UpdateCheck::close()
{
    m_timer.stop();
    // Requests still in flight go with their manager, unanswered: they never call back.
    m_network.reset();
}

void UpdateCheck::step()
{
    if (!m_network)
        return;
    ++m_step;
    request();
    if (m_step != loadersteps::kVerdictStep) {
        emit stepped(m_step);
        return;
    }
    m_timer.stop();
    if (const auto installed = settingsfiles::readInt(settingsfiles::kInstalledVersion))
        m_installedVersion = *installed;
    emit decided(updateindicator::verdict(m_latestText, m_installedVersion));
}

void UpdateCheck::request()
{
    QNetworkRequest request(m_indicator);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    request.setTransferTimeout(updateindicator::kTransferTimeoutMs);
    QNetworkReply *sent = m_network->get(request);
    // The network thread pauses once this much is waiting, so an endless body is never held.
    sent->setReadBufferSize(updateindicator::kMaxBodyBytes + 1);
    connect(sent, &QNetworkReply::readyRead, sent, [sent] {
        if (sent->isRunning() && sent->bytesAvailable() > updateindicator::kMaxBodyBytes)
            sent->abort();
    });
    connect(sent, &QNetworkReply::finished, this, [this, sent] {
        if (sent->error() == QNetworkReply::NoError) {
            const QByteArray body = sent->read(updateindicator::kMaxBodyBytes + 1);
            if (body.size() <= updateindicator::kMaxBodyBytes)
                m_latestText = updateindicator::indicatorText(body);
        }
        sent->deleteLater();
    });
}
