#include "app/theme.h"
#include "settings/settings.h"
#include "workingfolder.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>
#include <QtTest>

#include <optional>

namespace {

const QString kErrorSaving = QStringLiteral("Error saving");
const QString kLanguageError =
    QStringLiteral("Could not save the language settings properly, please try again.");

QString setting(const QString &name)
{
    return QStringLiteral("data/settings/") + name;
}

struct Texts
{
    QString title, language, audio, choose, store, none, volume, tooltipsBox, tooltips, accept,
        close;
};

const Texts kFormTexts = {
    QStringLiteral("<html><head/><body><p><span style=\" font-size:18pt;\">Settings</span></p>"
                   "</body></html>"),
    QStringLiteral("Language"),
    QStringLiteral("Audio Storage"),
    QStringLiteral("Choose Audio File"),
    QStringLiteral("Store Audio"),
    QStringLiteral("None"),
    QStringLiteral("Volume"),
    QStringLiteral("Tooltips"),
    QStringLiteral("Tooltips on/off"),
    QStringLiteral("Accept and close"),
    QStringLiteral("Cancel")};
const Texts kEnglish = {QStringLiteral("Settings"),
                        QStringLiteral("Language"),
                        QStringLiteral("Audio Storage"),
                        QStringLiteral("Choose audio file"),
                        QStringLiteral("Store audio"),
                        QStringLiteral("Don't store audio"),
                        QStringLiteral("Volume"),
                        QStringLiteral("Tooltips"),
                        QStringLiteral("Tooltips on/off"),
                        QStringLiteral("Accept and close"),
                        QStringLiteral("Close")};
const Texts kNorwegian = {QStringLiteral("Innstillinger"),
                          QStringLiteral("Språk"),
                          QStringLiteral("Lagring av lyd"),
                          QStringLiteral("Velg lydfil"),
                          QStringLiteral("Lagre lyd"),
                          QStringLiteral("Ikke lagre lyd"),
                          QStringLiteral("Volum"),
                          QStringLiteral("Verktøytips"),
                          QStringLiteral("Verktøytips på/av"),
                          QStringLiteral("Lagre og lukk"),
                          QStringLiteral("Lukk")};

// Records and answers modal boxes like tests/support's BoxWatcher, but marks each box instead of
// keeping its address: successive static boxes share one stack address.
class BoxLog : public QObject
{
public:
    struct Box
    {
        QString title;
        QString text;
        QMessageBox::Icon icon;
    };

    BoxLog()
    {
        connect(&m_timer, &QTimer::timeout, this, &BoxLog::poll);
        m_timer.start(5);
    }
    const QList<Box> &seen() const { return m_seen; }
    QStringList titles() const
    {
        QStringList list;
        for (const Box &box : m_seen)
            list << box.title;
        return list;
    }
    void clear() { m_seen.clear(); }
    void answerFileDialog(const QString &path) { m_fileAnswer = path; }
    int fileDialogsSeen() const { return m_fileDialogs; }

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            if (!box->property(kSeen).toBool()) {
                box->setProperty(kSeen, true);
                m_seen << Box{box->windowTitle(), box->text(), box->icon()};
            }
            box->buttons().first()->click();
        } else if (auto *chooser = qobject_cast<QFileDialog *>(modal)) {
            ++m_fileDialogs;
            if (m_fileAnswer.isEmpty()) {
                chooser->reject();
            } else {
                chooser->selectFile(m_fileAnswer);
                static_cast<QDialog *>(chooser)->accept();
            }
        }
    }

    static constexpr const char *kSeen = "tstSettingsSeen";
    QTimer m_timer;
    QList<Box> m_seen;
    QString m_fileAnswer;
    int m_fileDialogs = 0;
};

// Finds the dialog's widgets by object name, as a user would see them.
class View
{
public:
    explicit View(QDialog &dialog) : m_dialog(dialog) {}

