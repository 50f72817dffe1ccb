#include "alarm/alarmsound.h"
#include "alarm/mainwindow.h"

#include "boxwatcher.h"
#include "workingfolder.h"

#include <QtTest>
#include <QtWidgets>

#include <memory>

namespace {

QDateTime fakeNow;

QDateTime at(int y, int mo, int d, int h, int mi, int s, int ms = 0)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s, ms));
}

struct Ring
{
    bool playing;
    QString title;
};

const QStringList kEnglishTips = {
    "<b>Current Time</b><br><i>Shows the current local time.</i>",
    "<b>Set alarm time</b><br><i>You can set the time of the alarm in two different ways: <ul> "
    "<li>Manually typing the time</li><li>Using the <b>up-and-down</b>-arrows</li></ul></i>",
    "<b>Alarm Reason</b><br><i>Here you can set the reason for your alarm.</i>",
    "<b>Alarm Description</b><br><i>Here you can enter a description for your alarm. I.e. "
    "'Remember to go by the store for some more milk'</i>",
    "<b>Alarm Activated</b><br><i>Check this checkbox in order to activate your alarm.<i>",
    "<b>Alarm Deactivated</b><br><i>Check this checkbox in order to deactivate your alarm.<i>",
    "<b>Open Audio File</b><br><i>Click this button in order to choose a custom audio file.</i>",
    "<b>File path</b><br><br><i>Displays the file path of the audio file.</i>",
};

const QStringList kNorwegianTips = {
    "<b>Nåværende tid</b><br><i>Viser nåværende lokal tid.</i>",
    "<b>Sett tidspunkt for alarm</b><br><i>Du kan sette tidspunkt for alarmen på to forskjellige "
    "måter: <ul> <li>Manuelt skrive inn tiden</li><li>Bruke <b>opp-og-ned</b>-pilene</li></ul></i>",
    "<b>Alarmens hensikt</b><br><i>Her kan du sette en hensikt for alarmen.</i>",
    "<b>Alarmbeskrivelse</b><br><i>Her kan du sette en beskrivelse for alarmen. F.eks. 'Husk å "
    "kjøpe melk på butikken'</i>",
    "<b>Alarm Aktivert</b><br><i>Sjekk denne sjekkboksen for å aktivere alarmen.<i>",
    "<b>Alarm Deaktivert</b><br><i>Sjekk denne sjekkboksen for å deaktivere alarmen.<i>",
    "<b>Åpne lydil</b><br><i>Klikk på knappen for å åpne en gitt lydfil.</i>",
    "<b>Filplassering</b><br><br><i>Viser filplasseringen til valgt lydfil.</i>",
};

const QStringList kTipWidgets = {"lblClock",       "teSetTime",       "cbReason",
                                 "pteDescription", "rbtnAlarmActive", "rbtnAlarmNotActive",
                                 "btnOpenFile",    "tbFilePath"};

// What a user reads, in one list: menu titles, Help entries, texts, reasons, status texts.
QStringList englishView()
{
    return {"File",
            "Tools",
            "Extras",
            "Help",
            "Exit",
            "Settings",
            "Stopwatch",
            "Check for updates|Send feedback|Information||About",
            "Alarm Clock|Reminder",
            "Choose audio file",
            "Activate alarm",
            "Deactivate alarm",
            "<b>Reason for alarm:</b>",
            "<b>Alarm description:</b>",
            "<b>Set time for alarm:<b>",
            "Details",
            "Alarm currently active",
            "Alarm currently not active"};
}

QStringList norwegianView()
{
    return {"Fil",
            "Verktøy",
            "Ekstra",
            "Hjelp",
            "Avslutt",
            "Innstillinger",
            "Stoppeklokke",
            "Se etter oppdateringer|Send feedback|Informasjon||Om",
            "Vekkerklokke|Påminnelse",
            "Velg lydfil",
            "Aktiver alarm",
            "Deaktiver alarm",
            "<b>Alarmens hensikt:</b>",
            "<b>Alarmens beskrivelse:</b>",
            "<b>Alarmens klokkeslett:<b>",
            "Detaljer",
            "Alarm aktivert",
            "Alarm ikke aktivert"};
}

