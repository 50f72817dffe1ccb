#include "kit/boxes.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>

namespace boxes {

namespace {

const Bilingual kYes{"&Yes", "&Ja"};
const Bilingual kNo{"&No", "&Nei"};

const QScreen *screenOf(const QMessageBox &box)
{
    return box.parentWidget() ? box.parentWidget()->window()->screen() : box.screen();
}

} // namespace

void fitToScreen(QMessageBox &box)
{
    const QScreen *screen = screenOf(box);
    auto *layout = qobject_cast<QGridLayout *>(box.layout());
    auto *text = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
    if (!screen || !layout || !text)
        return;
    const QRect room = screen->availableGeometry();
    // The width QMessageBox gives a long text, and a title bar and frame around the box.
    const int width = qMin(room.width() / 2, 500);
    const int frame = box.fontMetrics().height() * 3;
    const auto *buttons = box.findChild<QDialogButtonBox *>();
    const QMargins margins = layout->contentsMargins();
    const int rest = (buttons ? buttons->sizeHint().height() : 0) + margins.top() +
                     margins.bottom() + 2 * layout->verticalSpacing();
    const int textRoom = room.height() - frame - rest;
    text->setWordWrap(true); // as QMessageBox wraps a long text when it shows
    if (text->heightForWidth(width) <= textRoom)
        return;
    int row = 0, column = 0, rows = 0, columns = 0;
    layout->getItemPosition(layout->indexOf(text), &row, &column, &rows, &columns);
    auto *scroll = new QScrollArea(&box);
    scroll->setObjectName(QStringLiteral("textScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Taken into the scroll area, the text leaves the box's layout.
    scroll->setWidget(text);
    // Wide enough for the text and the scroll bar, as tall as the screen leaves room for.
    scroll->setFixedSize(width + scroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent),
                         textRoom);
    layout->addWidget(scroll, row, column, rows, columns);
}

void giveAddress(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    box.exec();
}

bool ask(QWidget *parent, const QString &title, const QString &question, Language language)
{
    QMessageBox box(QMessageBox::Question, title, question, QMessageBox::Yes | QMessageBox::No,
                    parent);
    box.button(QMessageBox::Yes)->setText(kYes.in(language));
    box.button(QMessageBox::No)->setText(kNo.in(language));
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

} // namespace boxes
