#include "stopwatch/stopwatch.h"
#include "ui_stopwatch.h"

#include "kit/boxes.h"
#include "kit/choosers.h"
#include "kit/form.h"
#include "kit/texttable.h"
#include "kit/theme.h"
#include "stopwatch/roundlog.h"
#include "stopwatch/stopwatchsession.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace {

const BilingualBox kExportSucceeded{{"Export successful", "Eksportering vellykket"},
                                    {"You have successfully exported the round log.",
                                     "Du har eksportert rundeloggen på vellykket vis."}};

const BilingualBox kExportFailed{
    {"Export failed", "Eksportering mislyktes"},
    {"Could not export the round log. Please choose a folder and a file name you can write to.",
     "Kunne ikke eksportere rundeloggen. Vennligst velg en mappe og et filnavn du kan skrive "
     "til."}};

const BilingualBox kNameLeavesFolder{
    {"Export failed", "Eksportering mislyktes"},
    {"A file name cannot hold \"/\". Please choose a name without it; the round log is saved "
     "in the folder you chose.",
     "Et filnavn kan ikke inneholde «/». Vennligst velg et navn uten det; rundeloggen lagres i "
     "mappen du valgte."}};

const BilingualBox kNameTooLong{{"Export failed", "Eksportering mislyktes"},
                                {"The file name is too long. Please choose a shorter name.",
                                 "Filnavnet er for langt. Vennligst velg et kortere navn."}};

const BilingualBox kReplace{
    {"Replace file", "Erstatt fil"},
    {"%1 already exists. Do you want to replace it?", "%1 finnes allerede. Vil du erstatte den?"}};
using texttable::Property;

const texttable::Table kTexts{
    {"btnStart", Property::Text, {"Start", "Start"}},
    {"btnPause", Property::Text, {"Pause", "Pause"}},
    {"btnRound", Property::Text, {"Round", "Runde"}},
    {"btnStop", Property::Text, {"Stop", "Stopp"}},
    {"btnClearLog", Property::Text, {"Clear round log", "Tøm rundelogg"}},
    {"gbExport", Property::Title, {"Export round log", "Eksporter rundeloggen"}},
    {"lblFilename", Property::Text, {"Set a filename:", "Velg filnavn:"}},
    {"btnSaveFile", Property::Text, {"Export to", "Eksporter til"}},
    {"btnExport", Property::Text, {"Export", "Eksporter"}},
    {"btnStart",
     Property::WhatsThis,
     {"<b>Start</b><br><br><i>Activates the stopwatch. The time tracks houndredths, seconds, "
      "minutes and hours.</i>",
      "<b>Start</b><br><br><i>Aktiverer stoppeklokka. Tiden holder rede på hundredeler, sekunder, "
      "minutter og timer.</i>"}},
    {"btnPause",
     Property::WhatsThis,
     {"<b>Pause button</b><br><br><i>Sets the stopwatch temporarily on hold, all values will be "
      "kept until you choose to start it again. With the exception of closing the window or "
      "hitting the <b>Stop</b>-button.</i>",
      "<b>Pauseknapp</b><br><br><i>Setter stoppeklokka midlertidig på pause, alle verdier vil "
      "beholdes til du velger å starte den igjen. Med unntak dersom du velger å lukke vinduet "
      "eller klikker på <b>Stop</b>-knappen.</i>"}},
    {"btnRound",
     Property::WhatsThis,
     {"<b>Round</b><br><br><i>Appends the excact time of the stopwatch, into the round log. The "
      "time will also be assigned a reference number.</i>",
      "<b>Runde</b><br><br><i>Legger stoppeklokkens eksakte tid i loggen. Tiden vil også bli "
      "tildelt en referanse ved hjelp av rundenummer.</i>"}},
    {"btnStop",
     Property::WhatsThis,
     {"<b>Stop</b><br><br><i>Stops the running stopwatch. All values will be reset and you can "
      "start it over again.</i>",
      "<b>Stopp</b><br><br><i>Stopper stoppeklokka. Alle verdier vil nullstilles og du kan starte "
      "på nytt igjen.</i>"}},
    {"btnClearLog",
     Property::WhatsThis,
     {"<b>Clear round log</b><br><br><i>Clears all text from the round log. Amount of rounds will "
      "also be reset.</i>",
      "<b>Tøm rundelogg</b><br><br><i>Tømmer all tekst fra rundeloggen. Antall runder vil også "
      "nullstilles.</i>"}},
    {"plainTextEdit",
     Property::WhatsThis,
     {"<b>Round log</b><br><br><i>The round log shows posts of times that you have chosen to keep "
      "track of. The posts wil be shown as the example below.<br>Round 1: 00:00:02:70<br>Round 2: "
      "00:00:05:10<br>Round 3: 00:01:01:20</i>",
      "<b>Rundelogg</b><br><br><i>Rundeloggen viser poster med tider som du har valgt å holde "
      "rede på. Postene vil vises som eksempelet nedenfor.<br>Runde 1: 00:00:02:70<br>Runde 2: "
      "00:00:05:10<br>Runde 3: 00:01:01:20</i>"}},
    {"btnSaveFile",
     Property::WhatsThis,
     {"<b>Export to</b><br><br><i>By pressing <b>Export to</b> are you able to choose where you "
      "want to store the round log.</i>",
      "<b>Eksporter til</b><br><br><i>Ved å trykke på <b>Eksporter til</b> velger du hvor du "
      "ønsker å lagre rundeloggen.</i>"}},
    {"tbFileName",
     Property::WhatsThis,
     {"<b>Filename</b><br><br><i>Is the title of the file of that you are exporting.</i>",
      "<b>Filnavn</b><br><br><i>Er det navnet som du velger å navngi fila med rundeloggen du "
      "eksporterer.</i>"}},
};

} // namespace

