#include "settings/settings.h"
#include "ui_settings.h"

#include "kit/choosers.h"
#include "kit/form.h"
#include "kit/texttable.h"
#include "settings/savesequence.h"
#include "settings/settingsfiles.h"

#include <QMessageBox>

namespace {

using texttable::Property;

const texttable::Table kTexts{
    {"lblTitle", Property::Text, {"Settings", "Innstillinger"}},
    {"gbLanguage", Property::Title, {"Language", "Språk"}},
    {"gbAudioStorage", Property::Title, {"Audio Storage", "Lagring av lyd"}},
    {"btnStoreAudioFile", Property::Text, {"Choose audio file", "Velg lydfil"}},
    {"rbtnStoreAudio", Property::Text, {"Store audio", "Lagre lyd"}},
    {"rbtnNoneAudio", Property::Text, {"Don't store audio", "Ikke lagre lyd"}},
    {"gbVolume", Property::Title, {"Volume", "Volum"}},
    {"gbToolTips", Property::Title, {"Tooltips", "Verktøytips"}},
    {"cbTooltips", Property::Text, {"Tooltips on/off", "Verktøytips på/av"}},
    {"btnAcceptChanges", Property::Text, {"Accept and close", "Lagre og lukk"}},
    {"btnClose", Property::Text, {"Close", "Lukk"}},
};

const BilingualBox kSaved{
    {"Save successful", "Lagring vellykket"},
    {"Your changes have successfully been saved. Please restart the application in order for the "
     "new changes to take effect.",
     "Endringene har blitt lagret. Vennligst restart applikasjonen for at endringene skal tre i "
     "kraft."}};

} // namespace

Settings::Settings(QWidget *parent) : QDialog(parent), ui(new Ui::Settings)
{
    form::build(this, *ui);
    ui->cbLanguage->addItem(QStringLiteral("English"), codeOf(Language::English));
    ui->cbLanguage->addItem(QStringLiteral("Norwegian"), codeOf(Language::Norwegian));
    readSettings();
}

Settings::~Settings()
{
    delete ui;
}

void Settings::readSettings()
{
    using namespace settingsfiles;

    if (const auto code = readLanguageCode(Token::FirstLine)) {
        if (const auto language = texttable::loadedLanguage(this, *code)) {
            ui->cbLanguage->setCurrentIndex(ui->cbLanguage->findData(codeOf(*language)));
            if (*language == Language::English)
                langEnglish();
            else
                langNorwegian();
        }
    }

    if (const auto line = readFirstLine(kStoredAudio))
        ui->tbStoredAudio->setText(*line);

    if (const auto choice = readInt(kStoredAudioChoice)) {
        if (const auto store = flagOrError(*choice, "Failed to load audio storage settings. "
                                                    "Please try again.")) {
            (*store ? ui->rbtnStoreAudio : ui->rbtnNoneAudio)->setChecked(true);
            if (!*store)
                ui->tbStoredAudio->clear();
        }
    }

    if (const auto word = readFirstWord(kVolume)) {
        ui->horizontalSlider->setValue(toInt(*word));
        ui->label->setText(*word);
    }

    if (const auto line = readFirstLine(kTooltips)) {
        if (const auto on = flagOrError(toInt(*line), "Failed to load previous tooltip settings. "
                                                      "Please try again."))
            ui->cbTooltips->setChecked(*on);
    }
}

std::optional<bool> Settings::flagOrError(int value, const char *errorText)
{
    if (value == 0 || value == 1)
        return value == 1;
    QMessageBox::critical(this, QStringLiteral("Error"), QString::fromLatin1(errorText));
    return std::nullopt;
}

void Settings::on_btnAcceptChanges_clicked()
{
    savesequence::Choices choices;
    choices.language =
        languageOf(ui->cbLanguage->currentData().toInt()).value_or(Language::English);
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

    // In the language just chosen, whatever the dialog's own texts are.
    QMessageBox::information(this, kSaved.title.in(choices.language),
                             kSaved.text.in(choices.language));
    hide();
}

void Settings::on_btnClose_clicked()
{
    hide();
}

void Settings::on_btnStoreAudioFile_clicked()
{
    const QString path = choosers::audioFile(this, ui->tbStoredAudio->text());
    if (!path.isEmpty())
        ui->tbStoredAudio->setText(path);
}

void Settings::langEnglish()
{
    texttable::apply(this, kTexts, Language::English);
}

void Settings::langNorwegian()
{
    texttable::apply(this, kTexts, Language::Norwegian);
}
