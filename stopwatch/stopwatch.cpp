#include "stopwatch/stopwatch.h"
#include "ui_stopwatch.h"

#include "app/theme.h"
#include "settings/settingsfiles.h"
#include "stopwatch/roundlog.h"
#include "stopwatch/timekeeper.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>

#include <utility>

namespace {

// Shared by every Stopwatch and kept when one is closed.
TimeKeeper keeper;
int hours = 0;
int minutes = 0;
int seconds = 0;
int hundredths = 0;
int roundCount = 0;
int languageCode = 0;

struct BoxText
{
    const char *title;
    const char *text;
};

const BoxText *boxFor(const BoxText (&texts)[2])
{
    if (languageCode == 1)
        return &texts[0];
    if (languageCode == 2)
        return &texts[1];
    return nullptr;
}

const BoxText kExportSucceeded[2] = {
    {"Export successful", "You have successfully exported the round log."},
    {"Eksportering vellykket", "Du har eksportert rundeloggen på vellykket vis."},
};

const BoxText kExportFailed[2] = {
    {"Export failed", "Could not export the round log. Please choose a folder and a file name you "
                      "can write to."},
    {"Eksportering mislyktes", "Kunne ikke eksportere rundeloggen. Vennligst velg en mappe og et "
                               "filnavn du kan skrive til."},
};

} // namespace

namespace stopwatchstate {

void setClock(std::function<qint64()> clock)
{
    keeper.setClock(std::move(clock));
}

void resetToProcessStart()
{
    keeper.stop();
    hours = minutes = seconds = hundredths = 0;
    roundCount = 0;
    languageCode = 0;
}

} // namespace stopwatchstate

Stopwatch::Stopwatch(QWidget *parent) : QDialog(parent), ui(new Ui::Stopwatch)
{
    setStyleSheet(theme::darkTheme());
    ui->setupUi(this);

    if (const auto code = settingsfiles::readInt(settingsfiles::kLanguage))
        languageCode = *code;

    keeper.pause();
    auto *tick = new QTimer(this);
    connect(tick, &QTimer::timeout, this, &Stopwatch::showTime);
    tick->setInterval(100);
    tick->start();

    if (languageCode == 1)
        langEnglish();
    else if (languageCode == 2)
        langNorwegian();
    else
        QMessageBox::critical(this, QStringLiteral("Language error"),
                              QStringLiteral("Failed to load language, please try again."));
}

Stopwatch::~Stopwatch()
{
    // The time while no dialog is open is not counted.
    keeper.pause();
    delete ui;
}

void Stopwatch::showTime()
{
    if (keeper.isRunning())
        startStopwatch();
}

void Stopwatch::startStopwatch()
{
    const TimeFields fields = timeFieldsOf(keeper.elapsedMilliseconds());
    hours = fields.hours;
    minutes = fields.minutes;
    seconds = fields.seconds;
    hundredths = fields.hundredths;
    ui->lblMilliseconds->setText(hundredthsText(hundredths));
    ui->lblSeconds->setText(twoDigitText(seconds));
    ui->lblMinutes->setText(twoDigitText(minutes));
    ui->lblHours->setText(twoDigitText(hours));
}

void Stopwatch::on_btnStart_clicked()
{
    keeper.start();
}

void Stopwatch::on_btnPause_clicked()
{
    const bool wasRunning = keeper.isRunning();
    keeper.pause();
    // Show the time just frozen, not the last tick's, which a round would record.
    if (wasRunning)
        startStopwatch();
}

void Stopwatch::on_btnStop_clicked()
{
    keeper.stop();
    hundredths = seconds = minutes = hours = 0;
    const QString zero = QStringLiteral("00");
    ui->lblMilliseconds->setText(zero);
    ui->lblSeconds->setText(zero);
    ui->lblMinutes->setText(zero);
    ui->lblHours->setText(zero);
}

void Stopwatch::on_btnRound_clicked()
{
    ++roundCount;
    const auto line = roundLine(languageCode, roundCount,
                                {ui->lblHours->text(), ui->lblMinutes->text(),
                                 ui->lblSeconds->text(), ui->lblMilliseconds->text()});
    if (line)
        ui->plainTextEdit->appendPlainText(*line);
    else
        QMessageBox::critical(
            this, QStringLiteral("Ops!"),
            QStringLiteral("Could not add item to the round log, please try again."));
}

void Stopwatch::on_btnClearLog_clicked()
{
    ui->plainTextEdit->clear();
    roundCount = 0;
}

