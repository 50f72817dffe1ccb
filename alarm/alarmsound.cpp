#include "alarm/alarmsound.h"

#include <QMediaPlayer>

const char *const AlarmSound::kFallbackUrl = "qrc:/audio/resources/audio/fire_alarm.wav";

AlarmSound::AlarmSound(QObject *parent) : QObject(parent) {}

AlarmSound::~AlarmSound() = default;

void AlarmSound::start(const QString &path, int volume)
{
    Q_UNUSED(path);
    Q_UNUSED(volume);
}

void AlarmSound::stop()
{
    m_player.reset();
}

bool AlarmSound::isPlaying() const
{
    return m_player != nullptr;
}

bool AlarmSound::isFallback() const
{
    return m_fallback;
}

void AlarmSound::setLimit(int ms)
{
    m_limitMs = ms;
}
