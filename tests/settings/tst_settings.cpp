#include "settings/settings.h"

#include "windows.h"

#include <QLabel>
#include <QLineEdit>
#include <QSlider>

class TestSettings : public WindowTest
{
    Q_OBJECT

private slots:
    void reading_data()
    {
        QTest::addColumn<QByteArray>("files"); // lang|sa|sa_index|volume|tooltips, - for none
        QTest::addColumn<QString>("shown");    // combo|path|store, none|slider|label|tooltips
        QTest::addColumn<int>("boxes");
        QTest::newRow("no files") << QByteArray("-|-|-|-|-") << "English||--|0|TextLabel|-" << 0;
        QTest::newRow("stored, loud") << QByteArray("2|/My Music/a b.mp3\r\n|1|150|1")
                                      << "Norwegian|/My Music/a b.mp3|x-|100|150|x" << 0;
        QTest::newRow("none empties the path")
            << QByteArray("1|/x.mp3|0| 57\n|0") << "English||-x|57|57|-" << 0;
        QTest::newRow("nonsense") << QByteArray("3|/x.mp3|2|abc|7") << "English|/x.mp3|--|0|abc|-"
                                  << 3;
    }

    void reading()
    {
        QFETCH(QByteArray, files);
        putSettings("lang|sa|sa_index|volume|tooltips", files);
        Settings dialog;
        const auto mark = [&](const char *name) {
            return child<QAbstractButton>(&dialog, name)->isChecked() ? QStringLiteral("x")
                                                                      : QStringLiteral("-");
        };
        QTEST(QStringList({child<QComboBox>(&dialog, "cbLanguage")->currentText(),
                           child<QLineEdit>(&dialog, "tbStoredAudio")->text(),
                           mark("rbtnStoreAudio") + mark("rbtnNoneAudio"),
                           QString::number(child<QSlider>(&dialog, "horizontalSlider")->value()),
                           child<QLabel>(&dialog, "label")->text(), mark("cbTooltips")})
                  .join(QLatin1Char('|')),
              "shown");
        QTEST(int(boxes.size()), "boxes");
    }

    void acceptSavesAndSaysSoInTheChosenLanguage()
    {
        put(setting("lang"), "1");
        Settings dialog;
        dialog.show();
        child<QComboBox>(&dialog, "cbLanguage")->setCurrentIndex(1);
        child<QAbstractButton>(&dialog, "rbtnNoneAudio")->click();
        child<QSlider>(&dialog, "horizontalSlider")->setValue(33);
        child<QAbstractButton>(&dialog, "btnAcceptChanges")->click();
        QCOMPARE(boxes, QStringList{"Lagring vellykket|Endringene har blitt lagret. "
                                    "Vennligst restart applikasjonen for at endringene "
                                    "skal tre i kraft."});
        QVERIFY(dialog.isHidden());
        QCOMPARE(get(setting("lang")) + get(setting("volume")) + get(setting("sa_index")),
                 QByteArray("2330"));
    }

    void aLanguageFailureKeepsTheDialogOpen()
    {
        QDir().mkpath(setting("lang"));
        Settings dialog;
        dialog.show();
        child<QAbstractButton>(&dialog, "btnAcceptChanges")->click();
        QCOMPARE(boxes, QStringList{"Error saving|Could not save the language settings "
                                    "properly, please try again."});
        QVERIFY(dialog.isVisible() && !QFile::exists(setting("volume")));
    }
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
