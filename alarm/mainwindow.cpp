#include "alarm/mainwindow.h"
#include "ui_mainwindow.h"

#include "about/about.h"
#include "alarm/alarm.h"
#include "alarm/steadysize.h"
#include "articles/articles.h"
#include "kit/boxes.h"
#include "kit/choosers.h"
#include "kit/desktop.h"
#include "kit/screenfit.h"
#include "kit/texttable.h"
#include "kit/theme.h"
#include "kit/timetyping.h"
#include "settings/settings.h"
#include "settings/settingsfiles.h"
#include "stopwatch/stopwatch.h"
#include "updates/checkupdates.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace {

const QString kTimeFormat = QStringLiteral("hh:mm:ss");

const Bilingual kActiveStatus{"Alarm currently active", "Alarm aktivert"};
const Bilingual kInactiveStatus{"Alarm currently not active", "Alarm ikke aktivert"};
const Bilingual kNotSaved{"Alarm not saved", "Alarmen ble ikke lagret"};
const Bilingual kSnoozedUntil{"Snoozed until %1", "Slumrer til %1"};
const Bilingual kSnooze{"Snooze 10 minutes", "Slumre 10 minutter"};
const Bilingual kQuitArmed{
    "The alarm at %1 will not ring while Tivora is closed. Quit anyway?",
    "Alarmen kl. %1 vil ikke ringe mens Tivora er lukket. Avslutte likevel?"};
const Bilingual kQuitUnsaved{
    "The alarm could not be saved and will be lost when Tivora quits. Quit anyway?",
    "Alarmen kunne ikke lagres og går tapt når Tivora avsluttes. Avslutte likevel?"};
const BilingualBox kInBackground{
    {"Tivora", "Tivora"},
    {"Tivora keeps running in the background, so the alarm still rings. To quit, choose File > "
     "Exit, or Quit in the menu of Tivora's icon in the system tray.",
     "Tivora fortsetter å kjøre i bakgrunnen, så alarmen ringer likevel. For å avslutte, velg "
     "Fil > Avslutt, eller Avslutt i menyen til Tivoras ikon i systemstatusfeltet."}};
const Bilingual kNoStartAtLogin{"Could not change whether Tivora starts when you log in.",
                                "Kunne ikke endre om Tivora starter når du logger inn."};
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
    {"menuExtras", Property::Title, {"E&xtras", "&Ekstra"}},
    {"menuFile", Property::Title, {"&File", "&Fil"}},
    {"menuHelp", Property::Title, {"&Help", "&Hjelp"}},
    {"actionAbout", Property::Text, {"About", "Om"}},
    {"actionExit", Property::Text, {"Exit", "Avslutt"}},
    {"menuSetting", Property::Title, {"&Tools", "&Verktøy"}},
    {"actionSettings", Property::Text, {"Settings", "Innstillinger"}},
    {"actionStartAtLogin",
     Property::Text,
     {"Start Tivora when I log in", "Start Tivora når jeg logger inn"}},
    {"actionStopwatch", Property::Text, {"Stopwatch", "Stoppeklokke"}},
    {"actionCheck_for_updates", Property::Text, {"Check for updates", "Se etter oppdateringer"}},
    {"actionHelp", Property::Text, {"Information", "Informasjon"}},
};

// Every dialog is a local, parentless, modal object that lives for one run.
void runModal(QDialog &dialog)
{
    dialog.setModal(true);
    dialog.exec();
}

} // namespace

