#include "about/about.h"
#include "alarm/mainwindow.h"
#include "kit/desktop.h"
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
        QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "openUrl");
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
    // Each action opens its window or page, each link of the about box its own page, and a
    // page no browser can open is given as an address.
    void actionsAndLinks()
    {
        putSettings("lang", "1");
        MainWindow window;
        for (const char *action : {"actionSettings", "actionAbout", "actionStopwatch",
                                   "actionCheck_for_updates", "actionHelp", "actionSend_feedback"})
            child<QAction>(&window, action)->trigger();
        QCOMPARE(dialogs,
                 QStringList({"Settings", "About", "Stopwatch", "CheckUpdates", "Articles"}));
        About about;
        for (auto *link : {child<QLabel>(&about, "label"), child<QLabel>(&about, "label_2")}) {
            emit link->linkActivated(QStringLiteral("http://elsewhere.example/"));
            QVERIFY(link->text().contains(opened.last().toString()));
        }
        QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "noSuchSlot");
        child<QAction>(&window, "actionSend_feedback")->trigger();
        QCOMPARE(opened.size(), 3);
        QCOMPARE(boxes, QStringList{"Send feedback|No web browser could open the feedback page. "
                                    "Its address is:\n" +
                                    opened[0].toString()});
    }
    void languages_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("box");
        const auto row = [](const QString &window, const QByteArray &file, int language,
                            const QString &box) {
            QTest::addRow("%s, %s", qPrintable(window), file.toPercentEncoding().constData())
                << window << file << language << box;
        };
        for (const QString &window : kWindows.keys()) {
            for (int code = 1; code <= 2 && kWindows[window].second; ++code)
                row(window, QByteArray::number(code) + "\r\n", code, QString());
        }
        const QString loadError = QStringLiteral(
            "Load error|Failed to load previously stored language, please try again.");
        row("MainWindow", "3", 0, loadError);
        row("Settings", "", 0, loadError);
        row("Stopwatch", "3", 0,
            QStringLiteral("Language error|Failed to load language, please try again."));
        row("Articles", "3", 0, QString());
    }
    void languages()
    {
        QFETCH(QString, window);
        QFETCH(QByteArray, file);
        QFETCH(int, language);
        QFETCH(QString, box);
        putSettings("lang", file.isNull() ? "-" : file);
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
    void articleDoubleClickShowsItsFile()
    {
        for (const QString &row :
             {QStringLiteral("1|Thank you|en/doc_item_one.html"),
              QStringLiteral("2|Ta et sekund å lik oss!|no/doc_item_fb.html")}) {
            putSettings("lang", row.section('|', 0, 0).toLatin1());
            put(QStringLiteral("data/articles/") + row.section('|', 2),
                row.section('|', 2).toUtf8());
            Articles dialog;
            dialog.show();
            auto *list = child<QListWidget>(&dialog, "listArticles");
            const QPoint at =
                list->visualItemRect(list->findItems(row.section('|', 1, 1), {}).value(0)).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
            QCOMPARE(shown(&dialog, QStringLiteral("rtbContent")), row.section('|', 2));
        }
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
            const auto window = kWindows[names.section(' ', 0, 0)].first();
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
    // On any screen (scripts/with-x runs it at 96 and 192 DPI) no widget gets less than its
    // minimum, and what takes keyboard focus shows it.
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
        const auto shown = kWindows[window].first();
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown.get()));
        QApplication::setActiveWindow(shown.get());
        for (QWidget *widget : shown->findChildren<QWidget *>()) {
            if (!widget->isVisibleTo(shown.get()))
                continue;
            const QSize need = widget->minimumSizeHint();
            QVERIFY2(need.boundedTo(widget->size()) == need, qPrintable(widget->objectName()));
            if (!(widget->focusPolicy() & Qt::TabFocus))
                continue;
            shown->setFocus();
            const QImage unfocused = widget->grab().toImage();
            widget->setFocus(Qt::TabFocusReason);
            QVERIFY2(widget->grab().toImage() != unfocused, qPrintable(widget->objectName()));
        }
        // No window draws with OpenGL, so none may load its stack.
        const QByteArray mapped = get(QStringLiteral("/proc/self/maps"));
        QVERIFY2(!mapped.contains("libLLVM") && !mapped.contains("_dri.so"), "Mesa is mapped");
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