    template <typename T> T *get(const char *name) const
    {
        auto *widget = m_dialog.findChild<T *>(QLatin1String(name));
        if (!widget)
            qFatal("no widget %s", name);
        return widget;
    }
    QComboBox *language() const { return get<QComboBox>("cbLanguage"); }
    QLineEdit *path() const { return get<QLineEdit>("tbStoredAudio"); }
    QRadioButton *store() const { return get<QRadioButton>("rbtnStoreAudio"); }
    QRadioButton *none() const { return get<QRadioButton>("rbtnNoneAudio"); }
    QSlider *slider() const { return get<QSlider>("horizontalSlider"); }
    QLabel *volumeLabel() const { return get<QLabel>("label"); }
    QCheckBox *tooltips() const { return get<QCheckBox>("cbTooltips"); }
    QPushButton *accept() const { return get<QPushButton>("btnAcceptChanges"); }
    QPushButton *close() const { return get<QPushButton>("btnClose"); }
    QPushButton *choose() const { return get<QPushButton>("btnStoreAudioFile"); }

    Texts texts() const
    {
        return {get<QLabel>("lblTitle")->text(),
                get<QGroupBox>("gbLanguage")->title(),
                get<QGroupBox>("gbAudioStorage")->title(),
                choose()->text(),
                store()->text(),
                none()->text(),
                get<QGroupBox>("gbVolume")->title(),
                get<QGroupBox>("gbToolTips")->title(),
                tooltips()->text(),
                accept()->text(),
                close()->text()};
    }

    // Near the left edge: a check or radio button only takes clicks on its indicator and text.
    void click(QAbstractButton *button) const
    {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }

private:
    QDialog &m_dialog;
};

void compareTexts(const Texts &actual, const Texts &expected)
{
    QCOMPARE(actual.title, expected.title);
    QCOMPARE(actual.language, expected.language);
    QCOMPARE(actual.audio, expected.audio);
    QCOMPARE(actual.choose, expected.choose);
    QCOMPARE(actual.store, expected.store);
    QCOMPARE(actual.none, expected.none);
    QCOMPARE(actual.volume, expected.volume);
    QCOMPARE(actual.tooltipsBox, expected.tooltipsBox);
    QCOMPARE(actual.tooltips, expected.tooltips);
    QCOMPARE(actual.accept, expected.accept);
    QCOMPARE(actual.close, expected.close);
}

// The one box seen, by title and text, and by icon where one is given.
void compareOnlyBox(const BoxLog &watcher, const QString &title, const QString &text,
                    std::optional<QMessageBox::Icon> icon = {})
{
    QCOMPARE(watcher.seen().size(), 1);
    QCOMPARE(watcher.seen().at(0).title, title);
    QCOMPARE(watcher.seen().at(0).text, text);
    if (icon)
        QCOMPARE(watcher.seen().at(0).icon, *icon);
}

// A file read well shows no box; one that did not shows its one box.
void compareLoadBox(const BoxLog &watcher, bool error, const QString &title, const QString &text,
                    std::optional<QMessageBox::Icon> icon = {})
{
    if (error)
        compareOnlyBox(watcher, title, text, icon);
    else
        QVERIFY(watcher.seen().isEmpty());
}

void writeAll(const WorkingFolder &folder)
{
    folder.writeSetting(QStringLiteral("tivora_lang.txt"), "1");
    folder.writeSetting(QStringLiteral("tivora_sa.txt"), "/music/old song.mp3");
    folder.writeSetting(QStringLiteral("tivora_sa_index.txt"), "1");
    folder.writeSetting(QStringLiteral("tivora_volume.txt"), "40");
    folder.writeSetting(QStringLiteral("tivora_tooltips.txt"), "1");
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void formWithoutSettingsFolder();
    void formLayout();
    void language_data();
    void language();
    void storedAudioChoice_data();
    void storedAudioChoice();
    void volume_data();
    void volume();
    void tooltips_data();
    void tooltips();
    void loadBoxesComeInOrder();
    void savesExactBytes();
    void successBoxInChosenLanguage();
    void noneAudioLeavesPathFile();
    void chooserCancelEmptiesPath();
    void chooserOptions();
    void labelFollowsOnlyDragging();
    void closeAfterEditingTouchesNothing();
    void closeEndsModalRun();
    void secondAcceptAfterFailedOne();
    void unwritableVolumeFile();
};

