#pragma once

#include "alarm/mainwindow.h"
#include "app/notifier.h"
#include "app/startatlogin.h"
#include "app/tray.h"

#include <QObject>

#include <memory>

class Countdown;
class Notices;
struct Program;

// The program's shell, the room above every window: the main window's menus and what they open,
// closing, quitting and running in the background, and start at login. It makes the main window,
// the tray icon and the desktop's notices from the program's objects.
class Shell : public QObject
{
    Q_OBJECT

public:
    explicit Shell(Program &program, std::unique_ptr<StartAtLogin> startAtLogin = nullptr);
    ~Shell() override;

    MainWindow &window() { return m_window; }
    // Shows the window unless started in the background, and starts the alarms.
    void start(bool background);
    // Shows the window in front of the others, from the background or another start.
    void bringToFront();
    // Asks to quit, first asking the user while an alarm is armed.
    void quit();

signals:
    // The user chose to quit Tivora: the program ends its event loop.
    void quitting();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectMenu();
    // Follows the window into the background and out of it.
    void follow();
    void close(QCloseEvent *event);
    // Asks first while an alarm is armed, which cannot ring once Tivora has quit.
    bool mayQuit();
    void openFeedbackPage();
    // Shows the box of a timer that ended.
    void showEnd(Countdown *timer);
    Language language() const;

    Program &program;
    MainWindow m_window;
    Tray tray;
    const std::unique_ptr<Notices> notices;
    Notifier notifier;
    const std::unique_ptr<StartAtLogin> startAtLogin;
};
