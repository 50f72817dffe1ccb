#include "app/theme.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDockWidget>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QTimeEdit>
#include <QToolBar>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

namespace {

struct Rule
{
    QString selector;
    QStringList declarations;
};

// The theme's rules as a table, gradients in short form: V(...) top to bottom, H(...) left to
// right, radial(...) a radial gradient.
const char *const kTable[][2] = {
    {"QToolTip", "border: 1px solid black; background-color: #ffa02f; padding: 1px; border-radius: "
                 "3px; opacity: 100"},
    {"QWidget", "color: #b1b1b1; background-color: #323232"},
    {"QWidget:item:hover", "background-color: V(0 #ffa02f, 1 #ca0619); color: #000000"},
    {"QWidget:item:selected", "background-color: V(0 #ffa02f, 1 #d7801a)"},
    {"QMenuBar::item", "background: transparent"},
    {"QMenuBar::item:selected", "background: transparent; border: 1px solid #ffaa00"},
    {"QMenuBar::item:pressed", "background: #444; border: 1px solid #000; background-color: V(1 "
                               "#212121, 0.4 #343434); margin-bottom:-1px; padding-bottom:1px"},
    {"QMenu", "border: 1px solid #000"},
    {"QMenu::item", "padding: 2px 20px 2px 20px"},
    {"QMenu::item:selected", "color: #000000"},
    {"QWidget:disabled", "color: #404040; background-color: #323232"},
    {"QAbstractItemView", "background-color: V(0 #4d4d4d, 0.1 #646464, 1 #5d5d5d)"},
    {"QLineEdit", "background-color: V(0 #4d4d4d, 0 #646464, 1 #5d5d5d); padding: 1px; "
                  "border-style: solid; border: 1px solid #1e1e1e; border-radius: 5"},
    {"QPushButton",
     "color: #b1b1b1; background-color: V(0 #565656, 0.1 #525252, 0.5 #4e4e4e, 0.9 #4a4a4a, 1 "
     "#464646); border-width: 1px; border-color: #1e1e1e; border-style: solid; border-radius: 6; "
     "padding: 3px; font-size: 12px; padding-left: 5px; padding-right: 5px"},
    {"QPushButton:pressed",
     "background-color: V(0 #2d2d2d, 0.1 #2b2b2b, 0.5 #292929, 0.9 #282828, 1 #252525)"},
    {"QComboBox", "selection-background-color: #ffaa00; background-color: V(0 #565656, 0.1 "
                  "#525252, 0.5 #4e4e4e, 0.9 #4a4a4a, 1 #464646); border-style: solid; border: 1px "
                  "solid #1e1e1e; border-radius: 5"},
    {"QComboBox:hover,QPushButton:hover", "border: 2px solid V(0 #ffa02f, 1 #d7801a)"},
    {"QComboBox:on",
     "padding-top: 3px; padding-left: 4px; background-color: V(0 #2d2d2d, 0.1 #2b2b2b, 0.5 "
     "#292929, 0.9 #282828, 1 #252525); selection-background-color: #ffaa00"},
    {"QComboBox QAbstractItemView",
     "border: 2px solid darkgray; selection-background-color: V(0 #ffa02f, 1 #d7801a)"},
    {"QComboBox::drop-down",
     "subcontrol-origin: padding; subcontrol-position: top right; width: 15px; border-left-width: "
     "0px; border-left-color: darkgray; border-left-style: solid; border-top-right-radius: 3px; "
     "border-bottom-right-radius: 3px"},
    {"QComboBox::down-arrow", "image: url(:/images/resources/down_arrow.png)"},
    {"QGroupBox:focus", "border: 2px solid V(0 #ffa02f, 1 #d7801a)"},
    {"QTextEdit:focus", "border: 2px solid V(0 #ffa02f, 1 #d7801a)"},
    {"QScrollBar:horizontal", "border: 1px solid #222222; background: V(0.0 #121212, 0.2 #282828, "
                              "1 #484848); height: 7px; margin: 0px 16px 0 16px"},
    {"QScrollBar::handle:horizontal",
     "background: H(0 #ffa02f, 0.5 #d7801a, 1 #ffa02f); min-height: 20px; border-radius: 2px"},
    {"QScrollBar::add-line:horizontal",
     "border: 1px solid #1b1b19; border-radius: 2px; background: H(0 #ffa02f, 1 #d7801a); width: "
     "14px; subcontrol-position: right; subcontrol-origin: margin"},
    {"QScrollBar::sub-line:horizontal",
     "border: 1px solid #1b1b19; border-radius: 2px; background: H(0 #ffa02f, 1 #d7801a); width: "
     "14px; subcontrol-position: left; subcontrol-origin: margin"},
    {"QScrollBar::right-arrow:horizontal, QScrollBar::left-arrow:horizontal",
     "border: 1px solid black; width: 1px; height: 1px; background: white"},
    {"QScrollBar::add-page:horizontal, QScrollBar::sub-page:horizontal", "background: none"},
    {"QScrollBar:vertical", "background: H(0.0 #121212, 0.2 #282828, 1 #484848); width: 7px; "
                            "margin: 16px 0 16px 0; border: 1px solid #222222"},
    {"QScrollBar::handle:vertical",
     "background: V(0 #ffa02f, 0.5 #d7801a, 1 #ffa02f); min-height: 20px; border-radius: 2px"},
    {"QScrollBar::add-line:vertical",
     "border: 1px solid #1b1b19; border-radius: 2px; background: V(0 #ffa02f, 1 #d7801a); height: "
     "14px; subcontrol-position: bottom; subcontrol-origin: margin"},
    {"QScrollBar::sub-line:vertical",
     "border: 1px solid #1b1b19; border-radius: 2px; background: V(0 #d7801a, 1 #ffa02f); height: "
     "14px; subcontrol-position: top; subcontrol-origin: margin"},
    {"QScrollBar::up-arrow:vertical, QScrollBar::down-arrow:vertical",
     "border: 1px solid black; width: 1px; height: 1px; background: white"},
    {"QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical", "background: none"},
    {"QTextEdit", "background-color: #242424"},
    {"QPlainTextEdit", "background-color: #242424"},
    {"QHeaderView::section", "background-color: V(0 #616161, 0.5 #505050, 0.6 #434343, 1 #656565); "
                             "color: white; padding-left: 4px; border: 1px solid #6c6c6c"},
    {"QCheckBox:disabled", "color: #414141"},
    {"QDockWidget::title",
     "text-align: center; spacing: 3px; background-color: V(0 #323232, 0.5 #242424, 1 #323232)"},
    {"QDockWidget::close-button, QDockWidget::float-button",
     "text-align: center; spacing: 1px; background-color: V(0 #323232, 0.5 #242424, 1 #323232)"},
    {"QDockWidget::close-button:hover, QDockWidget::float-button:hover", "background: #242424"},
    {"QDockWidget::close-button:pressed, QDockWidget::float-button:pressed",
     "padding: 1px -1px -1px 1px"},
    {"QMainWindow::separator",
     "background-color: V(0 #161616, 0.5 #151515, 0.6 #212121, 1 #343434); color: white; "
     "padding-left: 4px; border: 1px solid #4c4c4c; spacing: 3px"},
    {"QMainWindow::separator:hover",
     "background-color: V(0 #d7801a, 0.5 #b56c17, 1 #ffa02f); color: white; padding-left: 4px; "
     "border: 1px solid #6c6c6c; spacing: 3px"},
    {"QToolBar::handle", "spacing: 3px; background: url(:/images/resources/handle.png)"},
    {"QMenu::separator",
     "height: 2px; background-color: V(0 #161616, 0.5 #151515, 0.6 #212121, 1 #343434); color: "
     "white; padding-left: 4px; margin-left: 10px; margin-right: 5px"},
    {"QProgressBar", "border: 2px solid grey; border-radius: 5px; text-align: center"},
    {"QProgressBar::chunk", "background-color: #d7801a; width: 2.15px; margin: 0.5px"},
    {"QTabBar::tab", "color: #b1b1b1; border: 1px solid #444; border-bottom-style: none; "
                     "background-color: #323232; padding-left: 10px; padding-right: 10px; "
                     "padding-top: 3px; padding-bottom: 2px; margin-right: -1px"},
    {"QTabWidget::pane", "border: 1px solid #444; top: 1px"},
    {"QTabBar::tab:last", "margin-right: 0; border-top-right-radius: 3px"},
    {"QTabBar::tab:first:!selected", "margin-left: 0px; border-top-left-radius: 3px"},
    {"QTabBar::tab:!selected", "color: #b1b1b1; border-bottom-style: solid; margin-top: 3px; "
                               "background-color: V(1 #212121, .4 #343434)"},
    {"QTabBar::tab:selected",
     "border-top-left-radius: 3px; border-top-right-radius: 3px; margin-bottom: 0px"},
    {"QTabBar::tab:!selected:hover",
     "border-top-left-radius: 3px; border-top-right-radius: 3px; background-color: V(1 #212121, "
     "0.4 #343434, 0.2 #343434, 0.1 #ffaa00)"},
    {"QRadioButton::indicator:checked, QRadioButton::indicator:unchecked",
     "color: #b1b1b1; background-color: #323232; border: 1px solid #b1b1b1; border-radius: 6px"},
    {"QRadioButton::indicator:checked", "background-color: radial(centre 0.5,0.5; focus 0.5,0.5; "
                                        "radius 1.0; stops 0.25 #ffaa00, 0.3 #323232)"},
    {"QCheckBox::indicator", "color: #b1b1b1; background-color: #323232; border: 1px solid "
                             "#b1b1b1; width: 9px; height: 9px"},
    {"QRadioButton::indicator", "border-radius: 6px"},
    {"QRadioButton::indicator:hover, QCheckBox::indicator:hover", "border: 1px solid #ffaa00"},
    {"QCheckBox::indicator:checked", "image:url(:/images/resources/checkbox.png)"},
    {"QCheckBox::indicator:disabled, QRadioButton::indicator:disabled", "border: 1px solid #444"},
};

QString collapsed(const QString &text)
{
    return text.simplified();
}

// "0 #ffa02f, 1 #d7801a" -> "stop: 0 #ffa02f, stop: 1 #d7801a"
QString stops(const QString &list)
{
    QStringList out;
    for (const QString &stop : list.split(QLatin1Char(','))) {
        out << QStringLiteral("stop: ") + stop.trimmed();
    }
    return out.join(QStringLiteral(", "));
}

QString expandGradients(QString text)
{
    static const QRegularExpression linear(QStringLiteral("\\b([VH])\\(([^)]*)\\)"));
    static const QRegularExpression radial(
        QStringLiteral("radial\\(centre ([^,]+),([^;]+); focus ([^,]+),([^;]+); radius ([^;]+); "
                       "stops ([^)]*)\\)"));
    QRegularExpressionMatch m;
    while ((m = linear.match(text)).hasMatch()) {
        const bool vertical = m.captured(1) == QLatin1String("V");
        const QString replacement =
            QStringLiteral("qlineargradient(x1: 0, y1: 0, x2: %1, y2: %2, %3)")
                .arg(vertical ? 0 : 1)
                .arg(vertical ? 1 : 0)
                .arg(stops(m.captured(2)));
        text.replace(m.capturedStart(), m.capturedLength(), replacement);
    }
    while ((m = radial.match(text)).hasMatch()) {
        const QString replacement =
            QStringLiteral("qradialgradient(cx: %1, cy: %2, fx: %3, fy: %4, radius: %5, %6)")
                .arg(m.captured(1), m.captured(2), m.captured(3), m.captured(4), m.captured(5),
                     stops(m.captured(6)));
        text.replace(m.capturedStart(), m.capturedLength(), replacement);
    }
    return text;
}

QStringList declarationList(const QString &text)
{
    QStringList out;
    for (const QString &declaration : text.split(QLatin1Char(';'))) {
        const QString clean = collapsed(declaration);
        if (!clean.isEmpty()) {
            out << clean;
        }
    }
    return out;
}

QVector<Rule> expectedRules()
{
    QVector<Rule> rules;
    for (const auto &row : kTable) {
        rules.append({QString::fromLatin1(row[0]),
                      declarationList(expandGradients(QString::fromLatin1(row[1])))});
    }
    return rules;
}

// Splits a sheet into rules; a rule without its closing brace or a stray brace is an error.
bool parseSheet(const QString &sheet, QVector<Rule> *rules, QString *error)
{
    int pos = 0;
    while (true) {
        const int open = sheet.indexOf(QLatin1Char('{'), pos);
        if (open < 0) {
            if (!collapsed(sheet.mid(pos)).isEmpty()) {
                *error = QStringLiteral("text after the last rule: ") + sheet.mid(pos);
                return false;
            }
            return true;
        }
        const int close = sheet.indexOf(QLatin1Char('}'), open);
        const int nextOpen = sheet.indexOf(QLatin1Char('{'), open + 1);
        if (close < 0 || (nextOpen >= 0 && nextOpen < close)) {
            *error = QStringLiteral("unclosed rule at offset %1").arg(open);
            return false;
        }
        const QString selector = collapsed(sheet.mid(pos, open - pos));
        if (selector.contains(QLatin1Char('}'))) {
            *error = QStringLiteral("stray brace before ") + selector;
            return false;
        }
        rules->append({selector, declarationList(sheet.mid(open + 1, close - open - 1))});
        pos = close + 1;
    }
}

QStringList styleSheetMessages;

void recordStyleSheetMessages(QtMsgType, const QMessageLogContext &, const QString &message)
{
    if (message.contains(QLatin1String("stylesheet"), Qt::CaseInsensitive) ||
        message.contains(QLatin1String("style sheet"), Qt::CaseInsensitive)) {
        styleSheetMessages << message;
    }
}

// Every widget kind the theme has rules for, in one tree.
std::unique_ptr<QMainWindow> widgetTree(const QString &sheet)
{
    auto window = std::make_unique<QMainWindow>();
    window->setStyleSheet(sheet);
    window->menuBar()->addMenu(QStringLiteral("File"))->addAction(QStringLiteral("Exit"));
    window->addToolBar(QStringLiteral("tools"))->addAction(QStringLiteral("Go"));
    window->statusBar()->showMessage(QStringLiteral("ready"));
    auto *dock = new QDockWidget(QStringLiteral("dock"), window.get());
    window->addDockWidget(Qt::LeftDockWidgetArea, dock);
    auto *central = new QWidget(window.get());
    auto *layout = new QVBoxLayout(central);
    layout->addWidget(new QLabel(QStringLiteral("label")));
    layout->addWidget(new QLineEdit(QStringLiteral("line")));
    layout->addWidget(new QPushButton(QStringLiteral("push")));
    auto *combo = new QComboBox;
    combo->addItems({QStringLiteral("one"), QStringLiteral("two")});
    layout->addWidget(combo);
    layout->addWidget(new QCheckBox(QStringLiteral("check")));
    layout->addWidget(new QRadioButton(QStringLiteral("radio")));
    layout->addWidget(new QTimeEdit);
    layout->addWidget(new QTextEdit(QStringLiteral("text")));
    layout->addWidget(new QPlainTextEdit(QStringLiteral("plain")));
    layout->addWidget(new QScrollBar(Qt::Horizontal));
    layout->addWidget(new QScrollBar(Qt::Vertical));
    auto *progress = new QProgressBar;
    progress->setValue(40);
    layout->addWidget(progress);
    auto *tabs = new QTabWidget;
    tabs->addTab(new QWidget, QStringLiteral("first"));
    tabs->addTab(new QWidget, QStringLiteral("second"));
    layout->addWidget(tabs);
    auto *list = new QListWidget;
    list->addItems({QStringLiteral("a"), QStringLiteral("b")});
    list->setCurrentRow(0);
    layout->addWidget(list);
    layout->addWidget(new QTableWidget(2, 2));
    window->setCentralWidget(central);
    window->resize(400, 900);
    return window;
}

QColor colour(const char *name)
{
    return QColor(QLatin1String(name));
}

int countPixels(const QImage &image, const QRect &area, const std::function<bool(QRgb)> &match)
{
    int count = 0;
    const QRect clipped = area.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            if (match(image.pixel(x, y))) {
                ++count;
            }
        }
    }
    return count;
}

