#include "savervalues.h"
#include "settings/savesequence.h"
#include "workingfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <QtTest>

#include <csignal>

using savesequence::File;

Q_DECLARE_METATYPE(savesequence::File)

namespace {

const QString kLang = QStringLiteral("tivora_lang.txt");
const QString kPath = QStringLiteral("tivora_sa.txt");
const QString kChoice = QStringLiteral("tivora_sa_index.txt");
const QString kVolume = QStringLiteral("tivora_volume.txt");
const QString kTooltips = QStringLiteral("tivora_tooltips.txt");

QString settingPath(const QString &name)
{
    return QStringLiteral("data/settings/") + name;
}

QStringList settingsEntries()
{
    return QDir(QStringLiteral("data/settings"))
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

void writeOldValues(const WorkingFolder &folder)
{
    folder.writeSetting(kLang, "2");
    folder.writeSetting(kPath, "/old/path.mp3");
    folder.writeSetting(kVolume, "33");
    folder.writeSetting(kChoice, "1");
    folder.writeSetting(kTooltips, "1");
}

} // namespace

class TestSaveSequence : public QObject
{
    Q_OBJECT

private slots:
    void writesExactBytes_data();
    void writesExactBytes();
    void noneAudioLeavesPathAlone();
    void missingFolderWritesNothing();
    void languageFailureStopsAtOnce();
    void laterFailureWritesTheRest_data();
    void laterFailureWritesTheRest();
    void everyLaterFailureIsReported();
    void errorTexts_data();
    void errorTexts();
    void survivesKill();
};

void TestSaveSequence::writesExactBytes_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("storeAudio");
    QTest::addColumn<QString>("audioPath");
    QTest::addColumn<int>("volume");
    QTest::addColumn<bool>("tooltips");
    QTest::addColumn<QByteArray>("lang");
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QByteArray>("vol");
    QTest::addColumn<QByteArray>("choice");
    QTest::addColumn<QByteArray>("tips");

    QTest::newRow("english, stored, 57, on")
        << 1 << true << "/home/a b/c.mp3" << 57 << true << QByteArray("1")
        << QByteArray("/home/a b/c.mp3") << QByteArray("57") << QByteArray("1") << QByteArray("1");
    QTest::newRow("norwegian, stored empty, 0, off")
        << 2 << true << "" << 0 << false << QByteArray("2") << QByteArray() << QByteArray("0")
        << QByteArray("1") << QByteArray("0");
    QTest::newRow("volume 100, non-ASCII path")
        << 1 << true << QStringLiteral("/mø/å.wav") << 100 << false << QByteArray("1")
        << QByteArray("/m\xc3\xb8/\xc3\xa5.wav") << QByteArray("100") << QByteArray("1")
        << QByteArray("0");
}

void TestSaveSequence::writesExactBytes()
{
    QFETCH(int, language);
    QFETCH(bool, storeAudio);
    QFETCH(QString, audioPath);
    QFETCH(int, volume);
    QFETCH(bool, tooltips);

    WorkingFolder folder;
    writeOldValues(folder);
    QVERIFY(savesequence::run({language, storeAudio, audioPath, volume, tooltips}).empty());

    QTEST(folder.read(settingPath(kLang)), "lang");
    QTEST(folder.read(settingPath(kPath)), "path");
    QTEST(folder.read(settingPath(kVolume)), "vol");
    QTEST(folder.read(settingPath(kChoice)), "choice");
    QTEST(folder.read(settingPath(kTooltips)), "tips");
    QCOMPARE(settingsEntries(), (QStringList{kLang, kPath, kChoice, kTooltips, kVolume}));
}

void TestSaveSequence::noneAudioLeavesPathAlone()
{
    WorkingFolder folder;
    writeOldValues(folder);
    const QDateTime before = QFileInfo(settingPath(kPath)).lastModified();
    QVERIFY(savesequence::run({1, false, QStringLiteral("/new.mp3"), 5, false}).empty());
    QCOMPARE(folder.read(settingPath(kPath)), QByteArray("/old/path.mp3"));
    QCOMPARE(QFileInfo(settingPath(kPath)).lastModified(), before);
    QCOMPARE(folder.read(settingPath(kChoice)), QByteArray("0"));
}

void TestSaveSequence::missingFolderWritesNothing()
{
    WorkingFolder folder(false);
    const auto failed = savesequence::run({2, true, QStringLiteral("/a.mp3"), 5, true});
    QCOMPARE(failed, std::vector<File>{File::Language});
    QVERIFY(!folder.exists(QStringLiteral("data")));
}

void TestSaveSequence::languageFailureStopsAtOnce()
{
    WorkingFolder folder;
    writeOldValues(folder);
    QFile::remove(settingPath(kLang));
    QVERIFY(QDir().mkpath(settingPath(kLang)));

    const auto failed = savesequence::run({1, true, QStringLiteral("/a.mp3"), 5, false});
    QCOMPARE(failed, std::vector<File>{File::Language});
    QCOMPARE(folder.read(settingPath(kPath)), QByteArray("/old/path.mp3"));
    QCOMPARE(folder.read(settingPath(kVolume)), QByteArray("33"));
    QCOMPARE(folder.read(settingPath(kChoice)), QByteArray("1"));
    QCOMPARE(folder.read(settingPath(kTooltips)), QByteArray("1"));
}