MainWindow::MainWindow(const Objects &objects, QWidget *parent)
    : QMainWindow(parent), ui(new Ui::MainWindow), objects(objects)
{
    setStyleSheet(theme::darkTheme());
    ui->setupUi(this);
    timetyping::install(ui->teSetTime);
    if (const auto code = settingsfiles::readInt(settingsfiles::kLanguage)) {
        const auto read = texttable::loadedLanguage(this, *code);
        if (read == Language::English)
            englishLang();
        else if (read == Language::Norwegian)
            norwegianLang();
    }
    if (!objects.preferences.tooltips)
        hideToolTips();

    Alarm &alarm = objects.alarm;
    ui->teSetTime->setTime(alarm.time());
    ui->cbReason->setCurrentIndex(alarm.reason());
    ui->pteDescription->setPlainText(alarm.description());
    if (const auto armed = alarm.armed())
        (*armed ? ui->rbtnAlarmActive : ui->rbtnAlarmNotActive)->setChecked(true);
    ui->tbFilePath->setText(alarm.sound());
    showAlarmState();

    // Connected after the form shows the alarm, so showing it is no change to save.
    connect(ui->teSetTime, &QTimeEdit::timeChanged, &alarm, &Alarm::setTime);
    connect(ui->cbReason, QOverload<int>::of(&QComboBox::currentIndexChanged), &alarm,
            &Alarm::setReason);
    connect(ui->pteDescription, &QPlainTextEdit::textChanged, &alarm,
            [this] { this->objects.alarm.setDescription(ui->pteDescription->toPlainText()); });
    connect(ui->rbtnAlarmActive, &QRadioButton::toggled, &alarm, [this](bool checked) {
        if (checked)
            this->objects.alarm.setArmed(true);
    });
    connect(ui->rbtnAlarmNotActive, &QRadioButton::toggled, &alarm, [this](bool checked) {
        if (checked)
            this->objects.alarm.setArmed(false);
    });
    connect(&alarm, &Alarm::ticked, this, &MainWindow::showTime);
    connect(&alarm, &Alarm::changed, this, &MainWindow::showAlarmState);
    // Queued, so the ring's sound starts and the clock ticks on before the box waits for the user.
    connect(&alarm, &Alarm::rang, this, &MainWindow::showRing, Qt::QueuedConnection);

    ui->actionStartAtLogin->setChecked(desktop::startsAtLogin());
    connect(ui->actionStartAtLogin, &QAction::toggled, this, [this](bool on) {
        if (desktop::setStartAtLogin(on))
            return;
        const QSignalBlocker keep(ui->actionStartAtLogin);
        ui->actionStartAtLogin->setChecked(!on);
        QMessageBox::critical(this, windowTitle(),
                              kNoStartAtLogin.in(language.value_or(Language::English)));
    });

    // Its text changes every second; at a steady size that repaints the label alone.
    steadysize::hold(ui->lblClock);
    // A focused time editor repaints twice a second for its blinking cursor,
    // four times the clock's own cost; the first Tab or click still reaches it.
    setFocus();
    screenfit::fit(this);
}

MainWindow::~MainWindow()
{
    delete ui;
}

void MainWindow::showTime()
{
    // The tick's own time: the clock is read once a second, not twice.
    ui->lblClock->setText(objects.alarm.lastTick().time().toString(kTimeFormat));
}

void MainWindow::showAlarmState()
{
    const Alarm &alarm = objects.alarm;
    const Language shown = language.value_or(Language::English);
    const QDateTime snoozedUntil = alarm.snoozedUntil();
    if (alarm.saveFailed())
        ui->lblAlarmStatus->setText(kNotSaved.in(shown));
    else if (snoozedUntil.isValid())
        ui->lblAlarmStatus->setText(
            kSnoozedUntil.in(shown).arg(snoozedUntil.time().toString(QStringLiteral("hh:mm"))));
    else if (const auto armed = alarm.armed())
        ui->lblAlarmStatus->setText(language ? (*armed ? kActiveStatus : kInactiveStatus).in(shown)
                                             : QString());
}

QString MainWindow::ringTitle() const
{
    return ui->cbReason->currentText();
}