std::function<bool(QRgb)> exactly(const QColor &wanted)
{
    return [wanted](QRgb pixel) { return (pixel & 0xffffff) == (wanted.rgb() & 0xffffff); };
}

bool isOrange(QRgb pixel)
{
    return qRed(pixel) > 200 && qGreen(pixel) > 110 && qGreen(pixel) < 190 && qBlue(pixel) < 90;
}

// A themed widget holding one child, grabbed at a fixed size.
QImage grabThemed(QWidget *child, const QString &sheet = theme::darkTheme())
{
    QWidget host;
    host.setStyleSheet(sheet);
    child->setParent(&host);
    child->setGeometry(0, 0, 200, 40);
    host.resize(200, 40);
    host.ensurePolished();
    const QImage image = host.grab().toImage();
    child->setParent(nullptr);
    return image;
}

} // namespace

class TestTheme : public QObject
{
    Q_OBJECT

private slots:
    void rulesInOrder();
    void baseRulesAreRulesTwoToFour();
    void imagesReferredToExist();
    void parsesWithoutWarnings_data();
    void parsesWithoutWarnings();
    void brokenSheetIsNoticed();
    void labelTextColour_data();
    void labelTextColour();
    void checkMarkShownWhenChecked();
    void checkedRadioButtonHasOrangeCentre();
    void comboShowsArrowImage();
    void lineEditLook_data();
    void lineEditLook();
};

