#include "settings/settings.h"
#include "ui_settings.h"

#include "app/theme.h"
#include "settings/savesequence.h"
#include "settings/settingsfiles.h"

#include <QFileDialog>
#include <QMessageBox>

Settings::Settings(QWidget *parent) : QDialog(parent), ui(new Ui::Settings)
{
    setStyleSheet(theme::darkTheme());
    ui->setupUi(this);
    ui->cbLanguage->addItem(QStringLiteral("English"));
    ui->cbLanguage->addItem(QStringLiteral("Norwegian"));
    readSettings();
}

Settings::~Settings()
{
    delete ui;
}

void Settings::readSettings()
{
    using namespace settingsfiles;

    if (const auto line = readFirstLine(kLanguage)) {
        switch (toInt(*line)) {
        case 1:
            ui->cbLanguage->setCurrentIndex(0);
            langEnglish();
            break;
        case 2:
            ui->cbLanguage->setCurrentIndex(1);
            langNorwegian();
            break;
        default:
            QMessageBox::critical(
                this, QStringLiteral("Load error"),
                QStringLiteral("Failed to load previously stored language, please try again."));
        }
    }

    if (const auto line = readFirstLine(kStoredAudio))
        ui->tbStoredAudio->setText(*line);

    if (const auto choice = readInt(kStoredAudioChoice)) {
        switch (*choice) {
        case 0:
            ui->rbtnNoneAudio->setChecked(true);
            ui->tbStoredAudio->clear();
            break;
        case 1:
            ui->rbtnStoreAudio->setChecked(true);
            break;
        default:
            QMessageBox::critical(
                this, QStringLiteral("Error"),
                QStringLiteral("Failed to load audio storage settings. Please try again."));
        }
    }

    if (const auto word = readFirstWord(kVolume)) {
        ui->horizontalSlider->setValue(toInt(*word));
        ui->label->setText(*word);
    }

    if (const auto line = readFirstLine(kTooltips)) {
        switch (toInt(*line)) {
        case 0:
            ui->cbTooltips->setChecked(false);
            break;
        case 1:
            ui->cbTooltips->setChecked(true);
            break;
        default:
            QMessageBox::critical(
                this, QStringLiteral("Error"),
                QStringLiteral("Failed to load previous tooltip settings. Please try again."));
        }
    }
}

void Settings::on_btnAcceptChanges_clicked()
{
    savesequence::Choices choices;
    choices.languageCode = ui->cbLanguage->currentText() == QLatin1String("Norwegian") ? 2 : 1;
    choices.tooltips = ui->cbTooltips->isChecked();
    choices.storeAudio = ui->rbtnStoreAudio->isChecked();
    choices.audioPath = ui->tbStoredAudio->text();
    choices.volume = ui->horizontalSlider->value();

    const auto failed = savesequence::run(choices);
    if (!failed.empty()) {
        for (const auto file : failed)
            QMessageBox::critical(this, QStringLiteral("Error saving"),
                                  savesequence::errorText(file));
        return;
    }

    if (choices.languageCode == 2)
        QMessageBox::information(
            this, QStringLiteral("Lagring vellykket"),
            QStringLiteral("Endringene har blitt lagret. Vennligst restart applikasjonen for at "
                           "endringene skal tre i kraft."));
    else
        QMessageBox::information(
            this, QStringLiteral("Save successful"),
            QStringLiteral("Your changes have successfully been saved. Please restart the "
                           "application in order for the new changes to take effect."));
    hide();
}

void Settings::on_btnClose_clicked()
{
    hide();
}

void Settings::on_btnStoreAudioFile_clicked()
{
    const QString path = QFileDialog::getOpenFileName(
        this, QStringLiteral("Open audio file"), QStringLiteral("C://"),
        QStringLiteral("Mp3 files (*.mp3);;Wave files (*.wav)"));
    ui->tbStoredAudio->setText(path);
}

void Settings::langEnglish()
{
    ui->lblTitle->setText(QStringLiteral("Settings"));
    ui->gbLanguage->setTitle(QStringLiteral("Language"));
    ui->gbAudioStorage->setTitle(QStringLiteral("Audio Storage"));
    ui->btnStoreAudioFile->setText(QStringLiteral("Choose audio file"));
    ui->rbtnStoreAudio->setText(QStringLiteral("Store audio"));
    ui->rbtnNoneAudio->setText(QStringLiteral("Don't store audio"));
    ui->gbVolume->setTitle(QStringLiteral("Volume"));
    ui->gbToolTips->setTitle(QStringLiteral("Tooltips"));
    ui->cbTooltips->setText(QStringLiteral("Tooltips on/off"));
    ui->btnAcceptChanges->setText(QStringLiteral("Accept and close"));
    ui->btnClose->setText(QStringLiteral("Close"));
}

void Settings::langNorwegian()
{
    ui->lblTitle->setText(QStringLiteral("Innstillinger"));
    ui->gbLanguage->setTitle(QStringLiteral("Språk"));
    ui->gbAudioStorage->setTitle(QStringLiteral("Lagring av lyd"));
    ui->btnStoreAudioFile->setText(QStringLiteral("Velg lydfil"));
    ui->rbtnStoreAudio->setText(QStringLiteral("Lagre lyd"));
    ui->rbtnNoneAudio->setText(QStringLiteral("Ikke lagre lyd"));
    ui->gbVolume->setTitle(QStringLiteral("Volum"));
    ui->gbToolTips->setTitle(QStringLiteral("Verktøytips"));
    ui->cbTooltips->setText(QStringLiteral("Verktøytips på/av"));
    ui->btnAcceptChanges->setText(QStringLiteral("Lagre og lukk"));
    ui->btnClose->setText(QStringLiteral("Lukk"));
}
