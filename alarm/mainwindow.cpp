#include "alarm/mainwindow.h"
#include "ui_mainwindow.h"

#include "app/theme.h"

#include "about/about.h"
#include "articles/articles.h"
#include "settings/settings.h"
#include "stopwatch/stopwatch.h"
#include "updates/checkupdates.h"

#include <QApplication>

namespace {

// Every dialog is a local, parentless, modal object that lives for one run.
template <typename Dialog> void runDialog()
{
    Dialog dialog;
    dialog.setModal(true);
    dialog.exec();
}

} // namespace

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent), ui(new Ui::MainWindow)
{
    setStyleSheet(theme::darkTheme());
    ui->setupUi(this);
}

MainWindow::~MainWindow()
{
    delete ui;
}

void MainWindow::showTime() {}

void MainWindow::englishLang() {}

void MainWindow::norwegianLang() {}

void MainWindow::on_btnOpenFile_clicked() {}

void MainWindow::on_actionExit_triggered()
{
    QApplication::exit(0);
}

void MainWindow::on_actionSettings_triggered()
{
    runDialog<Settings>();
}

void MainWindow::on_actionAbout_triggered()
{
    runDialog<About>();
}

void MainWindow::on_actionStopwatch_triggered()
{
    runDialog<Stopwatch>();
}

void MainWindow::on_actionSend_feedback_triggered() {}

void MainWindow::on_actionCheck_for_updates_triggered()
{
    runDialog<CheckUpdates>();
}

void MainWindow::on_actionHelp_triggered()
{
    runDialog<Articles>();
}
