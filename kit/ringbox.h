#pragma once

#include <QString>

#include <functional>

class QMessageBox;
class QWidget;

// The box of a ring (an alarm's, a timer's) over the window: its title and text, OK to stop it,
// and a Snooze button where the ring offers one. Each ring has a box of its own, none waiting
// for another; the newest has the keyboard, and the next takes it when one closes.
namespace ringbox {

enum class Answer { Stop, Snooze };

// Shows the box; answered is called with the user's answer, unless the ring ends elsewhere
// first (the caller then closes the box with done(-1)). The box goes once it is closed.
QMessageBox *show(QWidget *window, const QString &title, const QString &text, const QString &snooze,
                  const std::function<void(Answer)> &answered);

} // namespace ringbox
