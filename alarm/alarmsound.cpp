#include "alarm/alarmsound.h"

#include "alarm/alarmlist.h"

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
}

AlarmSound::~AlarmSound()
{
    release();
}

void AlarmSound::start(const QString &path, int volume)
{
    release();
    m_volume = volume;
    m_fallback = path.isEmpty();
    play(m_fallback ? QUrl(QString::fromLatin1(kFallbackUrl))
                    : QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
    m_limit.start(kDefaultLimitMs);
}

void AlarmSound::stop()
{
    release();
}

bool AlarmSound::isPlaying() const
{
    return m_player != nullptr;
}

void AlarmSound::follow(const AlarmList &alarms, int volume)
{
    connect(&alarms, &AlarmList::rang, this, [this, &alarms, volume](Alarm *alarm, bool withSound) {
        if (!withSound)
            return;
        // Alarms ringing together share the sound already playing, which plays on for the
        // newest ring's full limit.
        if (isPlaying())
            m_limit.start(kDefaultLimitMs);
        else
            start(alarms.soundOf(*alarm), volume);
    });
    connect(&alarms, &AlarmList::ended, this, [this, &alarms] {
        if (alarms.ringing().isEmpty())
            stop();
    });
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
    m_player->setVolume(m_volume);
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
