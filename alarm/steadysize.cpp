#include "alarm/steadysize.h"

#include <QEvent>
#include <QLayout>
#include <QWidget>

namespace {

// Watches the held widget's parent, whose resize gives the layout a new width.
class Holder : public QObject
{
public:
    explicit Holder(QWidget *widget) : QObject(widget), m_widget(widget) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Resize)
            follow();
        return false;
    }

private:
    void follow()
    {
        QWidget *parent = m_widget->parentWidget();
        if (!m_held) {
            // Measured while the widget still counts at its own minimum, so the window can shrink.
            parent->setMinimumSize(parent->minimumSizeHint());
            m_held = true;
        }
        const QRect area =
            parent->contentsRect().marginsRemoved(parent->layout()->contentsMargins());
        m_widget->setFixedSize(area.width(), m_widget->sizeHint().height());
    }

    QWidget *const m_widget;
    bool m_held = false;
};

} // namespace

void steadysize::hold(QWidget *widget)
{
    widget->parentWidget()->installEventFilter(new Holder(widget));
}
