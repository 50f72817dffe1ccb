#include "alarm/mainwindow.h"
#include "ui_mainwindow.h"

#include "about/about.h"
#include "alarm/alarm.h"
#include "alarm/alarmlist.h"
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
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>
#include <QUrl>

namespace {

const QString kTimeFormat = QStringLiteral("hh:mm:ss");

const Bilingual kActiveStatus{"Alarm currently active", "Alarm aktivert"};
const Bilingual kInactiveStatus{"Alarm currently not active", "Alarm ikke aktivert"};
const Bilingual kNotSaved{"Alarm not saved", "Alarmen ble ikke lagret"};
const Bilingual kSnoozedUntil{"Snoozed until %1", "Slumrer til %1"};
const Bilingual kSnooze{"Snooze %1 minutes", "Slumre %1 minutter"};
const Bilingual kSnoozeOne{"Snooze 1 minute", "Slumre 1 minutt"};
const Bilingual kNextAlarm{"Next alarm: %1 %2, %3", "Neste alarm: %1 %2, %3"};
const Bilingual kArmedRow{"On", "På"};
const Bilingual kDisarmedRow{"Off", "Av"};
const Bilingual kDeleteQuestion{"Delete the alarm at %1?", "Slette alarmen kl. %1?"};
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
    {"lwAlarms",
     Property::ToolTip,
     {"<b>Alarms</b><br><i>Select an alarm to see and change it below.</i>",
      "<b>Alarmer</b><br><i>Velg en alarm for å se og endre den nedenfor.</i>"}},
    {"btnNewAlarm",
     Property::ToolTip,
     {"<b>New alarm</b> (Ctrl+N)<br><i>Adds an alarm to the list.</i>",
      "<b>Ny alarm</b> (Ctrl+N)<br><i>Legger til en alarm i listen.</i>"}},
    {"btnDeleteAlarm",
     Property::ToolTip,
     {"<b>Delete alarm</b> (Delete in the list)<br><i>Removes the selected alarm from the "
      "list.</i>",
      "<b>Slett alarm</b> (Delete i listen)<br><i>Fjerner den valgte alarmen fra listen.</i>"}},
    {"sbSnooze",
     Property::ToolTip,
     {"<b>Snooze length</b><br><i>How long the alarm waits when you snooze it.</i>",
      "<b>Slumrelengde</b><br><i>Hvor lenge alarmen venter når du slumrer den.</i>"}},
    {"btnNewAlarm", Property::Text, {"New alarm", "Ny alarm"}},
    {"btnDeleteAlarm", Property::Text, {"Delete alarm", "Slett alarm"}},
    {"lblSnooze", Property::Text, {"Snooze length:", "Slumrelengde:"}},
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
    for (int day = 1; day <= 7; ++day) {
        auto *button = new QToolButton(this);
        button->setObjectName(QStringLiteral("tbDay%1").arg(day));
        button->setCheckable(true);
        button->setFocusPolicy(Qt::StrongFocus);
        button->setStyleSheet(theme::toggleRules());
        dayButtons << button;
        connect(button, &QToolButton::toggled, this, [this] {
            days::Days chosen = days::kOnce;
            for (int day = 1; day <= 7; ++day)
                if (dayButtons[day - 1]->isChecked())
                    chosen |= days::of(day);
            selected().setDays(chosen);
        });
    }
    ui->layoutAlarms->setAlignment(ui->layoutAlarmButtons, Qt::AlignTop);
    nextAlarm = new QLabel(this);
    nextAlarm->setObjectName(QStringLiteral("lblNextAlarm"));
    ui->statusBar->addWidget(nextAlarm);
    if (const auto code = settingsfiles::readInt(settingsfiles::kLanguage)) {
        const auto read = texttable::loadedLanguage(this, *code);
        if (read == Language::English)
            englishLang();
        else if (read == Language::Norwegian)
            norwegianLang();
    }
    placeDays();
    if (!objects.preferences.tooltips)
        hideToolTips();

