#include "app/shell.h"

#include "about/about.h"
#include "app/notices.h"
#include "app/program.h"
#include "app/startatlogin.h"
#include "articles/articles.h"
#include "kit/boxes.h"
#include "kit/form.h"
#include "kit/ringbox.h"
#include "kit/webpage.h"
#include "settings/settings.h"
#include "stopwatch/stopwatch.h"
#include "timers/timernames.h"
#include "timers/timers.h"
#include "updates/checkupdates.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMessageBox>
#include <QUrl>

namespace {

const Bilingual kQuitArmed{
    "The alarm at %1 will not ring while Tivora is closed. Quit anyway?",
    "Alarmen kl. %1 vil ikke ringe mens Tivora er lukket. Avslutte likevel?"};
const Bilingual kQuitTimer{
    "The timer %1 will not ring while Tivora is closed. Quit anyway?",
    "Nedtellingen %1 vil ikke ringe mens Tivora er lukket. Avslutte likevel?"};
const Bilingual kQuitUnsaved{
    "The alarm could not be saved and will be lost when Tivora quits. Quit anyway?",
    "Alarmen kunne ikke lagres og går tapt når Tivora avsluttes. Avslutte likevel?"};
const BilingualBox kInBackground{
    {"Tivora", "Tivora"},
    {"Tivora keeps running in the background, so the alarm still rings. To quit, choose File > "
     "Exit, or Quit in the menu of Tivora's icon in the system tray.",
     "Tivora fortsetter å kjøre i bakgrunnen, så alarmen ringer likevel. For å avslutte, velg "
     "Fil > Avslutt, eller Avslutt i menyen til Tivoras ikon i systemstatusfeltet."}};
const Bilingual kNoStartAtLogin{"Could not change whether Tivora starts when you log in.",
                                "Kunne ikke endre om Tivora starter når du logger inn."};
const BilingualBox kNoBrowser{
    {"Send feedback", "Send tilbakemelding"},
    {"No web browser could open the feedback page. Its address is:\n%1",
     "Ingen nettleser kunne åpne tilbakemeldingssiden. Adressen er:\n%1"}};
const QString kFeedbackPage =
    QStringLiteral("http://www.quorvane.com/wordpress1/tivora-evalutation/");

// Every dialog is a local, parentless object that lives for one opening.
template <typename Dialog, typename... Objects> void openDialog(Objects &...objects)
{
    Dialog dialog(objects...);
    form::open(dialog);
}

} // namespace

Shell::Shell(Program &program, std::unique_ptr<StartAtLogin> startAtLogin)
    : program(program), m_window(program.objects()),
      tray(program.alarms, program.timers, program.language(), m_window.windowIcon()),
      notices(Notices::make(tray.icon())),
      notifier(program.alarms, program.timers, program.language(), m_window, *notices),
      startAtLogin(startAtLogin ? std::move(startAtLogin) : StartAtLogin::make())
{
    // The main window's icon, made once, is the one every dialog shows.
    QApplication::setWindowIcon(m_window.windowIcon());
    connectMenu();
    connect(&tray, &Tray::showRequested, this, &Shell::bringToFront);
    connect(&tray, &Tray::quitRequested, this, &Shell::quit);
    connect(&notifier, &Notifier::showRequested, this, &Shell::bringToFront);
    // Queued, as an alarm's, so the sound starts before the box waits for the user.
    connect(&program.timers, &TimerList::rang, this, &Shell::showEnd, Qt::QueuedConnection);
    m_window.installEventFilter(this);
}

Shell::~Shell()
{
    // The window hides as it goes, after the tray and the notifier it would tell.
    m_window.removeEventFilter(this);
}

void Shell::connectMenu()
{
    const MainWindow::Menu menu = m_window.menu();
    connect(menu.exit, &QAction::triggered, this, &Shell::quit);
    connect(menu.settings, &QAction::triggered, this, [] { openDialog<Settings>(); });
    connect(menu.about, &QAction::triggered, this, [] { openDialog<About>(); });
    connect(menu.stopwatch, &QAction::triggered, this,
            [this] { openDialog<Stopwatch>(program.stopwatch); });
    connect(menu.timer, &QAction::triggered, this, [this] { openDialog<Timers>(program.timers); });
    connect(menu.updates, &QAction::triggered, this,
            [this] { openDialog<CheckUpdates>(program.updates); });
    connect(menu.help, &QAction::triggered, this,
            [this] { openDialog<Articles>(program.articles); });
    connect(menu.feedback, &QAction::triggered, this, &Shell::openFeedbackPage);

    QAction *login = menu.startAtLogin;
    login->setVisible(startAtLogin->isAvailable());
    login->setChecked(startAtLogin->isOn());
    connect(login, &QAction::toggled, this, [this, login](bool on) {
        if (startAtLogin->set(on))
            return;
        const QSignalBlocker keep(login);
        login->setChecked(!on);
        QMessageBox::critical(&m_window, m_window.windowTitle(), kNoStartAtLogin.in(language()));
    });
}

