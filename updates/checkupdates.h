#pragma once

#include "kit/texttable.h"

#include <QDialog>

class QNetworkAccessManager;
class QUrl;

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
    void requestIndicator();
    void showStep(int step);
    void showVerdict();

    // Members are only the objects this window owns; its values live in the module.
    Ui::CheckUpdates *ui;
    QNetworkAccessManager *network;
};

// The update module's process-wide state, reached from tests and benchmarks.
namespace updatehooks {

// Where the indicator is fetched from; an empty URL restores the maker's server.
void setIndicatorUrl(const QUrl &url);
// Language, versions and the last reply back to program start, hooks included.
void reset();
// The update dialog's texts in both languages.
const texttable::Table &texts();

} // namespace updatehooks
