#include "app/shell.h"
#include "timers/timers.h"

#include "windows.h"

#include <QListWidget>
#include <QSpinBox>

namespace {

QDateTime fakeNow;

} // namespace

// The timers' window as the user meets it, over the program's shell, on a clock the test sets.
class TestTimersWindow : public WindowTest
{
    Q_OBJECT

    std::unique_ptr<Program> program;
    std::unique_ptr<Shell> shell;

    void stop() override
    {
        shell.reset();
        program.reset();
    }
    void at(int seconds)
    {
        fakeNow = QDateTime(QDate(2024, 5, 1), QTime(7, 0)).addSecs(seconds);
        program->timers.check();
    }
    // Which of Start, Pause and Reset can be pressed, x or -.
    static QString enabled(const QWidget &window)
    {
        QString all;
        for (const char *name : {"btnStart", "btnPause", "btnReset"})
            all += QLatin1Char(child<QWidget>(&window, name)->isEnabled() ? 'x' : '-');
        return all;
    }
    static QString rows(const QWidget &window)
    {
        QStringList all;
        auto *list = child<QListWidget>(&window, "lwTimers");
        for (int row = 0; row < list->count(); ++row)
            all << list->item(row)->text();
        return all.join(QLatin1Char('\n'));
    }

private slots:
    void initTestCase() { qRegisterMetaType<Countdown *>(); }
    // Each preset starts a timer of its own length; the form sets the chosen timer's length and
    // label, and choosing a timer shows its own.
    void lengthsAndLabels()
    {
        program = makeProgram([] { return fakeNow; });
        at(0);
        Timers window(program->timers);
        QCOMPARE(enabled(window), QStringLiteral("---")); // no timer yet: nothing to start
        for (const char *preset : {"btnPreset1", "btnPreset5", "btnPreset10", "btnPreset30"})
            child<QAbstractButton>(&window, preset)->click();
        child<QAbstractButton>(&window, "btnNewTimer")->click();
        child<QSpinBox>(&window, "sbHours")->setValue(10);
        child<QSpinBox>(&window, "sbMinutes")->setValue(0);
        child<QSpinBox>(&window, "sbSeconds")->setValue(5);
        QTest::keyClicks(child<QLineEdit>(&window, "leLabel"), QStringLiteral("Bread"));
        QStringList made;
        for (int i = 0; i < program->timers.count(); ++i)
            made << QString::number(program->timers.at(i).lengthMs() / 1000) + ' ' +
                        program->timers.at(i).label();
        QCOMPARE(made, (QStringList{"60 ", "300 ", "600 ", "1800 ", "36005 Bread"}));
        const auto form = [&window](int row) {
            child<QListWidget>(&window, "lwTimers")->setCurrentRow(row);
            QStringList shown;
            for (const char *box : {"sbHours", "sbMinutes", "sbSeconds"})
                shown << QString::number(child<QSpinBox>(&window, box)->value());
            return shown.join(':') + ' ' + child<QLineEdit>(&window, "leLabel")->text();
        };
        QCOMPARE(form(3), QStringLiteral("0:30:0 "));
        QCOMPARE(form(4), QStringLiteral("10:0:5 Bread"));
        // Deleting the first leaves the rest.
        form(0);
        child<QAbstractButton>(&window, "btnDeleteTimer")->click();
        QCOMPARE(program->timers.count(), 4);
        QCOMPARE(form(0), QStringLiteral("0:5:0 "));
    }
    // Extras > Timer opens the window; a preset starts a timer at once, which ends with its box
    // and the alarm's sound, and a timer paused and started again ends that much later.
    void presetRunsToItsBox()
    {
        putSettings("lang", "2");
        program = makeProgram([] { return fakeNow; });
        shell = std::make_unique<Shell>(*program);
        at(0);
        shell->start(false);
        child<QAction>(&shell->window(), "actionTimer")->trigger();
        QCOMPARE(dialogs, QStringList{"Timers"});
        Timers window(program->timers);
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("Nedtelling"));
        child<QAbstractButton>(&window, "btnPreset5")->click();
        QTest::keyClicks(child<QLineEdit>(&window, "leLabel"), QStringLiteral("Egg"));
        at(60);
        QTRY_COMPARE(rows(window), QStringLiteral("Egg  ·  00:04:00  ·  Går"));
        // A second timer from the form (a copy of the selected one, then changed), paused a
        // minute on the way.
        child<QAbstractButton>(&window, "btnNewTimer")->click();
        auto *label = child<QLineEdit>(&window, "leLabel");
        label->selectAll();
        QTest::keyClicks(label, QStringLiteral("Te"));
        child<QSpinBox>(&window, "sbMinutes")->setValue(2);
        child<QAbstractButton>(&window, "btnStart")->click();
        at(90);
        QCOMPARE(enabled(window), QStringLiteral("-xx")); // running: Pause and Reset
        child<QAbstractButton>(&window, "btnPause")->click();
        QCOMPARE(enabled(window), QStringLiteral("x-x"));
        at(150);
        QTRY_COMPARE(rows(window), QStringLiteral("Egg  ·  00:02:30  ·  Går\n"
                                                  "Te  ·  00:01:30  ·  På pause"));
        child<QAbstractButton>(&window, "btnStart")->click();
        // Its two minutes, and the minute it was paused; then the first timer's five.
        closing = false;
        at(239);
        QCoreApplication::processEvents();
        QVERIFY(boxes.isEmpty());
        at(240);
        QTRY_COMPARE(boxes, QStringList{"Tiden er ute|Te"});
        QVERIFY(program->sound.isPlaying());
        QVERIFY(!QApplication::activeModalWidget()->findChild<QWidget *>("btnSnooze"));
        closing = true;
        QTRY_VERIFY(!program->sound.isPlaying());
        at(300);
        QTRY_COMPARE(boxes.size(), 2);
        QCOMPARE(rows(window), QStringLiteral("Egg  ·  00:05:00  ·  Stoppet\n"
                                              "Te  ·  00:02:00  ·  Stoppet"));
        QCOMPARE(enabled(window), QStringLiteral("x--"));
        // Opened again, the window lists the timers at once.
        QCOMPARE(rows(Timers(program->timers)), rows(window));
        // A running timer, like an armed alarm, keeps Tivora running with its window closed,
        // and quitting asks first.
        child<QAbstractButton>(&window, "btnStart")->click();
        QVERIFY(!shell->window().close() && shell->window().isHidden());
        answers = QStringList{QString(), "Nei"};
        child<QAction>(&shell->window(), "actionExit")->trigger();
        QTRY_COMPARE(boxes.last(), QStringLiteral("Tivora|Nedtellingen Te vil ikke ringe mens "
                                                  "Tivora er lukket. Avslutte likevel?"));
    }
};

QTEST_MAIN(TestTimersWindow)
#include "tst_timerswindow.moc"