Language Shell::language() const
{
    return program.language().value_or(Language::English);
}

void Shell::start(bool background)
{
    if (!background)
        m_window.show();
    follow();
    program.alarms.start();
    program.timers.start();
}

void Shell::showEnd(Countdown *timer)
{
    TimerList &timers = program.timers;
    // Gone, or answered elsewhere, before its box came.
    if (!timers.isRinging(timer))
        return;
    QMessageBox *box = ringbox::show(&m_window, timernames::timeIsUp(language()),
                                     timernames::name(*timer, language()), QString(),
                                     [&timers, timer](ringbox::Answer) { timers.stop(timer); });
    connect(&timers, &TimerList::ended, box, [box, timer](Countdown *ended) {
        if (ended == timer)
            box->done(-1);
    });
}

void Shell::follow()
{
    // Hidden, Tivora runs in the background: the alarms sleep until one is due instead of
    // ticking each second, and the tray icon shows.
    const bool background = m_window.isHidden();
    program.alarms.setClockShown(!background);
    tray.setBackground(background);
}

void Shell::bringToFront()
{
    m_window.bringToFront();
}

void Shell::quit()
{
    if (mayQuit())
        emit quitting();
}

bool Shell::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Close:
        close(static_cast<QCloseEvent *>(event));
        return !event->isAccepted();
    case QEvent::Show:
    case QEvent::Hide:
        follow();
        break;
    default:
        break;
    }
    return false;
}

void Shell::close(QCloseEvent *event)
{
    // An armed alarm or a running timer rings with the window closed; without either, closing
    // quits.
    if (!program.alarms.isArmed() && !program.timers.nextToEnd()) {
        if (mayQuit())
            emit quitting();
        else
            event->ignore();
        return;
    }
    // An armed alarm rings with the window closed: Tivora goes on in the background.
    event->ignore();
    m_window.hide();
    // Told once per user; never over a ring's box, and a ring takes the notice's place.
    AlarmList &alarms = program.alarms;
    if (alarms.toldAboutBackground() || !alarms.ringing().isEmpty())
        return;
    alarms.setToldAboutBackground();
    auto *notice = new QMessageBox(QMessageBox::Information, kInBackground.title.in(language()),
                                   kInBackground.text.in(language()), QMessageBox::Ok, &m_window);
    notice->setAttribute(Qt::WA_DeleteOnClose);
    connect(&alarms, &AlarmList::rang, notice, &QMessageBox::close);
    connect(&program.timers, &TimerList::rang, notice, &QMessageBox::close);
    notice->open();
}

bool Shell::mayQuit()
{
    AlarmList &alarms = program.alarms;
    // About the ring that comes first, an alarm's or a timer's.
    const Countdown *timer = program.timers.nextToEnd();
    QString question;
    // A last try first: the disk may take it now.
    if (alarms.saveFailed() && !alarms.save())
        question = kQuitUnsaved.in(language());
    else if (const AlarmList::Next next = alarms.next();
             next.alarm && (!timer || next.at <= timer->endsAt()))
        question =
            kQuitArmed.in(language()).arg(next.at.time().toString(QStringLiteral("hh:mm:ss")));
    else if (timer)
        question = kQuitTimer.in(language()).arg(timernames::name(*timer, language()));
    else
        return true;
    return boxes::ask(&m_window, m_window.windowTitle(), question, language());
}

void Shell::openFeedbackPage()
{
    webpage::open(QUrl(kFeedbackPage, QUrl::TolerantMode), &m_window, [this] {
        boxes::giveAddress(&m_window, kNoBrowser.title.in(language()),
                           kNoBrowser.text.in(language()).arg(kFeedbackPage));
    });
}
