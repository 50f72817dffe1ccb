#include "settings/settingsfiles.h"
#include "workingfolder.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTextCodec>
#include <QtTest>

#include <sys/stat.h>

using namespace settingsfiles;

namespace {

// Restores the locale codec a test case replaced.
class LocaleCodec
{
public:
    explicit LocaleCodec(const char *name) : m_previous(QTextCodec::codecForLocale())
    {
        QTextCodec::setCodecForLocale(QTextCodec::codecForName(name));
    }
    ~LocaleCodec() { QTextCodec::setCodecForLocale(m_previous); }
    LocaleCodec(const LocaleCodec &) = delete;
    LocaleCodec &operator=(const LocaleCodec &) = delete;

private:
    QTextCodec *m_previous;
};

} // namespace

class TestSettingsFiles : public QObject
{
    Q_OBJECT

private slots:
    void tokens_data();
    void tokens();
    void toInt_data();
    void toInt();
    void readers_data();
    void readers();
    void missingFileIsSkipped();
    void folderAtPathIsSkipped();
    void fifoAtPathDoesNotHang();
    void pathWithBlanks();
    void hugeFileReadsItsPrefix();
    void readsThroughLocaleCodec();
    void writesExactBytes_data();
    void writesExactBytes();
    void writeReplacesLongerContent();
    void writeFailsWithoutFolder();
    void writeFailsOnFolderAtPath();
    void writeThroughLocaleCodec();
    void unencodableTextIsNotWritten();
};

void TestSettingsFiles::tokens_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("line");

    QTest::newRow("plain") << "2"
                           << "2"
                           << "2";
    QTest::newRow("LF") << "2\n"
                        << "2"
                        << "2";
    QTest::newRow("CR LF") << "2\r\n"
                           << "2"
                           << "2";
    QTest::newRow("lone CR ends the token") << "1\r2"
                                            << "1"
                                            << "1";
    QTest::newRow("leading blank lines") << "\n\r\n2"
                                         << "2"
                                         << "";
    QTest::newRow("two words") << "2 3"
                               << "2"
                               << "2 3";
    QTest::newRow("tabs") << "\t7\t8"
                          << "7"
                          << "\t7\t8";
    QTest::newRow("empty") << ""
                           << ""
                           << "";
    QTest::newRow("blanks only") << "  \t "
                                 << ""
                                 << "  \t ";
    QTest::newRow("path with blanks") << "/home/a b/c d.mp3\r\nnext"
                                      << "/home/a"
                                      << "/home/a b/c d.mp3";
    QTest::newRow("non-ASCII") << QStringLiteral("/mø/lyd å.wav\n") << QStringLiteral("/mø/lyd")
                               << QStringLiteral("/mø/lyd å.wav");
}

void TestSettingsFiles::tokens()
{
    QFETCH(QString, text);
    QFETCH(QString, word);
    QFETCH(QString, line);
    QCOMPARE(firstWord(text), word);
    QCOMPARE(firstLine(text), line);
}

void TestSettingsFiles::toInt_data()
{
    QTest::addColumn<QString>("token");
    QTest::addColumn<int>("value");

    QTest::newRow("digits") << "57" << 57;
    QTest::newRow("plus") << "+5" << 5;
    QTest::newRow("minus") << "-1" << -1;
    QTest::newRow("surrounding blanks") << " \t42 " << 42;
    QTest::newRow("leading zero") << "007" << 7;
    QTest::newRow("letters") << "abc" << 0;
    QTest::newRow("trailing letters") << "12abc" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("sign only") << "-" << 0;
    QTest::newRow("two signs") << "+-1" << 0;
    QTest::newRow("two words") << "2 3" << 0;
    QTest::newRow("hex") << "0x10" << 0;
    QTest::newRow("exponent") << "1e3" << 0;
    QTest::newRow("group separator") << "1,000" << 0;
    QTest::newRow("decimal") << "1.5" << 0;
    QTest::newRow("full-width digit") << QStringLiteral("２") << 0;
    QTest::newRow("too large") << "99999999999" << 0;
    QTest::newRow("int min") << "-2147483648" << int(-2147483647 - 1);
    QTest::newRow("int max") << "2147483647" << 2147483647;
    QTest::newRow("int max + 1") << "2147483648" << 0;
    QTest::newRow("int min - 1") << "-2147483649" << 0;
}

