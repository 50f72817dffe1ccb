#pragma once

#include "updates/updateindicator.h"

#include <QDialog>

class UpdateCheck;

namespace Ui {
class CheckUpdates;
}

// Shows the update check while it asks the maker's server for the latest version: a loading
// animation, then whether a newer version than the installed one exists.
class CheckUpdates : public QDialog
{
    Q_OBJECT

public:
    explicit CheckUpdates(UpdateCheck &check, QWidget *parent = nullptr);
    ~CheckUpdates() override;

private slots:
    void on_commandLinkButton_clicked();

private:
    void showStep(int step);
    void showVerdict(updateindicator::Verdict verdict);

    Ui::CheckUpdates *ui;
    UpdateCheck &check;
};
