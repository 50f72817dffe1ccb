#include <QDirIterator>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QResource>
#include <QtEndian>
#include <QtTest>

#include <algorithm>

namespace {

enum class Kind { Rgb, Rgba, GreyAlpha, Icon, Wave, Text };

struct Entry
{
    const char *path;
    Kind kind;
    int width;
    int height;
};

const Entry kBundle[] = {
    {":/images/resources/Tivora_Icon.png", Kind::Rgb, 128, 128},
    {":/images/resources/button_exit.png", Kind::Rgba, 128, 128},
    {":/images/resources/button_settings.png", Kind::Rgba, 128, 128},
    {":/images/resources/button_about.png", Kind::Rgba, 128, 128},
    {":/images/resources/button_stopwatch.png", Kind::Rgba, 128, 128},
    {":/images/resources/buttons_feedback.png", Kind::Rgba, 128, 128},
    {":/images/resources/buttons_check_updates.png", Kind::Rgba, 128, 128},
    {":/files/resources/button_information.png", Kind::Rgba, 128, 128},
    {":/images/resources/play_button.png", Kind::Rgb, 128, 128},
    {":/images/resources/button_pause.png", Kind::Rgb, 128, 128},
    {":/images/resources/button_round.png", Kind::Rgb, 128, 128},
    {":/images/resources/button_stop.png", Kind::Rgb, 128, 128},
    {":/images/resources/load_one.png", Kind::Rgba, 128, 128},
    {":/images/resources/load_two.png", Kind::Rgba, 128, 128},
    {":/images/resources/load_three.png", Kind::Rgba, 128, 128},
    {":/images/resources/load_four.png", Kind::Rgba, 128, 128},
    {":/images/resources/load_five.png", Kind::Rgba, 128, 128},
    {":/images/resources/load_six.png", Kind::Rgba, 128, 128},
    {":/images/resources/load_seven.png", Kind::Rgba, 128, 128},
    {":/images/resources/down_arrow.png", Kind::GreyAlpha, 7, 5},
    {":/images/resources/checkbox.png", Kind::Rgba, 9, 9},
    {":/images/resources/handle.png", Kind::Rgba, 6, 6},
    {":/images/resources/Tivora_icon.ico", Kind::Icon, 128, 128},
    {":/audio/resources/audio/fire_alarm.wav", Kind::Wave, 0, 0},
    {":/files/data/tooltips/en/lblClock.txt", Kind::Text, 0, 0},
};

const char kWave[] = ":/audio/resources/audio/fire_alarm.wav";
const char kIcon[] = ":/images/resources/Tivora_icon.ico";

QByteArray contents(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

quint16 u16(const QByteArray &data, int offset)
{
    return qFromLittleEndian<quint16>(data.constData() + offset);
}

quint32 u32(const QByteArray &data, int offset)
{
    return qFromLittleEndian<quint32>(data.constData() + offset);
}

QStringList bundlePaths()
{
    QStringList paths;
    for (const Entry &entry : kBundle) {
        paths << QString::fromLatin1(entry.path);
    }
    return paths;
}

QStringList filesUnderRoot()
{
    QStringList files;
    QDirIterator it(QStringLiteral(":/"), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        files << it.next();
    }
    files.sort();
    return files;
}

} // namespace

// Files the bundle adds under ":/": everything that goes away while it is unregistered (the
// toolkit's own entries stay). Outside the anonymous namespace: the macros declare the
// bundle's global registration functions.
static QStringList filesInBundle()
{
    const QStringList all = filesUnderRoot();
    Q_CLEANUP_RESOURCE(resources);
    const QStringList toolkit = filesUnderRoot();
    Q_INIT_RESOURCE(resources);
    QStringList files;
    for (const QString &path : all) {
        if (!toolkit.contains(path)) {
            files << path;
        }
    }
    return files;
}

Q_DECLARE_METATYPE(Kind)

class TestResources : public QObject
{
    Q_OBJECT

private slots:
    void entry_data();
    void entry();
    void wrongCaseFindsNothing_data();
    void wrongCaseFindsNothing();
    void treeHoldsExactlyTheListedFiles();
    void everyEntryUncompressed();
    void tooltipTextBytes();
    void waveHeader();
    void waveSoundsLikeBeeps();
    void iconDirectory();
    void spinnerHighlightStepsRound();
};

void TestResources::entry_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    for (const Entry &entry : kBundle) {
        QTest::newRow(entry.path) << QString::fromLatin1(entry.path) << entry.kind << entry.width
                                  << entry.height;
    }
}

