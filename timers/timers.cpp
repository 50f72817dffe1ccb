#include "timers/timers.h"
#include "ui_timers.h"

#include "kit/form.h"
#include "kit/texttable.h"
#include "settings/settingsfiles.h"
#include "timers/timerlist.h"
#include "timers/timernames.h"

namespace {

using texttable::Property;

const texttable::Table kTexts{
    {"Timers", Property::WindowTitle, {"Timer", "Nedtelling"}},
    {"lblLength", Property::Text, {"&Length:", "&Lengde:"}},
    {"lblLabel", Property::Text, {"La&bel:", "&Merkelapp:"}},
    {"btnNewTimer", Property::Text, {"&New timer", "&Ny nedtelling"}},
    {"btnStart", Property::Text, {"&Start", "&Start"}},
    {"btnPause", Property::Text, {"&Pause", "&Pause"}},
    {"btnReset", Property::Text, {"&Reset", "N&ullstill"}},
    {"btnDeleteTimer", Property::Text, {"&Delete", "Sl&ett"}},
    {"btnPreset1",
     Property::ToolTip,
     {"Starts a timer of 1 minute", "Starter en nedtelling på 1 minutt"}},
    {"btnPreset5",
     Property::ToolTip,
     {"Starts a timer of 5 minutes", "Starter en nedtelling på 5 minutter"}},
    {"btnPreset10",
     Property::ToolTip,
     {"Starts a timer of 10 minutes", "Starter en nedtelling på 10 minutter"}},
    {"btnPreset30",
     Property::ToolTip,
     {"Starts a timer of 30 minutes", "Starter en nedtelling på 30 minutter"}},
};

constexpr qint64 kMinuteMs = 60 * 1000;

} // namespace

Timers::Timers(TimerList &timers, QWidget *parent)
    : QDialog(parent), ui(new Ui::Timers), timers(timers)
{
    form::build(this, *ui);
    language = settingsfiles::readLanguage(Language::English).value_or(Language::English);
    texttable::apply(this, kTexts, language);

    const QList<QPair<QPushButton *, int>> presets{
        {ui->btnPreset1, 1}, {ui->btnPreset5, 5}, {ui->btnPreset10, 10}, {ui->btnPreset30, 30}};
    for (const auto &[button, minutes] : presets) {
        const qint64 length = minutes * kMinuteMs;
        connect(button, &QPushButton::clicked, this, [this, length] { startNew(length, {}); });
    }
    connect(ui->btnNewTimer, &QPushButton::clicked, this, [this] {
        if (Countdown *added = this->timers.add(formLength(), ui->leLabel->text()))
            ui->lwTimers->setCurrentRow(this->timers.indexOf(added));
    });
    connect(ui->btnStart, &QPushButton::clicked, this, [this] {
        if (Countdown *timer = selected())
            timer->start(this->timers.now());
    });
    connect(ui->btnPause, &QPushButton::clicked, this, [this] {
        if (Countdown *timer = selected())
            timer->pause(this->timers.now());
    });
    connect(ui->btnReset, &QPushButton::clicked, this, [this] {
        if (Countdown *timer = selected())
            timer->reset();
    });
    connect(ui->btnDeleteTimer, &QPushButton::clicked, this, [this] {
        if (Countdown *timer = selected())
            this->timers.remove(*timer);
    });
    // The form edits the selected timer; a new length stops it.
    for (QSpinBox *part : {ui->sbHours, ui->sbMinutes, ui->sbSeconds})
        connect(part, QOverload<int>::of(&QSpinBox::valueChanged), this, [this] {
            if (Countdown *timer = selected())
                timer->setLength(formLength());
        });
    connect(ui->leLabel, &QLineEdit::textEdited, this, [this](const QString &label) {
        if (Countdown *timer = selected())
            timer->setLabel(label);
    });
    connect(ui->lwTimers, &QListWidget::currentRowChanged, this, &Timers::select);
    connect(&timers, &TimerList::changed, this, &Timers::showList);
    tick.setInterval(1000);
    connect(&tick, &QTimer::timeout, this, &Timers::showList);
    tick.start();
    showList();
}

Timers::~Timers()
{
    delete ui;
}

Countdown *Timers::selected() const
{
    const int row = ui->lwTimers->currentRow();
    return row >= 0 && row < timers.count() ? &timers.at(row) : nullptr;
}

qint64 Timers::formLength() const
{
    return ((ui->sbHours->value() * 60 + ui->sbMinutes->value()) * 60 + ui->sbSeconds->value()) *
           qint64(1000);
}

void Timers::startNew(qint64 lengthMs, const QString &label)
{
    if (Countdown *added = timers.add(lengthMs, label)) {
        added->start(timers.now());
        ui->lwTimers->setCurrentRow(timers.indexOf(added));
    }
}

void Timers::showList()
{
    const QSignalBlocker keep(ui->lwTimers);
    const int row = ui->lwTimers->currentRow();
    while (ui->lwTimers->count() > timers.count())
        delete ui->lwTimers->takeItem(ui->lwTimers->count() - 1);
    const QDateTime now = timers.now();
    for (int i = 0; i < timers.count(); ++i) {
        const QString text = timernames::row(timers.at(i), now, language);
        if (i < ui->lwTimers->count())
            ui->lwTimers->item(i)->setText(text);
        else
            ui->lwTimers->addItem(text);
    }
    ui->lwTimers->setCurrentRow(qMin(row, timers.count() - 1));
    select(ui->lwTimers->currentRow());
    ui->btnNewTimer->setEnabled(timers.count() < TimerList::kMaxTimers);
    for (QPushButton *preset : {ui->btnPreset1, ui->btnPreset5, ui->btnPreset10, ui->btnPreset30})
        preset->setEnabled(timers.count() < TimerList::kMaxTimers);
}

void Timers::select(int row)
{
    const Countdown *timer = row >= 0 && row < timers.count() ? &timers.at(row) : nullptr;
    for (QWidget *edits :
         {static_cast<QWidget *>(ui->btnStart), static_cast<QWidget *>(ui->btnPause),
          static_cast<QWidget *>(ui->btnReset), static_cast<QWidget *>(ui->btnDeleteTimer)})
        edits->setEnabled(timer != nullptr);
    if (!timer)
        return;
    const QSignalBlocker hours(ui->sbHours), minutes(ui->sbMinutes), seconds(ui->sbSeconds);
    const qint64 length = timer->lengthMs() / 1000;
    ui->sbHours->setValue(int(length / 3600));
    ui->sbMinutes->setValue(int(length / 60 % 60));
    ui->sbSeconds->setValue(int(length % 60));
    // Only what differs, so a label being typed keeps its cursor.
    if (ui->leLabel->text() != timer->label())
        ui->leLabel->setText(timer->label());
    ui->btnStart->setEnabled(timer->state() != Countdown::State::Running);
    ui->btnPause->setEnabled(timer->state() == Countdown::State::Running);
    ui->btnReset->setEnabled(timer->state() != Countdown::State::Stopped);
}
