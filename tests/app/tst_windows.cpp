#include "about/about.h"
#include "app/shell.h"
#include "app/traynotices.h"
#include "articles/articles.h"
#include "kit/desktop.h"
#include "settings/settings.h"
#include "stopwatch/stopwatch.h"
#include "timers/timers.h"
#include "updates/checkupdates.h"

#include "windows.h"

#include <QAction>
#include <QClipboard>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPixmapCache>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QSignalSpy>
#include <QSystemTrayIcon>

namespace {

QStringList styleWarnings;
// A window manager on a busy machine may take its time to show and activate a window.
constexpr int kWindowManagerMs = 20000;

bool offscreen()
{
    return QGuiApplication::platformName() == QLatin1String("offscreen");
}

QRect room()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}
QtMessageHandler testLog = nullptr;

using Make = std::unique_ptr<QWidget> (*)(Program &);

// Each window, made from the program's objects as the program makes it.
const QMap<QString, Make> kWindows{
    {QStringLiteral("MainWindow"),
     [](Program &program) -> std::unique_ptr<QWidget> {
         return std::make_unique<MainWindow>(program.objects());
     }},
    {QStringLiteral("Settings"),
     [](Program &) -> std::unique_ptr<QWidget> { return std::make_unique<Settings>(); }},
    {QStringLiteral("Stopwatch"),
     [](Program &program) -> std::unique_ptr<QWidget> {
         return std::make_unique<Stopwatch>(program.stopwatch);
     }},
    {QStringLiteral("CheckUpdates"),
     [](Program &program) -> std::unique_ptr<QWidget> {
         return std::make_unique<CheckUpdates>(program.updates);
     }},
    {QStringLiteral("Articles"),
     [](Program &program) -> std::unique_ptr<QWidget> {
         return std::make_unique<Articles>(program.articles);
     }},
    {QStringLiteral("About"),
     [](Program &) -> std::unique_ptr<QWidget> { return std::make_unique<About>(); }},
    {QStringLiteral("Timers"), [](Program &program) -> std::unique_ptr<QWidget> {
         return std::make_unique<Timers>(program.timers);
     }}};

// The menu entry that opens each dialog.
const QMap<QString, QString> kActions{
    {QStringLiteral("Settings"), QStringLiteral("actionSettings")},
    {QStringLiteral("Stopwatch"), QStringLiteral("actionStopwatch")},
    {QStringLiteral("CheckUpdates"), QStringLiteral("actionCheck_for_updates")},
    {QStringLiteral("Articles"), QStringLiteral("actionHelp")},
    {QStringLiteral("About"), QStringLiteral("actionAbout")},
    {QStringLiteral("Timers"), QStringLiteral("actionTimer")}};

// The texts of the named widgets, "|" between them; a list's are its items.
QString texts(const QWidget *window, const QString &names)
{
    QStringList all;
    for (const QString &name : names.split(QLatin1Char(' '))) {
        if (const auto *list = window->findChild<QListWidget *>(name)) {
            for (int row = 0; row < list->count(); ++row)
                all << list->item(row)->text();
        } else if (const auto *button = window->findChild<QAbstractButton *>(name)) {
            all << button->text();
        } else {
            all << shown(window, name);
        }
    }
    return all.join(QLatin1Char('|'));
}

} // namespace

// The desktop's notification service, on a connection of its own to the session bus: it keeps
// the notices it was asked to show until it is asked to close them.
class NotificationService : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    QMap<uint, QString> open; // summary by id
    uint last = 0;

    NotificationService()
    {
        bus.registerObject(path, this, QDBusConnection::ExportAllSlots);
        bus.registerService(name);
    }
    ~NotificationService() override { QDBusConnection::disconnectFromBus(bus.name()); }
    // The user picks one of the newest notice's actions.
    void choose(const QString &action)
    {
        QDBusMessage invoked = QDBusMessage::createSignal(path, name, "ActionInvoked");
        invoked << last << action;
        bus.send(invoked);
    }