void TestResources::entry()
{
    QFETCH(QString, path);
    QFETCH(Kind, kind);
    QFETCH(int, width);
    QFETCH(int, height);

    QVERIFY(QFile::exists(path));
    QVERIFY(QResource(path).isValid());
    const QByteArray data = contents(path);
    QVERIFY(!data.isEmpty());

    switch (kind) {
    case Kind::Rgb:
    case Kind::Rgba:
    case Kind::GreyAlpha: {
        QVERIFY(data.startsWith("\x89PNG\r\n\x1a\n"));
        QCOMPARE(data.mid(12, 4), QByteArray("IHDR"));
        const char colourType = kind == Kind::Rgb ? 2 : kind == Kind::Rgba ? 6 : 4;
        QCOMPARE(int(data.at(25)), int(colourType));
        QCOMPARE(int(data.at(24)), 8);

        QImageReader reader(path);
        QCOMPARE(reader.format(), QByteArray("png"));
        QCOMPARE(reader.size(), QSize(width, height));
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.size(), QSize(width, height));
        QCOMPARE(image.hasAlphaChannel(), kind != Kind::Rgb);
        if (kind == Kind::GreyAlpha) {
            QVERIFY(image.allGray());
        }
        if (kind != Kind::Rgb) {
            // An alpha channel that is really used: some pixels show what lies beneath.
            bool seeThrough = false;
            for (int y = 0; y < image.height() && !seeThrough; ++y) {
                for (int x = 0; x < image.width() && !seeThrough; ++x) {
                    seeThrough = qAlpha(image.pixel(x, y)) < 255;
                }
            }
            QVERIFY(seeThrough);
        }
        break;
    }
    case Kind::Icon: {
        QImageReader reader(path);
        QCOMPARE(reader.format(), QByteArray("ico"));
        QCOMPARE(reader.imageCount(), 5);
        QVERIFY(!QIcon(path).isNull());
        QCOMPARE(QIcon(path).availableSizes().size(), 5);
        break;
    }
    case Kind::Wave:
        QVERIFY(data.startsWith("RIFF"));
        QCOMPARE(data.mid(8, 4), QByteArray("WAVE"));
        break;
    case Kind::Text:
        QCOMPARE(data.size(), 21);
        break;
    }
}

void TestResources::wrongCaseFindsNothing_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("small i in the png") << ":/images/resources/Tivora_icon.png";
    QTest::newRow("small t in the png") << ":/images/resources/tivora_Icon.png";
    QTest::newRow("capital I in the ico") << ":/images/resources/Tivora_Icon.ico";
    QTest::newRow("capital prefix") << ":/Images/resources/Tivora_Icon.png";
    QTest::newRow("information under /images") << ":/images/resources/button_information.png";
}

void TestResources::wrongCaseFindsNothing()
{
    QFETCH(QString, path);
    QVERIFY(!QFile::exists(path));
    QVERIFY(!QResource(path).isValid());
    QVERIFY(QImage(path).isNull());
    QVERIFY(QPixmap(path).isNull());
    QVERIFY(contents(path).isEmpty());
}

void TestResources::treeHoldsExactlyTheListedFiles()
{
    QStringList top;
    for (const QString &path : filesInBundle()) {
        const QString first = path.section(QLatin1Char('/'), 1, 1);
        if (!top.contains(first)) {
            top << first;
        }
    }
    top.sort();
    QCOMPARE(top, QStringList({QStringLiteral("audio"), QStringLiteral("files"),
                               QStringLiteral("images")}));
    for (const QString &prefix : top) {
        QVERIFY(QFileInfo(QStringLiteral(":/") + prefix).isDir());
    }

    QStringList actual = filesInBundle();
    QStringList expected = bundlePaths();
    actual.sort();
    expected.sort();
    QCOMPARE(actual, expected);
}

void TestResources::everyEntryUncompressed()
{
    const QStringList files = filesInBundle();
    QVERIFY(!files.isEmpty());
    for (const QString &path : files) {
        const QResource resource(path);
        QVERIFY2(resource.compressionAlgorithm() == QResource::NoCompression, qPrintable(path));
        QCOMPARE(resource.size(), qint64(contents(path).size()));
    }
}

void TestResources::tooltipTextBytes()
{
    QCOMPARE(contents(QStringLiteral(":/files/data/tooltips/en/lblClock.txt")),
             QByteArray("Dette er ren tekst!\r\n"));
}

void TestResources::waveHeader()
{
    const QByteArray data = contents(QLatin1String(kWave));
    QCOMPARE(data.size(), 2129964);
    QCOMPARE(data.left(4), QByteArray("RIFF"));
    QCOMPARE(u32(data, 4), quint32(data.size() - 8));
    QCOMPARE(data.mid(8, 4), QByteArray("WAVE"));
    QCOMPARE(data.mid(12, 4), QByteArray("fmt "));
    QCOMPARE(u32(data, 16), quint32(16));
    QCOMPARE(u16(data, 20), quint16(1));
    QCOMPARE(u16(data, 22), quint16(2));
    QCOMPARE(u32(data, 24), quint32(44100));
    QCOMPARE(u32(data, 28), quint32(44100 * 2 * 2));
    QCOMPARE(u16(data, 32), quint16(4));
    QCOMPARE(u16(data, 34), quint16(16));
    QCOMPARE(data.mid(36, 4), QByteArray("data"));
    QCOMPARE(u32(data, 40), quint32(2129920));
}