Stopwatch::Stopwatch(StopwatchSession &session, QWidget *parent)
    : QDialog(parent), ui(new Ui::Stopwatch), session(session)
{
    form::build(this, *ui);
    // The buttons' own sheet would hide the theme's mark of keyboard focus.
    for (QPushButton *button : {ui->btnStart, ui->btnPause, ui->btnRound, ui->btnStop})
        button->setStyleSheet(button->styleSheet() + theme::focusRules());

    session.readLanguage();
    keeper().pause();
    // It opens showing the time it holds.
    if (keeper().elapsedMilliseconds() > 0)
        startStopwatch();
    auto *tick = new QTimer(this);
    connect(tick, &QTimer::timeout, this, &Stopwatch::showTime);
    tick->start(StopwatchSession::kTickMs);

    const auto language = session.language();
    if (language == Language::English)
        langEnglish();
    else if (language == Language::Norwegian)
        langNorwegian();
    else
        QMessageBox::critical(this, QStringLiteral("Language error"),
                              QStringLiteral("Failed to load language, please try again."));
}

Stopwatch::~Stopwatch()
{
    // The time while no dialog is open is not counted.
    keeper().pause();
    delete ui;
}

TimeKeeper &Stopwatch::keeper()
{
    return session.keeper();
}

void Stopwatch::showTime()
{
    if (keeper().isRunning())
        startStopwatch();
}

void Stopwatch::startStopwatch()
{
    showClock(clockTextsOf(keeper().elapsedMilliseconds()));
}

void Stopwatch::showClock(const ClockTexts &clock)
{
    ui->lblHours->setText(clock.hours);
    ui->lblMinutes->setText(clock.minutes);
    ui->lblSeconds->setText(clock.seconds);
    ui->lblMilliseconds->setText(clock.hundredths);
}

ClockTexts Stopwatch::shownClock() const
{
    return {ui->lblHours->text(), ui->lblMinutes->text(), ui->lblSeconds->text(),
            ui->lblMilliseconds->text()};
}

void Stopwatch::showBox(const BilingualBox &box, MessageBoxFunction show)
{
    // Without a known language the export stays silent.
    if (const auto language = session.language())
        show(this, box.title.in(*language), box.text.in(*language), QMessageBox::Ok,
             QMessageBox::NoButton);
}

void Stopwatch::on_btnStart_clicked()
{
    keeper().start();
}

void Stopwatch::on_btnPause_clicked()
{
    const bool wasRunning = keeper().isRunning();
    keeper().pause();
    // Show the time just frozen, not the last tick's, which a round would record.
    if (wasRunning)
        startStopwatch();
}

void Stopwatch::on_btnStop_clicked()
{
    keeper().stop();
    const QString zero = QStringLiteral("00");
    showClock({zero, zero, zero, zero});
}

void Stopwatch::on_btnRound_clicked()
{
    if (const auto line = session.nextRound(shownClock()))
        ui->plainTextEdit->appendPlainText(*line);
    else
        QMessageBox::critical(
            this, QStringLiteral("Ops!"),
            QStringLiteral("Could not add item to the round log, please try again."));
}

void Stopwatch::on_btnClearLog_clicked()
{
    ui->plainTextEdit->clear();
    session.clearRounds();
}

void Stopwatch::langEnglish()
{
    texttable::apply(this, kTexts, Language::English);
}

void Stopwatch::langNorwegian()
{
    texttable::apply(this, kTexts, Language::Norwegian);
}

void Stopwatch::on_btnSaveFile_clicked()
{
    ui->tbFilepath->setText(
        choosers::folder(this, QStringLiteral("Export to"), session.lastExportFolder()));
}

void Stopwatch::on_btnExport_clicked()
{
    const QString folder = ui->tbFilepath->text(), name = ui->tbFileName->text();
    const Language language = session.language().value_or(Language::English);
    if (exportReplaces(folder, name) &&
        !boxes::ask(
            this, kReplace.title.in(language),
            kReplace.text.in(language).arg(QFileInfo(exportFilePath(folder, name)).fileName()),
            language))
        return;
    const ExportResult result = exportRoundLog(folder, name, ui->plainTextEdit->toPlainText());
    if (result == ExportResult::Written) {
        session.setLastExportFolder(ui->tbFilepath->text());
        showBox(kExportSucceeded, &QMessageBox::information);
    } else
        showBox(result == ExportResult::NameLeavesFolder ? kNameLeavesFolder
                : result == ExportResult::NameTooLong    ? kNameTooLong
                                                         : kExportFailed,
                &QMessageBox::critical);
}
