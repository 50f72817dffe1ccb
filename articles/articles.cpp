#include "articles/articles.h"
#include "ui_articles.h"

#include "kit/theme.h"
#include "settings/settingsfiles.h"

#include <QFile>
#include <QTextStream>

#include <cstdint>

namespace {

// Process-wide values, zero at program start: a later opening keeps the language read earlier.
struct State
{
    std::int32_t articleLanguage = 0;
    QString articlePath;
};

State state;

using texttable::Property;

const texttable::Table kTexts{
    {"listArticles", Property::Item, {"Thank you", "Takk"}},
    {"listArticles", Property::Item, {"The reason for Tivora", "Årsaken til Tivora"}},
    {"listArticles", Property::Item, {"Get to know Tivora", "Bli kjent med Tivora"}},
    {"listArticles", Property::Item, {"Recent changes", "Nylige endringer"}},
    {"listArticles", Property::Item, {"Take a moment to like us!", "Ta et sekund å lik oss!"}},
};

// The file of each row of kTexts, in the folder of the title's language.
const Bilingual kFolder{"data/articles/en/", "data/articles/no/"};
const char *const kFiles[] = {"doc_item_one.html", "doc_item_two.html", "doc_item_three.html",
                              "doc_item_four.html", "doc_item_fb.html"};

// A title picks its file whichever language the list was built in.
QString fileForTitle(const QString &title)
{
    for (std::size_t row = 0; row < kTexts.size(); ++row) {
        for (const Language language : {Language::English, Language::Norwegian}) {
            if (title == kTexts[row].text.in(language))
                return kFolder.in(language) + QString::fromLatin1(kFiles[row]);
        }
    }
    return {};
}

} // namespace

namespace articlehooks {

void reset()
{
    state = State();
}

const texttable::Table &texts()
{
    return kTexts;
}

} // namespace articlehooks

Articles::Articles(QWidget *parent) : QDialog(parent), ui(new Ui::Articles)
{
    setStyleSheet(theme::darkTheme());
    ui->setupUi(this);
    loadLanguage();
    addArticles();
}

Articles::~Articles()
{
    delete ui;
}

void Articles::addArticles()
{
    if (const auto language = languageOf(state.articleLanguage))
        texttable::apply(this, kTexts, *language);
}

void Articles::loadLanguage()
{
    if (const auto code = settingsfiles::readInt(settingsfiles::kLanguage))
        state.articleLanguage = *code;
}

void Articles::on_listArticles_doubleClicked(const QModelIndex &)
{
    const QListWidgetItem *item = ui->listArticles->currentItem();
    if (!item)
        return;
    const QString file = fileForTitle(item->text());
    if (file.isEmpty())
        return;
    state.articlePath = file;
    readFile();
}

void Articles::readFile()
{
    QFile file(state.articlePath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    QTextStream stream(&file);
    ui->rtbContent->setHtml(stream.readAll());
}
