#include "alarm/mainwindow.h"
#include "ui_mainwindow.h"

#include "about/about.h"
#include "alarm/alarmsound.h"
#include "alarm/steadysize.h"
#include "app/theme.h"
#include "articles/articles.h"
#include "settings/settings.h"
#include "settings/settingsfiles.h"
#include "stopwatch/stopwatch.h"
#include "updates/checkupdates.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>
#include <QUrl>

namespace {

int volume = 0;
int tooltips = 0;
bool alarmActive = false;
QString activeStatusText;
QString inactiveStatusText;
QString currentTimeText;

MainWindow::Clock clockSource;
MainWindow::RingObserver ringObserver;

// Ticks land this long after a wall-clock second boundary, safely past it.
constexpr int kAfterBoundaryMs = 1;

QDateTime now()
{
    return clockSource ? clockSource() : QDateTime::currentDateTime();
}

// "hh:mm:ss", built by hand: the tick runs every second for the whole run.
QString timeText(const QTime &time)
{
    const int fields[] = {time.hour(), time.minute(), time.second()};
    QString text(8, QLatin1Char(':'));
    for (int i = 0; i < 3; ++i) {
        text[3 * i] = QLatin1Char(char('0' + fields[i] / 10));
        text[3 * i + 1] = QLatin1Char(char('0' + fields[i] % 10));
    }
    return text;
}

struct TextSet
{
    QString clockTip;
    QString setTimeTip;
    QString reasonTip;
    QString descriptionTip;
    QString activeTip;
    QString notActiveTip;
    QString openFileTip;
    QString filePathTip;
    QString firstReason;
    QString secondReason;
    QString openFile;
    QString active;
    QString notActive;
    QString reasonLabel;
    QString descriptionLabel;
    QString setTimeLabel;
    QString details;
    QString extrasMenu;
    QString fileMenu;
    QString helpMenu;
    QString about;
    QString exit;
    QString toolsMenu;
    QString settings;
    QString stopwatch;
    QString checkForUpdates;
    QString information;
    QString inactiveStatus;
    QString activeStatus;
};

const TextSet &english()
{
    static const TextSet texts{
        QStringLiteral("<b>Current Time</b><br><i>Shows the current local time.</i>"),
        QStringLiteral("<b>Set alarm time</b><br><i>You can set the time of the alarm in two "
                       "different ways: <ul> <li>Manually typing the time</li><li>Using the "
                       "<b>up-and-down</b>-arrows</li></ul></i>"),
        QStringLiteral("<b>Alarm Reason</b><br><i>Here you can set the reason for your alarm.</i>"),
        QStringLiteral("<b>Alarm Description</b><br><i>Here you can enter a description for your "
                       "alarm. I.e. 'Remember to go by the store for some more milk'</i>"),
        QStringLiteral("<b>Alarm Activated</b><br><i>Check this checkbox in order to activate "
                       "your alarm.<i>"),
        QStringLiteral("<b>Alarm Deactivated</b><br><i>Check this checkbox in order to deactivate "
                       "your alarm.<i>"),
        QStringLiteral("<b>Open Audio File</b><br><i>Click this button in order to choose a custom "
                       "audio file.</i>"),
        QStringLiteral("<b>File path</b><br><br><i>Displays the file path of the audio file.</i>"),
        QStringLiteral("Alarm Clock"),
        QStringLiteral("Reminder"),
        QStringLiteral("Choose audio file"),
        QStringLiteral("Activate alarm"),
        QStringLiteral("Deactivate alarm"),
        QStringLiteral("<b>Reason for alarm:</b>"),
        QStringLiteral("<b>Alarm description:</b>"),
        QStringLiteral("<b>Set time for alarm:<b>"),
        QStringLiteral("Details"),
        QStringLiteral("Extras"),
        QStringLiteral("File"),
        QStringLiteral("Help"),
        QStringLiteral("About"),
        QStringLiteral("Exit"),
        QStringLiteral("Tools"),
        QStringLiteral("Settings"),
        QStringLiteral("Stopwatch"),
        QStringLiteral("Check for updates"),
        QStringLiteral("Information"),
        QStringLiteral("Alarm currently not active"),
        QStringLiteral("Alarm currently active"),
    };
    return texts;
}

const TextSet &norwegian()
{
    static const TextSet texts{
        QStringLiteral("<b>Nåværende tid</b><br><i>Viser nåværende lokal tid.</i>"),
        QStringLiteral("<b>Sett tidspunkt for alarm</b><br><i>Du kan sette tidspunkt for alarmen "
                       "på to forskjellige måter: <ul> <li>Manuelt skrive inn tiden</li><li>Bruke "
                       "<b>opp-og-ned</b>-pilene</li></ul></i>"),
        QStringLiteral(
            "<b>Alarmens hensikt</b><br><i>Her kan du sette en hensikt for alarmen.</i>"),
        QStringLiteral("<b>Alarmbeskrivelse</b><br><i>Her kan du sette en beskrivelse for alarmen. "
                       "F.eks. 'Husk å kjøpe melk på butikken'</i>"),
        QStringLiteral("<b>Alarm Aktivert</b><br><i>Sjekk denne sjekkboksen for å aktivere "
                       "alarmen.<i>"),
        QStringLiteral("<b>Alarm Deaktivert</b><br><i>Sjekk denne sjekkboksen for å deaktivere "
                       "alarmen.<i>"),
        QStringLiteral("<b>Åpne lydil</b><br><i>Klikk på knappen for å åpne en gitt lydfil.</i>"),
        QStringLiteral(
            "<b>Filplassering</b><br><br><i>Viser filplasseringen til valgt lydfil.</i>"),
        QStringLiteral("Vekkerklokke"),
        QStringLiteral("Påminnelse"),
        QStringLiteral("Velg lydfil"),
        QStringLiteral("Aktiver alarm"),
        QStringLiteral("Deaktiver alarm"),
        QStringLiteral("<b>Alarmens hensikt:</b>"),
        QStringLiteral("<b>Alarmens beskrivelse:</b>"),
        QStringLiteral("<b>Alarmens klokkeslett:<b>"),
        QStringLiteral("Detaljer"),
        QStringLiteral("Ekstra"),
        QStringLiteral("Fil"),
        QStringLiteral("Hjelp"),
        QStringLiteral("Om"),
        QStringLiteral("Avslutt"),
        QStringLiteral("Verktøy"),
        QStringLiteral("Innstillinger"),
        QStringLiteral("Stoppeklokke"),
        QStringLiteral("Se etter oppdateringer"),
        QStringLiteral("Informasjon"),
        QStringLiteral("Alarm ikke aktivert"),
        QStringLiteral("Alarm aktivert"),
    };
    return texts;
}

void apply(Ui::MainWindow *ui, const TextSet &t)
{
    ui->lblClock->setToolTip(t.clockTip);
    ui->teSetTime->setToolTip(t.setTimeTip);
    ui->cbReason->setToolTip(t.reasonTip);
    ui->pteDescription->setToolTip(t.descriptionTip);
    ui->rbtnAlarmActive->setToolTip(t.activeTip);
    ui->rbtnAlarmNotActive->setToolTip(t.notActiveTip);
    ui->btnOpenFile->setToolTip(t.openFileTip);
    ui->tbFilePath->setToolTip(t.filePathTip);
    ui->cbReason->addItem(t.firstReason);
    ui->cbReason->addItem(t.secondReason);
    ui->btnOpenFile->setText(t.openFile);
    ui->rbtnAlarmActive->setText(t.active);
    ui->rbtnAlarmNotActive->setText(t.notActive);
    ui->lblAlarmReason->setText(t.reasonLabel);
    ui->lblDescription->setText(t.descriptionLabel);
    ui->lblSetTime->setText(t.setTimeLabel);
    ui->gbAdditional->setTitle(t.details);
    ui->menuExtras->setTitle(t.extrasMenu);
    ui->menuFile->setTitle(t.fileMenu);
    ui->menuHelp->setTitle(t.helpMenu);
    ui->actionAbout->setText(t.about);
    ui->actionExit->setText(t.exit);
    ui->menuSetting->setTitle(t.toolsMenu);
    ui->actionSettings->setText(t.settings);
    ui->actionStopwatch->setText(t.stopwatch);
    ui->actionCheck_for_updates->setText(t.checkForUpdates);
    ui->actionHelp->setText(t.information);
    inactiveStatusText = t.inactiveStatus;
    activeStatusText = t.activeStatus;
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
      alarmSound(new AlarmSound(this))
{
    setStyleSheet(theme::darkTheme());
    ui->setupUi(this);

    if (const auto language = settingsfiles::readFirstWord(settingsfiles::kLanguage)) {
        switch (settingsfiles::toInt(*language)) {
        case 1:
            englishLang();
            break;
        case 2:
            norwegianLang();
            break;
        default:
            QMessageBox::critical(
                this, QStringLiteral("Load error"),
                QStringLiteral("Failed to load previously stored language, please try again."));
        }
    }
    if (const auto path = settingsfiles::readFirstLine(settingsfiles::kStoredAudio))
        ui->tbFilePath->setText(*path);
    if (const auto value = settingsfiles::readInt(settingsfiles::kVolume))
        volume = *value;
    if (const auto flag = settingsfiles::readInt(settingsfiles::kTooltips)) {
        tooltips = *flag;
        if (tooltips == 0)
            hideToolTips();
    }

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
    delete ui;
}

void MainWindow::setClock(Clock now)
{
    clockSource = std::move(now);
}

void MainWindow::setRingObserver(RingObserver observer)
{
    ringObserver = std::move(observer);
}

void MainWindow::resetModuleState()
{
    volume = 0;
    tooltips = 0;
    alarmActive = false;
    activeStatusText.clear();
    inactiveStatusText.clear();
    currentTimeText.clear();
}

void MainWindow::showTime()
{
    const QDateTime current = now();
    // Re-armed first, so the clock goes on inside the alarm box's loop.
    clockTimer->start(1000 - current.time().msec() + kAfterBoundaryMs);

    currentTimeText = timeText(current.time());
    ui->lblClock->setText(currentTimeText);
    if (ui->rbtnAlarmActive->isChecked()) {
        alarmActive = true;
        ui->lblAlarmStatus->setText(activeStatusText);
    }
    if (ui->rbtnAlarmNotActive->isChecked()) {
        alarmActive = false;
        ui->lblAlarmStatus->setText(inactiveStatusText);
    }

    const AlarmClock::Ring decision =
        alarmClock.check(lastTick, current, ui->teSetTime->time(), alarmActive);
    lastTick = current;
    if (decision != AlarmClock::Ring::None)
        ring(decision == AlarmClock::Ring::WithSound);
}

void MainWindow::ring(bool withSound)
{
    if (withSound)
        alarmSound->start(ui->tbFilePath->text(), volume);
    if (ringObserver)
        ringObserver();
    QMessageBox::information(this, ui->cbReason->currentText(), ui->pteDescription->toPlainText());
    alarmSound->stop();
}

void MainWindow::hideToolTips()
{
    const QList<QWidget *> widgets = findChildren<QWidget *>();
    for (QWidget *widget : widgets)
        widget->setToolTip(QString());
}

void MainWindow::englishLang()
{
    apply(ui, english());
}

void MainWindow::norwegianLang()
{
    apply(ui, norwegian());
}

void MainWindow::on_btnOpenFile_clicked()
{
    ui->tbFilePath->setText(
        QFileDialog::getOpenFileName(this, tr("Open audio file"), QStringLiteral("C://"),
                                     QStringLiteral("Mp3 files (*.mp3);;Wave files (*.wav)")));
}

void MainWindow::on_actionExit_triggered()
{
    QApplication::exit(0);
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
    QDesktopServices::openUrl(
        QUrl(QStringLiteral("http://www.quorvane.com/wordpress1/tivora-evalutation/"),
             QUrl::TolerantMode));
}

void MainWindow::on_actionCheck_for_updates_triggered()
{
    runDialog<CheckUpdates>();
}

void MainWindow::on_actionHelp_triggered()
{
    runDialog<Articles>();
}
