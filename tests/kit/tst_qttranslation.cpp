#include "kit/qttranslation.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

namespace {

QStringList menuTexts()
{
    QLineEdit field(QStringLiteral("text"));
    const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    QStringList texts;
    for (const QAction *action : menu->actions()) {
        if (!action->isSeparator())
            texts << action->text();
    }
    return texts;
}

} // namespace

class TestQtTranslation : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { qttranslation::use(Language::English); }
    void qtTexts_data()
    {
        QTest::addColumn<QString>("row"); // context|source|Bokmål
        for (const char *row :
             {"QFileDialog|&Open|&Åpne", "QFileDialog|Look in:|Se i:",
              "QFileDialog|File &name:|Fil&navn:", "QFileDialog|Files of type:|Filer av typen:",
              "QFileDialog|%1\nFile not found.\nPlease verify the correct file name was given.|"
              "%1\nFant ikke filen.\nKontroller at du har oppgitt riktig filnavn.",
              "QFileSystemModel|Name|Navn", "QFileSystemModel|Size|Størrelse",
              "QFileSystemModel|Date Modified|Sist endret", "QLineEdit|&Undo|&Angre",
              "QLineEdit|Cu&t|Klipp &ut", "QWidgetTextControl|&Paste|&Lim inn",
              "QWidgetTextControl|Select All|Merk alt", "QAbstractSpinBox|&Step up|Steg &opp",
              "QAbstractSpinBox|Step &down|Steg &ned", "QPlatformTheme|Cancel|Avbryt",
              "QPlatformTheme|&Yes|&Ja", "QPlatformTheme|&No|&Nei", "QPlatformTheme|Open|Åpne"})
            QTest::newRow(row) << QString::fromUtf8(row);
    }
    // Norwegian gives Qt's own texts in Bokmål, English leaves them English.
    void qtTexts()
    {
        QFETCH(QString, row);
        const QStringList parts = row.split(QLatin1Char('|'));
        const auto translated = [&] {
            return QCoreApplication::translate(qPrintable(parts[0]), parts[1].toUtf8().constData());
        };
        QVERIFY(qttranslation::use(Language::Norwegian));
        QCOMPARE(translated(), parts[2]);
        QVERIFY(qttranslation::use(Language::English));
        QCOMPARE(translated(), parts[1]);
    }
    // No entry of a text field's menu stays English under Norwegian.
    void textFieldMenu()
    {
        const QStringList english = menuTexts();
        QVERIFY(english.size() >= 7);
        qttranslation::use(Language::Norwegian);
        for (const QString &text : menuTexts())
            QVERIFY2(!english.contains(text), qPrintable(text));
    }
};

QTEST_MAIN(TestQtTranslation)
#include "tst_qttranslation.moc"
