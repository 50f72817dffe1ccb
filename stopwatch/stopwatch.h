#pragma once

#include <QDialog>

namespace Ui {
class Stopwatch;
}

class Stopwatch : public QDialog
{
    Q_OBJECT

public:
    explicit Stopwatch(QWidget *parent = nullptr);
    ~Stopwatch() override;

private:
    Ui::Stopwatch *ui;
};