public slots:
    uint Notify(const QString &, uint, const QString &, const QString &summary, const QString &,
                const QStringList &, const QVariantMap &, int)
    {
        open.insert(++last, summary);
        return last;
    }
    void CloseNotification(uint id) { open.remove(id); }

private:
    const QString name = QStringLiteral("org.freedesktop.Notifications");
    const QString path = QStringLiteral("/org/freedesktop/Notifications");
    QDBusConnection bus =
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("desktop"));
};

class TestWindows : public WindowTest
{
    Q_OBJECT

    QList<QUrl> opened;

    void start() override
    {
        QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "openUrl");
        opened.clear();
    }
    void stop() override
    {
        QVERIFY2(styleWarnings.isEmpty(), qPrintable(styleWarnings.join(QLatin1Char('\n'))));
    }

public slots:
    void openUrl(const QUrl &url) { opened << url; }

private slots:
    // Each menu entry opens its window or page, each link its own page, and a page the desktop
    // cannot open (no browser) is given as an address instead.
    void actionsAndLinks()
    {
        const QString feedback =
            QStringLiteral("http://www.quorvane.com/wordpress1/tivora-evalutation/");
        const QString download = QStringLiteral("http://www.softpedia.com/get/"
                                                "Desktop-Enhancements/Clocks-Time-Management/"
                                                "Tivora.shtml");
        // The desktop's opener starts a browser, which lives on after it, writes to its output
        // and then writes down the page; the opener fails as it does without a browser once
        // there is a file "no-browser".
        const QByteArray here = path().toUtf8();
        put(QStringLiteral("bin/xdg-open"),
            "#!/bin/sh\n[ -e " + here +
                "/no-browser ] && exit 3\n(sleep 0.5; echo \"$1\" && "
                "echo \"$1\" >&2 && echo \"$1\" >>" +
                here + "/pages) &\n");
        QFile::setPermissions(QStringLiteral("bin/xdg-open"), QFile::ReadOwner | QFile::ExeOwner);
        const QByteArray paths = qgetenv("PATH");
        qputenv("PATH", path().toUtf8() + "/bin:" + paths);
        putSettings("lang", "1");
        const auto program = makeProgram();
        Shell shell(*program);
        for (const char *action : {"actionSettings", "actionAbout", "actionStopwatch",
                                   "actionCheck_for_updates", "actionHelp", "actionSend_feedback"})
            child<QAction>(&shell.window(), action)->trigger();
        QCOMPARE(dialogs,
                 QStringList({"Settings", "About", "Stopwatch", "CheckUpdates", "Articles"}));
        // Each page in turn: the two openers run side by side and could write in either order.
        QTRY_COMPARE(QString::fromUtf8(get(QStringLiteral("pages"))), feedback + "\n");
        CheckUpdates updates(program->updates);
        child<QAbstractButton>(&updates, "commandLinkButton")->click();
        QTRY_COMPARE(QString::fromUtf8(get(QStringLiteral("pages"))),
                     feedback + "\n" + download + "\n");
        About about;
        for (auto *link : {child<QLabel>(&about, "label"), child<QLabel>(&about, "label_2")})
            emit link->linkActivated(QStringLiteral("http://elsewhere.example/"));
        QCOMPARE(opened, (QList<QUrl>{QUrl("http://www.quorvane.com/"),
                                      QUrl("http://www.facebook.com/quorvane")}));
        put(QStringLiteral("no-browser"), "");
        child<QAction>(&shell.window(), "actionSend_feedback")->trigger();
        QTRY_COMPARE(boxes.size(), 1);
        child<QAbstractButton>(&updates, "commandLinkButton")->click();
        QTRY_COMPARE(boxes,
                     (QStringList{"Send feedback|No web browser could open the feedback page. "
                                  "Its address is:\n" +
                                      feedback,
                                  "Download Tivora|No web browser could open the download page. "
                                  "Its address is:\n" +
                                      download}));
        qputenv("PATH", paths);
    }
    // A few texts a user sees in each window and language; a code that names no language
    // keeps the form's texts, and most windows say so.
    void languages_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("names");
        QTest::addColumn<QString>("texts");
        QTest::addColumn<QString>("box");
        const auto row = [](const char *window, const QByteArray &file, const char *names,
                            const QString &texts, const QString &box = QString()) {
            QTest::addRow("%s, %s", window, file.toPercentEncoding().constData())
                << QString::fromLatin1(window) << file << QString::fromLatin1(names) << texts
                << box;
        };
        const char *main = "btnOpenFile rbtnAlarmActive cbReason btnDeleteAlarm tbDay1";
        row("MainWindow", "1\r\n", main,
            "Choose audio file|Activate alarm|Alarm Clock|Delete alarm|Mon");
        row("MainWindow", "2 nb", main, "Velg lydfil|Aktiver alarm|Vekkerklokke|Slett alarm|man.");
        const QString loadError = QStringLiteral(
            "Load error|Failed to load previously stored language, please try again.");
        row("MainWindow", "3", main, "Select audio file|Activate Alarm||Delete alarm|Mon",
            loadError);
        const char *settings = "btnClose rbtnNoneAudio cbLanguage";
        row("Settings", "1", settings, "Close|Don't store audio|English");
        row("Settings", "2\r\n", settings, "Lukk|Ikke lagre lyd|Norwegian");
        row("Settings", "", settings, "Cancel|None|English", loadError);
        const char *stopwatch = "btnStop btnClearLog btnExport";
        row("Stopwatch", "1", stopwatch, "Stop|Clear round log|Export");
        row("Stopwatch", "2", stopwatch, "Stopp|Tøm rundelogg|Eksporter");
        row("Stopwatch", "3", "btnExport", "Export round log",
            QStringLiteral("Language error|Failed to load language, please try again."));
        row("CheckUpdates", "1", "commandLinkButton", "Download Tivora");
        row("CheckUpdates", "3", "commandLinkButton", "Last ned Tivora");
        row("Articles", "1", "listArticles",
            "Thank you|The reason for Tivora|Get to know Tivora|Recent changes|"
            "Take a moment to like us!");
        row("Articles", "2", "listArticles",
            "Takk|Årsaken til Tivora|Bli kjent med Tivora|Nylige endringer|"
            "Ta et sekund å lik oss!");
        row("Articles", "3", "listArticles", "");
    }
    void languages()
    {
        QFETCH(QString, window);
        QFETCH(QByteArray, file);
        QFETCH(QString, names);
        QFETCH(QString, box);
        putSettings("lang", file);
        const auto program = makeProgram();
        const auto made = kWindows[window](*program);
        QCOMPARE(boxes, box.isEmpty() ? QStringList() : QStringList{box});
        QTEST(texts(made.get(), names), "texts");
    }
    void everyResourceTheCodeNamesLoads()
    {
        QString code;
        for (const char *folder : {"kit", "alarm", "settings", "stopwatch", "updates", "about"}) {
            QDirIterator files(QStringLiteral(TIVORA_SOURCE_DIR "/") + QLatin1String(folder));
            while (files.hasNext())
                code += QString::fromUtf8(get(files.next()));
        }
        int found = 0;
        for (auto paths =
                 QRegularExpression(QStringLiteral(":/[\\w/.]+\\.(png|wav)")).globalMatch(code);
             paths.hasNext(); ++found)
            QVERIFY2(QFile::exists(paths.peekNext().captured()),
                     qPrintable(paths.next().captured()));
        QVERIFY(found > 20);
    }
    // An article opens on a double-click, or with Enter or Space on the selected title; a
    // click alone only selects it.
    void articlesOpen_data()
    {
        QTest::addColumn<QString>("row"); // language|title|file
        QTest::addColumn<int>("key");     // 0: a double-click
        QTest::newRow("double-click") << "1|Thank you|en/doc_item_one.html" << 0;
        QTest::newRow("Enter") << "1|Recent changes|en/doc_item_four.html" << int(Qt::Key_Return);
        QTest::newRow("Space, Norwegian")
            << "2|Ta et sekund å lik oss!|no/doc_item_fb.html" << int(Qt::Key_Space);
    }
    void articlesOpen()
    {
        QFETCH(QString, row);
        QFETCH(int, key);
        putSettings("lang", row.section('|', 0, 0).toLatin1());
        put(QStringLiteral("data/articles/") + row.section('|', 2), row.section('|', 2).toUtf8());
        HelpArticles articles;
        Articles dialog(articles);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        auto *list = child<QListWidget>(&dialog, "listArticles");
        const QPoint at =
            list->visualItemRect(list->findItems(row.section('|', 1, 1), {}).value(0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(shown(&dialog, QStringLiteral("rtbContent")), QString());
        if (key)
            QTest::keyClick(list, Qt::Key(key));
        else
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(shown(&dialog, QStringLiteral("rtbContent")), row.section('|', 2));
    }
    // Each menu opens with Alt and a letter of its own, in either language.
    void menuShortcuts_data()
    {
        QTest::addColumn<QByteArray>("language");
        QTest::newRow("English") << QByteArray("1");
        QTest::newRow("Norwegian") << QByteArray("2");
    }
    void menuShortcuts()
    {
        QFETCH(QByteArray, language);
        putSettings("lang", language);
        const auto program = makeProgram();
        MainWindow window(program->objects());
        QSet<QChar> letters;
        for (const QAction *menu : child<QMenuBar>(&window, "menuBar")->actions()) {
            const int at = menu->text().indexOf(QLatin1Char('&'));
            QVERIFY2(at >= 0 && at + 1 < menu->text().size(), qPrintable(menu->text()));
            letters << menu->text().at(at + 1).toLower();
        }
        QCOMPARE(letters.size(), 4);
    }
    // An audio chooser starts in the sound's folder, else in Music, else at home, and
    // cancelling it keeps the sound.
    void audioChoosers()
    {
        qputenv("HOME", path().toUtf8());
        const QString sound = path() + QStringLiteral("/data/a.mp3");
        put(sound, "ID3");
        put(path() + QStringLiteral("/b.wav"), "RIFF");
        for (const QString &names : {QStringLiteral("MainWindow btnOpenFile tbFilePath"),
                                     QStringLiteral("Settings btnStoreAudioFile tbStoredAudio")}) {
            QDir().mkpath(QStringLiteral("Music"));
            const auto program = makeProgram();
            const auto window = kWindows[names.section(' ', 0, 0)](*program);
            auto *button =
                child<QAbstractButton>(window.get(), qPrintable(names.section(' ', 1, 1)));
            auto *field = child<QLineEdit>(window.get(), qPrintable(names.section(' ', 2)));
            for (const QString &chosen : {QString(), sound, QStringLiteral("/gone/b.mp3")}) {
                field->setText(chosen);
                button->click();
                QCOMPARE(field->text(), chosen);
                QDir(QStringLiteral("Music")).removeRecursively();
            }
            files << path() + QStringLiteral("/b.wav");
            button->click();
            QCOMPARE(field->text(),
                     files.isEmpty() ? path() + QStringLiteral("/b.wav") : QString());
        }
        const QStringList starts{path() + "/Music", path() + "/data", path(), path()};
        QCOMPARE(folders, starts + starts);
    }
    // Where the tray icon's messages are the notices (Windows), a click on the latest one asks
    // for the window, and a click after it was taken back, or before any, answers nothing.
    void trayMessageClicks()
    {
        qRegisterMetaType<quintptr>("quintptr");
        QSystemTrayIcon icon;
        TrayNotices notices(icon);
        QSignalSpy answered(&notices, &Notices::answered);
        emit icon.messageClicked();
        notices.show(7, QStringLiteral("Alarm Clock 07:30"), QStringLiteral("Bus"), {});
        emit icon.messageClicked();
        notices.withdraw(7);
        emit icon.messageClicked();
        QCOMPARE(answered.size(), 1);
        QCOMPARE(answered[0][0].value<quintptr>(), quintptr(7));
        QCOMPARE(answered[0][1].toString(), QString());
    }
    // An alarm missed while Tivora was not running is told at the start; its ring on the next
    // day, with the window hidden, is another notice. Answered in its box or in its notice, the
    // ring takes both away (CTest runs this on a session bus of its own).
    void notificationsOfAnAlarm_data()
    {
        QTest::addColumn<bool>("inItsNotice");
        QTest::newRow("answered in its box") << false;
        QTest::newRow("Stop in its notice") << true;
    }
    void notificationsOfAnAlarm()
    {
        if (!QDBusConnection::sessionBus().isConnected())
            QSKIP("no session bus");
        QFETCH(bool, inItsNotice);
        NotificationService desktop;
        closing = false;
        putSettings("lang", "1");
        put(QStringLiteral("data/settings/tivora_alarm.ini"),
            "[General]\ntime=07:30:00\nreason=0\narmed=true\n"
            "[program]\nlastCheck=2024-05-01T07:00:00.000\n");
        static QDateTime now;
        now = QDateTime(QDate(2024, 5, 1), QTime(8, 0));
        const auto program = makeProgram([] { return now; });
        Shell shell(*program);
        shell.start(true);
        QTRY_COMPARE(desktop.open.values(),
                     QStringList{QStringLiteral("Missed alarm: Wed 07:30, Alarm Clock")});
        now = QDateTime(QDate(2024, 5, 2), QTime(7, 30));
        program->alarms.tick();
        QTRY_COMPARE(desktop.open.size(), 2);
        QCOMPARE(desktop.open.last(), QStringLiteral("Alarm Clock 07:30"));
        QMessageBox *box = nullptr;
        QTRY_VERIFY((box = shell.window().findChild<QMessageBox *>()));
        if (inItsNotice)
            desktop.choose(QStringLiteral("stop"));
        else
            box->button(QMessageBox::Ok)->click();
        QTRY_VERIFY(program->alarms.ringing().isEmpty());
        QTRY_COMPARE(desktop.open, (QMap<uint, QString>{}));
    }
    // A dialog opened again and again from the menus leaves no picture of its own in Qt's
    // pixmap cache, which on a desktop also holds each window's icon (CTest runs it on X).
    void dialogsFillNoCache_data()
    {
        QTest::addColumn<QString>("action");
        for (const char *action : {"actionSettings", "actionStopwatch", "actionCheck_for_updates",
                                   "actionHelp", "actionAbout", "actionTimer"})
            QTest::newRow(action) << QString::fromLatin1(action);
    }
    void dialogsFillNoCache()
    {
        QFETCH(QString, action);
        const auto program = makeProgram();
        Shell shell(*program);
        QWidget &window = shell.window();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window, kWindowManagerMs));
        const int limit = QPixmapCache::cacheLimit();
        QPixmapCache::setCacheLimit(256); // KiB: a few window icons
        QPixmap kept(16, 16);
        kept.fill(Qt::black);
        QPixmapCache::insert(QStringLiteral("kept"), kept);
        for (int times = 0; times < 20; ++times)
            child<QAction>(&window, qPrintable(action))->trigger();
        const bool stillKept = QPixmapCache::find(QStringLiteral("kept"), &kept);
        QPixmapCache::setCacheLimit(limit);
        QVERIFY(stillKept);
        QCOMPARE(dialogs.size(), 20);
    }
    // On the screens people have (scripts/with-x runs it on several) every window opens whole
    // within the screen, no widget gets less than its minimum, and what takes keyboard focus
    // shows it.
    void everyWidget_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QByteArray>("language");
        for (const QString &window : kWindows.keys()) {
            for (const char *language : {"1", "2"})
                QTest::addRow("%s, %s", qPrintable(window), language)
                    << window << QByteArray(language);
        }
    }
    void everyWidget()
    {
        QFETCH(QString, window);
        QFETCH(QByteArray, language);
        putSettings("lang", language);
        const auto program = makeProgram();
        Shell shell(*program);
        const auto check = [](QWidget *shown) {
            shown->show();
            QVERIFY(QTest::qWaitForWindowExposed(shown, kWindowManagerMs));
            if (!offscreen())
                QTRY_VERIFY2(room().contains(shown->frameGeometry()),
                             qPrintable(QStringLiteral("%1x%2")
                                            .arg(shown->frameGeometry().width())
                                            .arg(shown->frameGeometry().height())));
            // A dialog too large for its screen scrolls in all of its room.
            auto *scroll = shown->findChild<QScrollArea *>(QString(), Qt::FindDirectChildrenOnly);
            if (scroll && !shown->inherits("QMainWindow"))
                QCOMPARE(scroll->geometry(), shown->rect());
            QApplication::setActiveWindow(shown);
            for (QWidget *widget : shown->findChildren<QWidget *>()) {
                if (!widget->isVisibleTo(shown))
                    continue;
                const QSize need = widget->minimumSizeHint();
                QVERIFY2(need.boundedTo(widget->size()) == need, qPrintable(widget->objectName()));
                if (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isEnabled())
                    continue;
                shown->setFocus();
                const QImage unfocused = widget->grab().toImage();
                widget->setFocus(Qt::TabFocusReason);
                QVERIFY2(widget->grab().toImage() != unfocused, qPrintable(widget->objectName()));
            }
        };
        // The main window as the program shows it, each dialog as its menu entry opens it.
        if (window == QLatin1String("MainWindow")) {
            check(&shell.window());
        } else {
            inspect = check;
            child<QAction>(&shell.window(), qPrintable(kActions[window]))->trigger();
            QCOMPARE(dialogs, QStringList{window});
        }
        // No window draws with OpenGL, so none may load its stack.
        const QByteArray mapped = get(QStringLiteral("/proc/self/maps"));
        QVERIFY2(!mapped.contains("libLLVM") && !mapped.contains("_dri.so"), "Mesa is mapped");
    }
    // In every text field's right-click menu, in every window, an entry that cannot be chosen
    // is drawn darker than one that can.
    void disabledMenuEntries()
    {
        putSettings("lang", "2");
        const auto program = makeProgram();
        QApplication::clipboard()->setText(QStringLiteral("lim inn")); // so Paste can be chosen
        // The lightest pixel of an entry's text.
        const auto lightest = [](const QMenu *menu, const QImage &image, QAction *entry) {
            const QRect rect = menu->actionGeometry(entry);
            int most = 0;
            for (int y = rect.top(); y <= rect.bottom(); ++y)
                for (int x = rect.left(); x <= rect.right(); ++x)
                    most = qMax(most, QColor(image.pixel(x, y)).lightness());
            return most;
        };
        int menus = 0;
        for (const QString &name : kWindows.keys()) {
            const auto window = kWindows[name](*program);
            window->show();
            for (QWidget *field : window->findChildren<QWidget *>()) {
                if (!qobject_cast<QLineEdit *>(field) && !qobject_cast<QPlainTextEdit *>(field))
                    continue;
                field->setProperty("plainText", QStringLiteral("tekst"));
                field->setProperty("text", QStringLiteral("tekst"));
                QWidget *area = qobject_cast<QAbstractScrollArea *>(field)
                                    ? qobject_cast<QAbstractScrollArea *>(field)->viewport()
                                    : field;
                QString seen;
                QTimer::singleShot(50, this, [&] {
                    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
                    if (!menu) {
                        seen = QStringLiteral("no menu in ") + name;
                        return;
                    }
                    const QImage image = menu->grab().toImage().scaled(menu->size());
                    int disabled = 0, enabled = 0;
                    for (QAction *entry : menu->actions()) {
                        if (entry->isSeparator())
                            continue;
                        int &kind = entry->isEnabled() ? enabled : disabled;
                        kind = qMax(kind, lightest(menu, image, entry));
                    }
                    seen = QStringLiteral("%1 %2").arg(disabled).arg(enabled);
                    if (disabled == 0 || disabled + 40 > enabled)
                        seen +=
                            QStringLiteral(" in ") + name + QLatin1Char('/') + field->objectName();
                    menu->close();
                });
                QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5),
                                        area->mapToGlobal(QPoint(5, 5)));
                // Some fields run their menu until it closes, others pop it up and go on.
                QApplication::sendEvent(area, &click);
                QTRY_VERIFY(!seen.isEmpty());
                QVERIFY2(!seen.contains(QLatin1String(" in ")), qPrintable(seen));
                ++menus;
            }
        }
        QVERIFY(menus >= 8);
    }
    // A 150% screen scales by 1.5, not by a rounded factor.
    void scaleFollowsTheScreen()
    {
        const QScreen *screen = QGuiApplication::primaryScreen();
        const qreal ratio = screen->devicePixelRatio();
        QVERIFY2(offscreen() || qAbs(ratio - screen->physicalDotsPerInch() * ratio / 96) < 0.05,
                 qPrintable(QString::number(ratio)));
    }
    // Two alarms ring in the same second, one with a description far longer than the screen:
    // each box keeps its buttons on the screen, its text scrolling inside it, and the keyboard
    // answers the newest box first, then the next.
    void ringBoxes()
    {
        closing = false;
        putSettings("lang", "1");
        static QDateTime now;
        now = QDateTime(QDate(2024, 5, 1), QTime(7, 29, 59));
        const auto program = makeProgram([] { return now; });
        Shell shell(*program);
        shell.start(false);
        QVERIFY(QTest::qWaitForWindowActive(&shell.window(), kWindowManagerMs));
        AlarmList &alarms = program->alarms;
        alarms.add();
        for (int i = 0; i < 2; ++i) {
            alarms.at(i).setTime(QTime(7, 30));
            alarms.at(i).setArmed(true);
            alarms.at(i).setDescription(
                QStringLiteral("Alarm %1. ").arg(i + 1).repeated(i == 0 ? 1 : 1000));
        }
        now = now.addSecs(1);
        alarms.tick();
        QList<QMessageBox *> open;
        QTRY_COMPARE((open = shell.window().findChildren<QMessageBox *>()).size(), 2);
        for (QMessageBox *box : open) {
            QVERIFY(QTest::qWaitForWindowExposed(box, kWindowManagerMs));
            if (!offscreen())
                QTRY_VERIFY2(room().contains(box->frameGeometry()),
                             qPrintable(QStringLiteral("%1x%2")
                                            .arg(box->frameGeometry().width())
                                            .arg(box->frameGeometry().height())));
            for (QAbstractButton *button : box->buttons())
                QTRY_VERIFY(room().contains(QRect(button->mapToGlobal(QPoint()), button->size())));
        }
        for (const char *text : {"Alarm 2. Alarm 2.", "Alarm 1."}) {
            // Its default button has the keyboard, and Return answers it.
            QTRY_VERIFY(QApplication::activeWindow() &&
                        QApplication::activeWindow()->findChild<QLabel *>(
                            QStringLiteral("qt_msgbox_label")));
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeWindow());
            QVERIFY(box && box->text().startsWith(QLatin1String(text)));
            QCOMPARE(QApplication::focusWidget(), box->button(QMessageBox::Ok));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QTRY_VERIFY(!box->isVisible());
        }
        QVERIFY(alarms.ringing().isEmpty());
    }
};

int main(int argc, char *argv[])
{
    // Every window sets the theme and the forms their own sheets: none may fail to parse.
    testLog = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &context, const QString &text) {
            if (text.contains(QLatin1String("style"), Qt::CaseInsensitive))
                styleWarnings << text;
            testLog(type, context, text);
        });
    desktop::prepare(); // as the program starts
    QApplication app(argc, argv);
    TestWindows test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_windows.moc"
