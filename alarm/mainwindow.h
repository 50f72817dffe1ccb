#pragma once

#include <QMainWindow>

namespace Ui {
class MainWindow;
}

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

private slots:
    void showTime();
    void englishLang();
    void norwegianLang();
    void on_btnOpenFile_clicked();
    void on_actionExit_triggered();
    void on_actionSettings_triggered();
    void on_actionAbout_triggered();
    void on_actionStopwatch_triggered();
    void on_actionSend_feedback_triggered();
    void on_actionCheck_for_updates_triggered();
    void on_actionHelp_triggered();

private:
    Ui::MainWindow *ui;
};
