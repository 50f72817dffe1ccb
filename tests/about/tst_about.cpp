#include "about/about.h"

#include "app/theme.h"
#include "workingfolder.h"

#include <QDesktopServices>
#include <QLabel>
#include <QTextBlock>
#include <QTextEdit>
#include <QUrl>
#include <QtTest>

namespace {

const QUrl kWebsite(QStringLiteral("http://www.quorvane.com/"));
const QUrl kFacebook(QStringLiteral("http://www.facebook.com/quorvane"));

// The link targets a rich-text label carries.
QStringList hrefsOf(const QLabel *label)
{
    QTextDocument document;
    document.setHtml(label->text());
    QStringList hrefs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QString href = it.fragment().charFormat().anchorHref();
            if (!href.isEmpty() && !hrefs.contains(href))
                hrefs << href;
        }
    }
    return hrefs;
}

QString plainOf(const QLabel *label)
{
    QTextDocument document;
    document.setHtml(label->text());
    return document.toPlainText();
}

} // namespace

// Stands in for the desktop's browser.
class UrlRecorder : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened << url; }
};

class TestAbout : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void form();
    void fixedSize();
    void text();
    void textIsReadOnly();
    void englishWhateverTheLanguage_data();
    void englishWhateverTheLanguage();
    void linkOpensItsOwnPage_data();
    void linkOpensItsOwnPage();
    void emailOpensNothing();

private:
    UrlRecorder recorder;
};

void TestAbout::init()
{
    recorder.opened.clear();
    for (const char *scheme : {"http", "https", "mailto", "file"})
        QDesktopServices::setUrlHandler(QLatin1String(scheme), &recorder, "open");
}

void TestAbout::cleanup()
{
    for (const char *scheme : {"http", "https", "mailto", "file"})
        QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
}

void TestAbout::form()
{
    About about;
    QCOMPARE(about.windowTitle(), QStringLiteral("About"));
    QCOMPARE(about.styleSheet(), theme::baseRules());
    QCOMPARE(about.windowIcon().availableSizes(), QList<QSize>{QSize(128, 128)});
    const auto *title = about.findChild<QLabel *>(QStringLiteral("lblTitle"));
    QCOMPARE(plainOf(title), QStringLiteral("Tivora"));
    QCOMPARE(title->font().family(), QStringLiteral("Mistral"));
    QCOMPARE(title->font().pointSize(), 28);
    QVERIFY(title->font().bold());
    const auto *email = about.findChild<QLabel *>(QStringLiteral("label_3"));
    QCOMPARE(plainOf(email), QStringLiteral("support@quorvane.com"));
    QCOMPARE(hrefsOf(email), QStringList());
}

void TestAbout::fixedSize()
{
    About about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QCOMPARE(about.size(), QSize(589, 263));
    QCOMPARE(about.minimumSize(), QSize(589, 263));
    QCOMPARE(about.maximumSize(), QSize(589, 263));
    about.resize(800, 600);
    QCOMPARE(about.size(), QSize(589, 263));
    about.resize(300, 100);
    QCOMPARE(about.size(), QSize(589, 263));
}

void TestAbout::text()
{
    About about;
    const QTextDocument *document =
        about.findChild<QTextEdit *>(QStringLiteral("textEdit"))->document();
    QCOMPARE(document->blockCount(), 4);
    const QTextBlock version = document->findBlockByNumber(0);
    QCOMPARE(version.text(), QStringLiteral("Running version 2.2"));
    QVERIFY(version.begin().fragment().charFormat().fontWeight() > QFont::Normal);
    QVERIFY(document->findBlockByNumber(1).text().contains(QLatin1String("Quorvane")));
    QVERIFY(document->findBlockByNumber(2).text().contains(QLatin1String("warranty")));
    QCOMPARE(document->findBlockByNumber(3).text(), QString(QChar::LineSeparator));
}

void TestAbout::textIsReadOnly()
{
    About about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    auto *edit = about.findChild<QTextEdit *>(QStringLiteral("textEdit"));
    const QString before = edit->toPlainText();
    QVERIFY(edit->isReadOnly());
    edit->setFocus();
    QTest::keyClicks(edit, QStringLiteral("typed"));
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_Delete);
    QCOMPARE(edit->toPlainText(), before);
}

void TestAbout::englishWhateverTheLanguage_data()
{
    QTest::addColumn<QByteArray>("language");
    QTest::newRow("Norwegian") << QByteArray("2");
    QTest::newRow("English") << QByteArray("1");
    QTest::newRow("load error") << QByteArray("3");
}

void TestAbout::englishWhateverTheLanguage()
{
    QFETCH(QByteArray, language);
    WorkingFolder folder;
    folder.writeSetting(QStringLiteral("tivora_lang.txt"), language);
    About about;
    QCOMPARE(about.windowTitle(), QStringLiteral("About"));
    QCOMPARE(plainOf(about.findChild<QLabel *>(QStringLiteral("label"))),
             QStringLiteral("Quorvane Website"));
    QCOMPARE(plainOf(about.findChild<QLabel *>(QStringLiteral("label_2"))),
             QStringLiteral("Quorvane @ Facebook"));
    const QString text = about.findChild<QTextEdit *>(QStringLiteral("textEdit"))->toPlainText();
    QVERIFY(text.startsWith(QLatin1String("Running version 2.2\n")));
    QVERIFY(text.contains(QLatin1String("warranty")));
}

void TestAbout::linkOpensItsOwnPage_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QUrl>("page");
    QTest::newRow("Quorvane Website") << QStringLiteral("label") << kWebsite;
    QTest::newRow("Quorvane @ Facebook") << QStringLiteral("label_2") << kFacebook;
}

void TestAbout::linkOpensItsOwnPage()
{
    QFETCH(QString, label);
    QFETCH(QUrl, page);
    About about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    auto *link = about.findChild<QLabel *>(label);
    QVERIFY(link);
    QCOMPARE(hrefsOf(link), QStringList{page.toString()});
    QSignalSpy activated(link, &QLabel::linkActivated);

    QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());
    QCOMPARE(activated.count(), 1);
    QCOMPARE(recorder.opened, QList<QUrl>{page});

    emit link->linkActivated(QStringLiteral("http://elsewhere.example/"));
    QCOMPARE(recorder.opened, (QList<QUrl>{page, page}));
    QVERIFY(about.isVisible());
}

void TestAbout::emailOpensNothing()
{
    About about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    auto *email = about.findChild<QLabel *>(QStringLiteral("label_3"));
    QTest::mouseClick(email, Qt::LeftButton, {}, email->rect().center());
    QTest::mouseDClick(email, Qt::LeftButton, {}, email->rect().center());
    QCOMPARE(recorder.opened, QList<QUrl>());
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