    // The form edits the selected alarm; loading one into it is no edit.
    connect(ui->teSetTime, &QTimeEdit::timeChanged, this,
            [this](const QTime &time) { selected().setTime(time); });
    connect(ui->cbReason, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this](int reason) { selected().setReason(reason); });
    connect(ui->pteDescription, &QPlainTextEdit::textChanged, this,
            [this] { selected().setDescription(ui->pteDescription->toPlainText()); });
    connect(ui->rbtnAlarmActive, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            selected().setArmed(true);
    });
    connect(ui->rbtnAlarmNotActive, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            selected().setArmed(false);
    });
    connect(ui->sbSnooze, QOverload<int>::of(&QSpinBox::valueChanged), this,
            [this](int minutes) { selected().setSnoozeMinutes(minutes); });

    AlarmList &alarms = objects.alarms;
    connect(ui->lwAlarms, &QListWidget::currentRowChanged, this, &MainWindow::select);
    // Enter or a double-click on a row goes on to its form, its time selected for typing.
    connect(ui->lwAlarms, &QListWidget::itemActivated, this, &MainWindow::editTime);
    ui->lwAlarms->installEventFilter(this);
    // Ctrl+N, as for a new document anywhere else; its own object, so a button text with a
    // mnemonic never replaces it.
    connect(new QShortcut(QKeySequence::New, this), &QShortcut::activated, ui->btnNewAlarm,
            &QPushButton::click);
    connect(ui->btnNewAlarm, &QPushButton::clicked, this, [this] {
        Alarm *added = this->objects.alarms.add();
        if (!added)
            return;
        ui->lwAlarms->setCurrentRow(this->objects.alarms.indexOf(added));
        editTime();
    });
    connect(ui->btnDeleteAlarm, &QPushButton::clicked, this, &MainWindow::deleteSelected);
    showList();

    connect(&alarms, &AlarmList::ticked, this, &MainWindow::showTime);
    connect(&alarms, &AlarmList::changed, this, &MainWindow::showList);
    // A ring moves the next alarm on; its answer may too (a snooze).
    connect(&alarms, &AlarmList::rang, this, &MainWindow::showNext);
    connect(&alarms, &AlarmList::ended, this, &MainWindow::showNext);
    // Queued, so the ring's sound starts and the clock ticks on before the box waits for the user.
    connect(&alarms, &AlarmList::rang, this, &MainWindow::showRing, Qt::QueuedConnection);

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

Alarm &MainWindow::selected() const
{
    return *current;
}

void MainWindow::showTime()
{
    // The tick's own time: the clock is read once a second, not twice.
    ui->lblClock->setText(objects.alarms.lastTick().time().toString(kTimeFormat));
}

void MainWindow::select(int row)
{
    if (row < 0 || row >= objects.alarms.count())
        return;
    current = &objects.alarms.at(row);
    const Alarm &alarm = *current;
    {
        const QSignalBlocker time(ui->teSetTime), reason(ui->cbReason),
            description(ui->pteDescription), active(ui->rbtnAlarmActive),
            inactive(ui->rbtnAlarmNotActive), snooze(ui->sbSnooze);
        // Only what differs, so a field being typed in keeps its cursor.
        if (ui->teSetTime->time() != alarm.time())
            ui->teSetTime->setTime(alarm.time());
        ui->cbReason->setCurrentIndex(alarm.reason());
        if (ui->pteDescription->toPlainText() != alarm.description())
            ui->pteDescription->setPlainText(alarm.description());
        // An alarm never armed nor disarmed shows neither choice.
        for (QRadioButton *choice : {ui->rbtnAlarmActive, ui->rbtnAlarmNotActive}) {
            choice->setAutoExclusive(false);
            choice->setChecked(alarm.armed() && *alarm.armed() == (choice == ui->rbtnAlarmActive));
            choice->setAutoExclusive(true);
        }
        ui->sbSnooze->setValue(alarm.snoozeMinutes());
        for (int day = 1; day <= 7; ++day) {
            const QSignalBlocker keep(dayButtons[day - 1]);
            dayButtons[day - 1]->setChecked(alarm.days() & days::of(day));
        }
    }
    ui->tbFilePath->setText(objects.alarms.soundOf(alarm));
    showAlarmState();
}

