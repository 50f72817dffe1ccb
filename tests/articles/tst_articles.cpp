#include "articles/articles.h"

#include "app/theme.h"
#include "shippedarticles.h"
#include "workingfolder.h"

#include <QDir>
#include <QListWidget>
#include <QTextEdit>
#include <QtTest>

namespace {

const QStringList kEnglishTitles{
    QStringLiteral("Thank you"),
    QStringLiteral("The reason for Tivora"),
    QStringLiteral("Get to know Tivora"),
    QStringLiteral("Recent changes"),
    QStringLiteral("Take a moment to like us!"),
};
const QStringList kNorwegianTitles{
    QStringLiteral("Takk"),
    QStringLiteral("Årsaken til Tivora"),
    QStringLiteral("Bli kjent med Tivora"),
    QStringLiteral("Nylige endringer"),
    QStringLiteral("Ta et sekund å lik oss!"),
};
const QStringList kFiles{
    QStringLiteral("doc_item_one.html"),   QStringLiteral("doc_item_two.html"),
    QStringLiteral("doc_item_three.html"), QStringLiteral("doc_item_four.html"),
    QStringLiteral("doc_item_fb.html"),
};

QStringList titlesOf(const QListWidget *list)
{
    QStringList titles;
    for (int row = 0; row < list->count(); ++row)
        titles << list->item(row)->text();
    return titles;
}

struct Window
{
    Articles dialog;
    QListWidget *list = dialog.findChild<QListWidget *>(QStringLiteral("listArticles"));
    QTextEdit *view = dialog.findChild<QTextEdit *>(QStringLiteral("rtbContent"));

    bool show()
    {
        dialog.show();
        return list && view && QTest::qWaitForWindowExposed(&dialog);
    }

    QPoint centreOf(int row) const { return list->visualItemRect(list->item(row)).center(); }

    void click(int row) { QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centreOf(row)); }

    void doubleClick(int row)
    {
        click(row);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centreOf(row));
    }
};

} // namespace

class TestArticles : public QObject
{
    Q_OBJECT

private slots:
    void form();
    void titles_data();
    void titles();
    void noTitles_data();
    void noTitles();
    void doubleClickShowsArticle_data();
    void doubleClickShowsArticle();
    void singleClickLoadsNothing();
    void keyboardLoadsNothing_data();
    void keyboardLoadsNothing();
    void unopenableArticleKeepsShownOne_data();
    void unopenableArticleKeepsShownOne();
    void titleTextChoosesFile_data();
    void titleTextChoosesFile();
    void reopeningStartsEmpty();
};

void TestArticles::form()
{
    WorkingFolder folder;
    folder.writeSetting(QStringLiteral("tivora_lang.txt"), "1");
    Window window;
    QVERIFY(window.show());

    QCOMPARE(window.dialog.windowTitle(), QStringLiteral("Information"));
    QCOMPARE(window.dialog.size(), QSize(1158, 783));
    QCOMPARE(window.dialog.styleSheet(), theme::darkTheme());
    QCOMPARE(window.list->minimumSize(), QSize(271, 0));
    QCOMPARE(window.list->maximumSize(), QSize(271, QWIDGETSIZE_MAX));
    QVERIFY(window.view->isReadOnly());
    QVERIFY(window.view->toPlainText().isEmpty());

    window.dialog.resize(900, 500);
    QCOMPARE(window.dialog.size(), QSize(900, 500));
    QCOMPARE(window.list->width(), 271);
}

void TestArticles::titles_data()
{
    QTest::addColumn<QByteArray>("language");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("1") << QByteArray("1") << kEnglishTitles;
    QTest::newRow("2") << QByteArray("2") << kNorwegianTitles;
    QTest::newRow("2 with CR LF") << QByteArray("2\r\n") << kNorwegianTitles;
    QTest::newRow("blank line, then 1") << QByteArray("\n 1 \n") << kEnglishTitles;
    QTest::newRow("1 followed by more words") << QByteArray("1 2") << kEnglishTitles;
}

void TestArticles::titles()
{
    QFETCH(QByteArray, language);
    QFETCH(QStringList, expected);
    WorkingFolder folder;
    folder.writeSetting(QStringLiteral("tivora_lang.txt"), language);
    Window window;
    QCOMPARE(titlesOf(window.list), expected);
    QVERIFY(window.view->toPlainText().isEmpty());
}

void TestArticles::noTitles_data()
{
    QTest::addColumn<QByteArray>("language");
    QTest::newRow("0") << QByteArray("0");
    QTest::newRow("3") << QByteArray("3");
    QTest::newRow("-1") << QByteArray("-1");
    QTest::newRow("letters") << QByteArray("abc");
    QTest::newRow("1.0") << QByteArray("1.0");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("outside 32 bits") << QByteArray("4294967297");
    QTest::newRow("binary") << QByteArray("\xff\xfe\x00\x01", 4);
}

void TestArticles::noTitles()
{
    QFETCH(QByteArray, language);
    WorkingFolder folder;
    folder.writeSetting(QStringLiteral("tivora_lang.txt"), "1");
    {
        Articles earlier;
    }
    folder.writeSetting(QStringLiteral("tivora_lang.txt"), language);
    Window window;
    QCOMPARE(window.list->count(), 0);
}

