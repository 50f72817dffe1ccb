#include "alarm/mainwindow.h"
#include "app/theme.h"

#include "boxwatcher.h"
#include "workingfolder.h"

#include <QtTest>
#include <QtWidgets>

#include <memory>

namespace {

// Rules from..to (1-based, inclusive) of the whole theme, as its text has them.
QString themeRules(int from, int to)
{
    const QString &sheet = theme::darkTheme();
    auto end = [&sheet](int n) {
        int pos = 0;
        for (int i = 0; i < n; ++i) {
            pos = sheet.indexOf(QLatin1Char('}'), pos) + 1;
            if (pos < sheet.size() && sheet.at(pos) == QLatin1Char('\n'))
                ++pos;
        }
        return pos;
    };
    return sheet.mid(end(from - 1), end(to) - end(from - 1));
}

QStringList objectNames(const QList<QAction *> &actions)
{
    QStringList names;
    for (const QAction *action : actions)
        names << (action->isSeparator() ? QStringLiteral("|") : action->objectName());
    return names;
}

} // namespace

class TestMainWindowForm : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void window();
    void objects_data();
    void objects();
    void layouts_data();
    void layouts();
    void layoutContents();
    void defaults();
    void fonts();
    void styleSheets();
    void buddies();
    void actions_data();
    void actions();
    void menus();
    void toolBar();
    void tabOrder();
    void radioButtonsExclusive();
    void slotOrder();
    void closingEndsTheProgram();
    void exitEndsTheProgram();

private:
    template <typename T> T *child(const char *name)
    {
        auto *found = m_window->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no %s", name);
        return found;
    }

    std::unique_ptr<WorkingFolder> m_folder;
    std::unique_ptr<MainWindow> m_window;
};

void TestMainWindowForm::init()
{
    // No settings at all: the form's own defaults stay.
    m_folder = std::make_unique<WorkingFolder>(false);
    alarmhooks::reset();
    alarmhooks::setClock([] { return QDateTime(QDate(2024, 5, 1), QTime(12, 0)); });
    m_window = std::make_unique<MainWindow>();
}

void TestMainWindowForm::cleanup()
{
    m_window.reset();
    alarmhooks::setClock({});
    m_folder.reset();
}

void TestMainWindowForm::window()
{
    QCOMPARE(m_window->objectName(), QStringLiteral("MainWindow"));
    QCOMPARE(m_window->size(), QSize(725, 811));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Tivora"));
    QVERIFY(!m_window->autoFillBackground());
    QCOMPARE(m_window->styleSheet(), theme::darkTheme());
    QVERIFY(!m_window->windowIcon().isNull());
    QVERIFY(!m_window->windowIcon().availableSizes().isEmpty());
    QCOMPARE(m_window->centralWidget(), child<QWidget>("centralWidget"));
    QCOMPARE(m_window->menuBar(), child<QMenuBar>("menuBar"));
    QCOMPARE(m_window->statusBar(), child<QStatusBar>("statusBar"));
    QCOMPARE(m_window->toolBarArea(child<QToolBar>("mainToolBar")), Qt::TopToolBarArea);
    QCOMPARE(m_window->statusBar()->currentMessage(), QString());
}