void MainWindow::editTime()
{
    ui->teSetTime->setFocus(Qt::TabFocusReason);
    // Typing starts at the hour, wherever the cursor was left.
    ui->teSetTime->setSelectedSection(QDateTimeEdit::HourSection);
}

void MainWindow::showList()
{
    const AlarmList &alarms = objects.alarms;
    const Language shown = language.value_or(Language::English);
    const QSignalBlocker keep(ui->lwAlarms);
    while (ui->lwAlarms->count() > alarms.count())
        delete ui->lwAlarms->takeItem(ui->lwAlarms->count() - 1);
    for (int row = 0; row < alarms.count(); ++row) {
        const Alarm &alarm = alarms.at(row);
        const QString text =
            QStringList{alarm.time().toString(kTimeFormat), days::describe(alarm.days(), shown),
                        ringTitle(alarm), (alarm.isArmed() ? kArmedRow : kDisarmedRow).in(shown)}
                .join(QStringLiteral("  ·  "));
        if (row < ui->lwAlarms->count())
            ui->lwAlarms->item(row)->setText(text);
        else
            ui->lwAlarms->addItem(text);
    }
    ui->btnDeleteAlarm->setEnabled(alarms.count() > 1);
    ui->btnNewAlarm->setEnabled(!alarms.isFull());
    // The form follows its alarm, which may have moved or gone, or changed by itself.
    const int row = alarms.indexOf(current);
    ui->lwAlarms->setCurrentRow(row < 0 ? 0 : row);
    select(ui->lwAlarms->currentRow());
    showNext();
}

void MainWindow::showNext()
{
    const AlarmList::Next next = objects.alarms.next();
    const Language shown = language.value_or(Language::English);
    nextAlarm->setText(
        next.alarm ? kNextAlarm.in(shown).arg(days::shortName(next.at.date().dayOfWeek(), shown),
                                              next.at.time().toString(QStringLiteral("hh:mm")),
                                              ringTitle(*next.alarm))
                   : QString());
}

void MainWindow::placeDays()
{
    const Language shown = language.value_or(Language::English);
    QWidget *previous = ui->teSetTime;
    for (const int day : days::week(shown)) {
        QToolButton *button = dayButtons[day - 1];
        button->setText(days::shortName(day, shown));
        ui->layoutDays->addWidget(button);
        setTabOrder(previous, button);
        previous = button;
    }
    setTabOrder(previous, ui->cbReason);
    // The toggles sit together under the time, not spread over the form's width.
    ui->layoutDays->addStretch();
}

