#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QUrl>

#include <memory>

class AlarmList;
class QMediaPlayer;

// The alarm's sound: loops a file until stopped, falls back to the bundled
// alarm when the file cannot be played, and stops by itself after a limit.
class AlarmSound : public QObject
{
    Q_OBJECT

public:
    static constexpr int kDefaultLimitMs = 10 * 60 * 1000;
    static const char *const kFallbackUrl; // "qrc:/audio/resources/audio/fire_alarm.wav"

    explicit AlarmSound(QObject *parent = nullptr);
    ~AlarmSound() override;

    // Creates a new player and loops the local file at path at volume (handed
    // to the player unchanged). An empty path, invalid media or a player error
    // plays the bundled fallback instead. Restarts if already playing.
    void start(const QString &path, int volume);
    // Stops and releases the player; harmless when nothing plays.
    void stop();

    bool isPlaying() const;

    // A ring joins the sound: it starts the file at path unless the sound plays already, for the
    // newest ring's full limit, and rises over fadeSeconds. Rings that ring together share one
    // sound, at the level of the loudest; it stops when the last one leaves.
    void join(const void *ring, const QString &path, int fadeSeconds);
    void leave(const void *ring);

    // Plays an alarm's sound at volume while it rings with sound, until its ring is answered.
    void follow(const AlarmList &alarms, int volume);

private:
    void play(const QUrl &url);
    void release();
    void failed(quint64 generation);
    // Sets the player to the loudest ring's level, and stops stepping once every ring has risen.
    void rise();

    std::unique_ptr<QMediaPlayer> m_player;
    QTimer m_limit;
    // Tells apart the current player's queued failures from a released one's.
    quint64 m_generation = 0;
    int m_volume = 0;
    bool m_fallback = false;
    // Each ring's start and fade time, as the sound rises for it.
    struct Rise
    {
        QElapsedTimer since;
        int fadeSeconds = 0;
    };
    QHash<const void *, Rise> m_rings;
    QTimer m_step;
    int m_playerVolume = 0;
};