void TestMainWindowForm::objects_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("parentName");

    const QList<std::pair<const char *, const char *>> central = {
        {"lblClock", "QLabel"},        {"lblSetTime", "QLabel"},  {"teSetTime", "QTimeEdit"},
        {"gbAdditional", "QGroupBox"}, {"groupBox", "QGroupBox"}, {"lblAlarmStatus", "QLabel"}};
    for (const auto &[name, cls] : central)
        QTest::newRow(name) << QString::fromLatin1(cls) << QStringLiteral("centralWidget");
    const QList<std::pair<const char *, const char *>> details = {
        {"lblAlarmReason", "QLabel"},
        {"cbReason", "QComboBox"},
        {"lblDescription", "QLabel"},
        {"pteDescription", "QPlainTextEdit"}};
    for (const auto &[name, cls] : details)
        QTest::newRow(name) << QString::fromLatin1(cls) << QStringLiteral("gbAdditional");
    const QList<std::pair<const char *, const char *>> file = {
        {"tbFilePath", "QLineEdit"},
        {"btnOpenFile", "QPushButton"},
        {"rbtnAlarmActive", "QRadioButton"},
        {"rbtnAlarmNotActive", "QRadioButton"}};
    for (const auto &[name, cls] : file)
        QTest::newRow(name) << QString::fromLatin1(cls) << QStringLiteral("groupBox");
    QTest::newRow("centralWidget") << QStringLiteral("QWidget") << QStringLiteral("MainWindow");
    QTest::newRow("menuBar") << QStringLiteral("QMenuBar") << QStringLiteral("MainWindow");
    QTest::newRow("mainToolBar") << QStringLiteral("QToolBar") << QStringLiteral("MainWindow");
    QTest::newRow("statusBar") << QStringLiteral("QStatusBar") << QStringLiteral("MainWindow");
    for (const char *menu : {"menuFile", "menuSetting", "menuExtras", "menuHelp"})
        QTest::newRow(menu) << QStringLiteral("QMenu") << QStringLiteral("menuBar");
}

void TestMainWindowForm::objects()
{
    QFETCH(QString, className);
    QFETCH(QString, parentName);
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    const QList<QWidget *> found = m_window->findChildren<QWidget *>(name);
    QCOMPARE(found.size(), 1);
    QCOMPARE(QString::fromLatin1(found.first()->metaObject()->className()), className);
    QCOMPARE(found.first()->parent()->objectName(), parentName);
}

void TestMainWindowForm::layouts_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("owner");
    QTest::addColumn<int>("margin");

    // A widget's own layout has margins of 11; inner layouts sit in their outer layout.
    QTest::newRow("verticalLayout_5") << "QVBoxLayout"
                                      << "centralWidget" << 11;
    QTest::newRow("verticalLayout") << "QVBoxLayout"
                                    << "verticalLayout_5" << 0;
    QTest::newRow("verticalLayout_3") << "QVBoxLayout"
                                      << "gbAdditional" << 11;
    QTest::newRow("verticalLayout_2") << "QVBoxLayout"
                                      << "verticalLayout_3" << 0;
    QTest::newRow("verticalLayout_4") << "QVBoxLayout"
                                      << "groupBox" << 11;
    QTest::newRow("horizontalLayout") << "QHBoxLayout"
                                      << "verticalLayout_4" << 0;
    QTest::newRow("horizontalLayout_2") << "QHBoxLayout"
                                        << "verticalLayout_4" << 0;
}

void TestMainWindowForm::layouts()
{
    QFETCH(QString, className);
    QFETCH(QString, owner);
    QFETCH(int, margin);
    auto *layout = m_window->findChild<QLayout *>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(layout);
    QCOMPARE(QString::fromLatin1(layout->metaObject()->className()), className);
    QCOMPARE(layout->parent()->objectName(), owner);
    QCOMPARE(layout->spacing(), 6);
    QCOMPARE(layout->contentsMargins(), QMargins(margin, margin, margin, margin));
}

void TestMainWindowForm::layoutContents()
{
    auto contents = [this](const char *name) {
        QStringList names;
        auto *layout = child<QLayout>(name);
        for (int i = 0; i < layout->count(); ++i) {
            QLayoutItem *item = layout->itemAt(i);
            names << (item->widget() ? item->widget()->objectName() : item->layout()->objectName());
        }
        return names;
    };
    QCOMPARE(
        contents("verticalLayout_5"),
        QStringList({"lblClock", "verticalLayout", "gbAdditional", "groupBox", "lblAlarmStatus"}));
    QCOMPARE(contents("verticalLayout"), QStringList({"lblSetTime", "teSetTime"}));
    QCOMPARE(contents("verticalLayout_3"), QStringList({"verticalLayout_2"}));
    QCOMPARE(contents("verticalLayout_2"),
             QStringList({"lblAlarmReason", "cbReason", "lblDescription", "pteDescription"}));
    QCOMPARE(contents("verticalLayout_4"), QStringList({"horizontalLayout", "horizontalLayout_2"}));
    QCOMPARE(contents("horizontalLayout"), QStringList({"tbFilePath", "btnOpenFile"}));
    QCOMPARE(contents("horizontalLayout_2"),
             QStringList({"rbtnAlarmActive", "rbtnAlarmNotActive"}));
}

