#pragma once

#include "kit/bilingual.h"

#include <QMainWindow>

#include <optional>

class Alarm;
class AlarmList;
class QLabel;
class QToolButton;
class HelpArticles;
class StopwatchSession;
class UpdateCheck;
namespace settingsfiles {
struct Preferences;
}

namespace Ui {
class MainWindow;
}

// The alarms' view and editor: it shows the time and the list of alarms, edits the selected
// one in its form, shows a box for each ring, and opens the dialogs.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // What lives for the whole run: the window shows the alarms and hands the rest to its
    // dialogs.
    struct Objects
    {
        AlarmList &alarms;
        const settingsfiles::Preferences &preferences;
        StopwatchSession &stopwatch;
        UpdateCheck &updates;
        HelpArticles &articles;
    };

    explicit MainWindow(const Objects &objects, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The language of the window's texts; none keeps the form's own, which are English.
    std::optional<Language> shownLanguage() const { return language; }
    // What an alarm's box is titled: its reason in the window's language.
    QString ringTitle(const Alarm &alarm) const;
    // An alarm as the desktop names it outside the window: "Alarm Clock 07:30".
    QString alarmName(const Alarm &alarm) const;
    // What answering a ring with a snooze is called: "Snooze 10 minutes".
    QString snoozeText(const Alarm &alarm) const;
    // The alarm the form edits.
    Alarm &selected() const;
    // Shows the window in front of the others, from the background or another start.
    void bringToFront();
    // Asks to quit, first asking the user while an alarm is armed.
    void quit();

signals:
    // The user chose to quit Tivora: the program ends its event loop.
    void quitting();

private slots:
    void showTime();
    void englishLang();
    void norwegianLang();
    void on_btnOpenFile_clicked();
    void on_actionExit_triggered();
    void on_actionSettings_triggered();
    void on_actionAbout_triggered();
    void on_actionStopwatch_triggered();
    void on_actionSend_feedback_triggered();
    void on_actionCheck_for_updates_triggered();
    void on_actionHelp_triggered();

protected:
    void closeEvent(QCloseEvent *event) override;
    // Delete in the list removes the selected alarm.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Asks first while an alarm is armed, which cannot ring once Tivora has quit.
    bool mayQuit();
    // Asks a Yes/No question in the window's language, No being the default.
    bool confirm(const QString &question);
    void applyLanguage(Language applied);
    void showAlarmState();
    void showList();
    void showNext();
    // Loads the alarm at the list's row into the form.
    void select(int row);
    // Lays out the day toggles once, named and ordered as the language's week.
    void placeDays();
    // Puts the focus in the form's time, ready for typing.
    void editTime();
    void deleteSelected();
    void showRing(Alarm *alarm, bool withSound);
    void hideToolTips();

    Ui::MainWindow *ui;
    const Objects objects;
    std::optional<Language> language;
    Alarm *current = nullptr;
    // The day toggles, Monday first.
    QList<QToolButton *> dayButtons;
    QLabel *nextAlarm = nullptr;
    // The notice that closing keeps Tivora running is shown once a run.
    bool toldAboutBackground = false;
};