QStringList defaultView()
{
    return {"&File",
            "&Tools",
            "&Extras",
            "&Help",
            "Exit",
            "Settings",
            "Stopwatch",
            "Check for updates|Send feedback|Information||About",
            "",
            "Select audio file",
            "Activate Alarm",
            "Deactivate Alarm",
            "<b>Reason for alarm:</b>",
            "<b>Alarm description:</b>",
            "<b>Set time:</b>",
            "Details",
            "",
            ""};
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void language_data();
    void language();
    void storedPath_data();
    void storedPath();
    void tooltips_data();
    void tooltips();
    void clockShowsTheTimeEachSecond_data();
    void clockShowsTheTimeEachSecond();
    void alarmAtMidnight();
    void boxTitleAndText_data();
    void boxTitleAndText();
    void oneRingWithTicksInsideTheBox();
    void stallAcrossTheAlarmSecond();
    void suspendedForAnHourRingsSilently();
    void clockSetBackRingsOnce();
    void ringsAgainTheNextDay();
    void settingTheCurrentSecondRingsAtOnce();
    void newTimeTheSameDayRingsAgain();
    void disarmedOrUnsetNeverRings();
    void chooserCancelledEmptiesThePath();
    void chooserPicksAFile();
    void chooserCaptionAndFilters();
    void feedbackPage();

public slots:
    void openUrl(const QUrl &url) { m_opened << url; }

private:
    MainWindow *open(const QByteArray &language = "1");
    MainWindow *openAt(const QDateTime &now, const QByteArray &language = "1")
    {
        fakeNow = now;
        return open(language);
    }
    template <typename T> T *child(const char *name)
    {
        auto *found = m_window->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no %s", name);
        return found;
    }
    void tick(const QDateTime &when)
    {
        fakeNow = when;
        QMetaObject::invokeMethod(m_window.get(), "showTime");
    }
    // Time first, then the Activate button, as a user arms the alarm.
    void arm(const QTime &when)
    {
        child<QTimeEdit>("teSetTime")->setTime(when);
        child<QRadioButton>("rbtnAlarmActive")->click();
    }
    // The last second before 07:30 on a day of May 2024, then 07:30 itself.
    void passHalfPastSeven(int day)
    {
        tick(at(2024, 5, day, 7, 29, 59));
        tick(at(2024, 5, day, 7, 30, 0));
    }
    QStringList view();
    AlarmSound *sound() { return m_window->findChild<AlarmSound *>(); }

    std::unique_ptr<WorkingFolder> m_folder;
    std::unique_ptr<BoxWatcher> m_watcher;
    std::unique_ptr<MainWindow> m_window;
    QList<Ring> m_rings;
    QList<QUrl> m_opened;
    std::function<void()> m_inBox;
};

void TestMainWindow::init()
{
    m_folder = std::make_unique<WorkingFolder>();
    m_watcher = std::make_unique<BoxWatcher>();
    m_rings.clear();
    m_inBox = nullptr;
    alarmhooks::reset();
    fakeNow = at(2024, 5, 1, 12, 0, 0);
    alarmhooks::setClock([] { return fakeNow; });
    alarmhooks::setRingObserver([this] {
        m_rings << Ring{sound()->isPlaying(), child<QComboBox>("cbReason")->currentText()};
        if (m_inBox)
            QTimer::singleShot(20, m_window.get(), m_inBox);
    });
}

void TestMainWindow::cleanup()
{
    m_window.reset();
    alarmhooks::setRingObserver({});
    alarmhooks::setClock({});
    m_watcher.reset();
    m_folder.reset();
}

MainWindow *TestMainWindow::open(const QByteArray &language)
{
    m_folder->writeSetting(QStringLiteral("tivora_lang.txt"), language);
    m_window = std::make_unique<MainWindow>();
    return m_window.get();
}

