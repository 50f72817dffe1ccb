#include "updates/checkupdates.h"
#include "ui_checkupdates.h"

CheckUpdates::CheckUpdates(QWidget *parent) : QDialog(parent), ui(new Ui::CheckUpdates)
{
    ui->setupUi(this);
}

CheckUpdates::~CheckUpdates()
{
    delete ui;
}
