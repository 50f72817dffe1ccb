#include "about/about.h"
#include "ui_about.h"

#include "kit/form.h"
#include "kit/theme.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

// The link labels in about.ui carry these same addresses.
const char *const kWebsite = "http://www.quorvane.com/";
const char *const kFacebook = "http://www.facebook.com/quorvane";

void openPage(const char *address)
{
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(address), QUrl::TolerantMode));
}

} // namespace

About::About(QWidget *parent) : QDialog(parent), ui(new Ui::About)
{
    form::build(this, *ui, theme::baseRules() + theme::focusRules());
    // Tab moves on from the text, and reaches the links, which Enter opens.
    ui->textEdit->setTabChangesFocus(true);
    for (QLabel *link : {ui->label, ui->label_2})
        link->setTextInteractionFlags(Qt::TextBrowserInteraction);
}

About::~About()
{
    delete ui;
}

// The slots open their own fixed page, whatever target the label reports.
void About::on_label_linkActivated(const QString &)
{
    openPage(kWebsite);
}

void About::on_label_2_linkActivated(const QString &)
{
    openPage(kFacebook);
}