QStringList TestMainWindow::view()
{
    QStringList list;
    for (const QAction *menu : child<QMenuBar>("menuBar")->actions())
        list << menu->text();
    for (const char *action : {"actionExit", "actionSettings", "actionStopwatch"})
        list << child<QAction>(action)->text();
    QStringList help;
    for (const QAction *entry : child<QMenu>("menuHelp")->actions())
        help << entry->text();
    list << help.join(QLatin1Char('|'));
    auto *reasons = child<QComboBox>("cbReason");
    QStringList items;
    for (int i = 0; i < reasons->count(); ++i)
        items << reasons->itemText(i);
    list << items.join(QLatin1Char('|'));
    list << child<QPushButton>("btnOpenFile")->text()
         << child<QRadioButton>("rbtnAlarmActive")->text()
         << child<QRadioButton>("rbtnAlarmNotActive")->text()
         << child<QLabel>("lblAlarmReason")->text() << child<QLabel>("lblDescription")->text()
         << child<QLabel>("lblSetTime")->text() << child<QGroupBox>("gbAdditional")->title();
    child<QRadioButton>("rbtnAlarmActive")->click();
    list << child<QLabel>("lblAlarmStatus")->text();
    child<QRadioButton>("rbtnAlarmNotActive")->click();
    list << child<QLabel>("lblAlarmStatus")->text();
    return list;
}

void TestMainWindow::language_data()
{
    QTest::addColumn<bool>("present");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("loadError");
    QTest::addColumn<int>("language");

    QTest::newRow("1") << true << QByteArray("1") << false << 1;
    QTest::newRow("2") << true << QByteArray("2") << false << 2;
    QTest::newRow("2 CR LF") << true << QByteArray("2\r\n") << false << 2;
    QTest::newRow("blanks around 1") << true << QByteArray(" \t1 \n") << false << 1;
    QTest::newRow("3") << true << QByteArray("3") << true << 0;
    QTest::newRow("empty") << true << QByteArray() << true << 0;
    QTest::newRow("word") << true << QByteArray("English") << true << 0;
    QTest::newRow("12") << true << QByteArray("12") << true << 0;
    QTest::newRow("missing") << false << QByteArray() << false << 0;
}

void TestMainWindow::language()
{
    QFETCH(bool, present);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, loadError);
    QFETCH(int, language);

    if (present)
        m_folder->writeSetting(QStringLiteral("tivora_lang.txt"), bytes);
    m_window = std::make_unique<MainWindow>();
    // The box came and went while the window was still being built.
    QVERIFY(!m_window->isVisible());
    if (loadError) {
        QCOMPARE(m_watcher->seen().size(), 1);
        const BoxWatcher::Box box = m_watcher->seen().first();
        QCOMPARE(box.className, QStringLiteral("QMessageBox"));
        QCOMPARE(box.title, QStringLiteral("Load error"));
        QCOMPARE(box.text,
                 QStringLiteral("Failed to load previously stored language, please try again."));
        QCOMPARE(box.icon, QMessageBox::Critical);
    } else {
        QVERIFY(m_watcher->seen().isEmpty());
    }

    m_window->show();
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Tivora"));
    QCOMPARE(child<QAction>("actionSend_feedback")->text(), QStringLiteral("Send feedback"));
    QCOMPARE(child<QGroupBox>("groupBox")->title(), QString());
    QCOMPARE(child<QTimeEdit>("teSetTime")->displayFormat(), QStringLiteral("HH:mm:ss"));

    const QStringList tips = language == 1 ? kEnglishTips
                             : language == 2
                                 ? kNorwegianTips
                                 : QStringList{"Running time", "", "", "", "", "", "", ""};
    for (int i = 0; i < kTipWidgets.size(); ++i)
        QCOMPARE(child<QWidget>(qPrintable(kTipWidgets[i]))->toolTip(), tips[i]);

    const QStringList expected = language == 1   ? englishView()
                                 : language == 2 ? norwegianView()
                                                 : defaultView();
    QCOMPARE(view(), expected);
    QCOMPARE(child<QComboBox>("cbReason")->currentIndex(), language ? 0 : -1);
    QCOMPARE(m_watcher->seen().size(), loadError ? 1 : 0);
}