void TestTheme::rulesInOrder()
{
    QVector<Rule> actual;
    QString error;
    QVERIFY2(parseSheet(theme::darkTheme(), &actual, &error), qPrintable(error));
    const QVector<Rule> expected = expectedRules();
    QCOMPARE(expected.size(), 63);
    QCOMPARE(actual.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        const QByteArray where = "rule " + QByteArray::number(i + 1);
        const QByteArray selectors =
            where + ": " + actual[i].selector.toUtf8() + " != " + expected[i].selector.toUtf8();
        QVERIFY2(actual[i].selector == expected[i].selector, selectors.constData());
        const QByteArray declarations =
            where + " (" + expected[i].selector.toUtf8() + "):\n  got      " +
            actual[i].declarations.join(QStringLiteral("; ")).toUtf8() + "\n  expected " +
            expected[i].declarations.join(QStringLiteral("; ")).toUtf8();
        QVERIFY2(actual[i].declarations == expected[i].declarations, declarations.constData());
    }
}

void TestTheme::baseRulesAreRulesTwoToFour()
{
    const QString &base = theme::baseRules();
    QVERIFY(!base.isEmpty());
    QVERIFY(theme::darkTheme().contains(base));

    QVector<Rule> actual;
    QString error;
    QVERIFY2(parseSheet(base, &actual, &error), qPrintable(error));
    const QVector<Rule> expected = expectedRules().mid(1, 3);
    QCOMPARE(actual.size(), 3);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(actual[i].selector, expected[i].selector);
        QCOMPARE(actual[i].declarations, expected[i].declarations);
    }
    QCOMPARE(&theme::baseRules(), &base);
}

