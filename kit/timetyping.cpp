#include "kit/timetyping.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimeEdit>

namespace timetyping {

namespace {

// The start of each number part in the field's text.
QVector<int> partStarts(const QString &text)
{
    QVector<int> starts;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i].isDigit() && (i == 0 || !text[i - 1].isDigit()))
            starts << i;
    }
    return starts;
}

// The part a position belongs to: the last one starting at or before it.
int partAt(const QString &text, int position)
{
    const QVector<int> starts = partStarts(text);
    int part = 0;
    for (int i = 0; i < starts.size(); ++i) {
        if (starts[i] <= position)
            part = i;
    }
    return part;
}

int largest(QDateTimeEdit::Section section)
{
    switch (section) {
    case QDateTimeEdit::HourSection:
        return 23;
    case QDateTimeEdit::MSecSection:
        return 999;
    default:
        return 59;
    }
}

QTime withPart(const QTime &time, QDateTimeEdit::Section section, int value)
{
    switch (section) {
    case QDateTimeEdit::HourSection:
        return QTime(value, time.minute(), time.second(), time.msec());
    case QDateTimeEdit::MinuteSection:
        return QTime(time.hour(), value, time.second(), time.msec());
    case QDateTimeEdit::SecondSection:
        return QTime(time.hour(), time.minute(), value, time.msec());
    case QDateTimeEdit::MSecSection:
        return QTime(time.hour(), time.minute(), time.second(), value);
    default:
        return time;
    }
}

class Typing : public QObject
{
public:
    Typing(QTimeEdit *field) : QObject(field), field(field)
    {
        field->installEventFilter(this);
        if (auto *line = field->findChild<QLineEdit *>())
            line->installEventFilter(this);
    }

private:
    QTimeEdit *field;
    int part = -1;       // the part typed into; -1: no typing under way
    QString digits;      // the digits typed into it so far
    bool filled = false; // the previous part was just filled by its digits
    QTime typed;         // what the typing put in the field

    bool eventFilter(QObject *, QEvent *event) override
    {
        // A click, leaving the field, or a time set from outside ends the typing.
        if (event->type() == QEvent::FocusOut || event->type() == QEvent::MouseButtonPress)
            part = -1;
        if (event->type() != QEvent::KeyPress)
            return false;
        if (field->time() != typed)
            part = -1;
        const auto *key = static_cast<QKeyEvent *>(event);
        // Shift (for ":") and the other modifiers alone are part of typing, not an end to it.
        if (key->key() == Qt::Key_Shift || key->key() == Qt::Key_Control ||
            key->key() == Qt::Key_Alt || key->key() == Qt::Key_Meta || key->key() == Qt::Key_AltGr)
            return false;
        // Shortcuts such as Ctrl+A keep the field's own meaning.
        const bool plain =
            !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
        const QString typed = plain ? key->text() : QString();
        const bool isDigit = typed.size() == 1 && typed[0].isDigit();
        const bool isSeparator = typed == QLatin1String(":") || typed == QLatin1String(".");
        if (!isDigit && !isSeparator) {
            part = -1;
            return false;
        }
        if (part < 0)
            begin();
        if (isDigit)
            typeDigit(typed[0].digitValue());
        else if (!digits.isEmpty() || !filled)
            moveOn(); // a ":" just after a full part is the one already passed
        return true;
    }

    void begin()
    {
        const auto *line = field->findChild<QLineEdit *>();
        const int from = line->hasSelectedText() ? line->selectionStart() : line->cursorPosition();
        part = partAt(line->text(), from);
        digits.clear();
        filled = false;
        // The parts from here on are replaced; those after the typed ones become zero.
        QTime time = field->time();
        for (int i = part; i < field->sectionCount(); ++i)
            time = withPart(time, field->sectionAt(i), 0);
        show(time);
    }

    void typeDigit(int digit)
    {
        if (part >= field->sectionCount())
            return;
        const QDateTimeEdit::Section section = field->sectionAt(part);
        const int maximum = largest(section);
        const int width = QString::number(maximum).size();
        // A digit that cannot continue this part starts the next one.
        if (!digits.isEmpty() && (digits + QString::number(digit)).toInt() > maximum) {
            moveOn();
            typeDigit(digit);
            return;
        }
        digits += QString::number(digit);
        show(withPart(field->time(), section, digits.toInt()));
        filled = false;
        // A part is full when its digits run out or no further digit could fit.
        if (digits.size() == width || digits.toInt() * 10 > maximum) {
            moveOn();
            filled = true;
        }
    }

    void moveOn()
    {
        ++part;
        digits.clear();
        filled = false;
        if (part < field->sectionCount())
            field->setSelectedSection(field->sectionAt(part));
    }

    void show(const QTime &time)
    {
        field->setTime(time);
        typed = field->time();
        if (part < field->sectionCount())
            field->setSelectedSection(field->sectionAt(part));
    }
};

} // namespace

void install(QTimeEdit *field)
{
    new Typing(field);
}

} // namespace timetyping
