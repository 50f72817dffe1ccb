#include "app/shell.h"

#include "windows.h"

#include <QAction>
#include <QElapsedTimer>
#include <QListWidget>
#include <QMenu>
#include <QPixmapCache>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTimeEdit>

#include <cmath>

namespace {

QDateTime fakeNow;
const QString kAlarmFields =
    QStringLiteral("teSetTime cbReason pteDescription rbtnAlarmActive rbtnAlarmNotActive");

QDateTime may1(int h, int m, int s, int ms = 0)
{
    return QDateTime(QDate(2024, 5, 1), QTime(h, m, s, ms));
}

} // namespace

class TestMainWindow : public WindowTest
{
    Q_OBJECT

    std::unique_ptr<Program> program;
    std::unique_ptr<Shell> shell;
    MainWindow *window = nullptr;
    std::unique_ptr<QSignalSpy> rings; // with sound or silent, as each ring starts
    const QString sink = qEnvironmentVariable("TIVORA_TEST_SINK");

    void stop() override
    {
        shell.reset();
        program.reset();
    }
    void open(const QDateTime &now, const QByteArray &language = "1", const QTime &alarm = {})
    {
        fakeNow = now;
        putSettings("lang", language.isNull() ? "-" : language);
        shell.reset();
        program.reset();
        program = makeProgram([] { return fakeNow; });
        rings = std::make_unique<QSignalSpy>(&program->alarms, &AlarmList::rang);
        shell = std::make_unique<Shell>(*program);
        window = &shell->window();
        window->show();
        program->alarms.start();
        if (alarm.isValid())
            arm(alarm);
    }
    // Ticks at `now`; a ring's box, which comes after the tick, is shown and answered.
    void tick(const QDateTime &now)
    {
        fakeNow = now;
        program->alarms.tick();
        QCoreApplication::processEvents();
        // Answered by the watcher, which looks every 10 ms.
        QTRY_VERIFY(!closing || !QApplication::activeModalWidget());
    }
    // Rings at `now` and runs `whileOpen` while its box is open, before it is answered.
    void ring(const QDateTime &now, const std::function<void()> &whileOpen)
    {
        closing = false;
        tick(now);
        QTRY_VERIFY(QApplication::activeModalWidget());
        whileOpen();
        closing = true;
        QTRY_VERIFY(!QApplication::activeModalWidget());
    }
    QString heard() const
    {
        QStringList all;
        for (const QList<QVariant> &ring : *rings)
            all << QLatin1String(ring.value(1).toBool() ? "sound" : "silent");
        return all.join(QLatin1Char(' '));
    }
    void arm(const QTime &time)
    {
        child<QTimeEdit>(window, "teSetTime")->setTime(time);
        child<QRadioButton>(window, "rbtnAlarmActive")->click();
    }
    AlarmSound *sound() const { return &program->sound; }
    // The list's rows, one per line.
    QString rows() const
    {
        QStringList all;
        auto *list = child<QListWidget>(window, "lwAlarms");
        for (int row = 0; row < list->count(); ++row)
            all << list->item(row)->text();
        return all.join(QLatin1Char('\n'));
    }
    // Sets the selected alarm's days by its toggles, "67" for Saturday and Sunday.
    void setDays(const QString &days)
    {
        for (int day = 1; day <= 7; ++day) {
            auto *toggle =
                child<QAbstractButton>(window, qPrintable(QStringLiteral("tbDay%1").arg(day)));
            if (toggle->isChecked() != days.contains(QString::number(day)))
                toggle->click();
        }
    }
    QString show(const QString &names) const { return shown(window, names); }
    // The tray icon's menu as it opens: Show Tivora, Skip next when there is one, and Quit.
    static QList<QAction *> trayMenu()
    {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *menu = qobject_cast<QMenu *>(widget); menu && !menu->parent()) {
                emit menu->aboutToShow();
                return menu->actions();
            }
        }
        qFatal("no tray menu");
    }
    // The loudest sample (0 to 1) the test sound server's sink plays in the next second.
    double peakOfNextSecond() const
    {
        QProcess sox;
        sox.start(QStringLiteral("sox"),
                  {"-q", "-t", "pulseaudio", sink + ".monitor", "-n", "trim", "0", "1", "stat"});
        // Events go on meanwhile: a failed file turns into the bundled alarm through them.
        if (!QTest::qWaitFor([&] { return sox.state() == QProcess::NotRunning; }, 10000))
            return -1;
        const QString stat = QString::fromLatin1(sox.readAllStandardError());
        return stat.section(QLatin1String("Maximum amplitude:"), 1)
            .split(QLatin1Char('\n'))[0]
            .toDouble();
    }

