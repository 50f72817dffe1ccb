#include "kit/screenfit.h"

#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>

namespace screenfit {

namespace {

// The room a window's inside has on its screen, leaving its frame and title bar.
QSize room(const QWidget *window)
{
    const QWidget *anchor = window->parentWidget() ? window->parentWidget()->window() : window;
    const QScreen *screen = anchor->screen();
    if (!screen)
        return {};
    const int frame = window->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    const int title = window->fontMetrics().height() * 2;
    return screen->availableGeometry().size() - QSize(2 * frame, title + 2 * frame);
}

// Moves what the window shows into a scroll area that fills it.
void scrollContents(QWidget *window)
{
    auto *main = qobject_cast<QMainWindow *>(window);
    QLayout *layout = window->layout();
    if (!main && !layout)
        return;
    auto *scroll = new QScrollArea(window);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    // Tab goes to the fields inside, and the area scrolls to the one that has focus.
    scroll->setFocusPolicy(Qt::NoFocus);
    if (main) {
        scroll->setWidget(main->takeCentralWidget());
        main->setCentralWidget(scroll);
        return;
    }
    auto *contents = new QWidget;
    contents->setLayout(layout); // takes the layout and its widgets from the window
    scroll->setWidget(contents);
    auto *whole = new QVBoxLayout(window);
    whole->setContentsMargins(0, 0, 0, 0);
    whole->addWidget(scroll);
}

} // namespace

void fit(QWidget *window)
{
    const QSize available = room(window);
    const QSize today = window->size();
    if (available.isEmpty() || today.boundedTo(available) == today)
        return;
    window->ensurePolished();
    window->setMinimumSize(0, 0);
    if (window->minimumSizeHint().boundedTo(available) != window->minimumSizeHint())
        scrollContents(window);
    window->resize(today.boundedTo(available));
}

} // namespace screenfit
