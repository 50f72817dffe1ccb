#include "settings/settings.h"

#include "windows.h"

#include <QSlider>

class TestSettings : public WindowTest
{
    Q_OBJECT

    const QString all = QStringLiteral(
        "cbLanguage tbStoredAudio rbtnStoreAudio rbtnNoneAudio horizontalSlider label cbTooltips");

private slots:
    void reading_data()
    {
        QTest::addColumn<QByteArray>("files"); // lang|sa|sa_index|volume|tooltips, - for none
        QTest::addColumn<QString>("shown");    // and the number of boxes
        QTest::newRow("no files") << QByteArray("-|-|-|-|-") << "English||-|-|0|TextLabel|-|0";
        QTest::newRow("stored, loud") << QByteArray("2|/My Music/a b.mp3\r\n|1|150|1")
                                      << "Norwegian|/My Music/a b.mp3|x|-|100|150|x|0";
        QTest::newRow("none empties the path")
            << QByteArray("1|/x.mp3|0| 57\n|0") << "English||-|x|57|57|-|0";
        QTest::newRow("nonsense") << QByteArray("3|/x.mp3|2|abc|7")
                                  << "English|/x.mp3|-|-|0|abc|-|3";
    }
    void reading()
    {
        QFETCH(QByteArray, files);
        putSettings("lang sa sa_index volume tooltips", files);
        Settings dialog;
        QTEST(shown(&dialog, all) + '|' + QString::number(boxes.size()), "shown");
    }
    // The saved box speaks the chosen language, whatever the dialog's; a failure keeps it open.
    // The help article on recent changes names the box by the title it shows, in each language.
    void accepting_data()
    {
        QTest::addColumn<QString>("row"); // language file (blocked: -)|chosen index|saved files
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("articles"); // the article folders that name the box
        QTest::newRow("saved in Norwegian")
            << "1|1|2900"
            << "Lagring vellykket|Endringene har blitt lagret. Vennligst restart "
               "applikasjonen for at endringene skal tre i kraft."
            << "no";
        QTest::newRow("saved in English")
            << "2|0|1900"
            << "Save successful|Your changes have successfully been saved. Please "
               "restart the application in order for the new changes to take effect."
            << "en";
        QTest::newRow("a language failure keeps the dialog open")
            << "-|1|"
            << "Error saving|Could not save the language settings properly, please try again."
            << "en no";
    }
    void accepting()
    {
        QFETCH(QString, row);
        const bool writable = row.section('|', 0, 0) != "-";
        putSettings("lang", row.section('|', 0, 0).toLatin1());
        QDir().mkpath(writable ? QString() : QStringLiteral("data/settings/tivora_lang.txt"));
        Settings dialog;
        dialog.show();
        child<QComboBox>(&dialog, "cbLanguage")->setCurrentIndex(row.section('|', 1, 1).toInt());
        child<QAbstractButton>(&dialog, "rbtnNoneAudio")->click();
        // The number follows the slider however it moves.
        QTest::keyClick(child<QSlider>(&dialog, "horizontalSlider"), Qt::Key_End);
        QTest::keyClick(child<QSlider>(&dialog, "horizontalSlider"), Qt::Key_PageDown);
        QCOMPARE(shown(&dialog, QStringLiteral("label horizontalSlider")), QStringLiteral("90|90"));
        child<QAbstractButton>(&dialog, "btnAcceptChanges")->click();
        QTEST(boxes.join(QString()), "box");
        QFETCH(QString, articles);
        for (const QString &folder : articles.split(QLatin1Char(' '))) {
            const QString article = QString::fromUtf8(
                get(QStringLiteral(TIVORA_SOURCE_DIR "/data/articles/%1/doc_item_four.html")
                        .arg(folder)));
            const QString title = boxes.value(0).section(QLatin1Char('|'), 0, 0);
            QVERIFY2(article.contains(QStringLiteral("<span class=\"ui\">%1</span>").arg(title)),
                     qPrintable(folder + QLatin1Char(' ') + title));
        }
        QCOMPARE(dialog.isVisible(), !writable);
        QCOMPARE(get("data/settings/tivora_lang.txt") + get("data/settings/tivora_volume.txt") +
                     get("data/settings/tivora_sa_index.txt"),
                 row.section('|', 2).toLatin1());
    }
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
