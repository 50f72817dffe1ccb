#include "kit/form.h"

#include "kit/screenfit.h"

#include <QApplication>
#include <QDialog>
#include <QIcon>

void form::open(QDialog &dialog)
{
    dialog.setModal(true);
    screenfit::fit(&dialog);
    dialog.exec();
}

void form::useProgramIcon(QWidget *window)
{
    const QIcon icon = QApplication::windowIcon();
    if (!icon.isNull())
        window->setWindowIcon(icon);
}