void TestTheme::imagesReferredToExist()
{
    static const QRegularExpression url(QStringLiteral("url\\(([^)]*)\\)"));
    QStringList found;
    auto it = url.globalMatch(theme::darkTheme());
    while (it.hasNext()) {
        const QString path = it.next().captured(1);
        found << path;
        QVERIFY2(!QImage(path).isNull(), qPrintable(path));
    }
    QCOMPARE(found, QStringList({QStringLiteral(":/images/resources/down_arrow.png"),
                                 QStringLiteral(":/images/resources/handle.png"),
                                 QStringLiteral(":/images/resources/checkbox.png")}));
}

void TestTheme::parsesWithoutWarnings_data()
{
    QTest::addColumn<QString>("sheet");
    QTest::newRow("whole theme") << theme::darkTheme();
    QTest::newRow("base rules") << theme::baseRules();
}

void TestTheme::parsesWithoutWarnings()
{
    QFETCH(QString, sheet);
    styleSheetMessages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(recordStyleSheetMessages);
    {
        auto window = widgetTree(sheet);
        window->show();
        window->grab();
    }
    qInstallMessageHandler(previous);
    QVERIFY2(styleSheetMessages.isEmpty(), qPrintable(styleSheetMessages.join(QLatin1Char('\n'))));
}