void TestMainWindow::storedPath_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("path");
    QTest::newRow("blanks") << QByteArray("/home/kari/My Music/wake me up.mp3")
                            << QStringLiteral("/home/kari/My Music/wake me up.mp3");
    QTest::newRow("blanks and CR LF") << QByteArray("C:/Users/Kari Nordmann/alarm 1.wav\r\n")
                                      << QStringLiteral("C:/Users/Kari Nordmann/alarm 1.wav");
    QTest::newRow("blanks at both ends")
        << QByteArray("  tune .mp3 \nsecond line") << QStringLiteral("  tune .mp3 ");
    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("letters beyond ASCII")
        << QStringLiteral("/home/kari/lydfiler/påminnelse ø.mp3").toUtf8()
        << QStringLiteral("/home/kari/lydfiler/påminnelse ø.mp3");
}

void TestMainWindow::storedPath()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, path);
    m_folder->writeSetting(QStringLiteral("tivora_sa.txt"), bytes);
    // The stored-audio choice is not the main window's business.
    m_folder->writeSetting(QStringLiteral("tivora_sa_index.txt"), "0");
    open();
    QCOMPARE(child<QLineEdit>("tbFilePath")->text(), path);
}

void TestMainWindow::tooltips_data()
{
    QTest::addColumn<bool>("present");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("shown");
    QTest::newRow("0") << true << QByteArray("0") << false;
    QTest::newRow("0 CR LF") << true << QByteArray("0\r\n") << false;
    QTest::newRow("1") << true << QByteArray("1") << true;
    QTest::newRow("missing") << false << QByteArray() << true;
}

void TestMainWindow::tooltips()
{
    QFETCH(bool, present);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, shown);
    if (present)
        m_folder->writeSetting(QStringLiteral("tivora_tooltips.txt"), bytes);
    open();
    m_window->show();
    if (shown) {
        for (int i = 0; i < kTipWidgets.size(); ++i)
            QCOMPARE(child<QWidget>(qPrintable(kTipWidgets[i]))->toolTip(), kEnglishTips[i]);
        QVERIFY(!child<QToolBar>("mainToolBar")
                     ->widgetForAction(child<QAction>("actionExit"))
                     ->toolTip()
                     .isEmpty());
        return;
    }
    const QList<QWidget *> widgets = m_window->findChildren<QWidget *>();
    for (const QWidget *widget : widgets)
        QVERIFY2(widget->toolTip().isEmpty(), qPrintable(widget->objectName()));
    QVERIFY(m_window->toolTip().isEmpty());
    // Hovering the clock shows nothing.
    auto *clock = child<QLabel>("lblClock");
    QHelpEvent hover(QEvent::ToolTip, QPoint(5, 5), clock->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(clock, &hover);
    QVERIFY(!QToolTip::isVisible());
}

void TestMainWindow::clockShowsTheTimeEachSecond_data()
{
    QTest::addColumn<QDateTime>("when");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("nextTickMs");
    QTest::newRow("on the boundary") << at(2024, 5, 1, 9, 5, 7) << "09:05:07" << 1001;
    QTest::newRow("a quarter past") << at(2024, 5, 1, 9, 5, 7, 250) << "09:05:07" << 751;
    QTest::newRow("last millisecond") << at(2024, 5, 1, 23, 59, 59, 999) << "23:59:59" << 2;
    QTest::newRow("afternoon, 24 hours") << at(2024, 5, 1, 13, 0, 0, 1) << "13:00:00" << 1000;
    QTest::newRow("midnight") << at(2024, 5, 2, 0, 0, 0) << "00:00:00" << 1001;
}

void TestMainWindow::clockShowsTheTimeEachSecond()
{
    QFETCH(QDateTime, when);
    QFETCH(QString, text);
    QFETCH(int, nextTickMs);
    open();
    tick(when);
    QCOMPARE(child<QLabel>("lblClock")->text(), text);
    auto *timer = m_window->findChild<QTimer *>(QStringLiteral("clockTimer"));
    QVERIFY(timer);
    QVERIFY(timer->isActive());
    QVERIFY(timer->isSingleShot());
    QCOMPARE(timer->timerType(), Qt::PreciseTimer);
    QCOMPARE(timer->interval(), nextTickMs);
}

