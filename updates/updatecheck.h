#pragma once

#include "kit/bilingual.h"
#include "updates/updateindicator.h"

#include <QObject>
#include <QTimer>
#include <QUrl>

#include <memory>
#include <optional>

class QNetworkAccessManager;

// The update check while Tivora runs: each opening runs the loading animation, asking for the
// indicator at every step, and gives the verdict at its last step. The last reply and the
// language read last count at the next opening too.
class UpdateCheck : public QObject
{
    Q_OBJECT

public:
    static constexpr int kStepMs = 100;

    explicit UpdateCheck(const QUrl &indicator = updateindicator::indicatorUrl(),
                         QObject *parent = nullptr);
    ~UpdateCheck() override;

    // Runs the animation from its first step, in the language the language file names now.
    void open();
    // Stops it; requests still in flight are dropped.
    void close();
    // One step: asks for the indicator, then shows the step or, at the last, the verdict.
    void step();
    // English for code 1; any other, a missing file at the first opening included, Norwegian.
    Language language() const { return m_language.value_or(Language::Norwegian); }

signals:
    void stepped(int step);
    void decided(updateindicator::Verdict verdict);

private:
    void request();

    const QUrl m_indicator;
    std::optional<Language> m_language;
    QString m_latestText;
    int m_installedVersion = 0;
    int m_step = 0;
    QTimer m_timer{this};
    // Made for each opening and gone with it, so no request outlives the window.
    std::unique_ptr<QNetworkAccessManager> m_network;
};
