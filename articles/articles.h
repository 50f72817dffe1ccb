#pragma once

#include <QDialog>

class HelpArticles;
class QModelIndex;

namespace Ui {
class Articles;
}

// The help window: a list of article titles and the article double-clicked.
class Articles : public QDialog
{
    Q_OBJECT

public:
    explicit Articles(HelpArticles &articles, QWidget *parent = nullptr);
    ~Articles() override;

private slots:
    void on_listArticles_doubleClicked(const QModelIndex &index);

private:
    Ui::Articles *ui;
    HelpArticles &articles;
};
