#include "ttechform.h"

#include "anchorrules.h"
#include "supportwindow.h"

#include <QPlainTextEdit>
#include <QPushButton>

QString TTechForm::SupportText(const QString &companyName, const QString &callHow)
{
    return QStringLiteral("There are several ways to get technical support. First and fastest is "
                          "to skim the relevant sections of the manual. However, some questions "
                          "require personal assistance, and ")
        + companyName + QStringLiteral(" stands ready to provide that help. You can call us ")
        + callHow + QStringLiteral(" for any of your product questions.")
        + QStringLiteral("\r\n\r\nIn order to provide the best and fastest support possible, we ask "
                         "that you be at your computer when you call, and have the ")
        + companyName + QStringLiteral(" product manual and Software Master CD at hand.");
}

TTechForm::TTechForm(QWidget *owner, const QString &supportText)
    : QWidget(owner)
{
    SupportWindow::Prepare(this, QStringLiteral("TechForm"), QStringLiteral("Technical Support"));

    TechMemo = new QPlainTextEdit(this);
    TechMemo->setObjectName(QStringLiteral("TechMemo"));
    TechMemo->setGeometry(8, 8, 305, 89);
    TechMemo->setReadOnly(true);
    TechMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    TechMemo->setPlainText(supportText);

    CloseButton = new QPushButton(QStringLiteral("Close"), this);
    CloseButton->setObjectName(QStringLiteral("CloseButton"));
    CloseButton->setGeometry(165, 105, 73, 25);
    CloseButton->setAutoDefault(true);
    SupportWindow::MakeCancelButton(CloseButton);
    setTabOrder(CloseButton, TechMemo);
    CloseButton->setFocus();

    SupportWindow::FitToChildren(this);
    AnchorRules::Set(TechMemo, akLeft | akTop | akRight | akBottom);
    CloseButton->move((width() - CloseButton->width()) / 2, CloseButton->y());
    AnchorRules::Set(CloseButton, akBottom);
}