void TestArticles::doubleClickShowsArticle_data()
{
    QTest::addColumn<QByteArray>("language");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("file");
    for (int row = 0; row < kFiles.size(); ++row) {
        QTest::addRow("%s", qPrintable(kEnglishTitles.at(row)))
            << QByteArray("1") << row << QStringLiteral("data/articles/en/") + kFiles.at(row);
        QTest::addRow("%s", kNorwegianTitles.at(row).toUtf8().constData())
            << QByteArray("2") << row << QStringLiteral("data/articles/no/") + kFiles.at(row);
    }
}

void TestArticles::doubleClickShowsArticle()
{
    QFETCH(QByteArray, language);
    QFETCH(int, row);
    QFETCH(QString, file);
    WorkingFolder folder;
    folder.writeSetting(QStringLiteral("tivora_lang.txt"), language);
    shipped::install(folder);
    Window window;
    QVERIFY(window.show());

    window.doubleClick(row);

    const QString expected = shipped::renderedText(file);
    QVERIFY(!expected.isEmpty());
    QCOMPARE(window.view->toPlainText(), expected);
}

void TestArticles::singleClickLoadsNothing()
{
    WorkingFolder folder;
    folder.writeSetting(QStringLiteral("tivora_lang.txt"), "1");
    shipped::install(folder);
    Window window;
    QVERIFY(window.show());

    window.click(3);
    window.click(1);
    QCOMPARE(window.list->currentRow(), 1);
    QVERIFY(window.view->toPlainText().isEmpty());

    window.doubleClick(0);
    const QString shown = window.view->toPlainText();
    QVERIFY(!shown.isEmpty());
    window.click(4);
    QCOMPARE(window.view->toPlainText(), shown);
}

void TestArticles::keyboardLoadsNothing_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::newRow("Down") << QList<int>{Qt::Key_Down};
    QTest::newRow("Down, Down, Up") << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Up};
    QTest::newRow("End") << QList<int>{Qt::Key_End};
    QTest::newRow("Down, Return") << QList<int>{Qt::Key_Down, Qt::Key_Return};
    QTest::newRow("Down, Enter") << QList<int>{Qt::Key_Down, Qt::Key_Enter};
    QTest::newRow("Down, Space") << QList<int>{Qt::Key_Down, Qt::Key_Space};
}

void TestArticles::keyboardLoadsNothing()
{
    QFETCH(QList<int>, keys);
    WorkingFolder folder;
    folder.writeSetting(QStringLiteral("tivora_lang.txt"), "1");
    shipped::install(folder);
    Window window;
    QVERIFY(window.show());
    window.list->setFocus();

    for (const int key : keys)
        QTest::keyClick(window.list, Qt::Key(key));

    QVERIFY(window.list->currentRow() > 0);
    QVERIFY(window.dialog.isVisible());
    QVERIFY(window.view->toPlainText().isEmpty());
}

void TestArticles::unopenableArticleKeepsShownOne_data()
{
    QTest::addColumn<bool>("folderInstead");
    QTest::newRow("file missing") << false;
    QTest::newRow("folder at its path") << true;
}

void TestArticles::unopenableArticleKeepsShownOne()
{
    QFETCH(bool, folderInstead);
    WorkingFolder folder;
    folder.writeSetting(QStringLiteral("tivora_lang.txt"), "1");
    shipped::install(folder);
    const QString gone = QStringLiteral("data/articles/en/doc_item_four.html");
    QVERIFY(QFile::remove(folder.absolute(gone)));
    if (folderInstead)
        QVERIFY(QDir().mkpath(folder.absolute(gone)));
    Window window;
    QVERIFY(window.show());

    window.doubleClick(3);
    QVERIFY(window.view->toPlainText().isEmpty());

    window.doubleClick(1);
    const QString shown =
        shipped::renderedText(QStringLiteral("data/articles/en/doc_item_two.html"));
    QCOMPARE(window.view->toPlainText(), shown);

    window.doubleClick(3);
    QCOMPARE(window.view->toPlainText(), shown);
}

void TestArticles::titleTextChoosesFile_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("file");
    QTest::newRow("Norwegian title in the English list")
        << QStringLiteral("Nylige endringer")
        << QStringLiteral("data/articles/no/doc_item_four.html");
    QTest::newRow("English title at another row")
        << QStringLiteral("Thank you") << QStringLiteral("data/articles/en/doc_item_one.html");
    QTest::newRow("other letter case") << QStringLiteral("recent changes") << QString();
    QTest::newRow("trailing blank") << QStringLiteral("Recent changes ") << QString();
    QTest::newRow("empty") << QString() << QString();
}

void TestArticles::titleTextChoosesFile()
{
    QFETCH(QString, title);
    QFETCH(QString, file);
    WorkingFolder folder;
    folder.writeSetting(QStringLiteral("tivora_lang.txt"), "1");
    shipped::install(folder);
    Window window;
    QVERIFY(window.show());
    window.doubleClick(1);
    const QString before = window.view->toPlainText();

    window.list->item(3)->setText(title);
    window.doubleClick(3);

    const QString expected = file.isEmpty() ? before : shipped::renderedText(file);
    QCOMPARE(window.view->toPlainText(), expected);
}

void TestArticles::reopeningStartsEmpty()
{
    WorkingFolder folder;
    folder.writeSetting(QStringLiteral("tivora_lang.txt"), "2");
    shipped::install(folder);
    {
        Window first;
        QVERIFY(first.show());
        first.doubleClick(4);
        QVERIFY(!first.view->toPlainText().isEmpty());
    }
    Window second;
    QCOMPARE(titlesOf(second.list), kNorwegianTitles);
    QVERIFY(second.view->toPlainText().isEmpty());
}

QTEST_MAIN(TestArticles)
#include "tst_articles.moc"