void TestMainWindowForm::defaults()
{
    auto *clock = child<QLabel>("lblClock");
    QCOMPARE(clock->toolTip(), QStringLiteral("Running time"));
    QCOMPARE(clock->frameShape(), QFrame::StyledPanel);
    QCOMPARE(clock->frameShadow(), QFrame::Plain);
    QCOMPARE(clock->lineWidth(), 1);
    QCOMPARE(clock->alignment(), Qt::AlignCenter);
    QCOMPARE(child<QLabel>("lblSetTime")->text(), QStringLiteral("<b>Set time:</b>"));
    auto *time = child<QTimeEdit>("teSetTime");
    QCOMPARE(time->displayFormat(), QStringLiteral("HH:mm:ss"));
    QCOMPARE(time->time(), QTime(0, 0));
    QCOMPARE(time->currentSection(), QDateTimeEdit::HourSection);
    QCOMPARE(child<QGroupBox>("gbAdditional")->title(), QStringLiteral("Details"));
    QCOMPARE(child<QLabel>("lblAlarmReason")->text(), QStringLiteral("<b>Reason for alarm:</b>"));
    QCOMPARE(child<QLabel>("lblDescription")->text(), QStringLiteral("<b>Alarm description:</b>"));
    QCOMPARE(child<QComboBox>("cbReason")->count(), 0);
    QCOMPARE(child<QPlainTextEdit>("pteDescription")->toPlainText(), QString());
    auto *box = child<QGroupBox>("groupBox");
    QCOMPARE(box->title(), QString());
    QCOMPARE(box->minimumSize(), QSize(0, 0));
    auto *path = child<QLineEdit>("tbFilePath");
    QCOMPARE(path->text(), QString());
    QVERIFY(path->isReadOnly());
    QCOMPARE(child<QPushButton>("btnOpenFile")->text(), QStringLiteral("Select audio file"));
    QCOMPARE(child<QRadioButton>("rbtnAlarmActive")->text(), QStringLiteral("Activate Alarm"));
    QCOMPARE(child<QRadioButton>("rbtnAlarmNotActive")->text(), QStringLiteral("Deactivate Alarm"));
    QVERIFY(!child<QRadioButton>("rbtnAlarmActive")->isChecked());
    QVERIFY(!child<QRadioButton>("rbtnAlarmNotActive")->isChecked());
    auto *status = child<QLabel>("lblAlarmStatus");
    QCOMPARE(status->text(), QString());
    QCOMPARE(status->alignment(), Qt::AlignCenter);

    // Without a language only the clock carries a tooltip.
    const QList<QWidget *> widgets = m_window->findChildren<QWidget *>();
    for (const QWidget *widget : widgets) {
        if (widget != clock && !qobject_cast<const QToolButton *>(widget))
            QVERIFY2(widget->toolTip().isEmpty(), qPrintable(widget->objectName()));
    }
    // The clock already shows the time it was built at.
    QCOMPARE(clock->text(), QStringLiteral("12:00:00"));
}

void TestMainWindowForm::fonts()
{
    const QFont clock = child<QLabel>("lblClock")->font();
    QCOMPARE(clock.pointSize(), 26);
    QCOMPARE(clock.weight(), 75);
    QVERIFY(clock.bold());
    const QFont path = child<QLineEdit>("tbFilePath")->font();
    QCOMPARE(path.weight(), 75);
    QCOMPARE(path.pointSize(), QApplication::font().pointSize());
    const QFont status = child<QLabel>("lblAlarmStatus")->font();
    QCOMPARE(status.pointSize(), 10);
    QVERIFY(status.bold());
}

