#include "alarm/mainwindowtexts.h"

namespace mainwindowtexts {

const Bilingual kActiveStatus{"Alarm currently active", "Alarm aktivert"};
const Bilingual kInactiveStatus{"Alarm currently not active", "Alarm ikke aktivert"};
const Bilingual kNotSaved{"Alarm not saved", "Alarmen ble ikke lagret"};
const Bilingual kSnoozedUntil{"Snoozed until %1", "Slumrer til %1"};
const Bilingual kDeleteQuestion{"Delete the alarm at %1?", "Slette alarmen kl. %1?"};
const Bilingual kFileSetAside{
    "The alarm file could not be read, so Tivora starts with a new alarm. The file is kept as "
    "%1.",
    "Alarmfilen kunne ikke leses, så Tivora starter med en ny alarm. Filen er tatt vare på som "
    "%1."};
const Bilingual kValuesSetAside{
    "These values in the alarm file could not be read:\n%1\nTheir alarms keep the rest of their "
    "settings, and an alarm whose time could not be read is off. The file as it was is kept as "
    "%2.",
    "Disse verdiene i alarmfilen kunne ikke leses:\n%1\nAlarmene deres beholder resten av "
    "innstillingene sine, og en alarm der klokkeslettet ikke kunne leses, er slått av. Filen slik "
    "den var, er tatt vare på som %2."};
const Bilingual kFileNotSetAside{
    "The alarm file %1 could not be read whole, and could not be moved aside either. Tivora "
    "starts with the alarms it could read.",
    "Alarmfilen %1 kunne ikke leses hel, og heller ikke flyttes til side. Tivora starter med "
    "alarmene den kunne lese."};

using texttable::Property;

const texttable::Table kForm{
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
    {"lblFadeIn", Property::Text, {"Fade &in:", "Øk &gradvis:"}},
    {"btnSkipNext", Property::Text, {"S&kip next", "Hopp &over neste"}},
    {"sbFadeIn",
     Property::ToolTip,
     {"<b>Fade in</b><br><i>How long the sound takes to rise from silence to its volume; 0 "
      "plays it at once.</i>",
      "<b>Øk gradvis</b><br><i>Hvor lenge lyden bruker på å stige fra stillhet til full styrke; "
      "0 spiller den med en gang.</i>"}},
    {"btnSkipNext",
     Property::ToolTip,
     {"<b>Skip next</b><br><i>The alarm does not ring at its next time, and rings as usual "
      "after that.</i>",
      "<b>Hopp over neste</b><br><i>Alarmen ringer ikke neste gang, og ringer som vanlig etter "
      "det.</i>"}},
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
    {"actionTimer", Property::Text, {"&Timer", "&Nedtelling"}},
    {"actionCheck_for_updates", Property::Text, {"Check for updates", "Se etter oppdateringer"}},
    {"actionHelp", Property::Text, {"Information", "Informasjon"}},
};

} // namespace mainwindowtexts
