#include "articles/articles.h"

#include "workingfolder.h"

#include <QDir>
#include <QListWidget>
#include <QTextEdit>
#include <QtTest>

// The viewer's language outlives its dialogs, so these cases run in their
// own process, in this order, starting from the state of a fresh program.
class TestArticlesState : public QObject
{
    Q_OBJECT

private slots:
    void unopenableFileAtFirstOpening();
    void missingFileAtFirstOpening();
    void languageKeptWhenFileGoes();
    void languageKeptWhenFileCannotBeOpened();
};

namespace {

int titleCount()
{
    Articles dialog;
    return dialog.findChild<QListWidget *>(QStringLiteral("listArticles"))->count();
}

QString firstTitle()
{
    Articles dialog;
    const auto *list = dialog.findChild<QListWidget *>(QStringLiteral("listArticles"));
    return list->count() > 0 ? list->item(0)->text() : QString();
}

} // namespace

void TestArticlesState::unopenableFileAtFirstOpening()
{
    WorkingFolder folder;
    QVERIFY(QDir().mkpath(folder.absolute(QStringLiteral("data/settings/tivora_lang.txt"))));
    QCOMPARE(titleCount(), 0);
}

void TestArticlesState::missingFileAtFirstOpening()
{
    WorkingFolder folder(false);
    QCOMPARE(titleCount(), 0);
}

void TestArticlesState::languageKeptWhenFileGoes()
{
    WorkingFolder folder;
    folder.writeSetting(QStringLiteral("tivora_lang.txt"), "2");
    QCOMPARE(firstTitle(), QStringLiteral("Takk"));

    QVERIFY(QFile::remove(folder.absolute(QStringLiteral("data/settings/tivora_lang.txt"))));
    Articles dialog;
    const auto *list = dialog.findChild<QListWidget *>(QStringLiteral("listArticles"));
    QCOMPARE(list->count(), 5);
    QCOMPARE(list->item(4)->text(), QStringLiteral("Ta et sekund å lik oss!"));
    QVERIFY(dialog.findChild<QTextEdit *>(QStringLiteral("rtbContent"))->toPlainText().isEmpty());
}

void TestArticlesState::languageKeptWhenFileCannotBeOpened()
{
    WorkingFolder folder;
    folder.writeSetting(QStringLiteral("tivora_lang.txt"), "1");
    QCOMPARE(firstTitle(), QStringLiteral("Thank you"));

    const QString path = folder.absolute(QStringLiteral("data/settings/tivora_lang.txt"));
    QVERIFY(QFile::remove(path));
    QVERIFY(QDir().mkpath(path));
    QCOMPARE(firstTitle(), QStringLiteral("Thank you"));
    QCOMPARE(titleCount(), 5);
}

QTEST_MAIN(TestArticlesState)
#include "tst_articlesstate.moc"
