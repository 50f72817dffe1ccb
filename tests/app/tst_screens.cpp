#include "about/about.h"
#include "alarm/mainwindow.h"
#include "articles/articles.h"
#include "kit/boxes.h"
#include "kit/desktop.h"
#include "kit/screenfit.h"
#include "settings/settings.h"
#include "stopwatch/stopwatch.h"
#include "updates/checkupdates.h"

#include "windows.h"

#include <QLabel>
#include <QScreen>

namespace {

template <typename Window> std::unique_ptr<QWidget> make()
{
    return std::make_unique<Window>();
}

const QMap<QString, std::unique_ptr<QWidget> (*)()> kWindows{
    {QStringLiteral("MainWindow"), make<MainWindow>},
    {QStringLiteral("Settings"), make<Settings>},
    {QStringLiteral("Stopwatch"), make<Stopwatch>},
    {QStringLiteral("CheckUpdates"), make<CheckUpdates>},
    {QStringLiteral("Articles"), make<Articles>},
    {QStringLiteral("About"), make<About>}};

// Windows whose makers fit them; the others fit themselves.
const QStringList kFittedByMaker{QStringLiteral("MainWindow"), QStringLiteral("CheckUpdates"),
                                 QStringLiteral("Articles")};

QRect room()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

} // namespace

// Run by scripts/with-x on screens of several sizes and resolutions (tests/CMakeLists.txt).
class TestScreens : public WindowTest
{
    Q_OBJECT

    void start() override
    {
        alarmhooks::reset();
        stopwatchhooks::reset();
        articlehooks::reset();
        updatehooks::reset();
        updatehooks::setIndicatorUrl(QUrl(QStringLiteral("http://127.0.0.1:1/")));
    }

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() == QLatin1String("offscreen"))
            QSKIP("needs a window manager placing the windows: run it through scripts/with-x");
    }
    // A 150% screen scales by 1.5, not by a rounded factor.
    void scaleFollowsTheScreen()
    {
        const QScreen *screen = QGuiApplication::primaryScreen();
        const qreal ratio = screen->devicePixelRatio();
        QVERIFY2(qAbs(ratio - screen->physicalDotsPerInch() * ratio / 96) < 0.05,
                 qPrintable(QString::number(ratio)));
    }
    void windowsFit_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QByteArray>("language");
        for (const QString &window : kWindows.keys()) {
            for (const char *language : {"1", "2"})
                QTest::addRow("%s, %s", qPrintable(window), language)
                    << window << QByteArray(language);
        }
    }
    // Each window opens whole within the screen, and no widget gets less than its minimum.
    void windowsFit()
    {
        QFETCH(QString, window);
        QFETCH(QByteArray, language);
        putSettings("lang", language);
        const auto shown = kWindows[window]();
        if (kFittedByMaker.contains(window))
            screenfit::fit(shown.get());
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown.get()));
        QTRY_VERIFY2(room().contains(shown->frameGeometry()),
                     qPrintable(QStringLiteral("%1x%2")
                                    .arg(shown->frameGeometry().width())
                                    .arg(shown->frameGeometry().height())));
        for (QWidget *widget : shown->findChildren<QWidget *>()) {
            const QSize need = widget->minimumSizeHint();
            QVERIFY2(!widget->isVisibleTo(shown.get()) || need.boundedTo(widget->size()) == need,
                     qPrintable(widget->objectName()));
        }
    }
    // A long text scrolls inside its box, and the box's buttons stay on the screen.
    void longBoxFits()
    {
        closing = false;
        QMessageBox box(QMessageBox::Information, QStringLiteral("Alarm Clock"),
                        QStringLiteral("A long description. ").repeated(400), QMessageBox::Ok);
        box.addButton(QStringLiteral("Snooze 10 minutes"), QMessageBox::ActionRole);
        boxes::fitToScreen(box);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QTRY_VERIFY2(box.frameGeometry().height() <= room().height(),
                     qPrintable(QString::number(box.frameGeometry().height())));
        // Every line of the text can be scrolled to, none runs past the box's side.
        const auto *text = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
        QCOMPARE(text->height(), text->heightForWidth(text->width()));
        QVERIFY(text->mapTo(&box, QPoint(text->width(), 0)).x() <= box.width());
        for (QAbstractButton *button : box.buttons())
            QTRY_VERIFY(room().contains(QRect(button->mapToGlobal(QPoint()), button->size())));
    }
};

int main(int argc, char *argv[])
{
    desktop::prepare(); // as the program starts
    QApplication app(argc, argv);
    TestScreens test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_screens.moc"
