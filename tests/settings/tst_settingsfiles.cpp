#include "alarm/alarmfile.h"
#include "settings/savesequence.h"
#include "settings/settingsfiles.h"

#include "folder.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QTextCodec>
#include <QThread>
#include <QtTest>

#include <csignal>
#include <cstdio>

#include <sys/prctl.h>
#include <sys/stat.h>

using namespace settingsfiles;

namespace {

// What a process run as "tst_settingsfiles save settings" or "... save alarm" saves
// in turn until it is killed.
const savesequence::Choices kSettings[2] = {
    {Language::English, true, QStringLiteral("/home/kari/My Music/morning.mp3"), 7, false},
    {Language::Norwegian, true, QStringLiteral("/lyd/å vekke.wav"), 100, true}};
// An alarm's fields in the order the form shows them.
AlarmSettings makeAlarm(const QTime &time, days::Days days, int reason, const QString &description,
                        bool armed, const QString &sound = QString(), int snooze = 10, int fade = 0,
                        const QDate &skip = QDate())
{
    AlarmSettings settings;
    settings.time = time;
    settings.days = days;
    settings.reason = reason;
    settings.description = description;
    settings.armed = armed;
    settings.sound = sound;
    settings.snoozeMinutes = snooze;
    settings.fadeSeconds = fade;
    settings.skip = skip;
    return settings;
}

const QVector<AlarmSettings> kAlarms[2] = {
    {makeAlarm(QTime(7, 0), days::kEveryDay, 1,
               QStringLiteral("Første linje\nandre = ; #\n\ttredje"), true),
     makeAlarm(QTime(9, 0), days::of(6), 0, QStringLiteral("Lørdag"), true,
               QStringLiteral("/lyd/å.wav"), 7, 30, QDate(2024, 5, 4)),
     makeAlarm(QTime(14, 0), days::kOnce, 1, QString(), false, QString(), 60)},
    {makeAlarm(QTime(23, 59, 59), days::kEveryDay, 0, QStringLiteral("Bus"), false)}};

// The alarms as QSettings writes its arrays, at the alarm file's path.
void writeAsQSettings(const QVector<AlarmSettings> &alarms)
{
    QSettings file(alarmfile::kPath, QSettings::IniFormat);
    file.setIniCodec("UTF-8");
    file.beginWriteArray(QStringLiteral("alarms"));
    for (int i = 0; i < alarms.size(); ++i) {
        const AlarmSettings &alarm = alarms[i];
        file.setArrayIndex(i);
        file.setValue(QStringLiteral("time"), alarm.time.toString(Qt::ISODate));
        file.setValue(QStringLiteral("reason"), alarm.reason);
        file.setValue(QStringLiteral("description"), alarm.description);
        if (alarm.armed)
            file.setValue(QStringLiteral("armed"), *alarm.armed);
        if (!alarm.sound.isEmpty())
            file.setValue(QStringLiteral("sound"), alarm.sound);
        file.setValue(QStringLiteral("days"), days::toText(alarm.days));
        file.setValue(QStringLiteral("snooze"), alarm.snoozeMinutes);
        if (alarm.fadeSeconds != 0)
            file.setValue(QStringLiteral("fade"), alarm.fadeSeconds);
        if (alarm.skip.isValid())
            file.setValue(QStringLiteral("skip"), alarm.skip.toString(Qt::ISODate));
    }
    file.endArray();
}

bool save(const QString &what, int which)
{
    return what == QLatin1String("alarm") ? alarmfile::write(kAlarms[which])
                                          : savesequence::run(kSettings[which]).empty();
}

} // namespace

class TestSettingsFiles : public QObject
{
    Q_OBJECT

    const QStringList paths{kLanguage, kStoredAudio, kVolume, kStoredAudioChoice, kTooltips};