void TestMainWindow::alarmAtMidnight()
{
    openAt(at(2024, 12, 31, 23, 59, 58));
    child<QPlainTextEdit>("pteDescription")->setPlainText(QStringLiteral("Happy new year"));
    child<QRadioButton>("rbtnAlarmActive")->click();
    QCOMPARE(child<QLabel>("lblAlarmStatus")->text(), QStringLiteral("Alarm currently active"));
    tick(at(2024, 12, 31, 23, 59, 59));
    QVERIFY(m_watcher->seen().isEmpty());
    tick(at(2025, 1, 1, 0, 0, 0));
    QCOMPARE(m_watcher->titles(), QStringList{"Alarm Clock"});
    QCOMPARE(m_watcher->seen().first().text, QStringLiteral("Happy new year"));
    QCOMPARE(m_watcher->seen().first().icon, QMessageBox::Information);
    QCOMPARE(m_rings.size(), 1);
    QVERIFY(m_rings.first().playing);
    QVERIFY(!sound()->isPlaying());
    QCOMPARE(child<QLabel>("lblClock")->text(), QStringLiteral("00:00:00"));
    // Still armed afterwards.
    QVERIFY(child<QRadioButton>("rbtnAlarmActive")->isChecked());
}

void TestMainWindow::boxTitleAndText_data()
{
    QTest::addColumn<QByteArray>("language");
    QTest::addColumn<int>("reason");
    QTest::addColumn<QString>("title");
    QTest::newRow("English alarm clock") << QByteArray("1") << 0 << "Alarm Clock";
    QTest::newRow("English reminder") << QByteArray("1") << 1 << "Reminder";
    QTest::newRow("Norwegian alarm clock") << QByteArray("2") << 0 << "Vekkerklokke";
    QTest::newRow("Norwegian reminder") << QByteArray("2") << 1 << "Påminnelse";
    QTest::newRow("no language") << QByteArray() << -1 << "";
}

void TestMainWindow::boxTitleAndText()
{
    QFETCH(QByteArray, language);
    QFETCH(int, reason);
    QFETCH(QString, title);
    openAt(at(2024, 5, 1, 7, 29, 59), language);
    m_watcher->clear();
    child<QComboBox>("cbReason")->setCurrentIndex(reason);
    const QString text = QStringLiteral("Take the pills\nCall Ola <b>now</b>\n\n  then å & ø\t!");
    child<QPlainTextEdit>("pteDescription")->setPlainText(text);
    arm(QTime(7, 30));
    tick(at(2024, 5, 1, 7, 30, 0, 4));
    QCOMPARE(m_watcher->seen().size(), 1);
    QCOMPARE(m_watcher->seen().first().title, title);
    QCOMPARE(m_watcher->seen().first().text, text);
}

void TestMainWindow::oneRingWithTicksInsideTheBox()
{
    openAt(at(2024, 5, 1, 7, 29, 59, 900));
    arm(QTime(7, 30));
    m_watcher->setAutoClose(false);

    bool checked = false;
    m_inBox = [&] {
        QVERIFY(QApplication::activeModalWidget());
        const bool playing = sound()->isPlaying();
        // Ticks of the same second, as the clock timer delivers them inside the box's loop.
        for (int ms : {1, 300, 999}) {
            tick(at(2024, 5, 1, 7, 30, 0, ms));
            QCOMPARE(child<QLabel>("lblClock")->text(), QStringLiteral("07:30:00"));
        }
        tick(at(2024, 5, 1, 7, 30, 1, 2));
        QCOMPARE(child<QLabel>("lblClock")->text(), QStringLiteral("07:30:01"));
        QCOMPARE(m_rings.size(), 1);
        QCOMPARE(sound()->isPlaying(), playing);
        checked = true;
        QTRY_COMPARE(m_watcher->seen().size(), 1);
        QVERIFY(m_watcher->closeOpenBox());
    };
    fakeNow = at(2024, 5, 1, 7, 30, 0, 1);
    QMetaObject::invokeMethod(m_window.get(), "showTime", Qt::QueuedConnection);
    QTRY_VERIFY(checked);
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QCOMPARE(m_rings.size(), 1);
    QVERIFY(m_rings.first().playing);
    QVERIFY(!sound()->isPlaying());
    tick(at(2024, 5, 1, 7, 30, 1, 500));
    QCOMPARE(m_watcher->seen().size(), 1);
}

