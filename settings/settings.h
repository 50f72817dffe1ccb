#pragma once

#include <QDialog>

#include <optional>

namespace Ui {
class Settings;
}

// Edits and saves the settings files; the only writer of them.
class Settings : public QDialog
{
    Q_OBJECT

public:
    explicit Settings(QWidget *parent = nullptr);
    ~Settings() override;

private slots:
    void on_btnAcceptChanges_clicked();
    void on_btnClose_clicked();
    void on_btnStoreAudioFile_clicked();
    void langEnglish();
    void langNorwegian();

private:
    void readSettings();
    // 0 or 1 as false or true; any other value shows the "Error" box with errorText.
    std::optional<bool> flagOrError(int value, const char *errorText);

    Ui::Settings *ui;
};
