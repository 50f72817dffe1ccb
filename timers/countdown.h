#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>

// One countdown timer: a length and a label, and while it runs the moment it ends. It measures
// against the wall clock, so it ends at its moment also after a suspend or a restart; paused, it
// keeps the time it has left. Time comes in from outside.
class Countdown : public QObject
{
    Q_OBJECT

public:
    enum class State { Stopped, Running, Paused };

    // What a timer is kept as between runs.
    struct Kept
    {
        qint64 lengthMs = 0;
        QString label;
        State state = State::Stopped;
        // While running, when it ends; while paused, how long it has left.
        QDateTime endsAt;
        qint64 leftMs = 0;

        bool operator==(const Kept &other) const
        {
            return lengthMs == other.lengthMs && label == other.label && state == other.state &&
                   endsAt == other.endsAt && leftMs == other.leftMs;
        }
    };

    static constexpr qint64 kMaxLengthMs = 100LL * 60 * 60 * 1000;
    // An end heard this late (Tivora was not running, or the computer slept) is told without a
    // sound, as an alarm's ring is.
    static constexpr qint64 kSilentAfterMs = 5 * 60 * 1000;

    explicit Countdown(const Kept &kept, QObject *parent = nullptr);

    const Kept &kept() const { return m_kept; }
    qint64 lengthMs() const { return m_kept.lengthMs; }
    QString label() const { return m_kept.label; }
    State state() const { return m_kept.state; }
    // When it ends; invalid unless it runs.
    QDateTime endsAt() const
    {
        return m_kept.state == State::Running ? m_kept.endsAt : QDateTime();
    }
    // The time it has left at now, never less than none.
    qint64 leftMs(const QDateTime &now) const;

    // Up to 100 hours; another length is not taken. A new length stops it.
    void setLength(qint64 ms);
    void setLabel(const QString &label);
    // Runs from its whole length, or on from where it was paused.
    void start(const QDateTime &now);
    void pause(const QDateTime &now);
    // Stopped, with its whole length again.
    void reset();
    // Whether it runs and its end has come; then it is stopped with its whole length again.
    bool ends(const QDateTime &now);

signals:
    void changed();

private:
    Kept m_kept;
};
