#pragma once

#include "alarm/alarmlist.h"
#include "kit/bilingual.h"

#include <QMainWindow>

#include <optional>

class Alarm;
class QAction;
class QLabel;
class QToolButton;
namespace settingsfiles {
struct Preferences;
}

namespace Ui {
class MainWindow;
}

// The alarms' view and editor: it shows the time and the list of alarms, edits the selected
// one in its form, and shows a box for each ring. What its menus open, and what closing it
// does, belongs to the program's shell.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // What lives for the whole run that the window shows: the alarms, the preferences read at
    // start, and the language file's code as it was read at start.
    struct Objects
    {
        AlarmList &alarms;
        const settingsfiles::Preferences &preferences;
        std::optional<int> languageCode;
    };

    // The entries of the window's menus.
    struct Menu
    {
        QAction *exit, *settings, *startAtLogin, *stopwatch, *timer, *updates, *feedback, *help,
            *about;
    };

    explicit MainWindow(const Objects &objects, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The language of the window's texts; none keeps the form's own, which are English.
    std::optional<Language> shownLanguage() const { return language; }
    Menu menu() const;
    // The alarm the form edits.
    Alarm &selected() const;
    // Shows the window in front of the others, from the background or another start.
    void bringToFront();

private slots:
    void showTime();
    void englishLang();
    void norwegianLang();
    void on_btnOpenFile_clicked();

protected:
    // Delete in the list removes the selected alarm.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyLanguage(Language applied);
    void showAlarmState();
    void showList();
    void showNext();
    // Names a ring that was missed, in the status bar.
    void showMissed(Alarm *alarm, const QDateTime &due);
    // Loads the alarm at the list's row into the form.
    void select(int row);
    // Lays out the day toggles once, named and ordered as the language's week.
    void placeDays();
    // Puts the focus in the form's time, ready for typing.
    void editTime();
    void deleteSelected();
    void showRing(Alarm *alarm);
    void hideToolTips();
    // Says once that the alarm file could not be read whole, and where it was kept.
    void tellUnread(const AlarmList::Unread &unread);

    Ui::MainWindow *ui;
    const Objects objects;
    std::optional<Language> language;
    Alarm *current = nullptr;
    // The day toggles, Monday first.
    QList<QToolButton *> dayButtons;
    QLabel *nextAlarm = nullptr;
    QLabel *missedAlarms = nullptr;
};