void TestTheme::brokenSheetIsNoticed()
{
    styleSheetMessages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(recordStyleSheetMessages);
    {
        auto window = widgetTree(theme::darkTheme() + QStringLiteral("QLabel { color: #fff; "));
        window->show();
        window->grab();
    }
    qInstallMessageHandler(previous);
    QVERIFY(!styleSheetMessages.isEmpty());
}

void TestTheme::labelTextColour_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QColor>("text");
    QTest::addColumn<QColor>("other");

    QTest::newRow("label") << "label" << true << colour("#b1b1b1") << colour("#404040");
    QTest::newRow("disabled label") << "label" << false << colour("#404040") << colour("#b1b1b1");
    QTest::newRow("disabled check box")
        << "checkbox" << false << colour("#414141") << colour("#404040");
}

void TestTheme::labelTextColour()
{
    QFETCH(QString, kind);
    QFETCH(bool, enabled);
    QFETCH(QColor, text);
    QFETCH(QColor, other);

    std::unique_ptr<QWidget> widget;
    if (kind == QLatin1String("label")) {
        widget = std::make_unique<QLabel>(QStringLiteral("MWMWMW"));
    } else {
        widget = std::make_unique<QCheckBox>(QStringLiteral("MWMWMW"));
    }
    QFont font = widget->font();
    font.setPixelSize(24);
    font.setBold(true);
    widget->setFont(font);
    widget->setEnabled(enabled);

    const QImage image = grabThemed(widget.get());
    QCOMPARE(QColor(image.pixel(199, 39)), colour("#323232"));
    // Anti-aliased edges may hit the other colour now and then; the glyphs' cores may not.
    const int textPixels = countPixels(image, image.rect(), exactly(text));
    const int otherPixels = countPixels(image, image.rect(), exactly(other));
    QVERIFY2(textPixels > 200 && otherPixels * 10 < textPixels,
             qPrintable(QStringLiteral("%1: %2 pixels, %3: %4 pixels")
                            .arg(text.name())
                            .arg(textPixels)
                            .arg(other.name())
                            .arg(otherPixels)));
}