void TestMainWindowForm::styleSheets()
{
    const QString gold = QStringLiteral("color: rgb(255,198,0);");
    QCOMPARE(child<QWidget>("centralWidget")->styleSheet(), theme::baseRules());
    QCOMPARE(child<QWidget>("centralWidget")->styleSheet(), themeRules(2, 4));
    QCOMPARE(child<QLabel>("lblClock")->styleSheet(),
             QStringLiteral("QLabel {\n    color: rgb(255,198,0);\n}\n") + themeRules(1, 1));
    QVERIFY(themeRules(1, 1).startsWith(QLatin1String("QToolTip")));
    QCOMPARE(child<QLabel>("lblSetTime")->styleSheet(), gold);
    QCOMPARE(child<QTimeEdit>("teSetTime")->styleSheet(), themeRules(1, 1));
    QCOMPARE(child<QGroupBox>("gbAdditional")->styleSheet(), themeRules(22, 22));
    QVERIFY(themeRules(22, 22).startsWith(QLatin1String("QGroupBox:focus")));
    QCOMPARE(child<QLabel>("lblAlarmReason")->styleSheet(), gold);
    QCOMPARE(child<QLabel>("lblDescription")->styleSheet(), gold);
    QCOMPARE(child<QPlainTextEdit>("pteDescription")->styleSheet(),
             QStringLiteral("background-color: #242424;\ncolor: rgb(255,198,0);"));
    QCOMPARE(child<QLabel>("lblAlarmStatus")->styleSheet(), gold);
    QCOMPARE(child<QMenuBar>("menuBar")->styleSheet(), themeRules(5, 8));
    QVERIFY(themeRules(5, 8).startsWith(QLatin1String("QMenuBar::item {")));
    QVERIFY(themeRules(8, 10).startsWith(QLatin1String("QMenu {")));
    for (const char *menu : {"menuFile", "menuSetting", "menuExtras", "menuHelp"})
        QCOMPARE(child<QMenu>(menu)->styleSheet(), themeRules(8, 10));
    for (const char *plain : {"cbReason", "groupBox", "tbFilePath", "btnOpenFile",
                              "rbtnAlarmActive", "rbtnAlarmNotActive", "mainToolBar", "statusBar"})
        QVERIFY2(child<QWidget>(plain)->styleSheet().isEmpty(), plain);
}

void TestMainWindowForm::buddies()
{
    QCOMPARE(child<QLabel>("lblSetTime")->buddy(), child<QWidget>("teSetTime"));
    QCOMPARE(child<QLabel>("lblAlarmReason")->buddy(), child<QWidget>("cbReason"));
    QCOMPARE(child<QLabel>("lblDescription")->buddy(), child<QWidget>("pteDescription"));
}

void TestMainWindowForm::actions_data()
{
    QTest::addColumn<QString>("icon");
    QTest::addColumn<QString>("text");
    QTest::newRow("actionExit") << ":/images/resources/button_exit.png"
                                << "Exit";
    QTest::newRow("actionSettings") << ":/images/resources/button_settings.png"
                                    << "Settings";
    QTest::newRow("actionAbout") << ":/images/resources/button_about.png"
                                 << "About";
    QTest::newRow("actionStopwatch") << ":/images/resources/button_stopwatch.png"
                                     << "Stopwatch";
    QTest::newRow("actionSend_feedback") << ":/images/resources/buttons_feedback.png"
                                         << "Send feedback";
    QTest::newRow("actionCheck_for_updates") << ":/images/resources/buttons_check_updates.png"
                                             << "Check for updates";
    QTest::newRow("actionHelp") << ":/files/resources/button_information.png"
                                << "Information";
}

void TestMainWindowForm::actions()
{
    QFETCH(QString, icon);
    QFETCH(QString, text);
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    auto *action = m_window->findChild<QAction *>(name);
    QVERIFY(action);
    QCOMPARE(action->parent(), m_window.get());
    QCOMPARE(action->text(), text);
    QVERIFY(QFile::exists(icon));
    const QImage expected(icon);
    QVERIFY(!expected.isNull());
    QCOMPARE(action->icon().pixmap(expected.size()).toImage(),
             QIcon(icon).pixmap(expected.size()).toImage());
}

