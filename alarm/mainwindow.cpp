#include "alarm/mainwindow.h"
#include "ui_mainwindow.h"

#include "about/about.h"
#include "alarm/alarmclock.h"
#include "alarm/alarmfile.h"
#include "alarm/alarmsound.h"
#include "alarm/steadysize.h"
#include "kit/choosers.h"
#include "kit/theme.h"
#include "articles/articles.h"
#include "settings/settings.h"
#include "settings/settingsfiles.h"
#include "stopwatch/stopwatch.h"
#include "updates/checkupdates.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

namespace {

// Process-wide values, zero at program start; they outlive any one window.
struct State
{
    int volume = 0;
    int tooltips = 0;
    bool alarmActive = false;
    std::optional<Language> language;
    AlarmClock alarmClock;
    QDateTime lastTick;
    bool saveFailed = false;
    qint64 snoozeMs = 10 * 60 * 1000;
    std::function<QDateTime()> clock;
    std::function<void()> ringObserver;
};

State state;

// Ticks land this long after a wall-clock second boundary, safely past it.
constexpr int kAfterBoundaryMs = 1;

const QString kTimeFormat = QStringLiteral("hh:mm:ss");

// A change to the alarm is saved this long after it, unless more changes follow.
constexpr int kSaveDelayMs = 500;

const Bilingual kActiveStatus{"Alarm currently active", "Alarm aktivert"};
const Bilingual kInactiveStatus{"Alarm currently not active", "Alarm ikke aktivert"};
const Bilingual kNotSaved{"Alarm not saved", "Alarmen ble ikke lagret"};
const Bilingual kSnoozedUntil{"Snoozed until %1", "Slumrer til %1"};
const Bilingual kSnooze{"Snooze 10 minutes", "Slumre 10 minutter"};
const Bilingual kQuitArmed{
    "The alarm at %1 will not ring while Tivora is closed. Quit anyway?",
    "Alarmen kl. %1 vil ikke ringe mens Tivora er lukket. Avslutte likevel?"};
const Bilingual kYes{"&Yes", "&Ja"};
const Bilingual kNo{"&No", "&Nei"};
const BilingualBox kNoBrowser{
    {"Send feedback", "Send tilbakemelding"},
    {"No web browser could open the feedback page. Its address is:\n%1",
     "Ingen nettleser kunne åpne tilbakemeldingssiden. Adressen er:\n%1"}};
const QString kFeedbackPage =
    QStringLiteral("http://www.quorvane.com/wordpress1/tivora-evalutation/");
// Room beside a box's title for the window manager's icon and buttons.
constexpr int kTitleDecorationWidth = 200;

using texttable::Property;

const texttable::Table kTexts{
    {"lblClock",
     Property::ToolTip,
     {"<b>Current Time</b><br><i>Shows the current local time.</i>",
      "<b>Nåværende tid</b><br><i>Viser nåværende lokal tid.</i>"}},
    {"teSetTime",
     Property::ToolTip,
     {"<b>Set alarm time</b><br><i>You can set the time of the alarm in two different ways: <ul> "
      "<li>Manually typing the time</li><li>Using the <b>up-and-down</b>-arrows</li></ul></i>",
      "<b>Sett tidspunkt for alarm</b><br><i>Du kan sette tidspunkt for alarmen på to forskjellige "
      "måter: <ul> <li>Manuelt skrive inn tiden</li><li>Bruke "
      "<b>opp-og-ned</b>-pilene</li></ul></i>"}},
    {"cbReason",
     Property::ToolTip,
     {"<b>Alarm Reason</b><br><i>Here you can set the reason for your alarm.</i>",
      "<b>Alarmens hensikt</b><br><i>Her kan du sette en hensikt for alarmen.</i>"}},
    {"pteDescription",
     Property::ToolTip,
     {"<b>Alarm Description</b><br><i>Here you can enter a description for your alarm. I.e. "
      "'Remember to go by the store for some more milk'</i>",
      "<b>Alarmbeskrivelse</b><br><i>Her kan du sette en beskrivelse for alarmen. F.eks. 'Husk å "
      "kjøpe melk på butikken'</i>"}},
    {"rbtnAlarmActive",
     Property::ToolTip,
     {"<b>Alarm Activated</b><br><i>Check this checkbox in order to activate your alarm.<i>",
      "<b>Alarm Aktivert</b><br><i>Sjekk denne sjekkboksen for å aktivere alarmen.<i>"}},
    {"rbtnAlarmNotActive",
     Property::ToolTip,
     {"<b>Alarm Deactivated</b><br><i>Check this checkbox in order to deactivate your alarm.<i>",
      "<b>Alarm Deaktivert</b><br><i>Sjekk denne sjekkboksen for å deaktivere alarmen.<i>"}},
    {"btnOpenFile",
     Property::ToolTip,
     {"<b>Open Audio File</b><br><i>Click this button in order to choose a custom audio file.</i>",
      "<b>Åpne lydil</b><br><i>Klikk på knappen for å åpne en gitt lydfil.</i>"}},
    {"tbFilePath",
     Property::ToolTip,
     {"<b>File path</b><br><br><i>Displays the file path of the audio file.</i>",
      "<b>Filplassering</b><br><br><i>Viser filplasseringen til valgt lydfil.</i>"}},
    {"cbReason", Property::Item, {"Alarm Clock", "Vekkerklokke"}},
    {"cbReason", Property::Item, {"Reminder", "Påminnelse"}},
    {"btnOpenFile", Property::Text, {"Choose audio file", "Velg lydfil"}},
    {"rbtnAlarmActive", Property::Text, {"Activate alarm", "Aktiver alarm"}},
    {"rbtnAlarmNotActive", Property::Text, {"Deactivate alarm", "Deaktiver alarm"}},
    {"lblAlarmReason", Property::Text, {"<b>Reason for alarm:</b>", "<b>Alarmens hensikt:</b>"}},
    {"lblDescription",
     Property::Text,
     {"<b>Alarm description:</b>", "<b>Alarmens beskrivelse:</b>"}},
    {"lblSetTime", Property::Text, {"<b>Set time for alarm:<b>", "<b>Alarmens klokkeslett:<b>"}},
    {"gbAdditional", Property::Title, {"Details", "Detaljer"}},
    {"menuExtras", Property::Title, {"Extras", "Ekstra"}},
    {"menuFile", Property::Title, {"File", "Fil"}},
    {"menuHelp", Property::Title, {"Help", "Hjelp"}},
    {"actionAbout", Property::Text, {"About", "Om"}},
    {"actionExit", Property::Text, {"Exit", "Avslutt"}},
    {"menuSetting", Property::Title, {"Tools", "Verktøy"}},
    {"actionSettings", Property::Text, {"Settings", "Innstillinger"}},
    {"actionStopwatch", Property::Text, {"Stopwatch", "Stoppeklokke"}},
    {"actionCheck_for_updates", Property::Text, {"Check for updates", "Se etter oppdateringer"}},
    {"actionHelp", Property::Text, {"Information", "Informasjon"}},
};

QDateTime now()
{
    return state.clock ? state.clock() : QDateTime::currentDateTime();
}

// The language of the window's texts; the form's own are English.
Language shownLanguage()
{
    return state.language.value_or(Language::English);
}

// Every dialog is a local, parentless, modal object that lives for one run.
template <typename Dialog> void runDialog()
{
    Dialog dialog;
    dialog.setModal(true);
    dialog.exec();
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent), ui(new Ui::MainWindow), clockTimer(new QTimer(this)),
      saveTimer(new QTimer(this)), alarmSound(new AlarmSound(this))
{
    setStyleSheet(theme::darkTheme());
    ui->setupUi(this);
    readSettings();
    restoreAlarm();

    // Connected after the restore, so a damaged file stays until the user changes the alarm.
    saveTimer->setSingleShot(true);
    connect(saveTimer, &QTimer::timeout, this, &MainWindow::saveAlarm);
    const auto changed = [this] {
        if (!saveTimer->isActive())
            saveTimer->start(kSaveDelayMs);
    };
    connect(ui->teSetTime, &QTimeEdit::timeChanged, this, changed);
    connect(ui->cbReason, QOverload<int>::of(&QComboBox::currentIndexChanged), this, changed);
    connect(ui->pteDescription, &QPlainTextEdit::textChanged, this, changed);
    connect(ui->rbtnAlarmActive, &QRadioButton::toggled, this, changed);
    connect(ui->rbtnAlarmNotActive, &QRadioButton::toggled, this, changed);

    alarmSound->setObjectName(QStringLiteral("alarmSound"));
    clockTimer->setObjectName(QStringLiteral("clockTimer"));
    clockTimer->setSingleShot(true);
    clockTimer->setTimerType(Qt::PreciseTimer);
    connect(clockTimer, &QTimer::timeout, this, &MainWindow::showTime);
    // The status line and an alarm set to the current second react at once.
    connect(ui->teSetTime, &QTimeEdit::timeChanged, this, &MainWindow::showTime);
    connect(ui->rbtnAlarmActive, &QRadioButton::toggled, this, &MainWindow::showTime);
    connect(ui->rbtnAlarmNotActive, &QRadioButton::toggled, this, &MainWindow::showTime);
    showTime();
    // Its text changes every second; at a steady size that repaints the label alone.
    steadysize::hold(ui->lblClock);
    // A focused time editor repaints twice a second for its blinking cursor,
    // four times the clock's own cost; the first Tab or click still reaches it.
    setFocus();
}

MainWindow::~MainWindow()
{
    if (saveTimer->isActive())
        saveAlarm();
    delete ui;
}

void MainWindow::readSettings()
{
    using namespace settingsfiles;
    if (const auto code = readInt(kLanguage)) {
        const auto language = texttable::loadedLanguage(this, *code);
        if (language == Language::English)
            englishLang();
        else if (language == Language::Norwegian)
            norwegianLang();
    }
    if (const auto path = readFirstLine(kStoredAudio))
        ui->tbFilePath->setText(*path);
    if (const auto value = readInt(kVolume))
        state.volume = *value;
    if (const auto flag = readInt(kTooltips)) {
        state.tooltips = *flag;
        if (state.tooltips == 0)
            hideToolTips();
    }
}

void MainWindow::showTime()
{
    const QDateTime current = now();
    // Re-armed first, so the clock goes on inside the alarm box's loop.
    clockTimer->start(1000 - current.time().msec() + kAfterBoundaryMs);
    ui->lblClock->setText(current.time().toString(kTimeFormat));
    // Neither button checked: the alarm keeps what it had.
    if (ui->rbtnAlarmActive->isChecked() || ui->rbtnAlarmNotActive->isChecked())
        state.alarmActive = ui->rbtnAlarmActive->isChecked();

    const AlarmClock::Ring decision =
        state.alarmClock.check(state.lastTick, current, ui->teSetTime->time(), state.alarmActive);
    state.lastTick = current;
    showAlarmState();
    if (decision != AlarmClock::Ring::None)
        ring(decision == AlarmClock::Ring::WithSound);
}

void MainWindow::showAlarmState()
{
    const bool armed = ui->rbtnAlarmActive->isChecked();
    const bool disarmed = ui->rbtnAlarmNotActive->isChecked();
    // With neither button checked the line keeps its text.
    const Language language = shownLanguage();
    const QDateTime snoozedUntil = state.alarmClock.snoozedUntil();
    if (state.saveFailed)
        ui->lblAlarmStatus->setText(kNotSaved.in(language));
    else if (snoozedUntil.isValid())
        ui->lblAlarmStatus->setText(
            kSnoozedUntil.in(language).arg(snoozedUntil.time().toString(QStringLiteral("hh:mm"))));
    else if (armed || disarmed)
        ui->lblAlarmStatus->setText(
            state.language ? (armed ? kActiveStatus : kInactiveStatus).in(language) : QString());
}

void MainWindow::restoreAlarm()
{
    const alarmfile::Alarm saved = alarmfile::read();
    if (saved.time)
        ui->teSetTime->setTime(*saved.time);
    if (saved.reason && *saved.reason < ui->cbReason->count())
        ui->cbReason->setCurrentIndex(*saved.reason);
    if (saved.description)
        ui->pteDescription->setPlainText(*saved.description);
    if (saved.armed)
        (*saved.armed ? ui->rbtnAlarmActive : ui->rbtnAlarmNotActive)->setChecked(true);
}

void MainWindow::saveAlarm()
{
    saveTimer->stop();
    alarmfile::Alarm alarm{ui->teSetTime->time(), ui->cbReason->currentIndex(),
                           ui->pteDescription->toPlainText(), std::nullopt};
    if (ui->rbtnAlarmActive->isChecked() || ui->rbtnAlarmNotActive->isChecked())
        alarm.armed = ui->rbtnAlarmActive->isChecked();
    state.saveFailed = !alarmfile::write(alarm);
    showAlarmState();
}

void MainWindow::ring(bool withSound)
{
    if (withSound)
        alarmSound->start(ui->tbFilePath->text(), state.volume);
    if (state.ringObserver)
        state.ringObserver();
    QMessageBox box(QMessageBox::Information, ui->cbReason->currentText(),
                    ui->pteDescription->toPlainText(), QMessageBox::Ok, this);
    QPushButton *snooze = box.addButton(kSnooze.in(shownLanguage()), QMessageBox::ActionRole);
    snooze->setObjectName(QStringLiteral("btnSnooze"));
    box.setEscapeButton(QMessageBox::Ok);
    // Wide enough for the window manager to show the whole reason in the title bar.
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout()))
        grid->addItem(new QSpacerItem(box.fontMetrics().horizontalAdvance(box.windowTitle()) +
                                          kTitleDecorationWidth,
                                      0),
                      grid->rowCount(), 0, 1, grid->columnCount());
    box.exec();
    alarmSound->stop();
    if (box.clickedButton() == snooze)
        state.alarmClock.snooze(now(), state.snoozeMs);
    showAlarmState();
}