void MainWindow::bringToFront()
{
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

void MainWindow::showRing()
{
    QMessageBox box(QMessageBox::Information, ringTitle(), objects.alarm.description(),
                    QMessageBox::Ok, this);
    QPushButton *snooze =
        box.addButton(kSnooze.in(language.value_or(Language::English)), QMessageBox::ActionRole);
    snooze->setObjectName(QStringLiteral("btnSnooze"));
    box.setEscapeButton(QMessageBox::Ok);
    // Wide enough for the window manager to show the whole reason in the title bar.
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout()))
        grid->addItem(new QSpacerItem(box.fontMetrics().horizontalAdvance(box.windowTitle()) +
                                          kTitleDecorationWidth,
                                      0),
                      grid->rowCount(), 0, 1, grid->columnCount());
    // Answered elsewhere (from a desktop notification), the ring ends here too.
    bool answered = false;
    connect(&objects.alarm, &Alarm::ended, &box, [&] {
        answered = true;
        box.done(QMessageBox::Ok);
    });
    box.exec();
    if (answered)
        return;
    if (box.clickedButton() == snooze)
        objects.alarm.snooze();
    else
        objects.alarm.stop();
}

void MainWindow::hideToolTips()
{
    const QList<QWidget *> widgets = findChildren<QWidget *>();
    for (QWidget *widget : widgets)
        widget->setToolTip(QString());
}

void MainWindow::applyLanguage(Language applied)
{
    texttable::apply(this, kTexts, applied);
    language = applied;
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
    if (path.isEmpty())
        return;
    ui->tbFilePath->setText(path);
    objects.alarm.setSound(path);
}

void MainWindow::on_actionExit_triggered()
{
    quit();
}

void MainWindow::quit()
{
    if (mayQuit())
        emit quitting();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!objects.alarm.armed().value_or(false)) {
        if (mayQuit())
            emit quitting();
        else
            event->ignore();
        return;
    }
    // An armed alarm rings with the window closed: Tivora goes on in the background.
    event->ignore();
    hide();
    if (toldAboutBackground)
        return;
    toldAboutBackground = true;
    const Language shown = language.value_or(Language::English);
    QMessageBox::information(this, kInBackground.title.in(shown), kInBackground.text.in(shown));
}

bool MainWindow::mayQuit()
{
    Alarm &alarm = objects.alarm;
    const Language shown = language.value_or(Language::English);
    QString question;
    // A last try first: the disk may take it now.
    if (alarm.saveFailed() && !alarm.save())
        question = kQuitUnsaved.in(shown);
    else if (alarm.armed().value_or(false))
        question = kQuitArmed.in(shown).arg(alarm.time().toString(kTimeFormat));
    else
        return true;
    QMessageBox box(QMessageBox::Question, windowTitle(), question,
                    QMessageBox::Yes | QMessageBox::No, this);
    box.button(QMessageBox::Yes)->setText(kYes.in(shown));
    box.button(QMessageBox::No)->setText(kNo.in(shown));
    // Enter keeps the alarm; quitting takes a deliberate Yes.
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void MainWindow::on_actionSettings_triggered()
{
    Settings dialog;
    runModal(dialog);
}

void MainWindow::on_actionAbout_triggered()
{
    About dialog;
    runModal(dialog);
}

void MainWindow::on_actionStopwatch_triggered()
{
    Stopwatch dialog(objects.stopwatch);
    runModal(dialog);
}

void MainWindow::on_actionSend_feedback_triggered()
{
    if (QDesktopServices::openUrl(QUrl(kFeedbackPage, QUrl::TolerantMode)))
        return;
    const Language shown = language.value_or(Language::English);
    QMessageBox box(QMessageBox::Information, kNoBrowser.title.in(shown),
                    kNoBrowser.text.in(shown).arg(kFeedbackPage), QMessageBox::Ok, this);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    box.exec();
}

void MainWindow::on_actionCheck_for_updates_triggered()
{
    CheckUpdates dialog(objects.updates);
    runModal(dialog);
}

void MainWindow::on_actionHelp_triggered()
{
    Articles dialog(objects.articles);
    runModal(dialog);
}
