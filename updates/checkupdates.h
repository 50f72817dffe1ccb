#pragma once

#include <QDialog>

class QNetworkAccessManager;

namespace Ui {
class CheckUpdates;
}

// Asks the maker's server for the latest version while a loading animation
// runs, then tells whether a newer version than the installed one exists.
class CheckUpdates : public QDialog
{
    Q_OBJECT

public:
    explicit CheckUpdates(QWidget *parent = nullptr);
    ~CheckUpdates() override;

private slots:
    void showTime();
    void startLoader();
    void reply();
    void on_commandLinkButton_clicked();

private:
    void showVerdict();

    Ui::CheckUpdates *ui;
    QNetworkAccessManager *network;
};

namespace checkupdates {
// Returns the update checker's program-wide state to what it is at program
// start, for tests that need a first opening.
void resetStateForTesting();
} // namespace checkupdates