private slots:
    void ringsOnceWhileItsBoxTicks()
    {
        open(may1(7, 29, 59, 900), "1", QTime(7, 30));
        child<QPlainTextEdit>(window, "pteDescription")->setPlainText(QStringLiteral("Bus"));
        bool playing = false, wideEnough = false;
        ring(may1(7, 30, 0, 1), [&] {
            // The window manager shows the whole reason beside its own buttons.
            QWidget *box = QApplication::activeModalWidget();
            wideEnough =
                box->width() > box->fontMetrics().horizontalAdvance(box->windowTitle()) + 150;
            for (int ms : {1, 500, 999})
                tick(may1(7, 30, 0, ms));
            tick(may1(7, 30, 1, 2));
            playing = sound()->isPlaying();
        });
        QVERIFY(playing && wideEnough && !sound()->isPlaying());
        QCOMPARE(heard(), QStringLiteral("sound"));
        QCOMPARE(boxes, QStringList{"Alarm Clock|Bus"});
        QCOMPARE(show("lblClock lblAlarmStatus"),
                 QStringLiteral("07:30:01|Alarm currently active"));
    }
    // A ring due while the computer slept is silent; a snooze rings again, with sound.
    void ringsSilentlyAfterASuspendAndSnoozes()
    {
        open(may1(6, 40, 0), "2", QTime(7, 30));
        child<QSpinBox>(window, "sbSnooze")->setValue(2);
        answers = QStringList{"Slumre 2 minutter", "btnSnooze", "OK"};
        tick(may1(6, 45, 0));
        tick(may1(7, 45, 0));
        QCOMPARE(show("lblAlarmStatus"), QStringLiteral("Slumrer til 07:47"));
        for (const QDateTime &at : {may1(7, 46, 59), may1(7, 47, 0), may1(7, 49, 0)})
            tick(at);
        QCOMPARE(show("lblAlarmStatus"), QStringLiteral("Alarm aktivert"));
        tick(may1(7, 51, 0));
        QCOMPARE(heard(), QStringLiteral("silent sound sound"));
        QCOMPARE(boxes, QStringList({"Vekkerklokke|", "Vekkerklokke|", "Vekkerklokke|"}));
        QCOMPARE(show("lblAlarmStatus"), QStringLiteral("Alarm aktivert"));
    }
    // Kept across a restart; when it cannot be saved the status line says so, and no folder
    // is made for it.
    void restartKeepsTheAlarm()
    {
        const QString description = QStringLiteral("Første linje 🚆 kl. 7 😀\nשלום = ; #\n\ttredje");
        const QString chosen = path() + QStringLiteral("/chosen.wav");
        put(chosen, "RIFF");
        putSettings("sa", "/stored.mp3");
        open(may1(6, 0, 0), "2", QTime(7, 0));
        QCOMPARE(show("tbFilePath"), QStringLiteral("/stored.mp3")); // the settings' sound
        child<QComboBox>(window, "cbReason")->setCurrentIndex(1);
        child<QPlainTextEdit>(window, "pteDescription")->setPlainText(description);
        files << chosen;
        child<QAbstractButton>(window, "btnOpenFile")->click();
        QTRY_VERIFY(alarmfile::read().alarms.value(0).sound == chosen);
        open(may1(6, 59, 59), "2");
        QCOMPARE(show(kAlarmFields + " tbFilePath"),
                 "07:00:00|Påminnelse|" + description + "|x|-|" + chosen);
        tick(may1(7, 0, 0));
        QCOMPARE(boxes, QStringList{"Påminnelse|" + description});
        QDir(QStringLiteral("data")).removeRecursively();
        arm(QTime(8, 0));
        QTRY_COMPARE(show("lblAlarmStatus"), QStringLiteral("Alarmen ble ikke lagret"));
        // Quitting now would lose it: Tivora asks first.
        answers = QStringList{"Nei"};
        child<QAction>(window, "actionExit")->trigger();
        QCOMPARE(boxes.last(), QStringLiteral("Tivora|Alarmen kunne ikke lagres og går tapt når "
                                              "Tivora avsluttes. Avslutte likevel?"));
        QVERIFY(!QFile::exists(QStringLiteral("data")) &&
                QDir().mkpath(QStringLiteral("data/settings")));
        arm(QTime(9, 0));
        QTRY_COMPARE(show("lblAlarmStatus"), QStringLiteral("Alarm aktivert"));
    }
    // Alarms are added, edited in the form by keyboard, listed with their days, and deleted
    // after a question; the status bar names the next; an alarm for once disarms itself; all
    // of it comes back after a restart.
    void keepsSeveralAlarms()
    {
        open(may1(6, 0, 0), "2", QTime(7, 0)); // a Wednesday
        QApplication::setActiveWindow(window);
        auto *list = child<QListWidget>(window, "lwAlarms");
        QVERIFY(!child(window, "btnDeleteAlarm")->isEnabled());
        setDays("12345");
        QCOMPARE(show("lblNextAlarm"), QStringLiteral("Neste alarm: ons. 07:00, Vekkerklokke"));
        // Tab goes from the time through the days, Monday first in Norwegian, to the reason.
        QStringList tabs;
        auto *time = child<QTimeEdit>(window, "teSetTime");
        time->setFocus();
        time->setSelectedSection(QDateTimeEdit::SecondSection); // Tab leaves from its last part
        for (int tab = 0; tab < 8; ++tab) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            tabs << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(tabs.join(QLatin1Char(' ')),
                 QStringLiteral("tbDay1 tbDay2 tbDay3 tbDay4 tbDay5 tbDay6 tbDay7 cbReason"));
        const auto add = [&](const QByteArray &typed, const QString &days) {
            child<QAbstractButton>(window, "btnNewAlarm")->click();
            QCOMPARE(QApplication::focusWidget(), child(window, "teSetTime"));
            QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(typed));
            setDays(days);
            child<QRadioButton>(window, "rbtnAlarmActive")->click();
        };
        add("0900", "6");
        child<QComboBox>(window, "cbReason")->setCurrentIndex(1);
        add("060030", "");
        QCOMPARE(rows(), QStringLiteral("07:00:00  ·  man.-fre.  ·  Vekkerklokke  ·  På\n"
                                        "09:00:00  ·  lør.  ·  Påminnelse  ·  På\n"
                                        "06:00:30  ·  Én gang  ·  Vekkerklokke  ·  På"));
        QCOMPARE(show("lblNextAlarm"), QStringLiteral("Neste alarm: ons. 06:00, Vekkerklokke"));
        tick(may1(6, 0, 30));
        QCOMPARE(boxes, QStringList{"Vekkerklokke|"});
        QCOMPARE(show("rbtnAlarmActive rbtnAlarmNotActive lblAlarmStatus"),
                 QStringLiteral("-|x|Alarm ikke aktivert"));
        QVERIFY(rows().endsWith(QStringLiteral("Én gang  ·  Vekkerklokke  ·  Av")));
        QCOMPARE(show("lblNextAlarm"), QStringLiteral("Neste alarm: ons. 07:00, Vekkerklokke"));
        // Enter on a row goes on to its form.
        QApplication::setActiveWindow(window);
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Up);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), child(window, "teSetTime"));
        QCOMPARE(show(kAlarmFields + " tbDay6 tbDay7"),
                 QStringLiteral("09:00:00|Påminnelse||x|-|x|-"));
        open(may1(6, 1, 0), "2");
        list = child<QListWidget>(window, "lwAlarms");
        QCOMPARE(rows().count(QLatin1Char('\n')), 2);
        QCOMPARE(show(kAlarmFields + " tbDay1 tbDay7"),
                 QStringLiteral("07:00:00|Vekkerklokke||x|-|x|-"));
        // Delete asks first, and No keeps the alarm.
        answers = QStringList{"Nei", "Ja"};
        for (int tries = 0; tries < 2; ++tries) {
            list->setCurrentRow(1);
            list->setFocus();
            QTest::keyClick(list, Qt::Key_Delete);
        }
        QCOMPARE(boxes.mid(1), (QStringList{"Tivora|Slette alarmen kl. 09:00:00?",
                                            "Tivora|Slette alarmen kl. 09:00:00?"}));
        QCOMPARE(rows(), QStringLiteral("07:00:00  ·  man.-fre.  ·  Vekkerklokke  ·  På\n"
                                        "06:00:30  ·  Én gang  ·  Vekkerklokke  ·  Av"));
        QCOMPARE(show("teSetTime"), QStringLiteral("07:00:00"));
        // The first row gone, the one after it is shown.
        answers = QStringList{"Ja"};
        list->setCurrentRow(0);
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(rows(), QStringLiteral("06:00:30  ·  Én gang  ·  Vekkerklokke  ·  Av"));
        QCOMPARE(show("teSetTime"), QStringLiteral("06:00:30"));
    }
    // Two alarms due in the same second each show their box, with its own snooze length; one
    // sound plays until the last box is answered.
    void twoBoxesOneSound()
    {
        open(may1(7, 29, 0), "1", QTime(7, 30));
        child<QAbstractButton>(window, "btnNewAlarm")->click();
        arm(QTime(7, 30));
        child<QSpinBox>(window, "sbSnooze")->setValue(7);
        const auto open = [] {
            QList<QMessageBox *> all;
            for (QWidget *widget : QApplication::topLevelWidgets())
                if (auto *box = qobject_cast<QMessageBox *>(widget); box && box->isVisible())
                    all << box;
            return all;
        };
        closing = false;
        tick(may1(7, 30, 0));
        QTRY_COMPARE(open().size(), 2);
        QVERIFY(sound()->isPlaying());
        QStringList snoozes;
        for (QMessageBox *box : open())
            snoozes << child<QAbstractButton>(box, "btnSnooze")->text();
        const int seven = snoozes.indexOf(QStringLiteral("Snooze 7 minutes"));
        QVERIFY(seven >= 0 && snoozes.contains(QStringLiteral("Snooze 10 minutes")));
        child<QAbstractButton>(open()[seven], "btnSnooze")->click();
        QTRY_COMPARE(open().size(), 1);
        QVERIFY(sound()->isPlaying());
        QTest::keyClick(open().first(), Qt::Key_Escape); // as OK
        QTRY_VERIFY(open().isEmpty());
        QVERIFY(!sound()->isPlaying());
        QCOMPARE(show("lblNextAlarm"), QStringLiteral("Next alarm: Wed 07:37, Alarm Clock"));
        closing = true;
    }
    // An alarm file that cannot be read whole is kept aside, and the window says so once, in
    // its language, with where the file is and which values it could not read.
    void unreadFileIsTold_data()
    {
        QTest::addColumn<QByteArray>("language");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("told"); // %1: the kept file's path
        QTest::newRow("damaged, in Norwegian")
            << QByteArray("2") << QByteArray("\x89PNG\r\n")
            << "Tivora|Alarmfilen kunne ikke leses, så Tivora starter med en ny alarm. Filen er "
               "tatt vare på som %1.";
        QTest::newRow("values, in English")
            << QByteArray("1")
            << QByteArray("[alarms]\n1\\time=25:99\n1\\armed=true\n2\\days=0\n"
                          "2\\time=07:00:00\nsize=2\n")
            << "Tivora|These values in the alarm file could not be read:\n1\\time=25:99\n"
               "2\\days=0\nTheir alarms keep the rest of their settings, and an alarm whose "
               "time could not be read is off. The file as it was is kept as %1.";
    }
    void unreadFileIsTold()
    {
        QFETCH(QByteArray, language);
        QFETCH(QByteArray, file);
        QFETCH(QString, told);
        put(alarmfile::kPath, file);
        open(may1(6, 0, 0), language);
        const QString aside = path() + "/" + alarmfile::kPath + ".damaged-2024-05-01";
        QCOMPARE(boxes, QStringList{told.arg(aside)});
        QCOMPARE(get(aside), file);
        // Told once: the next start finds a whole file.
        open(may1(6, 0, 1), language);
        QCOMPARE(boxes.size(), 1);
    }
    // Qt's pixmap cache holds its pictures until it is full, pushing out the oldest: the form's
    // repaints, as alarms are chosen or a dialog comes and goes, must not fill it.
    void repaintsFillNoCache_data()
    {
        QTest::addColumn<QString>("action");
        QTest::newRow("choosing alarms") << QString();
        QTest::newRow("opening About") << QStringLiteral("actionAbout");
    }
    void repaintsFillNoCache()
    {
        QFETCH(QString, action);
        open(may1(7, 0, 0), "1", QTime(7, 30));
        child<QAbstractButton>(window, "btnNewAlarm")->click();
        arm(QTime(8, 15));
        child<QSpinBox>(window, "sbSnooze")->setValue(5);
        auto *list = child<QListWidget>(window, "lwAlarms");
        const int limit = QPixmapCache::cacheLimit();
        QPixmapCache::setCacheLimit(256); // KiB: a few pictures of a spin box
        QPixmap kept(16, 16);
        kept.fill(Qt::black);
        QPixmapCache::insert(QStringLiteral("kept"), kept);
        for (int times = 0; times < 40; ++times) {
            if (action.isEmpty()) {
                list->setCurrentRow(times % 2);
            } else {
                QApplication::setActiveWindow(window);
                child<QAction>(window, qPrintable(action))->trigger();
            }
            QCoreApplication::processEvents();
        }
        const bool stillKept = QPixmapCache::find(QStringLiteral("kept"), &kept);
        QPixmapCache::setCacheLimit(limit);
        QVERIFY(stillKept);
    }
    void keyboardTipsAndQuitting()
    {
        putSettings("tooltips", "0");
        open(may1(7, 0, 0));
        QVERIFY(child(window, "lblClock")->toolTip().isEmpty());
        fakeNow = may1(7, 0, 9); // the clock's own timer shows it
        QTRY_COMPARE(show("lblClock"), QStringLiteral("07:00:09"));
        QApplication::setActiveWindow(window);
        auto *description = child<QPlainTextEdit>(window, "pteDescription");
        description->setFocus();
        QTest::keyClick(description, Qt::Key_Tab); // moves on, types no tab
        QVERIFY(description->toPlainText().isEmpty());
        QCOMPARE(QApplication::focusWidget(), child(window, "btnOpenFile"));
        QSignalSpy quitting(shell.get(), &Shell::quitting);
        QVERIFY(window->close()); // not armed: it quits
        QCOMPARE(quitting.count(), 1);
        arm(QTime(7, 30));
        // Armed, closing hides it to ring in the background, saying so the first time only.
        answers = QStringList{QString(), "No", "Yes"};
        for (int close = 0; close < 2; ++close) {
            window->show();
            QVERIFY(!window->close() && window->isHidden());
            QTRY_VERIFY(!QApplication::activeModalWidget());
        }
        child<QAction>(window, "actionExit")->trigger();
        QCOMPARE(quitting.count(), 1);
        trayMenu().last()->trigger(); // the tray's Quit asks the same
        QCOMPARE(quitting.count(), 2);
        const QString quit = QStringLiteral(
            "Tivora|The alarm at 07:30:00 will not ring while Tivora is closed. Quit anyway?");
        QCOMPARE(boxes, QStringList({"Tivora|Tivora keeps running in the background, so the "
                                     "alarm still rings. To quit, choose File > Exit, or Quit in "
                                     "the menu of Tivora's icon in the system tray.",
                                     quit, quit}));
    }
    // A repeating alarm skips its next ring from its button or from the tray's menu, and its
    // row and the status bar say which; a fade is kept; a ring missed while Tivora was not
    // running is named in the status bar at the next start.
    void skipsAndMisses()
    {
        open(may1(6, 0, 0), "1", QTime(7, 0)); // a Wednesday, every day
        auto *skip = child<QAbstractButton>(window, "btnSkipNext");
        QVERIFY(skip->isEnabled() && !skip->isChecked());
        skip->click();
        QCOMPARE(rows(), QStringLiteral("07:00:00  ·  Every day  ·  Alarm Clock  ·  On  ·  "
                                        "skips Wed 07:00"));
        QCOMPARE(show("lblNextAlarm"), QStringLiteral("Next alarm: Thu 07:00, Alarm Clock"));
        tick(may1(7, 0, 0));
        QCOMPARE(heard(), QString());
        QVERIFY(!skip->isChecked() && rows().endsWith(QLatin1String("On")));
        child<QSpinBox>(window, "sbFadeIn")->setValue(30);
        // The tray's menu offers to skip the soonest ring, and unchecking it undoes the skip.
        for (bool on : {true, false}) {
            const QList<QAction *> menu = trayMenu();
            QCOMPARE(menu.size(), 3); // made anew each time it opens
            QAction *entry = menu[1]; // after Show Tivora
            QCOMPARE(entry->text(), QStringLiteral("Skip next (Thu 07:00, Alarm Clock)"));
            QCOMPARE(entry->isChecked(), !on);
            entry->trigger();
            QCOMPARE(skip->isChecked(), on);
        }
        child<QRadioButton>(window, "rbtnAlarmNotActive")->click();
        QVERIFY(!skip->isEnabled());
        child<QRadioButton>(window, "rbtnAlarmActive")->click();
        // Quit at 08:00, started again the next day at 09:00: that morning's ring was missed.
        tick(may1(8, 0, 0));
        open(may1(9, 0, 0).addDays(1), "1");
        QCOMPARE(show("sbFadeIn lblMissed"),
                 QStringLiteral("30 s|Missed alarm: Thu 07:00, Alarm Clock"));
        QCOMPARE(heard(), QString());
    }
    // The notice that closing keeps Tivora running shows once for the user, also across
    // restarts, and never over a ring's box: a ring takes its place.
    void backgroundNotice()
    {
        const QString notice = QStringLiteral(
            "Tivora|Tivora keeps running in the background, so the alarm still rings. To quit, "
            "choose File > Exit, or Quit in the menu of Tivora's icon in the system tray.");
        open(may1(7, 29, 0), "1", QTime(7, 30));
        closing = false;
        QVERIFY(!window->close());
        QTRY_COMPARE(boxes, QStringList{notice});
        tick(may1(7, 30, 0));
        QTRY_COMPARE(QApplication::activeModalWidget()->windowTitle(),
                     QStringLiteral("Alarm Clock"));
        const QWidgetList shownNow = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(shownNow.begin(), shownNow.end(),
                               [](QWidget *widget) {
                                   return qobject_cast<QMessageBox *>(widget) &&
                                          widget->isVisible();
                               }),
                 1);
        // Closed while a ring's box is open: no notice over it.
        window->show();
        QVERIFY(!window->close());
        closing = true;
        QTRY_VERIFY(!QApplication::activeModalWidget());
        // Started again, minimized, then brought to the front and closed: not told again.
        open(may1(7, 31, 0), "1");
        window->showMinimized();
        shell->bringToFront();
        QVERIFY(!window->isMinimized());
        QVERIFY(!window->close());
        QTest::qWait(100);
        QCOMPARE(boxes, (QStringList{notice, "Alarm Clock|"}));
    }
    // Heard while the box is open at the stored volume, the bundled alarm (peak
    // 0.5) when the file cannot be played, silent after Snooze and OK, and heard
    // again when a snooze ends.
    void heardUntilAnswered_data()
    {
        QTest::addColumn<QByteArray>("files"); // volume|stored sound
        QTest::addColumn<double>("peak");
        QTest::addColumn<QStringList>("replies");
        QTest::newRow("tone at 80, snoozed")
            << QByteArray("80|tone.wav") << 0.2 << QStringList{"btnSnooze", "OK"};
        QTest::newRow("tone at 40") << QByteArray("40|tone.wav") << 0.1 << QStringList{"OK"};
        QTest::newRow("bundled alarm") << QByteArray("80|gone.mp3") << 0.4 << QStringList{"OK"};
    }
    void heardUntilAnswered()
    {
        if (sink.isEmpty())
            QSKIP("no test sound server (TIVORA_TEST_SINK is unset)");
        QFETCH(QByteArray, files);
        QFETCH(double, peak);
        QFETCH(QStringList, replies);
        QProcess::execute(QStringLiteral("sox"), QStringList{"-n", "-c", "2", "tone.wav", "synth",
                                                             "3", "sine", "440", "vol", "0.25"});
        putSettings("volume sa", files);
        open(may1(7, 29, 59), "1", QTime(7, 30));
        QDateTime due = may1(7, 30, 0);
        for (const QString &reply : replies) {
            double heard = -1;
            ring(due, [&] {
                // A busy machine may take a while to fall back to the bundled alarm.
                for (int tries = 0; tries < 4 && qAbs(heard - peak) >= 0.04; ++tries)
                    heard = peakOfNextSecond();
                answers = QStringList{reply};
            });
            QVERIFY2(qAbs(heard - peak) < 0.04, qPrintable(QString::number(heard)));
            QVERIFY(peakOfNextSecond() < 0.01);
            due = due.addSecs(10 * 60);
        }
    }
    // With a fade of ten seconds the ring rises from silence: heard in the test sound server's
    // sink, its first second is at least 20 dB below its tenth.
    void fadesIn()
    {
        if (sink.isEmpty())
            QSKIP("no test sound server (TIVORA_TEST_SINK is unset)");
        QProcess::execute(QStringLiteral("sox"), QStringList{"-n", "-c", "2", "tone.wav", "synth",
                                                             "3", "sine", "440", "vol", "0.25"});
        putSettings("volume sa", "80|tone.wav");
        open(may1(7, 29, 59), "1", QTime(7, 30));
        child<QSpinBox>(window, "sbFadeIn")->setValue(10);
        double first = -1, last = -1;
        QElapsedTimer since;
        since.start();
        ring(may1(7, 30, 0), [&] {
            first = peakOfNextSecond();
            QTest::qWait(int(qMax<qint64>(0, 9000 - since.elapsed())));
            last = peakOfNextSecond();
            answers = QStringList{"OK"};
        });
        const double rise = 20 * std::log10(last / qMax(first, 1e-5));
        qInfo("first second's peak %.4f, tenth second's %.4f: %.1f dB", first, last, rise);
        QVERIFY2(last > 0.1 && rise >= 20,
                 qPrintable(QStringLiteral("%1 then %2: %3 dB").arg(first).arg(last).arg(rise)));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