void TestSettings::formWithoutSettingsFolder()
{
    WorkingFolder folder(false);
    BoxLog watcher;
    Settings dialog;
    View view(dialog);
    QVERIFY(watcher.seen().isEmpty());

    QCOMPARE(dialog.objectName(), QStringLiteral("Settings"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Settings"));
    compareTexts(view.texts(), kFormTexts);
    QCOMPARE(view.language()->currentText(), QStringLiteral("English"));
    QCOMPARE(view.language()->count(), 2);
    QCOMPARE(view.language()->itemText(1), QStringLiteral("Norwegian"));
    QVERIFY(!view.store()->isChecked());
    QVERIFY(!view.none()->isChecked());
    QVERIFY(view.path()->text().isEmpty());
    QVERIFY(view.path()->isReadOnly());
    QCOMPARE(view.slider()->value(), 0);
    QCOMPARE(view.slider()->maximum(), 100);
    QCOMPARE(view.volumeLabel()->text(), QStringLiteral("TextLabel"));
    QVERIFY(!view.tooltips()->isChecked());
    for (QWidget *widget : dialog.findChildren<QWidget *>()) {
        QVERIFY(widget->toolTip().isEmpty());
        QVERIFY(widget->whatsThis().isEmpty());
    }

    dialog.show();
    view.click(view.accept());
    compareOnlyBox(watcher, kErrorSaving, kLanguageError, QMessageBox::Critical);
    QVERIFY(dialog.isVisible());
    QVERIFY(!folder.exists(QStringLiteral("data")));
}

void TestSettings::formLayout()
{
    WorkingFolder folder;
    Settings dialog;
    View view(dialog);

    QCOMPARE(dialog.size(), QSize(516, 646));
    QCOMPARE(dialog.minimumSize(), QSize(516, 646));
    QCOMPARE(dialog.maximumSize(), QSize(516, 646));
    QCOMPARE(dialog.styleSheet(), theme::darkTheme());
    QVERIFY(!dialog.windowIcon().isNull());

    auto *title = view.get<QLabel>("lblTitle");
    QCOMPARE(title->font().family(), QStringLiteral("MS Shell Dlg 2"));
    QCOMPARE(title->font().pointSize(), 18);
    QCOMPARE(title->alignment(), Qt::AlignCenter);
    QCOMPARE(title->styleSheet(), QStringLiteral("color: rgb(255,198,0);"));
    QCOMPARE(view.volumeLabel()->styleSheet(), QStringLiteral("color: rgb(255,198,0);"));
    QVERIFY(
        view.slider()->styleSheet().contains(QStringLiteral("QSlider::handle:horizontal:hover")));
    QVERIFY(view.tooltips()->styleSheet().contains(
        QStringLiteral("url(:/images/resources/checkbox.png)")));

    const QStringList expectedOrder = {
        QStringLiteral("lblTitle"),       QStringLiteral("gbLanguage"),
        QStringLiteral("gbAudioStorage"), QStringLiteral("gbVolume"),
        QStringLiteral("gbToolTips"),     QStringLiteral("btnAcceptChanges"),
        QStringLiteral("btnClose")};
    QStringList order;
    auto *layout = view.get<QVBoxLayout>("verticalLayout");
    for (int i = 0; i < layout->count(); ++i)
        order << layout->itemAt(i)->widget()->objectName();
    QCOMPARE(order, expectedOrder);

    const QStringList tabOrder = {
        QStringLiteral("cbLanguage"),        QStringLiteral("tbStoredAudio"),
        QStringLiteral("btnStoreAudioFile"), QStringLiteral("rbtnStoreAudio"),
        QStringLiteral("rbtnNoneAudio"),     QStringLiteral("horizontalSlider"),
        QStringLiteral("cbTooltips"),        QStringLiteral("btnAcceptChanges"),
        QStringLiteral("btnClose")};
    QWidget *widget = view.language();
    for (int i = 1; i < tabOrder.size(); ++i) {
        do {
            widget = widget->nextInFocusChain();
        } while (!tabOrder.contains(widget->objectName()));
        QCOMPARE(widget->objectName(), tabOrder.at(i));
    }
}

void TestSettings::language_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("combo");
    QTest::addColumn<int>("texts"); // 0 form, 1 English, 2 Norwegian
    QTest::addColumn<bool>("loadError");

    QTest::newRow("English") << QByteArray("1") << "English" << 1 << false;
    QTest::newRow("Norwegian") << QByteArray("2") << "Norwegian" << 2 << false;
    QTest::newRow("Norwegian CR LF") << QByteArray("2\r\n") << "Norwegian" << 2 << false;
    QTest::newRow("three") << QByteArray("3") << "English" << 0 << true;
    QTest::newRow("empty") << QByteArray() << "English" << 0 << true;
    QTest::newRow("blank first line") << QByteArray("\n2") << "English" << 0 << true;
    QTest::newRow("two words") << QByteArray("2 3") << "English" << 0 << true;
}

void TestSettings::language()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, combo);
    QFETCH(int, texts);
    QFETCH(bool, loadError);

    WorkingFolder folder;
    folder.writeSetting(QStringLiteral("tivora_lang.txt"), bytes);
    BoxLog watcher;
    Settings dialog;
    View view(dialog);

    QCOMPARE(view.language()->currentText(), combo);
    QCOMPARE(view.language()->itemText(0), QStringLiteral("English"));
    QCOMPARE(view.language()->itemText(1), QStringLiteral("Norwegian"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Settings"));
    QCOMPARE(view.volumeLabel()->text(), QStringLiteral("TextLabel"));
    compareTexts(view.texts(), texts == 1 ? kEnglish : texts == 2 ? kNorwegian : kFormTexts);
    compareLoadBox(watcher, loadError, QStringLiteral("Load error"),
                   QStringLiteral("Failed to load previously stored language, please try again."),
                   QMessageBox::Critical);
}

void TestSettings::storedAudioChoice_data()
{
    QTest::addColumn<QByteArray>("choice");
    QTest::addColumn<bool>("present");
    QTest::addColumn<bool>("store");
    QTest::addColumn<bool>("none");
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("error");

    const QString path = QStringLiteral("/home/a b/ø c.mp3");
    QTest::newRow("0") << QByteArray("0") << true << false << true << QString() << false;
    QTest::newRow("1") << QByteArray("1") << true << true << false << path << false;
    QTest::newRow("1 LF") << QByteArray("1\n") << true << true << false << path << false;
    QTest::newRow("7") << QByteArray("7") << true << false << false << path << true;
    QTest::newRow("empty") << QByteArray() << true << false << true << QString() << false;
    QTest::newRow("missing") << QByteArray() << false << false << false << path << false;
}

void TestSettings::storedAudioChoice()
{
    QFETCH(QByteArray, choice);
    QFETCH(bool, present);

    WorkingFolder folder;
    folder.writeSetting(QStringLiteral("tivora_sa.txt"), "/home/a b/\xc3\xb8 c.mp3\r\n");
    if (present)
        folder.writeSetting(QStringLiteral("tivora_sa_index.txt"), choice);
    BoxLog watcher;
    Settings dialog;
    View view(dialog);

    QTEST(view.store()->isChecked(), "store");
    QTEST(view.none()->isChecked(), "none");
    QTEST(view.path()->text(), "path");
    QFETCH(bool, error);
    compareLoadBox(watcher, error, QStringLiteral("Error"),
                   QStringLiteral("Failed to load audio storage settings. Please try again."));
}

void TestSettings::volume_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("label");

    QTest::newRow("57") << QByteArray("57") << 57 << "57";
    QTest::newRow("150") << QByteArray("150") << 100 << "150";
    QTest::newRow("negative") << QByteArray("-5") << 0 << "-5";
    QTest::newRow("CR LF") << QByteArray("80\r\n") << 80 << "80";
    QTest::newRow("letters") << QByteArray("loud") << 0 << "loud";
    QTest::newRow("empty") << QByteArray() << 0 << "";
    QTest::newRow("two words") << QByteArray(" 30 40") << 30 << "30";
}

