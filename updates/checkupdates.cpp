#include "updates/checkupdates.h"
#include "ui_checkupdates.h"

#include "kit/boxes.h"
#include "kit/form.h"
#include "kit/texttable.h"
#include "kit/webpage.h"
#include "updates/loadersteps.h"
#include "updates/updatecheck.h"

#include <QPixmap>
#include <QUrl>

namespace {

const BilingualBox kNoBrowser{{"Download Tivora", "Last ned Tivora"},
                              {"No web browser could open the download page. Its address is:\n%1",
                               "Ingen nettleser kunne åpne nedlastingssiden. Adressen er:\n%1"}};

const texttable::Table kTexts{
    {"commandLinkButton", texttable::Property::Text, {"Download Tivora", "Last ned Tivora"}},
};

} // namespace

CheckUpdates::CheckUpdates(UpdateCheck &check, QWidget *parent)
    : QDialog(parent), ui(new Ui::CheckUpdates), check(check)
{
    form::build(this, *ui);
    connect(&check, &UpdateCheck::stepped, this, &CheckUpdates::showStep);
    connect(&check, &UpdateCheck::decided, this, &CheckUpdates::showVerdict);
    check.open();
    texttable::apply(this, kTexts, check.language());
}

CheckUpdates::~CheckUpdates()
{
    check.close();
    delete ui;
}

void CheckUpdates::showStep(int step)
{
    const loadersteps::Step *shown = loadersteps::stepAt(step);
    if (!shown)
        return;
    ui->lblLoading->setPixmap(QPixmap(QString::fromLatin1(shown->frame)));
    const QString text = shown->text.in(check.language());
    if (!text.isEmpty())
        ui->lblTitleLoader->setText(text);
}

void CheckUpdates::showVerdict(updateindicator::Verdict verdict)
{
    ui->lblLoading->clear();
    ui->lblTitleLoader->clear();
    ui->lblResult->setText(updateindicator::verdictText(verdict, check.language()));
}

void CheckUpdates::on_commandLinkButton_clicked()
{
    const QUrl page = updateindicator::downloadPageUrl();
    webpage::open(page, this, [this, page] {
        boxes::giveAddress(this, kNoBrowser.title.in(check.language()),
                           kNoBrowser.text.in(check.language()).arg(page.toString()));
    });
}