void MainWindow::hideToolTips()
{
    const QList<QWidget *> widgets = findChildren<QWidget *>();
    for (QWidget *widget : widgets)
        widget->setToolTip(QString());
}

void MainWindow::applyLanguage(Language language)
{
    texttable::apply(this, kTexts, language);
    state.language = language;
}

void MainWindow::englishLang()
{
    applyLanguage(Language::English);
}

void MainWindow::norwegianLang()
{
    applyLanguage(Language::Norwegian);
}

void MainWindow::on_btnOpenFile_clicked()
{
    const QString path = choosers::audioFile(this, ui->tbFilePath->text());
    if (!path.isEmpty())
        ui->tbFilePath->setText(path);
}

void MainWindow::on_actionExit_triggered()
{
    if (mayQuit())
        QApplication::exit(0);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!mayQuit())
        event->ignore();
}

bool MainWindow::mayQuit()
{
    if (!ui->rbtnAlarmActive->isChecked())
        return true;
    const Language language = shownLanguage();
    QMessageBox box(QMessageBox::Question, windowTitle(),
                    kQuitArmed.in(language).arg(ui->teSetTime->time().toString(kTimeFormat)),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.button(QMessageBox::Yes)->setText(kYes.in(language));
    box.button(QMessageBox::No)->setText(kNo.in(language));
    // Enter keeps the alarm; quitting takes a deliberate Yes.
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void MainWindow::on_actionSettings_triggered()
{
    runDialog<Settings>();
}

void MainWindow::on_actionAbout_triggered()
{
    runDialog<About>();
}

void MainWindow::on_actionStopwatch_triggered()
{
    runDialog<Stopwatch>();
}

void MainWindow::on_actionSend_feedback_triggered()
{
    if (QDesktopServices::openUrl(QUrl(kFeedbackPage, QUrl::TolerantMode)))
        return;
    const Language language = shownLanguage();
    QMessageBox box(QMessageBox::Information, kNoBrowser.title.in(language),
                    kNoBrowser.text.in(language).arg(kFeedbackPage), QMessageBox::Ok, this);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    box.exec();
}

void MainWindow::on_actionCheck_for_updates_triggered()
{
    runDialog<CheckUpdates>();
}

void MainWindow::on_actionHelp_triggered()
{
    runDialog<Articles>();
}

namespace alarmhooks {

void setClock(std::function<QDateTime()> now)
{
    state.clock = std::move(now);
}

void setRingObserver(std::function<void()> observer)
{
    state.ringObserver = std::move(observer);
}

void setSnoozeInterval(qint64 ms)
{
    state.snoozeMs = ms;
}

void reset()
{
    state = State();
}

const texttable::Table &texts()
{
    return kTexts;
}

} // namespace alarmhooks
