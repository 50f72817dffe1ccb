#include "settings/settingsfiles.h"

#include "folder.h"
#include "saves.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTextCodec>
#include <QThread>
#include <QtTest>

#include <csignal>

#include <sys/stat.h>

using namespace settingsfiles;

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
        QTest::newRow("hex is no number") << QByteArray("0x10") << "0x10|0x10|0";
        QTest::newRow("sign") << QByteArray("-5 x") << "-5|-5 x|-5";
        QTest::newRow("past 32 bits") << QByteArray("2147483648") << "2147483648|2147483648|0";
        QTest::newRow("blanks and å") << QByteArray("/My Music/å.mp3\n") << "/My|/My Music/å.mp3|0";
        QTest::newRow("empty") << QByteArray("") << "||0";
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
        const auto number = readInt(kVolume);
        QTEST(word || line || number
                  ? QStringList({*word, *line, QString::number(*number)}).join(QLatin1Char('|'))
                  : QStringLiteral("-"),
              "read");
    }
    void unencodableTextKeepsTheOldFile()
    {
        WorkingFolder folder;
        QVERIFY(writeValue(kStoredAudio, QStringLiteral("/lyd/å b.mp3")));
        QTextCodec *locale = QTextCodec::codecForLocale();
        QTextCodec::setCodecForLocale(QTextCodec::codecForName("ISO-8859-1"));
        const bool written = writeValue(kStoredAudio, QStringLiteral("/€uro.mp3"));
        QTextCodec::setCodecForLocale(locale);
        QVERIFY(!written);
        QCOMPARE(get(kStoredAudio), QByteArray("/lyd/\xc3\xa5 b.mp3"));
    }
    void saveSequence_data()
    {
        QTest::addColumn<QString>("blocked");
        QTest::addColumn<bool>("store");
        QTest::addColumn<QByteArray>("files");
        QTest::addColumn<int>("failed");
        QTest::newRow("all") << QString() << true << QByteArray("2|/a b.mp3|57|1|1") << 0;
        QTest::newRow("the path only when stored")
            << QString() << false << QByteArray("2|/old|57|0|1") << 0;
        QTest::newRow("a language failure stops it")
            << kLanguage << true << QByteArray("|/old|5|0|0") << 1;
        QTest::newRow("a later failure does not")
            << kVolume << true << QByteArray("2|/a b.mp3||1|1") << 1;
    }
    void saveSequence()
    {
        QFETCH(QString, blocked);
        QFETCH(bool, store);
        WorkingFolder folder;
        const QByteArrayList old{"1", "/old", "5", "0", "0"};
        for (int i = 0; i < paths.size(); ++i)
            paths[i] == blocked ? void(QDir().mkpath(blocked)) : put(paths[i], old[i]);
        const auto failed = savesequence::run({2, store, QStringLiteral("/a b.mp3"), 57, true});
        QTEST(files(), "files");
        QTEST(int(failed.size()), "failed");
    }
    void survivesKills_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::newRow("settings files") << QString();
        QTest::newRow("alarm file") << QStringLiteral("alarm");
    }
    // A saver killed at random moments leaves every file whole, from one save or the other.
    void survivesKills()
    {
        QFETCH(QString, mode);
        WorkingFolder folder;
        const auto snapshot = [&](int save) {
            if (save >= 0 && mode.isEmpty())
                savesequence::run(kSettings[save]);
            else if (save >= 0)
                alarmfile::write(kAlarms[save]);
            return mode.isEmpty() ? files() : get(alarmfile::kPath);
        };
        const QByteArrayList second = snapshot(1).split('|'), first = snapshot(0).split('|');
        int changed = 0;
        for (int kill = 0; kill < 200; ++kill) {
            QProcess saver;
            saver.start(QStringLiteral(TIVORA_SAVER),
                        mode.isEmpty() ? QStringList() : QStringList{mode});
            QVERIFY(saver.waitForReadyRead(5000));
            QThread::usleep(QRandomGenerator::global()->bounded(3000));
            ::kill(static_cast<pid_t>(saver.processId()), SIGKILL);
            QVERIFY(saver.waitForFinished(5000));
            const QByteArrayList now = snapshot(-1).split('|');
            QCOMPARE(now.size(), first.size());
            for (int i = 0; i < now.size(); ++i)
                QVERIFY2(now[i] == first[i] || now[i] == second[i], now[i].constData());
            changed += now != first;
        }
        QVERIFY2(changed > 0, "no kill landed after a save");
    }
};

QTEST_GUILESS_MAIN(TestSettingsFiles)
#include "tst_settingsfiles.moc"
