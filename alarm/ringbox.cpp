#include "alarm/ringbox.h"

#include "alarm/alarmlist.h"
#include "alarm/alarmnames.h"
#include "kit/boxes.h"

#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>

namespace {

// Room beside a box's title for the window manager's icon and buttons.
constexpr int kTitleDecorationWidth = 200;

} // namespace

void ringbox::show(AlarmList &alarms, Alarm *alarm, std::optional<Language> language,
                   QWidget *window)
{
    auto *box =
        new QMessageBox(QMessageBox::Information, alarmnames::reason(alarm->reason(), language),
                        alarm->description(), QMessageBox::Ok, window);
    // Modal to the whole program: a box modal to the window alone loses the keyboard to it
    // under some window managers when two rings come together.
    box->setWindowModality(Qt::ApplicationModal);
    QPushButton *snooze = box->addButton(
        alarmnames::snooze(*alarm, language.value_or(Language::English)), QMessageBox::ActionRole);
    snooze->setObjectName(QStringLiteral("btnSnooze"));
    box->setEscapeButton(QMessageBox::Ok);
    box->setDefaultButton(QMessageBox::Ok);
    box->setObjectName(QStringLiteral("ringBox"));
    // Wide enough for the window manager to show the whole reason in the title bar.
    if (auto *grid = qobject_cast<QGridLayout *>(box->layout()))
        grid->addItem(new QSpacerItem(box->fontMetrics().horizontalAdvance(box->windowTitle()) +
                                          kTitleDecorationWidth,
                                      0),
                      grid->rowCount(), 0, 1, grid->columnCount());
    // Answered elsewhere (from a desktop notification) or deleted, the ring ends here too.
    QObject::connect(&alarms, &AlarmList::ended, box, [box, alarm](Alarm *ended) {
        if (ended == alarm)
            box->done(-1);
    });
    QObject::connect(box, &QMessageBox::finished, &alarms,
                     [&alarms, box, snooze, alarm, window](int result) {
                         box->deleteLater();
                         // The keyboard goes on to the newest box still open.
                         const auto open = window->findChildren<QMessageBox *>(
                             QStringLiteral("ringBox"), Qt::FindDirectChildrenOnly);
                         for (auto other = open.crbegin(); other != open.crend(); ++other) {
                             if (*other != box && (*other)->isVisible()) {
                                 (*other)->activateWindow();
                                 break;
                             }
                         }
                         if (result == -1)
                             return;
                         if (box->clickedButton() == snooze)
                             alarms.snooze(alarm);
                         else
                             alarms.stop(alarm);
                     });
    // However long its description, its buttons stay on the screen: the text scrolls.
    boxes::fitToScreen(*box);
    box->show();
    // The newest box takes the keyboard, its OK the default.
    box->raise();
    box->activateWindow();
}
