#include "alarm/alarmsound.h"

#include "alarm/alarmlist.h"
#include "alarm/fade.h"

#include <QAudio>

#include <QFileInfo>
#include <QMediaPlayer>
#include <QMediaPlaylist>

const char *const AlarmSound::kFallbackUrl = "qrc:/audio/resources/audio/fire_alarm.wav";

AlarmSound::AlarmSound(QObject *parent) : QObject(parent)
{
    m_limit.setSingleShot(true);
    // A coarse timer may end the sound up to 5% (half a minute) early.
    m_limit.setTimerType(Qt::PreciseTimer);
    connect(&m_limit, &QTimer::timeout, this, &AlarmSound::release);
    m_step.setInterval(fade::kStepMs);
    connect(&m_step, &QTimer::timeout, this, &AlarmSound::rise);
}

AlarmSound::~AlarmSound()
{
    release();
}

void AlarmSound::start(const QString &path, int volume)
{
    release();
    m_volume = volume;
    m_playerVolume = volume;
    m_fallback = path.isEmpty();
    play(m_fallback ? QUrl(QString::fromLatin1(kFallbackUrl))
                    : QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
    m_limit.start(kDefaultLimitMs);
}

void AlarmSound::stop()
{
    m_step.stop();
    release();
}

bool AlarmSound::isPlaying() const
{
    return m_player != nullptr;
}

void AlarmSound::join(const void *ring, const QString &path, int fadeSeconds)
{
    Rise &rise = m_rings[ring];
    rise.since.start();
    rise.fadeSeconds = fadeSeconds;
    if (isPlaying())
        m_limit.start(kDefaultLimitMs);
    else
        start(path, m_volume);
    this->rise();
}

void AlarmSound::leave(const void *ring)
{
    m_rings.remove(ring);
    if (m_rings.isEmpty())
        stop();
    else
        rise();
}

void AlarmSound::rise()
{
    double level = m_rings.isEmpty() ? 1 : 0;
    bool risen = true;
    for (const Rise &ring : qAsConst(m_rings)) {
        const auto decibels = fade::decibels(ring.since.elapsed(), ring.fadeSeconds);
        risen &= decibels == 0.0;
        if (decibels)
            level = qMax(level, QAudio::convertVolume(*decibels, QAudio::DecibelVolumeScale,
                                                      QAudio::LinearVolumeScale));
    }
    m_playerVolume = qRound(m_volume * level);
    if (m_player)
        m_player->setVolume(m_playerVolume);
    if (risen)
        m_step.stop();
    else if (!m_step.isActive())
        m_step.start();
}

void AlarmSound::follow(const AlarmList &alarms, int volume)
{
    m_volume = volume;
    connect(&alarms, &AlarmList::rang, this, [this, &alarms](Alarm *alarm, bool withSound) {
        if (withSound)
            join(alarm, alarms.soundOf(*alarm), alarm->fadeSeconds());
    });
    connect(&alarms, &AlarmList::ended, this, [this](Alarm *alarm) { leave(alarm); });
}

void AlarmSound::play(const QUrl &url)
{
    ++m_generation;
    m_player = std::make_unique<QMediaPlayer>();
    // The playlist is the player's child, so it goes when the player goes.
    auto *playlist = new QMediaPlaylist(m_player.get());
    playlist->addMedia(url);
    playlist->setPlaybackMode(QMediaPlaylist::CurrentItemInLoop);
    playlist->setCurrentIndex(0);

    const quint64 generation = m_generation;
    // Queued: the failing player must not be destroyed inside its own signal.
    connect(
        m_player.get(), QOverload<QMediaPlayer::Error>::of(&QMediaPlayer::error), this,
        [this, generation](QMediaPlayer::Error) { failed(generation); }, Qt::QueuedConnection);
    connect(
        m_player.get(), &QMediaPlayer::mediaStatusChanged, this,
        [this, generation](QMediaPlayer::MediaStatus status) {
            if (status == QMediaPlayer::InvalidMedia)
                failed(generation);
        },
        Qt::QueuedConnection);

    m_player->setPlaylist(playlist);
    m_player->setVolume(m_playerVolume);
    m_player->play();
}

void AlarmSound::release()
{
    ++m_generation;
    // A player stops as it goes.
    m_player.reset();
}

void AlarmSound::failed(quint64 generation)
{
    if (generation != m_generation || !m_player)
        return;
    if (m_fallback) {
        // Not even the bundled sound plays: nothing more to try.
        release();
        return;
    }
    release();
    m_fallback = true;
    play(QUrl(QString::fromLatin1(kFallbackUrl)));
}