void TestMainWindowForm::menus()
{
    auto *bar = child<QMenuBar>("menuBar");
    QStringList titles;
    QStringList menus;
    for (const QAction *entry : bar->actions()) {
        titles << entry->text();
        menus << entry->menu()->objectName();
    }
    QCOMPARE(menus, QStringList({"menuFile", "menuSetting", "menuExtras", "menuHelp"}));
    QCOMPARE(titles, QStringList({"&File", "&Tools", "&Extras", "&Help"}));
    QCOMPARE(objectNames(child<QMenu>("menuFile")->actions()), QStringList({"actionExit"}));
    QCOMPARE(objectNames(child<QMenu>("menuSetting")->actions()), QStringList({"actionSettings"}));
    QCOMPARE(objectNames(child<QMenu>("menuExtras")->actions()), QStringList({"actionStopwatch"}));
    QCOMPARE(objectNames(child<QMenu>("menuHelp")->actions()),
             QStringList({"actionCheck_for_updates", "actionSend_feedback", "actionHelp", "|",
                          "actionAbout"}));
}

void TestMainWindowForm::toolBar()
{
    QCOMPARE(objectNames(child<QToolBar>("mainToolBar")->actions()),
             QStringList({"actionExit", "actionSettings", "actionStopwatch", "actionAbout",
                          "actionHelp", "actionSend_feedback", "actionCheck_for_updates"}));
}

void TestMainWindowForm::tabOrder()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    const QStringList expected = {"teSetTime",   "cbReason",        "pteDescription",
                                  "btnOpenFile", "rbtnAlarmActive", "rbtnAlarmNotActive",
                                  "tbFilePath"};
    // The order in which Tab reaches the form's fields.
    QStringList reached;
    QWidget *widget = child<QWidget>("teSetTime");
    for (int guard = 0; guard < 200 && reached.size() < expected.size(); ++guard) {
        if (expected.contains(widget->objectName()) && !reached.contains(widget->objectName()))
            reached << widget->objectName();
        widget = widget->nextInFocusChain();
    }
    QCOMPARE(reached, expected);

    // Tab itself (inside the time editor it steps through the hour, minute and second).
    const QList<std::pair<const char *, const char *>> steps = {
        {"cbReason", "pteDescription"},
        {"btnOpenFile", "rbtnAlarmActive"},
        {"rbtnAlarmNotActive", "tbFilePath"}};
    for (const auto &[from, to] : steps) {
        child<QWidget>(from)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(to));
    }
}

void TestMainWindowForm::radioButtonsExclusive()
{
    m_window->show();
    auto *on = child<QRadioButton>("rbtnAlarmActive");
    auto *off = child<QRadioButton>("rbtnAlarmNotActive");
    QVERIFY(on->autoExclusive());
    QTest::mouseClick(on, Qt::LeftButton);
    QVERIFY(on->isChecked());
    QVERIFY(!off->isChecked());
    QTest::mouseClick(off, Qt::LeftButton);
    QVERIFY(!on->isChecked());
    QVERIFY(off->isChecked());
    QTest::mouseClick(off, Qt::LeftButton);
    QVERIFY(off->isChecked());
}

void TestMainWindowForm::slotOrder()
{
    const QMetaObject *meta = m_window->metaObject();
    QStringList names;
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        QCOMPARE(method.methodType(), QMetaMethod::Slot);
        QCOMPARE(method.access(), QMetaMethod::Private);
        QCOMPARE(method.parameterCount(), 0);
        names << QString::fromLatin1(method.name());
    }
    QCOMPARE(names,
             QStringList({"showTime", "englishLang", "norwegianLang", "on_btnOpenFile_clicked",
                          "on_actionExit_triggered", "on_actionSettings_triggered",
                          "on_actionAbout_triggered", "on_actionStopwatch_triggered",
                          "on_actionSend_feedback_triggered",
                          "on_actionCheck_for_updates_triggered", "on_actionHelp_triggered"}));
}

void TestMainWindowForm::closingEndsTheProgram()
{
    m_window->show();
    QTimer::singleShot(0, m_window.get(), [this] { m_window->close(); });
    QCOMPARE(QApplication::exec(), 0);
}

void TestMainWindowForm::exitEndsTheProgram()
{
    m_window->show();
    QTimer::singleShot(0, m_window.get(), [this] { child<QAction>("actionExit")->trigger(); });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(m_window->isVisible());
}

QTEST_MAIN(TestMainWindowForm)
#include "tst_mainwindowform.moc"