void TestSettings::volume()
{
    QFETCH(QByteArray, bytes);
    WorkingFolder folder;
    folder.writeSetting(QStringLiteral("tivora_volume.txt"), bytes);
    BoxLog watcher;
    Settings dialog;
    View view(dialog);

    QTEST(view.slider()->value(), "value");
    QTEST(view.volumeLabel()->text(), "label");
    QVERIFY(watcher.seen().isEmpty());
}

void TestSettings::tooltips_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("present");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<bool>("error");

    QTest::newRow("0") << QByteArray("0") << true << false << false;
    QTest::newRow("1") << QByteArray("1") << true << true << false;
    QTest::newRow("1 CR LF") << QByteArray("1\r\n") << true << true << false;
    QTest::newRow("2") << QByteArray("2") << true << false << true;
    QTest::newRow("not a number reads 0") << QByteArray("yes") << true << false << false;
    QTest::newRow("missing") << QByteArray() << false << false << false;
}

void TestSettings::tooltips()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, present);
    WorkingFolder folder;
    if (present)
        folder.writeSetting(QStringLiteral("tivora_tooltips.txt"), bytes);
    BoxLog watcher;
    Settings dialog;
    View view(dialog);

    QTEST(view.tooltips()->isChecked(), "checked");
    QFETCH(bool, error);
    compareLoadBox(watcher, error, QStringLiteral("Error"),
                   QStringLiteral("Failed to load previous tooltip settings. Please try again."));
}

