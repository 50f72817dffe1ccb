#include "kit/timetyping.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimeEdit>

class TestTyping : public QObject
{
    Q_OBJECT

private slots:
    void typedTimes_data()
    {
        QTest::addColumn<QString>("start"); // how the field is readied before typing
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QTime>("time");
        const QTime half(7, 30);
        for (const char *typed : {"0730", "7:30", "07:30:00"}) {
            for (const char *start : {"from the start", "over Ctrl+A", "with the hour selected"})
                QTest::addRow("%s %s", typed, start) << start << typed << half;
        }
        QTest::newRow("minutes typed where they stand") << "in the minutes"
                                                        << "5" << QTime(20, 5);
        QTest::newRow("a click starts where it lands") << "from the start"
                                                       << "1@5" << QTime(1, 0, 5);
        QTest::newRow("a colon first skips the hour") << "from the start"
                                                      << ":30" << QTime(0, 30);
        QTest::newRow("two colons skip to the seconds") << "from the start"
                                                        << "::15" << QTime(0, 0, 15);
        QTest::newRow("a digit past the seconds changes nothing") << "from the start"
                                                                  << "0730009" << half;
        QTest::newRow("an hour past 23 gives way") << "over Ctrl+A"
                                                   << "25" << QTime(2, 5);
        QTest::newRow("arrow up steps the hour") << "with the hour selected"
                                                 << "up" << QTime(21, 26, 39);
        QTest::newRow("the wheel steps the hour") << "with the hour selected"
                                                  << "wheel" << QTime(21, 26, 39);
    }
    void typedTimes()
    {
        QFETCH(QString, start);
        QFETCH(QString, typed);
        QTimeEdit field(QTime(20, 26, 39));
        field.setDisplayFormat(QStringLiteral("HH:mm:ss"));
        timetyping::install(&field);
        field.show();
        QApplication::setActiveWindow(&field);
        field.setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&field));
        if (start == QLatin1String("from the start"))
            QTest::keyClick(&field, Qt::Key_Home);
        else if (start == QLatin1String("over Ctrl+A"))
            QTest::keyClick(&field, Qt::Key_A, Qt::ControlModifier);
        else
            field.setSelectedSection(start.contains(QLatin1String("hour"))
                                         ? QDateTimeEdit::HourSection
                                         : QDateTimeEdit::MinuteSection);
        if (typed == QLatin1String("up")) {
            QTest::keyClick(&field, Qt::Key_Up);
        } else if (typed == QLatin1String("wheel")) {
            const QPoint at = field.rect().center();
            QWheelEvent wheel(at, field.mapToGlobal(at), {}, {0, 120}, Qt::NoButton, {},
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(&field, &wheel);
        } else {
            auto *line = field.findChild<QLineEdit *>();
            const QStringList parts = typed.split(QLatin1Char('@')); // @: a click on the seconds
            for (int i = 0; i < parts.size(); ++i) {
                if (i > 0)
                    QTest::mouseClick(line, Qt::LeftButton, {},
                                      QPoint(line->width() - 4, line->height() / 2));
                for (const QChar c : parts[i]) {
                    // A keyboard sends Shift before the ":" it types.
                    if (c == QLatin1Char(':'))
                        QTest::keyPress(&field, Qt::Key_Shift);
                    QTest::keyClick(&field, c.toLatin1(),
                                    c == QLatin1Char(':') ? Qt::ShiftModifier : Qt::NoModifier);
                }
            }
        }
        QTEST(field.time(), "time");
    }
};

QTEST_MAIN(TestTyping)
#include "tst_typing.moc"