void TestSaveSequence::laterFailureWritesTheRest_data()
{
    QTest::addColumn<QString>("blocked");
    QTest::addColumn<File>("file");

    QTest::newRow("stored audio") << kPath << File::StoredAudio;
    QTest::newRow("volume") << kVolume << File::Volume;
    QTest::newRow("choice") << kChoice << File::StoredAudioChoice;
    QTest::newRow("tooltips") << kTooltips << File::Tooltips;
}

void TestSaveSequence::laterFailureWritesTheRest()
{
    QFETCH(QString, blocked);
    QFETCH(File, file);

    WorkingFolder folder;
    writeOldValues(folder);
    QFile::remove(settingPath(blocked));
    QVERIFY(QDir().mkpath(settingPath(blocked)));

    const auto failed = savesequence::run({1, true, QStringLiteral("/new.mp3"), 9, false});
    QCOMPARE(failed, std::vector<File>{file});
    QVERIFY(QFileInfo(settingPath(blocked)).isDir());
    const QList<QPair<QString, QByteArray>> written = {
        {kLang, "1"}, {kPath, "/new.mp3"}, {kVolume, "9"}, {kChoice, "1"}, {kTooltips, "0"}};
    for (const auto &entry : written) {
        if (entry.first != blocked)
            QCOMPARE(folder.read(settingPath(entry.first)), entry.second);
    }
}

void TestSaveSequence::everyLaterFailureIsReported()
{
    WorkingFolder folder;
    for (const QString &name : {kPath, kVolume, kChoice, kTooltips})
        QVERIFY(QDir().mkpath(settingPath(name)));
    const auto failed = savesequence::run({2, true, QString(), 0, true});
    QCOMPARE(failed, (std::vector<File>{File::StoredAudio, File::Volume, File::StoredAudioChoice,
                                        File::Tooltips}));
    QCOMPARE(folder.read(settingPath(kLang)), QByteArray("2"));
}

void TestSaveSequence::errorTexts_data()
{
    QTest::addColumn<File>("file");
    QTest::addColumn<QString>("text");

    QTest::newRow("language") << File::Language
                              << "Could not save the language settings properly, please try again.";
    QTest::newRow("stored audio")
        << File::StoredAudio
        << "Could not save the stored audio settings properly, please try again.";
    QTest::newRow("volume") << File::Volume
                            << "Could not save the volume settings properly, please try again.";
    QTest::newRow("choice")
        << File::StoredAudioChoice
        << "Could not save the audio storage settings properly, please try again.";
    QTest::newRow("tooltips") << File::Tooltips
                              << "Could not save the tooltip settings properly, please try again.";
}

void TestSaveSequence::errorTexts()
{
    QFETCH(File, file);
    QFETCH(QString, text);
    QCOMPARE(savesequence::errorText(file), text);
}

// A saver process is killed at random moments; every file must still hold a whole value.
void TestSaveSequence::survivesKill()
{
    constexpr int kKills = 200;
    WorkingFolder folder;
    const auto names = savervalues::files();
    const auto first = savervalues::first();
    const auto second = savervalues::second();
    for (std::size_t i = 0; i < names.size(); ++i)
        folder.write(names[i], first.bytes[i]);

    int mixed = 0;
    int strays = 0;
    QElapsedTimer clock;
    clock.start();
    for (int kill = 0; kill < kKills; ++kill) {
        QProcess saver;
        saver.setWorkingDirectory(folder.path());
        saver.start(QStringLiteral(TIVORA_SAVER), QStringList());
        QVERIFY2(saver.waitForReadyRead(5000), qPrintable(saver.errorString()));
        QThread::usleep(QRandomGenerator::global()->bounded(3000));
        QCOMPARE(::kill(static_cast<pid_t>(saver.processId()), SIGKILL), 0);
        QVERIFY(saver.waitForFinished(5000));
        QCOMPARE(saver.exitStatus(), QProcess::CrashExit);

        int fromFirst = 0;
        for (std::size_t i = 0; i < names.size(); ++i) {
            const QByteArray bytes = folder.read(names[i]);
            QVERIFY2(bytes == first.bytes[i] || bytes == second.bytes[i],
                     qPrintable(QStringLiteral("kill %1: %2 holds \"%3\"")
                                    .arg(kill)
                                    .arg(names[i], QString::fromUtf8(bytes))));
            fromFirst += bytes == first.bytes[i] ? 1 : 0;
        }
        // The choice file holds "1" in both sets, so it says nothing about the mix.
        if (fromFirst != 1 && fromFirst != 5)
            ++mixed;
        strays = settingsEntries().size() - int(names.size());
    }
    qInfo("%d kills survived in %lld ms; %d left files from both sets; %d stray files: %s", kKills,
          clock.elapsed(), mixed, strays, qPrintable(settingsEntries().join(QLatin1Char(' '))));
    QVERIFY2(mixed > 0, "no kill landed inside a save");
}

QTEST_MAIN(TestSaveSequence)
#include "tst_savesequence.moc"