void TestSettings::loadBoxesComeInOrder()
{
    WorkingFolder folder;
    folder.writeSetting(QStringLiteral("tivora_lang.txt"), "9");
    folder.writeSetting(QStringLiteral("tivora_sa_index.txt"), "9");
    folder.writeSetting(QStringLiteral("tivora_tooltips.txt"), "9");
    BoxLog watcher;
    Settings dialog;

    QCOMPARE(watcher.titles(), (QStringList{QStringLiteral("Load error"), QStringLiteral("Error"),
                                            QStringLiteral("Error")}));
    QVERIFY(watcher.seen().at(1).text.contains(QStringLiteral("audio storage")));
    QVERIFY(watcher.seen().at(2).text.contains(QStringLiteral("tooltip")));
}

void TestSettings::savesExactBytes()
{
    WorkingFolder folder;
    folder.write(QStringLiteral("my music/vekking ø.mp3"), "ID3");
    BoxLog watcher;
    Settings dialog;
    View view(dialog);
    dialog.show();

    view.language()->setCurrentIndex(1);
    watcher.answerFileDialog(folder.absolute(QStringLiteral("my music/vekking ø.mp3")));
    view.click(view.choose());
    view.click(view.store());
    view.slider()->setValue(57);
    view.click(view.tooltips());
    view.click(view.accept());

    QCOMPARE(watcher.titles(), QStringList{QStringLiteral("Lagring vellykket")});
    QVERIFY(!dialog.isVisible());
    QCOMPARE(folder.read(setting(QStringLiteral("tivora_lang.txt"))), QByteArray("2"));
    QCOMPARE(folder.read(setting(QStringLiteral("tivora_sa.txt"))),
             folder.absolute(QStringLiteral("my music/vekking ø.mp3")).toUtf8());
    QCOMPARE(folder.read(setting(QStringLiteral("tivora_volume.txt"))), QByteArray("57"));
    QCOMPARE(folder.read(setting(QStringLiteral("tivora_sa_index.txt"))), QByteArray("1"));
    QCOMPARE(folder.read(setting(QStringLiteral("tivora_tooltips.txt"))), QByteArray("1"));

    // The saved path comes back whole, blanks included.
    Settings reopened;
    View again(reopened);
    QCOMPARE(again.path()->text(), folder.absolute(QStringLiteral("my music/vekking ø.mp3")));
    QVERIFY(again.store()->isChecked());
    compareTexts(again.texts(), kNorwegian);
}

void TestSettings::successBoxInChosenLanguage()
{
    WorkingFolder folder;
    writeAll(folder);
    BoxLog watcher;
    Settings dialog;
    View view(dialog);
    dialog.show();

    view.language()->setCurrentIndex(1);
    view.click(view.accept());
    compareOnlyBox(watcher, QStringLiteral("Lagring vellykket"),
                   QStringLiteral("Endringene har blitt lagret. Vennligst restart applikasjonen "
                                  "for at endringene skal tre i kraft."),
                   QMessageBox::Information);
    compareTexts(view.texts(), kEnglish);
    QVERIFY(!dialog.isVisible());

    watcher.clear();
    Settings reopened;
    View again(reopened);
    compareTexts(again.texts(), kNorwegian);
    again.language()->setCurrentIndex(0);
    reopened.show();
    again.click(again.accept());
    QCOMPARE(watcher.titles(), QStringList{QStringLiteral("Save successful")});
    QCOMPARE(watcher.seen().at(0).text,
             QStringLiteral("Your changes have successfully been saved. Please restart the "
                            "application in order for the new changes to take effect."));
    QCOMPARE(folder.read(setting(QStringLiteral("tivora_lang.txt"))), QByteArray("1"));
}