void TestSettingsFiles::toInt()
{
    QFETCH(QString, token);
    QFETCH(int, value);
    QCOMPARE(settingsfiles::toInt(token), value);
}

void TestSettingsFiles::readers_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("number");

    QTest::newRow("written by the program") << QByteArray("2") << "2"
                                            << "2" << 2;
    QTest::newRow("LF") << QByteArray("2\n") << "2"
                        << "2" << 2;
    QTest::newRow("CR LF") << QByteArray("2\r\n") << "2"
                           << "2" << 2;
    QTest::newRow("lone CR") << QByteArray("1\r2") << "1"
                             << "1" << 1;
    QTest::newRow("leading blank lines") << QByteArray("\r\n\n2\n") << "2"
                                         << "" << 2;
    QTest::newRow("two words") << QByteArray("2 3") << "2"
                               << "2 3" << 2;
    QTest::newRow("plus") << QByteArray("+5\n") << "+5"
                          << "+5" << 5;
    QTest::newRow("minus") << QByteArray("-1") << "-1"
                           << "-1" << -1;
    QTest::newRow("letters") << QByteArray("abc") << "abc"
                             << "abc" << 0;
    QTest::newRow("empty") << QByteArray() << ""
                           << "" << 0;
    QTest::newRow("too large") << QByteArray("99999999999") << "99999999999"
                               << "99999999999" << 0;
    QTest::newRow("int min") << QByteArray("-2147483648") << "-2147483648"
                             << "-2147483648" << int(-2147483647 - 1);
    QTest::newRow("int max + 1") << QByteArray("2147483648") << "2147483648"
                                 << "2147483648" << 0;
    QTest::newRow("tabs") << QByteArray("\t150\t\n") << "150"
                          << "\t150\t" << 150;
    QTest::newRow("UTF-8 path") << QByteArray("/m\xc3\xb8/lyd \xc3\xa5.wav\r\n")
                                << QStringLiteral("/mø/lyd") << QStringLiteral("/mø/lyd å.wav")
                                << 0;
}

void TestSettingsFiles::readers()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, word);
    QFETCH(QString, line);
    QFETCH(int, number);

    WorkingFolder folder;
    folder.writeSetting(QStringLiteral("tivora_volume.txt"), bytes);
    QCOMPARE(readFirstWord(kVolume), std::optional<QString>(word));
    QCOMPARE(readFirstLine(kVolume), std::optional<QString>(line));
    QCOMPARE(readInt(kVolume), std::optional<int>(number));
}

void TestSettingsFiles::missingFileIsSkipped()
{
    WorkingFolder folder(false);
    QVERIFY(!readFirstWord(kLanguage));
    QVERIFY(!readFirstLine(kLanguage));
    QVERIFY(!readInt(kLanguage));
}

void TestSettingsFiles::folderAtPathIsSkipped()
{
    WorkingFolder folder;
    QVERIFY(QDir().mkpath(kLanguage));
    QVERIFY(!readFirstLine(kLanguage));
    QVERIFY(!readInt(kLanguage));
}

void TestSettingsFiles::fifoAtPathDoesNotHang()
{
    WorkingFolder folder;
    QCOMPARE(::mkfifo(QFile::encodeName(kLanguage).constData(), 0600), 0);
    QVERIFY(!readInt(kLanguage));
}

void TestSettingsFiles::pathWithBlanks()
{
    WorkingFolder folder;
    folder.write(QStringLiteral("my folder/tivora lang.txt"), "2\r\n");
    QCOMPARE(readInt(QStringLiteral("my folder/tivora lang.txt")), std::optional<int>(2));
}

