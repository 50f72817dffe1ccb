#include "kit/form.h"

#include "kit/screenfit.h"

#include <QDialog>

void form::open(QDialog &dialog)
{
    dialog.setModal(true);
    screenfit::fit(&dialog);
    dialog.exec();
}