void TestSettings::noneAudioLeavesPathFile()
{
    WorkingFolder folder;
    writeAll(folder);
    const QDateTime before = QFileInfo(setting(QStringLiteral("tivora_sa.txt"))).lastModified();
    BoxLog watcher;
    Settings dialog;
    View view(dialog);
    dialog.show();

    QCOMPARE(view.path()->text(), QStringLiteral("/music/old song.mp3"));
    view.click(view.none());
    view.click(view.accept());
    QCOMPARE(watcher.titles(), QStringList{QStringLiteral("Save successful")});
    QCOMPARE(folder.read(setting(QStringLiteral("tivora_sa.txt"))),
             QByteArray("/music/old song.mp3"));
    QCOMPARE(QFileInfo(setting(QStringLiteral("tivora_sa.txt"))).lastModified(), before);
    QCOMPARE(folder.read(setting(QStringLiteral("tivora_sa_index.txt"))), QByteArray("0"));

    Settings reopened;
    View again(reopened);
    QVERIFY(again.none()->isChecked());
    QVERIFY(again.path()->text().isEmpty());
}

void TestSettings::chooserCancelEmptiesPath()
{
    WorkingFolder folder;
    writeAll(folder);
    BoxLog watcher;
    Settings dialog;
    View view(dialog);
    dialog.show();

    view.click(view.choose());
    QCOMPARE(watcher.fileDialogsSeen(), 1);
    QVERIFY(view.path()->text().isEmpty());
    QVERIFY(view.store()->isChecked());
    view.click(view.accept());
    QCOMPARE(watcher.titles(), QStringList{QStringLiteral("Save successful")});
    QVERIFY(folder.exists(setting(QStringLiteral("tivora_sa.txt"))));
    QCOMPARE(folder.read(setting(QStringLiteral("tivora_sa.txt"))), QByteArray());
}

void TestSettings::chooserOptions()
{
    WorkingFolder folder;
    Settings dialog;
    View view(dialog);
    dialog.show();

    QString caption;
    QStringList filters;
    QString selected;
    QFileDialog::FileMode mode = QFileDialog::AnyFile;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        if (auto *chooser = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
            caption = chooser->windowTitle();
            filters = chooser->nameFilters();
            selected = chooser->selectedNameFilter();
            mode = chooser->fileMode();
            chooser->reject();
        }
    });
    poll.start(10);
    view.click(view.choose());

    QCOMPARE(caption, QStringLiteral("Open audio file"));
    QCOMPARE(filters, (QStringList{QStringLiteral("Mp3 files (*.mp3)"),
                                   QStringLiteral("Wave files (*.wav)")}));
    QCOMPARE(selected, QStringLiteral("Mp3 files (*.mp3)"));
    QCOMPARE(mode, QFileDialog::ExistingFile);
}

void TestSettings::labelFollowsOnlyDragging()
{
    WorkingFolder folder;
    writeAll(folder);
    BoxLog watcher;
    Settings dialog;
    View view(dialog);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));

    view.slider()->setFocus();
    QTest::keyClick(view.slider(), Qt::Key_Right);
    QTest::keyClick(view.slider(), Qt::Key_Right);
    QTest::keyClick(view.slider(), Qt::Key_Right);
    QCOMPARE(view.slider()->value(), 43);
    QCOMPARE(view.volumeLabel()->text(), QStringLiteral("40"));
    QTest::keyClick(view.slider(), Qt::Key_Left);
    QCOMPARE(view.slider()->value(), 42);
    QCOMPARE(view.volumeLabel()->text(), QStringLiteral("40"));

    view.slider()->setSliderDown(true);
    view.slider()->setSliderPosition(70);
    view.slider()->setSliderDown(false);
    QCOMPARE(view.volumeLabel()->text(), QStringLiteral("70"));
    QTest::keyClick(view.slider(), Qt::Key_Left);
    QCOMPARE(view.volumeLabel()->text(), QStringLiteral("70"));

    view.click(view.accept());
    QCOMPARE(folder.read(setting(QStringLiteral("tivora_volume.txt"))), QByteArray("69"));
}

