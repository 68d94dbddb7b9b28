#include "tpciform.h"

#include "anchorrules.h"
#include "supportwindow.h"

#include <QPlainTextEdit>
#include <QPushButton>

TPCIForm::TPCIForm(QWidget *owner, const QString &cardName)
    : QWidget(owner)
{
    SupportWindow::Prepare(this, QStringLiteral("PCIForm"), cardName + QStringLiteral(" Cards installed"));
    show();

    PCIMemo = new QPlainTextEdit(this);
    PCIMemo->setObjectName(QStringLiteral("PCIMemo"));
    PCIMemo->setGeometry(8, 8, 305, 89);
    QFont listFont(QStringLiteral("Tahoma"));
    listFont.setPointSize(10);
    listFont.setBold(true);
    PCIMemo->setFont(listFont);
    PCIMemo->setReadOnly(true);
    PCIMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    // Centred in the window's width as it was before fitting; fitting then
    // moves it with the list and does not centre it again.
    CloseButton = new QPushButton(QStringLiteral("Close"), this);
    CloseButton->setObjectName(QStringLiteral("CloseButton"));
    CloseButton->setGeometry((width() - 73) / 2, 105, 73, 25);
    CloseButton->setAutoDefault(true);
    SupportWindow::MakeCancelButton(CloseButton);
    setTabOrder(CloseButton, PCIMemo);

    PCIMemo->show();
    CloseButton->show();
    CloseButton->setFocus();

    SupportWindow::FitToChildren(this);
    AnchorRules::Set(PCIMemo, akLeft | akTop | akRight | akBottom);
    AnchorRules::Set(CloseButton, akBottom);
}