void Stopwatch::langEnglish()
{
    ui->btnStart->setText(QStringLiteral("Start"));
    ui->btnPause->setText(QStringLiteral("Pause"));
    ui->btnRound->setText(QStringLiteral("Round"));
    ui->btnStop->setText(QStringLiteral("Stop"));
    ui->btnClearLog->setText(QStringLiteral("Clear round log"));
    ui->gbExport->setTitle(QStringLiteral("Export round log"));
    ui->lblFilename->setText(QStringLiteral("Set a filename:"));
    ui->btnSaveFile->setText(QStringLiteral("Export to"));
    ui->btnExport->setText(QStringLiteral("Export"));

    ui->btnStart->setWhatsThis(QStringLiteral(
        "<b>Start</b><br><br><i>Activates the stopwatch. The time tracks houndredths, seconds, "
        "minutes and hours.</i>"));
    ui->btnPause->setWhatsThis(QStringLiteral(
        "<b>Pause button</b><br><br><i>Sets the stopwatch temporarily on hold, all values will be "
        "kept until you choose to start it again. With the exception of closing the window or "
        "hitting the <b>Stop</b>-button.</i>"));
    ui->btnRound->setWhatsThis(QStringLiteral(
        "<b>Round</b><br><br><i>Appends the excact time of the stopwatch, into the round log. The "
        "time will also be assigned a reference number.</i>"));
    ui->btnStop->setWhatsThis(
        QStringLiteral("<b>Stop</b><br><br><i>Stops the running stopwatch. All values will be "
                       "reset and you can start it over again.</i>"));
    ui->btnClearLog->setWhatsThis(
        QStringLiteral("<b>Clear round log</b><br><br><i>Clears all text from the round log. "
                       "Amount of rounds will also be reset.</i>"));
    ui->plainTextEdit->setWhatsThis(QStringLiteral(
        "<b>Round log</b><br><br><i>The round log shows posts of times that you have chosen to "
        "keep track of. The posts wil be shown as the example below.<br>Round 1: "
        "00:00:02:70<br>Round 2: 00:00:05:10<br>Round 3: 00:01:01:20</i>"));
    ui->btnSaveFile->setWhatsThis(
        QStringLiteral("<b>Export to</b><br><br><i>By pressing <b>Export to</b> are you able to "
                       "choose where you want to store the round log.</i>"));
    ui->tbFileName->setWhatsThis(QStringLiteral(
        "<b>Filename</b><br><br><i>Is the title of the file of that you are exporting.</i>"));
}

void Stopwatch::langNorwegian()
{
    ui->btnStart->setText(QStringLiteral("Start"));
    ui->btnPause->setText(QStringLiteral("Pause"));
    ui->btnRound->setText(QStringLiteral("Runde"));
    ui->btnStop->setText(QStringLiteral("Stopp"));
    ui->btnClearLog->setText(QStringLiteral("Tøm rundelogg"));
    ui->gbExport->setTitle(QStringLiteral("Eksporter rundeloggen"));
    ui->lblFilename->setText(QStringLiteral("Velg filnavn:"));
    ui->btnSaveFile->setText(QStringLiteral("Eksporter til"));
    ui->btnExport->setText(QStringLiteral("Eksporter"));

    ui->btnStart->setWhatsThis(QStringLiteral(
        "<b>Start</b><br><br><i>Aktiverer stoppeklokka. Tiden holder rede på hundredeler, "
        "sekunder, minutter og timer.</i>"));
    ui->btnPause->setWhatsThis(QStringLiteral(
        "<b>Pauseknapp</b><br><br><i>Setter stoppeklokka midlertidig på pause, alle verdier vil "
        "beholdes til du velger å starte den igjen. Med unntak dersom du velger å lukke vinduet "
        "eller klikker på <b>Stop</b>-knappen.</i>"));
    ui->btnRound->setWhatsThis(QStringLiteral(
        "<b>Runde</b><br><br><i>Legger stoppeklokkens eksakte tid i loggen. Tiden vil også bli "
        "tildelt en referanse ved hjelp av rundenummer.</i>"));
    ui->btnStop->setWhatsThis(
        QStringLiteral("<b>Stopp</b><br><br><i>Stopper stoppeklokka. Alle verdier vil "
                       "nullstilles og du kan starte på nytt igjen.</i>"));
    ui->btnClearLog->setWhatsThis(
        QStringLiteral("<b>Tøm rundelogg</b><br><br><i>Tømmer all tekst fra rundeloggen. Antall "
                       "runder vil også nullstilles.</i>"));
    ui->plainTextEdit->setWhatsThis(QStringLiteral(
        "<b>Rundelogg</b><br><br><i>Rundeloggen viser poster med tider som du har valgt å holde "
        "rede på. Postene vil vises som eksempelet nedenfor.<br>Runde 1: 00:00:02:70<br>Runde 2: "
        "00:00:05:10<br>Runde 3: 00:01:01:20</i>"));
    ui->btnSaveFile->setWhatsThis(QStringLiteral(
        "<b>Eksporter til</b><br><br><i>Ved å trykke på <b>Eksporter til</b> velger du hvor du "
        "ønsker å lagre rundeloggen.</i>"));
    ui->tbFileName->setWhatsThis(
        QStringLiteral("<b>Filnavn</b><br><br><i>Er det navnet som du velger å navngi fila med "
                       "rundeloggen du eksporterer.</i>"));
}

void Stopwatch::on_btnSaveFile_clicked()
{
    ui->tbFilepath->setText(QFileDialog::getExistingDirectory(
        this, QStringLiteral("Export to"), QStringLiteral("/home"),
        QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks));
}

void Stopwatch::on_btnExport_clicked()
{
    const ExportResult result = exportRoundLog(ui->tbFilepath->text(), ui->tbFileName->text(),
                                               ui->plainTextEdit->toPlainText());
    if (result == ExportResult::Written) {
        if (const BoxText *box = boxFor(kExportSucceeded))
            QMessageBox::information(this, QString::fromUtf8(box->title),
                                     QString::fromUtf8(box->text));
    } else if (const BoxText *box = boxFor(kExportFailed)) {
        QMessageBox::critical(this, QString::fromUtf8(box->title), QString::fromUtf8(box->text));
    }
}
