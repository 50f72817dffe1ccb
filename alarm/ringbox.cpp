#include "alarm/ringbox.h"

#include "alarm/alarmlist.h"
#include "alarm/alarmnames.h"

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
    box->setWindowModality(Qt::WindowModal);
    QPushButton *snooze = box->addButton(
        alarmnames::snooze(*alarm, language.value_or(Language::English)), QMessageBox::ActionRole);
    snooze->setObjectName(QStringLiteral("btnSnooze"));
    box->setEscapeButton(QMessageBox::Ok);
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
                     [&alarms, box, snooze, alarm](int result) {
                         box->deleteLater();
                         if (result == -1)
                             return;
                         if (box->clickedButton() == snooze)
                             alarms.snooze(alarm);
                         else
                             alarms.stop(alarm);
                     });
    box->show();
}
