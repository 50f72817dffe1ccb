#include "kit/choosers.h"

#include <QApplication>
#include <QFileDialog>
#include <QTest>
#include <QTimer>

class TestChoosers : public QObject
{
    Q_OBJECT

private slots:
    // The audio chooser opens on a filter that shows every sound the alarm can play.
    void audioChooserShowsEverySound()
    {
        QString shownFilter;
        QTimer poll;
        poll.callOnTimeout([&] {
            if (auto *chooser = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
                shownFilter = chooser->selectedNameFilter();
                chooser->reject();
            }
        });
        poll.start(10);
        QCOMPARE(choosers::audioFile(nullptr, QString()), QString());
        for (const char *pattern : {"*.mp3", "*.wav"})
            QVERIFY2(shownFilter.contains(QLatin1String(pattern)), qPrintable(shownFilter));
    }
};

QTEST_MAIN(TestChoosers)
#include "tst_choosers.moc"
