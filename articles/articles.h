#pragma once

#include <QDialog>

class QModelIndex;

namespace Ui {
class Articles;
}

// The help window: a list of article titles and the article double-clicked.
class Articles : public QDialog
{
    Q_OBJECT

public:
    explicit Articles(QWidget *parent = nullptr);
    ~Articles() override;

private slots:
    void addArticles();
    void loadLanguage();
    void on_listArticles_doubleClicked(const QModelIndex &index);
    void readFile();

private:
    Ui::Articles *ui;
};
