#pragma once

#include "kit/texttable.h"

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
    // Members are only the objects this window owns; its values live in the module.
    Ui::Articles *ui;
};

// The help module's process-wide state, reached from tests.
namespace articlehooks {

// Language and chosen article back to program start.
void reset();
// The article list's titles in both languages.
const texttable::Table &texts();

} // namespace articlehooks