void TestTheme::checkMarkShownWhenChecked()
{
    QCheckBox box(QStringLiteral(" "));
    const QImage unchecked = grabThemed(&box);
    box.setChecked(true);
    const QImage checked = grabThemed(&box);
    const QRect indicator(0, 0, 20, 40);
    QCOMPARE(countPixels(unchecked, indicator, isOrange), 0);
    QVERIFY(countPixels(checked, indicator, isOrange) >= 5);
    QVERIFY(countPixels(checked, indicator, exactly(colour("#b1b1b1"))) > 0);
}

void TestTheme::checkedRadioButtonHasOrangeCentre()
{
    QRadioButton radio(QStringLiteral(" "));
    radio.setChecked(true);
    const QImage image = grabThemed(&radio);
    const QRect indicator(0, 0, 24, 40);
    QVERIFY(countPixels(image, indicator, exactly(colour("#ffaa00"))) >= 4);
    QVERIFY(countPixels(image, indicator, exactly(colour("#b1b1b1"))) > 0);

    QRadioButton unchecked(QStringLiteral(" "));
    const QImage plain = grabThemed(&unchecked);
    QCOMPARE(countPixels(plain, indicator, exactly(colour("#ffaa00"))), 0);
}

void TestTheme::comboShowsArrowImage()
{
    QComboBox combo;
    const QImage themed = grabThemed(&combo);
    const QRect dropDown(200 - 20, 0, 20, 40);
    QVERIFY(countPixels(themed, dropDown, exactly(colour("#b1b1b1"))) >= 4);
    QCOMPARE(countPixels(themed, QRect(0, 0, 170, 40), exactly(colour("#b1b1b1"))), 0);
}

void TestTheme::lineEditLook_data()
{
    QTest::addColumn<bool>("readOnly");
    QTest::newRow("editable") << false;
    QTest::newRow("read-only") << true;
}

void TestTheme::lineEditLook()
{
    QFETCH(bool, readOnly);
    QLineEdit edit;
    edit.setReadOnly(readOnly);
    const QImage image = grabThemed(&edit);
    QCOMPARE(QColor(image.pixel(100, 0)), colour("#1e1e1e"));
    QCOMPARE(QColor(image.pixel(0, 20)), colour("#1e1e1e"));
    // Rounded corner: the surface shows through outside the border.
    QCOMPARE(QColor(image.pixel(0, 0)), colour("#323232"));
    const QColor inside = image.pixel(100, 20);
    QVERIFY2(inside.red() >= 0x5d && inside.red() <= 0x64 && inside.red() == inside.green(),
             qPrintable(inside.name()));
}

QTEST_MAIN(TestTheme)
#include "tst_theme.moc"