void TestSettingsFiles::hugeFileReadsItsPrefix()
{
    WorkingFolder folder;
    QByteArray bytes("42 ");
    bytes.append(QByteArray(16 * 1024 * 1024, 'x'));
    folder.writeSetting(QStringLiteral("tivora_volume.txt"), bytes);
    bytes.clear();
    bytes.squeeze();

    QElapsedTimer timer;
    timer.start();
    QCOMPARE(readInt(kVolume), std::optional<int>(42));
    const auto line = readFirstLine(kVolume);
    QVERIFY(line);
    QCOMPARE(line->size(), kReadLimit);
    QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
}

void TestSettingsFiles::readsThroughLocaleCodec()
{
    WorkingFolder folder;
    folder.writeSetting(QStringLiteral("tivora_sa.txt"), "C:/M\xf8sik/\xe5.mp3");
    LocaleCodec latin1("ISO-8859-1");
    QCOMPARE(readFirstLine(kStoredAudio), std::optional<QString>(QStringLiteral("C:/Møsik/å.mp3")));
}

void TestSettingsFiles::writesExactBytes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("language") << "2" << QByteArray("2");
    QTest::newRow("volume") << "57" << QByteArray("57");
    QTest::newRow("empty") << "" << QByteArray();
    QTest::newRow("path with blanks") << "/home/a b/c.mp3" << QByteArray("/home/a b/c.mp3");
    QTest::newRow("non-ASCII path")
        << QStringLiteral("/mø/å.wav") << QByteArray("/m\xc3\xb8/\xc3\xa5.wav");
}

void TestSettingsFiles::writesExactBytes()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);

    WorkingFolder folder;
    QVERIFY(writeValue(kStoredAudio, text));
    QCOMPARE(folder.read(kStoredAudio), bytes);
    QCOMPARE(
        QDir(QStringLiteral("data/settings")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
        QStringList{QStringLiteral("tivora_sa.txt")});
    if (!text.contains(QLatin1Char(' ')))
        QCOMPARE(readFirstWord(kStoredAudio), std::optional<QString>(text));
    QCOMPARE(readFirstLine(kStoredAudio), std::optional<QString>(text));
}

void TestSettingsFiles::writeReplacesLongerContent()
{
    WorkingFolder folder;
    folder.writeSetting(QStringLiteral("tivora_volume.txt"), "100\r\n");
    QVERIFY(writeValue(kVolume, QStringLiteral("7")));
    QCOMPARE(folder.read(kVolume), QByteArray("7"));
}

void TestSettingsFiles::writeFailsWithoutFolder()
{
    WorkingFolder folder(false);
    QVERIFY(!writeValue(kLanguage, QStringLiteral("1")));
    QVERIFY(!folder.exists(QStringLiteral("data")));
}

void TestSettingsFiles::writeFailsOnFolderAtPath()
{
    WorkingFolder folder;
    QVERIFY(QDir().mkpath(kVolume));
    QVERIFY(!writeValue(kVolume, QStringLiteral("5")));
    QVERIFY(QFileInfo(kVolume).isDir());
}

void TestSettingsFiles::writeThroughLocaleCodec()
{
    WorkingFolder folder;
    LocaleCodec latin1("ISO-8859-1");
    QVERIFY(writeValue(kStoredAudio, QStringLiteral("/mø/å.mp3")));
    QCOMPARE(folder.read(kStoredAudio), QByteArray("/m\xf8/\xe5.mp3"));
}

void TestSettingsFiles::unencodableTextIsNotWritten()
{
    WorkingFolder folder;
    folder.writeSetting(QStringLiteral("tivora_sa.txt"), "/old.mp3");
    LocaleCodec latin1("ISO-8859-1");
    QVERIFY(!writeValue(kStoredAudio, QStringLiteral("/music/€uro.mp3")));
    QCOMPARE(folder.read(kStoredAudio), QByteArray("/old.mp3"));
}

QTEST_MAIN(TestSettingsFiles)
#include "tst_settingsfiles.moc"
