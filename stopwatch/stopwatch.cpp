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

struct TextSet
{
    const char *btnStartText;
    const char *btnPauseText;
    const char *btnRoundText;
    const char *btnStopText;
    const char *btnClearLogText;
    const char *gbExportTitle;
    const char *lblFilenameText;
    const char *btnSaveFileText;
    const char *btnExportText;
    const char *btnStartHelp;
    const char *btnPauseHelp;
    const char *btnRoundHelp;
    const char *btnStopHelp;
    const char *btnClearLogHelp;
    const char *plainTextEditHelp;
    const char *btnSaveFileHelp;
    const char *tbFileNameHelp;
};

const TextSet &english()
{
    static const TextSet texts{
        "Start",
        "Pause",
        "Round",
        "Stop",
        "Clear round log",
        "Export round log",
        "Set a filename:",
        "Export to",
        "Export",
        "<b>Start</b><br><br><i>Activates the stopwatch. The time tracks houndredths, seconds, "
        "minutes and hours.</i>",
        "<b>Pause button</b><br><br><i>Sets the stopwatch temporarily on hold, all values will be "
        "kept until you choose to start it again. With the exception of closing the window or "
        "hitting the <b>Stop</b>-button.</i>",
        "<b>Round</b><br><br><i>Appends the excact time of the stopwatch, into the round log. The "
        "time will also be assigned a reference number.</i>",
        "<b>Stop</b><br><br><i>Stops the running stopwatch. All values will be "
        "reset and you can start it over again.</i>",
        "<b>Clear round log</b><br><br><i>Clears all text from the round log. "
        "Amount of rounds will also be reset.</i>",
        "<b>Round log</b><br><br><i>The round log shows posts of times that you have chosen to "
        "keep track of. The posts wil be shown as the example below.<br>Round 1: "
        "00:00:02:70<br>Round 2: 00:00:05:10<br>Round 3: 00:01:01:20</i>",
        "<b>Export to</b><br><br><i>By pressing <b>Export to</b> are you able to "
        "choose where you want to store the round log.</i>",
        "<b>Filename</b><br><br><i>Is the title of the file of that you are exporting.</i>",
    };
    return texts;
}

const TextSet &norwegian()
{
    static const TextSet texts{
        "Start",
        "Pause",
        "Runde",
        "Stopp",
        "Tøm rundelogg",
        "Eksporter rundeloggen",
        "Velg filnavn:",
        "Eksporter til",
        "Eksporter",
        "<b>Start</b><br><br><i>Aktiverer stoppeklokka. Tiden holder rede på hundredeler, "
        "sekunder, minutter og timer.</i>",
        "<b>Pauseknapp</b><br><br><i>Setter stoppeklokka midlertidig på pause, alle verdier vil "
        "beholdes til du velger å starte den igjen. Med unntak dersom du velger å lukke vinduet "
        "eller klikker på <b>Stop</b>-knappen.</i>",
        "<b>Runde</b><br><br><i>Legger stoppeklokkens eksakte tid i loggen. Tiden vil også bli "
        "tildelt en referanse ved hjelp av rundenummer.</i>",
        "<b>Stopp</b><br><br><i>Stopper stoppeklokka. Alle verdier vil "
        "nullstilles og du kan starte på nytt igjen.</i>",
        "<b>Tøm rundelogg</b><br><br><i>Tømmer all tekst fra rundeloggen. Antall "
        "runder vil også nullstilles.</i>",
        "<b>Rundelogg</b><br><br><i>Rundeloggen viser poster med tider som du har valgt å holde "
        "rede på. Postene vil vises som eksempelet nedenfor.<br>Runde 1: 00:00:02:70<br>Runde 2: "
        "00:00:05:10<br>Runde 3: 00:01:01:20</i>",
        "<b>Eksporter til</b><br><br><i>Ved å trykke på <b>Eksporter til</b> velger du hvor du "
        "ønsker å lagre rundeloggen.</i>",
        "<b>Filnavn</b><br><br><i>Er det navnet som du velger å navngi fila med "
        "rundeloggen du eksporterer.</i>",
    };
    return texts;
}

void apply(Ui::Stopwatch *ui, const TextSet &t)
{
    ui->btnStart->setText(QString::fromUtf8(t.btnStartText));
    ui->btnPause->setText(QString::fromUtf8(t.btnPauseText));
    ui->btnRound->setText(QString::fromUtf8(t.btnRoundText));
    ui->btnStop->setText(QString::fromUtf8(t.btnStopText));
    ui->btnClearLog->setText(QString::fromUtf8(t.btnClearLogText));
    ui->gbExport->setTitle(QString::fromUtf8(t.gbExportTitle));
    ui->lblFilename->setText(QString::fromUtf8(t.lblFilenameText));
    ui->btnSaveFile->setText(QString::fromUtf8(t.btnSaveFileText));
    ui->btnExport->setText(QString::fromUtf8(t.btnExportText));
    ui->btnStart->setWhatsThis(QString::fromUtf8(t.btnStartHelp));
    ui->btnPause->setWhatsThis(QString::fromUtf8(t.btnPauseHelp));
    ui->btnRound->setWhatsThis(QString::fromUtf8(t.btnRoundHelp));
    ui->btnStop->setWhatsThis(QString::fromUtf8(t.btnStopHelp));
    ui->btnClearLog->setWhatsThis(QString::fromUtf8(t.btnClearLogHelp));
    ui->plainTextEdit->setWhatsThis(QString::fromUtf8(t.plainTextEditHelp));
    ui->btnSaveFile->setWhatsThis(QString::fromUtf8(t.btnSaveFileHelp));
    ui->tbFileName->setWhatsThis(QString::fromUtf8(t.tbFileNameHelp));
}

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
    apply(ui, english());
}

void Stopwatch::langNorwegian()
{
    apply(ui, norwegian());
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
