#pragma once

#include <QDialog>

class QString;

namespace Ui {
class About;
}

// The about box: product name, version, warranty notice and the maker's pages.
class About : public QDialog
{
    Q_OBJECT

public:
    explicit About(QWidget *parent = nullptr);
    ~About() override;

private slots:
    void on_label_linkActivated(const QString &link);
    void on_label_2_linkActivated(const QString &link);

private:
    // Members are only the objects this window owns; it keeps no values.
    Ui::About *ui;
};
