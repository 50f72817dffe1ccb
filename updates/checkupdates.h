#pragma once

#include <QDialog>

namespace Ui {
class CheckUpdates;
}

class CheckUpdates : public QDialog
{
    Q_OBJECT

public:
    explicit CheckUpdates(QWidget *parent = nullptr);
    ~CheckUpdates() override;

private:
    Ui::CheckUpdates *ui;
};