void TestMainWindow::stallAcrossTheAlarmSecond()
{
    openAt(at(2024, 5, 1, 6, 0, 0));
    arm(QTime(7, 30));
    tick(at(2024, 5, 1, 7, 29, 59, 2));
    tick(at(2024, 5, 1, 7, 30, 1, 2));
    QCOMPARE(m_watcher->titles(), QStringList{"Alarm Clock"});
    QCOMPARE(m_rings.size(), 1);
    QVERIFY(m_rings.first().playing);
    tick(at(2024, 5, 1, 7, 30, 2, 2));
    QCOMPARE(m_rings.size(), 1);
}

void TestMainWindow::suspendedForAnHourRingsSilently()
{
    openAt(at(2024, 5, 1, 6, 40, 0));
    child<QPlainTextEdit>("pteDescription")->setPlainText(QStringLiteral("Bus at 07:45"));
    arm(QTime(7, 30));
    tick(at(2024, 5, 1, 6, 45, 0));
    m_watcher->setAutoClose(false);
    bool silent = false;
    m_inBox = [&] {
        silent = !sound()->isPlaying();
        QTRY_COMPARE(m_watcher->seen().size(), 1);
        m_watcher->closeOpenBox();
    };
    fakeNow = at(2024, 5, 1, 7, 45, 0);
    QMetaObject::invokeMethod(m_window.get(), "showTime", Qt::QueuedConnection);
    QTRY_COMPARE(m_rings.size(), 1);
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QVERIFY(silent);
    QVERIFY(!m_rings.first().playing);
    QCOMPARE(m_watcher->seen().first().text, QStringLiteral("Bus at 07:45"));
    tick(at(2024, 5, 1, 7, 45, 1));
    QCOMPARE(m_rings.size(), 1);
}

void TestMainWindow::clockSetBackRingsOnce()
{
    openAt(at(2024, 5, 1, 7, 0, 0));
    arm(QTime(7, 30));
    passHalfPastSeven(1);
    QCOMPARE(m_rings.size(), 1);
    tick(at(2024, 5, 1, 8, 29, 59));
    tick(at(2024, 5, 1, 7, 29, 59));
    QCOMPARE(child<QLabel>("lblClock")->text(), QStringLiteral("07:29:59"));
    tick(at(2024, 5, 1, 7, 30, 0));
    tick(at(2024, 5, 1, 7, 30, 1));
    QCOMPARE(m_rings.size(), 1);
    QCOMPARE(m_watcher->seen().size(), 1);
}

void TestMainWindow::ringsAgainTheNextDay()
{
    openAt(at(2024, 5, 1, 7, 0, 0));
    arm(QTime(7, 30));
    passHalfPastSeven(1);
    tick(at(2024, 5, 1, 7, 30, 1));
    tick(at(2024, 5, 2, 7, 29, 59));
    QCOMPARE(m_rings.size(), 1);
    QCOMPARE(m_watcher->seen().size(), 1);
    // The watcher knows boxes by address, and the next box may reuse the last one's.
    m_watcher = std::make_unique<BoxWatcher>();
    tick(at(2024, 5, 2, 7, 30, 0));
    QCOMPARE(m_rings.size(), 2);
    QVERIFY(m_rings.at(1).playing);
    QCOMPARE(m_watcher->titles(), QStringList{"Alarm Clock"});
}

void TestMainWindow::settingTheCurrentSecondRingsAtOnce()
{
    openAt(at(2024, 5, 1, 10, 15, 30, 400));
    child<QRadioButton>("rbtnAlarmActive")->click();
    QVERIFY(m_rings.isEmpty());
    // No tick of the clock timer: the change itself is the tick.
    child<QTimeEdit>("teSetTime")->setTime(QTime(10, 15, 30));
    QCOMPARE(m_rings.size(), 1);
    QCOMPARE(m_watcher->seen().size(), 1);
}