void MainWindow::deleteSelected()
{
    AlarmList &alarms = objects.alarms;
    if (alarms.count() < 2)
        return;
    const Language shown = language.value_or(Language::English);
    if (!confirm(kDeleteQuestion.in(shown).arg(selected().time().toString(kTimeFormat))))
        return;
    const int row = alarms.indexOf(current);
    Alarm &gone = selected();
    current = &alarms.at(row == 0 ? 1 : row - 1);
    alarms.remove(gone);
    ui->lwAlarms->setFocus(Qt::OtherFocusReason);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->lwAlarms && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Delete) {
        deleteSelected();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::showAlarmState()
{
    const Alarm &alarm = selected();
    const Language shown = language.value_or(Language::English);
    const QDateTime snoozedUntil = alarm.snoozedUntil();
    if (objects.alarms.saveFailed())
        ui->lblAlarmStatus->setText(kNotSaved.in(shown));
    else if (snoozedUntil.isValid())
        ui->lblAlarmStatus->setText(
            kSnoozedUntil.in(shown).arg(snoozedUntil.time().toString(QStringLiteral("hh:mm"))));
    else if (const auto armed = alarm.armed())
        ui->lblAlarmStatus->setText(language ? (*armed ? kActiveStatus : kInactiveStatus).in(shown)
                                             : QString());
    else
        ui->lblAlarmStatus->clear();
}

QString MainWindow::ringTitle(const Alarm &alarm) const
{
    return ui->cbReason->itemText(alarm.reason());
}

QString MainWindow::alarmName(const Alarm &alarm) const
{
    return ringTitle(alarm) + QLatin1Char(' ') + alarm.time().toString(QStringLiteral("hh:mm"));
}

QString MainWindow::snoozeText(const Alarm &alarm) const
{
    const Language shown = language.value_or(Language::English);
    const int minutes = alarm.snoozeMinutes();
    return minutes == 1 ? kSnoozeOne.in(shown) : kSnooze.in(shown).arg(minutes);
}

void MainWindow::bringToFront()
{
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

void MainWindow::showRing(Alarm *alarm, bool)
{
    AlarmList &alarms = objects.alarms;
    // Gone, or answered elsewhere, before its box came.
    if (!alarms.ringing().contains(alarm))
        return;
    // One box per ring, none waiting for another: each is answered on its own.
    auto *box = new QMessageBox(QMessageBox::Information, ringTitle(*alarm), alarm->description(),
                                QMessageBox::Ok, this);
    box->setWindowModality(Qt::WindowModal);
    QPushButton *snooze = box->addButton(snoozeText(*alarm), QMessageBox::ActionRole);
    snooze->setObjectName(QStringLiteral("btnSnooze"));
    box->setEscapeButton(QMessageBox::Ok);
    // Wide enough for the window manager to show the whole reason in the title bar.
    if (auto *grid = qobject_cast<QGridLayout *>(box->layout()))
        grid->addItem(new QSpacerItem(box->fontMetrics().horizontalAdvance(box->windowTitle()) +
                                          kTitleDecorationWidth,
                                      0),
                      grid->rowCount(), 0, 1, grid->columnCount());
    // Answered elsewhere (from a desktop notification) or deleted, the ring ends here too.
    connect(&alarms, &AlarmList::ended, box, [box, alarm](Alarm *ended) {
        if (ended == alarm)
            box->done(-1);
    });
    connect(box, &QMessageBox::finished, this, [this, box, snooze, alarm](int result) {
        // Answered, the box goes; a run of rings leaves none behind.
        box->deleteLater();
        if (result == -1 || !objects.alarms.ringing().contains(alarm))
            return;
        if (box->clickedButton() == snooze)
            objects.alarms.snooze(*alarm);
        else
            objects.alarms.stop(*alarm);
    });
    box->show();
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
    for (int day = 1; day <= 7; ++day)
        dayButtons[day - 1]->setToolTip(days::longName(day, applied));
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
    selected().setSound(path);
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
    if (!objects.alarms.isArmed()) {
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
    AlarmList &alarms = objects.alarms;
    const Language shown = language.value_or(Language::English);
    QString question;
    // A last try first: the disk may take it now.
    if (alarms.saveFailed() && !alarms.save())
        question = kQuitUnsaved.in(shown);
    else if (const AlarmList::Next next = alarms.next(); next.alarm)
        question = kQuitArmed.in(shown).arg(next.at.time().toString(kTimeFormat));
    else
        return true;
    return confirm(question);
}

bool MainWindow::confirm(const QString &question)
{
    const Language shown = language.value_or(Language::English);
    QMessageBox box(QMessageBox::Question, windowTitle(), question,
                    QMessageBox::Yes | QMessageBox::No, this);
    box.button(QMessageBox::Yes)->setText(kYes.in(shown));
    box.button(QMessageBox::No)->setText(kNo.in(shown));
    // Enter keeps the alarm; quitting or deleting takes a deliberate Yes.
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
