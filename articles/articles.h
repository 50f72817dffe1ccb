#pragma once

#include <QDialog>

namespace Ui {
class Articles;
}

class Articles : public QDialog
{
    Q_OBJECT

public:
    explicit Articles(QWidget *parent = nullptr);
    ~Articles() override;

private:
    Ui::Articles *ui;
};
