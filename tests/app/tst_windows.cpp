#include "about/about.h"
#include "alarm/mainwindow.h"
#include "app/desktop.h"
#include "articles/articles.h"
#include "settings/settings.h"
#include "stopwatch/stopwatch.h"
#include "updates/checkupdates.h"

#include "windows.h"

#include <QAction>
#include <QDesktopServices>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTextEdit>

namespace {

QStringList styleWarnings;
QtMessageHandler testLog = nullptr;

template <typename Window> std::unique_ptr<QWidget> make()
{
    return std::make_unique<Window>();
}

// Each window, and its table of texts when it follows the language.
const QMap<QString, QPair<std::unique_ptr<QWidget> (*)(), const texttable::Table *>> kWindows{
    {QStringLiteral("MainWindow"), {make<MainWindow>, &alarmhooks::texts()}},
    {QStringLiteral("Settings"), {make<Settings>, &settingshooks::texts()}},
    {QStringLiteral("Stopwatch"), {make<Stopwatch>, &stopwatchhooks::texts()}},
    {QStringLiteral("CheckUpdates"), {make<CheckUpdates>, &updatehooks::texts()}},
    {QStringLiteral("Articles"), {make<Articles>, &articlehooks::texts()}},
    {QStringLiteral("About"), {make<About>, nullptr}}};

} // namespace

class TestWindows : public WindowTest
{
    Q_OBJECT

    QList<QUrl> opened;