    QByteArray files() const
    {
        QByteArrayList all;
        for (const QString &path : paths)
            all << get(path);
        return all.join('|');
    }

private slots:
    void readers_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("read"); // first word|first line|number, - for no file
        QTest::newRow("2 CR LF") << QByteArray("2\r\n") << "2|2|2";
        QTest::newRow("a lone CR ends the token") << QByteArray("2\r3") << "2|2|2";
        QTest::newRow("blanks around") << QByteArray(" \t1 \n2") << "1| \t1 |1";
        QTest::newRow("leading zero is base 10") << QByteArray("010") << "010|010|10";
        QTest::newRow("blanks and å") << QByteArray("/My Music/å.mp3\n") << "/My|/My Music/å.mp3|0";
        QTest::newRow("empty") << QByteArray("") << "||0";
        QTest::newRow("an empty first line") << QByteArray("\n5") << "5||5";
        QTest::newRow("missing") << QByteArray() << "-";
        QTest::newRow("a folder at the path") << QByteArray("folder") << "-";
        QTest::newRow("a FIFO at the path does not hang") << QByteArray("fifo") << "-";
    }
    void readers()
    {
        QFETCH(QByteArray, bytes);
        WorkingFolder folder;
        if (bytes == "folder")
            QDir().mkpath(kVolume);
        else if (bytes == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(kVolume).constData(), 0600), 0);
        else
            put(kVolume, bytes);
        const auto word = readFirstWord(kVolume), line = readFirstLine(kVolume);
        const QString read =
            word ? *word + '|' + *line + '|' + QString::number(*readInt(kVolume)) : "-";
        QTEST(read, "read");
    }
    void saveSequence_data()
    {
        QTest::addColumn<QString>("blocked");
        QTest::addColumn<QString>("path"); // "-" not stored
        QTest::addColumn<QByteArray>("files");
        QTest::addColumn<int>("failed");
        QTest::newRow("all") << QString() << "/a å.mp3" << QByteArray("2|/a \xc3\xa5.mp3|57|1|1")
                             << 0;
        QTest::newRow("the path only when stored")
            << QString() << "-" << QByteArray("2|/old|57|0|1") << 0;
        QTest::newRow("a language failure stops it")
            << kLanguage << "/a.mp3" << QByteArray("|/old|5|0|0") << 1;
        QTest::newRow("a later failure does not")
            << kVolume << "/a.mp3" << QByteArray("2|/a.mp3||1|1") << 1;
        QTest::newRow("a path the locale cannot hold keeps the old one")
            << QString() << "/€uro.mp3" << QByteArray("2|/old|57|1|1") << 1;
    }
    void saveSequence()
    {
        QFETCH(QString, blocked);
        QFETCH(QString, path);
        WorkingFolder folder;
        const QByteArrayList old{"1", "/old", "5", "0", "0"};
        for (int i = 0; i < paths.size(); ++i)
            paths[i] == blocked ? void(QDir().mkpath(blocked)) : put(paths[i], old[i]);
        QTextCodec *locale = QTextCodec::codecForLocale();
        QTextCodec::setCodecForLocale(
            QTextCodec::codecForName(path.contains("€") ? "ISO-8859-1" : "UTF-8"));
        const auto failed = savesequence::run({Language::Norwegian, path != "-", path, 57, true});
        QTextCodec::setCodecForLocale(locale);
        QTEST(files(), "files");
        QTEST(int(failed.size()), "failed");
    }
    void alarmKeepsEveryCharacter_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("asQSettings"); // compared with what QSettings writes
        QTest::newRow("emoji") << QStringLiteral("Tog 🚆 kl. 7 😀") << false;
        QTest::newRow("right-to-left")
            << QStringLiteral("‏שלום עולם مرحبا") << false;
        QTest::newRow("tabs and line breaks") << QStringLiteral("\ta\r\nb\n\n") << false;
        QTest::newRow("INI's own characters") << QStringLiteral(" \"x\" ; # = , \\ [a] ") << false;
        QTest::newRow("typed-value marks") << QStringLiteral("@Invalid()") << false;
        QTest::newRow("control then hex digit") << QStringLiteral("\x01"
                                                                  "1f\x7f"
                                                                  "a")
                                                << false;
        QTest::newRow("half an emoji")
            << QChar(0xd83d) + QStringLiteral("1 ") + QChar(0xde00) << false;
        QTest::newRow("quoted") << QStringLiteral("Første, andre = ; #\n\ttredje") << true;
        QTest::newRow("plain") << QStringLiteral("Bus at seven") << true;
        QTest::newRow("a blank at its end alone") << QStringLiteral("Bus at seven ") << true;
        QTest::newRow("a blank at its start alone") << QStringLiteral(" Bus at seven") << true;
    }
    // A description and a sound come back as they were written.
    void alarmKeepsEveryCharacter()
    {
        QFETCH(QString, text);
        WorkingFolder folder;
        QFETCH(bool, asQSettings);
        AlarmSettings alarm;
        alarm.description = text;
        if (asQSettings) {
            writeAsQSettings({alarm});
            // What QSettings writes, the writer writes byte for byte.
            QVERIFY(alarmfile::write({alarm}, QStringLiteral("again.ini")));
            QCOMPARE(get(QStringLiteral("again.ini")), get(alarmfile::kPath));
        } else {
            alarm.sound = QStringLiteral("/lyd/") + text;
            QVERIFY(alarmfile::write({alarm}));
        }
        QCOMPARE(alarmfile::read().alarms.value(0), alarm);
    }
    // A list of twelve alarms with every field is written as QSettings writes its arrays, in
    // its order of keys ("1\\time" before "10\\time"), so either can read the other's file.
    void alarmListAsQSettingsWritesIt()
    {
        WorkingFolder folder;
        QVector<AlarmSettings> alarms;
        for (int i = 0; i < 12; ++i)
            alarms << makeAlarm(QTime(i, 30), days::Days(i * 11 % 128), i % 2,
                                QStringLiteral("Nr. %1").arg(i), i % 3 == 0,
                                QStringLiteral("/lyd/%1.wav").arg(i), i + 1, i % 4 * 10,
                                i % 3 == 1 ? QDate(2024, 5, i) : QDate());
        writeAsQSettings(alarms);
        QVERIFY(alarmfile::write(alarms, QStringLiteral("again.ini")));
        QCOMPARE(get(QStringLiteral("again.ini")), get(alarmfile::kPath));
        QCOMPARE(alarmfile::read().alarms, alarms);
    }
    void survivesKills_data()
    {
        QTest::addColumn<QString>("what");
        QTest::newRow("settings files") << QStringLiteral("settings");
        QTest::newRow("alarm file") << QStringLiteral("alarm");
    }
    // A saver killed at random moments leaves every file whole, from one save or the other.
    void survivesKills()
    {
        QFETCH(QString, what);
        WorkingFolder folder;
        const auto snapshot = [&] { return what == "alarm" ? get(alarmfile::kPath) : files(); };
        save(what, 1);
        const QByteArrayList second = snapshot().split('|');
        save(what, 0);
        const QByteArrayList first = snapshot().split('|');
        int changed = 0;
        for (int kill = 0; kill < 200; ++kill) {
            QProcess saver;
            saver.start(QCoreApplication::applicationFilePath(), {QStringLiteral("save"), what});
            QVERIFY(saver.waitForReadyRead(5000));
            QThread::usleep(QRandomGenerator::global()->bounded(3000));
            ::kill(static_cast<pid_t>(saver.processId()), SIGKILL);
            QVERIFY(saver.waitForFinished(5000));
            const QByteArrayList now = snapshot().split('|');
            for (int i = 0; i < now.size(); ++i)
                QVERIFY2(now[i] == first[i] || now[i] == second[i], now[i].constData());
            changed += now != first;
        }
        QVERIFY2(changed > 0, "no kill landed after a save");
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 3 || QByteArray(argv[1]) != "save") {
        TestSettingsFiles test;
        return QTest::qExec(&test, argc, argv);
    }
    prctl(PR_SET_PDEATHSIG, SIGKILL); // never outlive the test that kills it
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    for (int round = 0; save(app.arguments()[2], round % 2); ++round) {
        if (round == 0)
            std::puts("saving");
    }
    return 1;
}
#include "tst_settingsfiles.moc"