void TestMainWindow::newTimeTheSameDayRingsAgain()
{
    openAt(at(2024, 5, 1, 7, 0, 0));
    arm(QTime(7, 30));
    passHalfPastSeven(1);
    fakeNow = at(2024, 5, 1, 7, 31, 0);
    child<QTimeEdit>("teSetTime")->setTime(QTime(7, 40));
    tick(at(2024, 5, 1, 7, 39, 59));
    tick(at(2024, 5, 1, 7, 40, 0));
    QCOMPARE(m_rings.size(), 2);
    // A time already passed today, set now, waits for tomorrow.
    fakeNow = at(2024, 5, 1, 7, 41, 0);
    child<QTimeEdit>("teSetTime")->setTime(QTime(7, 35));
    tick(at(2024, 5, 1, 7, 41, 1));
    QCOMPARE(m_rings.size(), 2);
}

void TestMainWindow::disarmedOrUnsetNeverRings()
{
    openAt(at(2024, 5, 1, 7, 0, 0));
    child<QTimeEdit>("teSetTime")->setTime(QTime(7, 30));
    // Neither button checked: unset.
    passHalfPastSeven(1);
    QCOMPARE(child<QLabel>("lblAlarmStatus")->text(), QString());
    child<QRadioButton>("rbtnAlarmNotActive")->click();
    QCOMPARE(child<QLabel>("lblAlarmStatus")->text(), QStringLiteral("Alarm currently not active"));
    passHalfPastSeven(2);
    QVERIFY(m_rings.isEmpty());
    QVERIFY(m_watcher->seen().isEmpty());
}

void TestMainWindow::chooserCancelledEmptiesThePath()
{
    m_folder->writeSetting(QStringLiteral("tivora_sa.txt"), "/music/stored tune.mp3");
    open();
    QCOMPARE(child<QLineEdit>("tbFilePath")->text(), QStringLiteral("/music/stored tune.mp3"));
    m_watcher->answerFileDialog(QString());
    QTest::mouseClick(child<QPushButton>("btnOpenFile"), Qt::LeftButton);
    QCOMPARE(m_watcher->fileDialogsSeen(), 1);
    QCOMPARE(child<QLineEdit>("tbFilePath")->text(), QString());
    // The path is not saved.
    QCOMPARE(m_folder->read(QStringLiteral("data/settings/tivora_sa.txt")),
             QByteArray("/music/stored tune.mp3"));
}

void TestMainWindow::chooserPicksAFile()
{
    m_folder->write(QStringLiteral("my tunes/wake up.mp3"), "ID3");
    open();
    const QString chosen = m_folder->absolute(QStringLiteral("my tunes/wake up.mp3"));
    m_watcher->answerFileDialog(chosen);
    QTest::mouseClick(child<QPushButton>("btnOpenFile"), Qt::LeftButton);
    QCOMPARE(m_watcher->fileDialogsSeen(), 1);
    QCOMPARE(child<QLineEdit>("tbFilePath")->text(), chosen);
}

void TestMainWindow::chooserCaptionAndFilters()
{
    m_watcher.reset();
    open();
    QString caption;
    QStringList filters;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        if (auto *chooser = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
            caption = chooser->windowTitle();
            filters = chooser->nameFilters();
            chooser->reject();
        }
    });
    poll.start(5);
    child<QLineEdit>("tbFilePath")->setText(QStringLiteral("x"));
    child<QPushButton>("btnOpenFile")->click();
    QCOMPARE(caption, QStringLiteral("Open audio file"));
    QCOMPARE(filters, QStringList({"Mp3 files (*.mp3)", "Wave files (*.wav)"}));
    QCOMPARE(child<QLineEdit>("tbFilePath")->text(), QString());
}

void TestMainWindow::feedbackPage()
{
    open();
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "openUrl");
    child<QAction>("actionSend_feedback")->trigger();
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QCOMPARE(m_opened.size(), 1);
    QCOMPARE(m_opened.first().toString(),
             QStringLiteral("http://www.quorvane.com/wordpress1/tivora-evalutation/"));
    QVERIFY(m_watcher->seen().isEmpty());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
