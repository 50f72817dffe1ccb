#include "articles/articles.h"

#include "shippedarticles.h"
#include "workingfolder.h"

#include <QListWidget>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCodec>
#include <QTextEdit>
#include <QTextList>
#include <QXmlStreamReader>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <map>

namespace {

QStringList captured;

void recordWarnings(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        captured << message;
}

struct Outline
{
    std::map<int, int> headings; // level -> count
    int listItems = 0;
    int paragraphs = 0;
};

Outline outlineOf(const QTextDocument &document)
{
    Outline outline;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (const int level = block.blockFormat().headingLevel())
            ++outline.headings[level];
        else if (block.textList())
            ++outline.listItems;
        else if (!block.text().trimmed().isEmpty())
            ++outline.paragraphs;
    }
    return outline;
}

void addFileRows()
{
    QTest::addColumn<QString>("relative");
    for (const QString &relative : shipped::files())
        QTest::newRow(qPrintable(relative)) << relative;
}

// The theme's background of text views.
const QColor kViewBackground(0x24, 0x24, 0x24);

double luminance(const QColor &colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

// Contrast ratio as the web accessibility guidelines define it (4.5 is enough for body text).
double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QString readAsProgram(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QTextStream stream(&file);
    return stream.readAll();
}

} // namespace

class TestArticleFiles : public QObject
{
    Q_OBJECT

private slots:
    void loadsInTheViewWithoutWarnings_data() { addFileRows(); }
    void loadsInTheViewWithoutWarnings();
    void wellFormedAndSelfContained_data() { addFileRows(); }
    void wellFormedAndSelfContained();
    void decodesAsWritten_data() { addFileRows(); }
    void decodesAsWritten();
    void readableOnTheDarkView_data() { addFileRows(); }
    void readableOnTheDarkView();
    void bothLanguagesCoverTheSameTopics_data();
    void bothLanguagesCoverTheSameTopics();
};

void TestArticleFiles::loadsInTheViewWithoutWarnings()
{
    QFETCH(QString, relative);
    WorkingFolder folder;
    folder.writeSetting(QStringLiteral("tivora_lang.txt"),
                        relative.startsWith(QLatin1String("en/")) ? "1" : "2");
    shipped::install(folder);
    const int row =
        QStringList{QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three"),
                    QStringLiteral("four"), QStringLiteral("fb")}
            .indexOf(relative.section(QLatin1Char('_'), 2).section(QLatin1Char('.'), 0, 0));
    QVERIFY(row >= 0);

    Articles dialog;
    auto *list = dialog.findChild<QListWidget *>(QStringLiteral("listArticles"));
    auto *view = dialog.findChild<QTextEdit *>(QStringLiteral("rtbContent"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QPoint at = list->visualItemRect(list->item(row)).center();

    captured.clear();
    const QtMessageHandler previous = qInstallMessageHandler(recordWarnings);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    view->grab();
    qInstallMessageHandler(previous);

    QCOMPARE(captured, QStringList());
    QCOMPARE(view->toPlainText(),
             shipped::renderedText(QStringLiteral("data/articles/") + relative));
    QVERIFY(view->toPlainText().size() > 200);
}

void TestArticleFiles::wellFormedAndSelfContained()
{
    QFETCH(QString, relative);
    const QByteArray bytes = shipped::bytes(relative);
    QVERIFY(!bytes.isEmpty());

    QXmlStreamReader reader(bytes);
    QStringList elements;
    QString charset;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        elements << reader.name().toString();
        const QXmlStreamAttributes attributes = reader.attributes();
        if (reader.name() == QLatin1String("meta"))
            charset = attributes.value(QLatin1String("charset")).toString();
        for (const QXmlStreamAttribute &attribute : attributes) {
            const QString name = attribute.name().toString();
            QVERIFY2(name != QLatin1String("src") && name != QLatin1String("href"),
                     qPrintable(name + QLatin1String(" refers outside the file")));
        }
    }
    QVERIFY2(!reader.hasError(), qPrintable(reader.errorString()));
    QCOMPARE(elements.value(0), QStringLiteral("html"));
    QCOMPARE(elements.value(1), QStringLiteral("head"));
    QVERIFY(elements.contains(QStringLiteral("title")));
    QVERIFY(elements.contains(QStringLiteral("body")));
    QCOMPARE(charset.toLower(), QStringLiteral("utf-8"));
    for (const char *foreign : {"script", "img", "link", "iframe", "object", "embed"})
        QVERIFY2(!elements.contains(QLatin1String(foreign)), foreign);
}

void TestArticleFiles::decodesAsWritten()
{
    QFETCH(QString, relative);
    const QByteArray bytes = shipped::bytes(relative);
    QTextCodec::ConverterState state;
    const QString strict =
        QTextCodec::codecForName("UTF-8")->toUnicode(bytes.constData(), bytes.size(), &state);
    QCOMPARE(state.invalidChars, 0);
    QVERIFY(!bytes.startsWith("\xef\xbb\xbf"));

    const QString read = readAsProgram(shipped::sourcePath(relative));
    QCOMPARE(read, QString(strict).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    QVERIFY(!read.contains(QChar::ReplacementCharacter));
    if (relative.startsWith(QLatin1String("no/")))
        QVERIFY(read.contains(QRegularExpression(QStringLiteral("[æøåÆØÅ]"))));
}

void TestArticleFiles::readableOnTheDarkView()
{
    QFETCH(QString, relative);
    QTextDocument document;
    document.setHtml(readAsProgram(shipped::sourcePath(relative)));
    int coloured = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.foreground().style() == Qt::NoBrush)
                continue;
            ++coloured;
            QVERIFY2(contrast(format.foreground().color(), kViewBackground) >= 4.5,
                     qPrintable(it.fragment().text()));
        }
    }
    QVERIFY(coloured > 0);
}

void TestArticleFiles::bothLanguagesCoverTheSameTopics_data()
{
    QTest::addColumn<QString>("file");
    for (const QString &relative : shipped::files()) {
        if (relative.startsWith(QLatin1String("en/")))
            QTest::newRow(qPrintable(relative.mid(3))) << relative.mid(3);
    }
}

void TestArticleFiles::bothLanguagesCoverTheSameTopics()
{
    QFETCH(QString, file);
    QTextDocument english;
    english.setHtml(readAsProgram(shipped::sourcePath(QStringLiteral("en/") + file)));
    QTextDocument norwegian;
    norwegian.setHtml(readAsProgram(shipped::sourcePath(QStringLiteral("no/") + file)));
    Outline en = outlineOf(english);
    Outline no = outlineOf(norwegian);

    QVERIFY(en.headings[1] == 1);
    QVERIFY(en.headings[2] >= 2);
    QCOMPARE(no.headings, en.headings);
    QCOMPARE(no.listItems, en.listItems);
    QCOMPARE(no.paragraphs, en.paragraphs);
}

QTEST_MAIN(TestArticleFiles)
#include "tst_articlefiles.moc"