    void start() override
    {
        opened.clear();
        alarmhooks::reset();
        stopwatchhooks::reset();
        articlehooks::reset();
        updatehooks::reset();
        updatehooks::setIndicatorUrl(QUrl(QStringLiteral("http://127.0.0.1:1/")));
    }
    void stop() override
    {
        QVERIFY2(styleWarnings.isEmpty(), qPrintable(styleWarnings.join(QLatin1Char('\n'))));
    }

public slots:
    void openUrl(const QUrl &url) { opened << url; }

private slots:
    void initTestCase()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "openUrl");
        // Every window sets the theme and the forms their own sheets: none may fail to parse.
        testLog = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext &context, const QString &text) {
                if (text.contains(QLatin1String("style"), Qt::CaseInsensitive))
                    styleWarnings << text;
                testLog(type, context, text);
            });
    }
    void everyWindowOpensFromItsAction()
    {
        putSettings("lang", "1");
        MainWindow window;
        window.show();
        for (const char *action : {"actionSettings", "actionAbout", "actionStopwatch",
                                   "actionCheck_for_updates", "actionHelp"})
            child<QAction>(&window, action)->trigger();
        QCOMPARE(dialogs,
                 QStringList({"Settings", "About", "Stopwatch", "CheckUpdates", "Articles"}));
    }
    void languages_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("box");
        for (const QString &window : kWindows.keys()) {
            if (!kWindows[window].second)
                continue;
            QTest::addRow("%s, 1", qPrintable(window))
                << window << QByteArray("1") << 1 << QString();
            QTest::addRow("%s, 2 CR LF", qPrintable(window))
                << window << QByteArray("2\r\n") << 2 << QString();
        }
        const QString loadError = QStringLiteral(
            "Load error|Failed to load previously stored language, please try again.");
        QTest::newRow("MainWindow, 3") << "MainWindow" << QByteArray("3") << 0 << loadError;
        QTest::newRow("Settings, empty") << "Settings" << QByteArray("") << 0 << loadError;
        QTest::newRow("Stopwatch, 3")
            << "Stopwatch" << QByteArray("3") << 0
            << "Language error|Failed to load language, please try again.";
        QTest::newRow("CheckUpdates, none") << "CheckUpdates" << QByteArray() << 2 << QString();
        QTest::newRow("Articles, 3") << "Articles" << QByteArray("3") << 0 << QString();
    }
    void languages()
    {
        QFETCH(QString, window);
        QFETCH(QByteArray, file);
        QFETCH(int, language);
        QFETCH(QString, box);
        put(setting("lang"), file);
        const auto shown = kWindows[window].first();
        QCOMPARE(boxes, box.isEmpty() ? QStringList() : QStringList{box});
        if (language)
            checkTexts(shown.get(), *kWindows[window].second,
                       language == 1 ? Language::English : Language::Norwegian);
        else if (auto *list = shown->findChild<QListWidget *>())
            QCOMPARE(list->count(), 0);
    }
    void everyResourceTheCodeNamesLoads()
    {
        const QRegularExpression path(QStringLiteral(":/[\\w/.]+\\.(png|wav)"));
        int found = 0;
        for (const char *folder :
             {"app", "alarm", "settings", "stopwatch", "updates", "articles", "about"}) {
            QDirIterator files(QStringLiteral(TIVORA_SOURCE_DIR "/") + QLatin1String(folder),
                               {"*.cpp", "*.ui"});
            while (files.hasNext()) {
                auto matches = path.globalMatch(QString::fromUtf8(get(files.next())));
                for (; matches.hasNext(); ++found) {
                    const QString resource = matches.next().captured();
                    QVERIFY2(QFile::exists(resource), qPrintable(resource));
                }
            }
        }
        QVERIFY(found > 20);
    }
    void articleDoubleClickShowsItsFile_data()
    {
        QTest::addColumn<QByteArray>("language");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("file");
        QTest::newRow("English") << QByteArray("1") << "Recent changes"
                                 << "en/doc_item_four.html";
        QTest::newRow("Norwegian") << QByteArray("2") << "Ta et sekund å lik oss!"
                                   << "no/doc_item_fb.html";
    }
    void articleDoubleClickShowsItsFile()
    {
        QFETCH(QByteArray, language);
        QFETCH(QString, title);
        putSettings("lang", language);
        for (const char *name : {"en/doc_item_four.html", "no/doc_item_fb.html"})
            put(QStringLiteral("data/articles/") + QLatin1String(name), name);
        Articles dialog;
        dialog.show();
        auto *list = child<QListWidget>(&dialog, "listArticles");
        QListWidgetItem *item = list->findItems(title, Qt::MatchExactly).value(0);
        QVERIFY(item);
        const QPoint at = list->visualItemRect(item).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(child<QTextEdit>(&dialog, "rtbContent")->toPlainText(), QString());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        QTEST(child<QTextEdit>(&dialog, "rtbContent")->toPlainText(), "file");
    }
    // A chooser starts in the sound's folder, else in Music, else at home, and
    // cancelling it keeps the sound.
    void audioChoosers_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("names"); // the chooser's button and the path field
        QTest::newRow("main window") << "MainWindow"
                                     << "btnOpenFile tbFilePath";
        QTest::newRow("settings") << "Settings"
                                  << "btnStoreAudioFile tbStoredAudio";
    }
    void audioChoosers()
    {
        QFETCH(QString, window);
        QFETCH(QString, names);
        qputenv("HOME", path().toUtf8());
        QDir().mkpath(QStringLiteral("Music"));
        const auto shown = kWindows[window].first();
        auto *button = child<QAbstractButton>(shown.get(), qPrintable(names.section(' ', 0, 0)));
        auto *field = child<QLineEdit>(shown.get(), qPrintable(names.section(' ', 1)));
        const QString sound = path() + QStringLiteral("/data/a.mp3");
        put(sound, "ID3");
        for (const QString &chosen : {QString(), sound, QStringLiteral("/gone/b.mp3")}) {
            field->setText(chosen);
            button->click();
            QCOMPARE(field->text(), chosen);
            QDir(QStringLiteral("Music")).removeRecursively();
        }
        QCOMPARE(folders, QStringList({path() + "/Music", path() + "/data", path()}));
    }
    void aLinkNoBrowserCanOpenGivesItsAddress()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "noSuchSlot");
        MainWindow window;
        child<QAction>(&window, "actionSend_feedback")->trigger();
        QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "openUrl");
        child<QAction>(&window, "actionSend_feedback")->trigger();
        QCOMPARE(boxes,
                 QStringList{"Send feedback|No web browser could open the feedback page. Its "
                             "address is:\n" +
                             opened.value(0).toString()});
    }
    // What has keyboard focus looks different from what has not.
    void focusShows()
    {
        putSettings("lang", "1");
        for (const auto &make : kWindows) {
            const auto window = make.first();
            window->show();
            QApplication::setActiveWindow(window.get());
            for (QWidget *widget : window->findChildren<QWidget *>()) {
                if (!widget->isVisibleTo(window.get()) || !(widget->focusPolicy() & Qt::TabFocus))
                    continue;
                window->setFocus();
                const QImage before = widget->grab().toImage();
                widget->setFocus(Qt::TabFocusReason);
                QVERIFY2(widget->grab().toImage() != before, qPrintable(widget->objectName()));
            }
        }
    }
    // On a real X server at any DPI (scripts/with-x) no widget gets less than its minimum.
    void minimumSizes_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QByteArray>("language");
        for (const QString &window : kWindows.keys()) {
            QTest::addRow("%s, English", qPrintable(window)) << window << QByteArray("1");
            QTest::addRow("%s, Norwegian", qPrintable(window)) << window << QByteArray("2");
        }
    }
    void minimumSizes()
    {
        QFETCH(QString, window);
        QFETCH(QByteArray, language);
        putSettings("lang", language);
        const auto shown = kWindows[window].first();
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown.get()));
        QStringList crushed;
        for (const QWidget *widget : shown->findChildren<QWidget *>()) {
            const QSize need = widget->minimumSizeHint();
            if (widget->isVisibleTo(shown.get()) && need.boundedTo(widget->size()) != need)
                crushed << widget->objectName();
        }
        QVERIFY2(crushed.isEmpty(), qPrintable(crushed.join(QLatin1Char(' '))));
    }
    // Run last under X11: every window has been shown, and none draws with OpenGL.
    void noOpenGlStackIsMapped()
    {
        const QByteArray mapped = get(QStringLiteral("/proc/self/maps"));
        QVERIFY2(!mapped.contains("libLLVM") && !mapped.contains("_dri.so"), "Mesa is mapped");
    }
    void aboutLinksOpenTheirOwnPages()
    {
        About dialog;
        for (const char *name : {"label", "label_2"}) {
            auto *link = child<QLabel>(&dialog, name);
            emit link->linkActivated(QStringLiteral("http://elsewhere.example/"));
            QCOMPARE(opened.size(), 1);
            QVERIFY(link->text().contains(opened.takeFirst().toString()));
        }
    }
};

int main(int argc, char *argv[])
{
    desktop::prepare(); // as the program starts
    QApplication app(argc, argv);
    TestWindows test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_windows.moc"