void TestResources::waveSoundsLikeBeeps()
{
    const QByteArray data = contents(QLatin1String(kWave));
    QVERIFY(data.size() > 44);
    const int frames = (data.size() - 44) / 4;
    const auto sample = [&data](int frame, int channel) {
        return qint16(u16(data, 44 + frame * 4 + channel * 2));
    };
    // Peak of each quarter second: beeps and silences take turns.
    const int quarter = 44100 / 4;
    int loud = 0;
    int overallPeak = 0;
    for (int part = 0; (part + 1) * quarter <= frames; ++part) {
        int peak = 0;
        for (int frame = part * quarter; frame < (part + 1) * quarter; ++frame) {
            QCOMPARE(sample(frame, 0), sample(frame, 1));
            peak = std::max(peak, std::abs(int(sample(frame, 0))));
        }
        overallPeak = std::max(overallPeak, peak);
        if (part % 2 == 0) {
            QVERIFY2(peak > 8000, qPrintable(QStringLiteral("quarter %1 silent").arg(part)));
            ++loud;
        } else {
            QVERIFY2(peak == 0, qPrintable(QStringLiteral("quarter %1 not silent").arg(part)));
        }
    }
    QCOMPARE(loud, 24);
    QVERIFY2(overallPeak < 32767 * 0.9, "beeps at or near full scale");
}

void TestResources::iconDirectory()
{
    const QByteArray data = contents(QLatin1String(kIcon));
    QVERIFY(data.size() >= 6);
    QCOMPARE(u16(data, 0), quint16(0));
    QCOMPARE(u16(data, 2), quint16(1));
    QCOMPARE(u16(data, 4), quint16(5));
    QVERIFY(data.size() >= 6 + 5 * 16);

    QList<int> sizes;
    for (int i = 0; i < 5; ++i) {
        const int at = 6 + i * 16;
        const int width = quint8(data.at(at)) == 0 ? 256 : quint8(data.at(at));
        const int height = quint8(data.at(at + 1)) == 0 ? 256 : quint8(data.at(at + 1));
        QCOMPARE(height, width);
        QCOMPARE(u16(data, at + 6), quint16(32));
        const quint32 length = u32(data, at + 8);
        const quint32 offset = u32(data, at + 12);
        QVERIFY(offset + quint64(length) <= quint64(data.size()));
        const QByteArray image = data.mid(int(offset), int(length));
        if (image.startsWith("\x89PNG")) {
            QCOMPARE(int(image.at(25)), 6);
        } else {
            QVERIFY(image.size() >= 40);
            QCOMPARE(u32(image, 0), quint32(40));
            QCOMPARE(qint32(u32(image, 4)), width);
            QCOMPARE(qint32(u32(image, 8)), 2 * width);
            QCOMPARE(u16(image, 14), quint16(32));
            // Pixels, then a 1-bit mask with rows padded to four bytes.
            const int maskRow = ((width + 31) / 32) * 4;
            QVERIFY(image.size() >= 40 + width * width * 4 + maskRow * width);
        }
        sizes << width;
    }
    std::sort(sizes.begin(), sizes.end());
    QCOMPARE(sizes, QList<int>({16, 32, 48, 64, 128}));
}

void TestResources::spinnerHighlightStepsRound()
{
    // Frame k lights one dot; the lit dot moves clockwise by a seventh of a turn per frame.
    const char *const names[] = {"one", "two", "three", "four", "five", "six", "seven"};
    double previous = -1;
    for (int k = 0; k < 7; ++k) {
        const QImage image(QStringLiteral(":/images/resources/load_%1.png").arg(names[k]));
        QVERIFY(!image.isNull());
        double sx = 0;
        double sy = 0;
        int n = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                if (qAlpha(p) == 255 && qRed(p) > 200 && qBlue(p) < 100) {
                    sx += x;
                    sy += y;
                    ++n;
                }
            }
        }
        QVERIFY(n > 50);
        // Clockwise angle from twelve o'clock, in turns.
        const double turn = std::fmod(std::atan2(sx / n - 63.5, 63.5 - sy / n) / (2 * M_PI) + 1, 1);
        QVERIFY2(std::abs(turn - k / 7.0) < 0.02 || std::abs(turn - k / 7.0) > 0.98,
                 qPrintable(QStringLiteral("frame %1 lit at %2 turns").arg(k + 1).arg(turn)));
        QVERIFY(turn != previous);
        previous = turn;
    }
}

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
