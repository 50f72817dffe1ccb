#include "alarm/mainwindow.h"
#include "ui_mainwindow.h"

#include "alarm/alarm.h"
#include "alarm/alarmlist.h"
#include "alarm/alarmnames.h"
#include "alarm/mainwindowtexts.h"
#include "alarm/steadysize.h"
#include "kit/boxes.h"
#include "kit/choosers.h"
#include "kit/form.h"
#include "kit/ringbox.h"
#include "kit/screenfit.h"
#include "kit/timetyping.h"
#include "settings/settingsfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>

using namespace mainwindowtexts;

MainWindow::MainWindow(const Objects &objects, QWidget *parent)
    : QMainWindow(parent), ui(new Ui::MainWindow), objects(objects)
{
    form::build(this, *ui);
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
    missedAlarms = new QLabel(this);
    missedAlarms->setObjectName(QStringLiteral("lblMissed"));
    ui->statusBar->addWidget(missedAlarms);
    if (objects.languageCode) {
        const auto read = texttable::loadedLanguage(this, *objects.languageCode);
        if (read == Language::English)
            englishLang();
        else if (read == Language::Norwegian)
            norwegianLang();
    }
    if (const auto &unread = objects.alarms.unread())
        tellUnread(*unread);
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
    connect(ui->sbFadeIn, QOverload<int>::of(&QSpinBox::valueChanged), this,
            [this](int seconds) { selected().setFadeSeconds(seconds); });
    connect(ui->btnSkipNext, &QPushButton::toggled, this,
            [this](bool skip) { selected().setSkipNext(skip, this->objects.alarms.now()); });

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
    // A ring too late for its sound, found now or at start, is told once as missed; a new ring
    // makes news of its own.
    connect(&alarms, &AlarmList::rang, this, [this](Alarm *alarm, bool withSound) {
        if (withSound)
            missedAlarms->clear();
        else
            showMissed(alarm, alarm->lastDue());
    });
    connect(&alarms, &AlarmList::missed, this, &MainWindow::showMissed);

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
    ui->lblClock->setText(objects.alarms.lastTick().time().toString(QStringLiteral("hh:mm:ss")));
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
            inactive(ui->rbtnAlarmNotActive), snooze(ui->sbSnooze), fade(ui->sbFadeIn),
            skip(ui->btnSkipNext);
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
        ui->sbFadeIn->setValue(alarm.fadeSeconds());
        ui->btnSkipNext->setChecked(alarm.skippedRing().isValid());
        ui->btnSkipNext->setEnabled(alarm.canSkip());
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
    const QSignalBlocker keep(ui->lwAlarms);
    while (ui->lwAlarms->count() > alarms.count())
        delete ui->lwAlarms->takeItem(ui->lwAlarms->count() - 1);
    for (int row = 0; row < alarms.count(); ++row) {
        const QString text = alarmnames::row(alarms.at(row), language);
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
    nextAlarm->setText(next.alarm ? alarmnames::next(*next.alarm, next.at, language) : QString());
}

void MainWindow::showMissed(Alarm *alarm, const QDateTime &due)
{
    const QString said = missedAlarms->text();
    const QString missed = alarmnames::missed(*alarm, due, language);
    // Several at once are one line: "Missed alarm: Mon 07:00, Alarm Clock; Mon 07:30, Reminder".
    missedAlarms->setText(said.isEmpty() ? missed
                                         : said + QStringLiteral("; ") +
                                               missed.section(QStringLiteral(": "), 1));
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
    if (!boxes::ask(this, windowTitle(),
                    kDeleteQuestion.in(shown).arg(alarmnames::time(selected())), shown))
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

MainWindow::Menu MainWindow::menu() const
{
    return {ui->actionExit,          ui->actionSettings, ui->actionStartAtLogin,
            ui->actionStopwatch,     ui->actionTimer,    ui->actionCheck_for_updates,
            ui->actionSend_feedback, ui->actionHelp,     ui->actionAbout};
}

void MainWindow::bringToFront()
{
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

void MainWindow::showRing(Alarm *alarm)
{
    AlarmList &alarms = objects.alarms;
    // Gone, or answered elsewhere, before its box came.
    if (!alarms.isRinging(alarm))
        return;
    QMessageBox *box =
        ringbox::show(this, alarmnames::reason(alarm->reason(), language), alarm->description(),
                      alarmnames::snooze(*alarm, language.value_or(Language::English)),
                      [&alarms, alarm](ringbox::Answer answer) {
                          if (answer == ringbox::Answer::Snooze)
                              alarms.snooze(alarm);
                          else
                              alarms.stop(alarm);
                      });
    // Answered elsewhere (from a desktop notice) or deleted, the ring ends here too.
    connect(&alarms, &AlarmList::ended, box, [box, alarm](Alarm *ended) {
        if (ended == alarm)
            box->done(-1);
    });
}

void MainWindow::tellUnread(const AlarmList::Unread &unread)
{
    const Language shown = language.value_or(Language::English);
    const QString keptAs = QDir::toNativeSeparators(QFileInfo(unread.keptAs).absoluteFilePath());
    QString text;
    if (unread.keptAs.isEmpty())
        text = kFileNotSetAside.in(shown).arg(
            QDir::toNativeSeparators(QFileInfo(alarmfile::kPath).absoluteFilePath()));
    else if (unread.values.isEmpty())
        text = kFileSetAside.in(shown).arg(keptAs);
    else
        text = kValuesSetAside.in(shown).arg(unread.values.join(QLatin1Char('\n')), keptAs);
    QMessageBox box(QMessageBox::Warning, windowTitle(), text, QMessageBox::Ok, this);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    boxes::fitToScreen(box);
    box.exec();
}

void MainWindow::hideToolTips()
{
    const QList<QWidget *> widgets = findChildren<QWidget *>();
    for (QWidget *widget : widgets)
        widget->setToolTip(QString());
}

void MainWindow::applyLanguage(Language applied)
{
    texttable::apply(this, kForm, applied);
    for (int reason = 0; reason < AlarmSettings::kReasons; ++reason)
        ui->cbReason->addItem(alarmnames::reason(reason, applied));
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