void TestSettings::closeAfterEditingTouchesNothing()
{
    WorkingFolder folder;
    writeAll(folder);
    const QDir settings(QStringLiteral("data/settings"));
    const QStringList names = settings.entryList(QDir::Files | QDir::Hidden);
    QMap<QString, QPair<QByteArray, QDateTime>> before;
    for (const QString &name : names)
        before[name] = {folder.read(setting(name)),
                        QFileInfo(settings.filePath(name)).lastModified()};

    BoxLog watcher;
    Settings dialog;
    View view(dialog);
    dialog.show();
    view.language()->setCurrentIndex(1);
    view.click(view.none());
    view.slider()->setValue(99);
    view.click(view.tooltips());
    view.click(view.close());

    QVERIFY(!dialog.isVisible());
    QVERIFY(watcher.seen().isEmpty());
    QCOMPARE(settings.entryList(QDir::Files | QDir::Hidden), names);
    for (const QString &name : names) {
        QCOMPARE(folder.read(setting(name)), before[name].first);
        QCOMPARE(QFileInfo(settings.filePath(name)).lastModified(), before[name].second);
    }
}

void TestSettings::closeEndsModalRun()
{
    WorkingFolder folder;
    Settings dialog;
    View view(dialog);
    dialog.setModal(true);
    QTimer::singleShot(50, view.close(), [&view] { view.click(view.close()); });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QVERIFY(!dialog.isVisible());
}

void TestSettings::secondAcceptAfterFailedOne()
{
    WorkingFolder folder(false);
    BoxLog watcher;
    Settings dialog;
    View view(dialog);
    dialog.show();
    view.slider()->setValue(25);

    view.click(view.accept());
    QCOMPARE(watcher.titles(), QStringList{kErrorSaving});
    QVERIFY(dialog.isVisible());
    QCOMPARE(view.slider()->value(), 25);

    QVERIFY(QDir().mkpath(QStringLiteral("data/settings")));
    view.click(view.accept());
    QCOMPARE(watcher.titles(), (QStringList{kErrorSaving, QStringLiteral("Save successful")}));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(folder.read(setting(QStringLiteral("tivora_lang.txt"))), QByteArray("1"));
    QVERIFY(!folder.exists(setting(QStringLiteral("tivora_sa.txt"))));
    QCOMPARE(folder.read(setting(QStringLiteral("tivora_volume.txt"))), QByteArray("25"));
    QCOMPARE(folder.read(setting(QStringLiteral("tivora_sa_index.txt"))), QByteArray("0"));
    QCOMPARE(folder.read(setting(QStringLiteral("tivora_tooltips.txt"))), QByteArray("0"));
}

void TestSettings::unwritableVolumeFile()
{
    WorkingFolder folder;
    writeAll(folder);
    QFile::remove(setting(QStringLiteral("tivora_volume.txt")));
    QVERIFY(QDir().mkpath(setting(QStringLiteral("tivora_volume.txt"))));
    BoxLog watcher;
    Settings dialog;
    View view(dialog);
    dialog.show();
    QVERIFY(watcher.seen().isEmpty());

    view.language()->setCurrentIndex(1);
    view.click(view.none());
    view.click(view.tooltips());
    view.click(view.accept());

    compareOnlyBox(watcher, kErrorSaving,
                   QStringLiteral("Could not save the volume settings properly, please try again."),
                   QMessageBox::Critical);
    QVERIFY(dialog.isVisible());
    QCOMPARE(folder.read(setting(QStringLiteral("tivora_lang.txt"))), QByteArray("2"));
    QCOMPARE(folder.read(setting(QStringLiteral("tivora_sa_index.txt"))), QByteArray("0"));
    QCOMPARE(folder.read(setting(QStringLiteral("tivora_tooltips.txt"))), QByteArray("0"));
    QCOMPARE(folder.read(setting(QStringLiteral("tivora_sa.txt"))),
             QByteArray("/music/old song.mp3"));
}

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
