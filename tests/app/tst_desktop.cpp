#include "about/about.h"
#include "alarm/mainwindow.h"
#include "app/desktop.h"
#include "articles/articles.h"
#include "settings/settings.h"
#include "stopwatch/stopwatch.h"
#include "updates/checkupdates.h"
#include "updates/updateindicator.h"
#include "workingfolder.h"

#include <QApplication>
#include <QtTest>

#include <functional>
#include <memory>

using MakeWindow = std::function<QWidget *()>;
Q_DECLARE_METATYPE(MakeWindow)

// Every window on a real X server at the screen's DPI, set up as the program starts: fonts in
// points and forms and theme in pixels must scale alike.
class TestDesktop : public QObject
{
    Q_OBJECT

private slots:
    void everyWidgetGetsItsMinimumSize_data()
    {
        QTest::addColumn<QByteArray>("language");
        QTest::addColumn<MakeWindow>("make");
        const QList<QPair<const char *, MakeWindow>> windows = {
            {"main window", [] { return new MainWindow; }},
            {"settings", [] { return new Settings; }},
            {"stopwatch", [] { return new Stopwatch; }},
            {"update check", [] { return new CheckUpdates; }},
            {"information", [] { return new Articles; }},
            {"about", [] { return new About; }},
        };
        const char *const languages[] = {"English", "Norwegian"};
        for (int code = 1; code <= 2; ++code)
            for (const auto &window : windows)
                QTest::addRow("%s, %s", window.first, languages[code - 1])
                    << QByteArray::number(code) << window.second;
    }

    void everyWidgetGetsItsMinimumSize()
    {
        QFETCH(QByteArray, language);
        QFETCH(MakeWindow, make);
        WorkingFolder folder;
        folder.writeSetting(QStringLiteral("tivora_lang.txt"), language);
        updateindicator::setIndicatorUrlForTesting(QUrl(QStringLiteral("http://127.0.0.1:9/")));
        const std::unique_ptr<QWidget> window(make());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QStringList crushed;
        for (const QWidget *widget : window->findChildren<QWidget *>()) {
            const QSize need = widget->minimumSizeHint();
            if (widget->isVisibleTo(window.get()) && need.boundedTo(widget->size()) != need)
                crushed << widget->objectName();
        }
        QVERIFY2(crushed.isEmpty(), qPrintable(crushed.join(QStringLiteral(", "))));
    }

    // Runs last: by then every window has been shown.
    void noOpenGlStackIsMapped()
    {
        QFile maps(QStringLiteral("/proc/self/maps"));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        const QByteArray mapped = maps.readAll();
        QVERIFY2(!mapped.contains("libLLVM") && !mapped.contains("_dri.so"), "Mesa is mapped");
    }
};

int main(int argc, char **argv)
{
    desktop::prepare();
    QApplication app(argc, argv);
    TestDesktop test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_desktop.moc"
