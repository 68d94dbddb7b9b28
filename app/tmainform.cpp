#include "tmainform.h"

#include "boardpage.h"
#include "tapplication.h"
#include "thelpform.h"
#include "tsetupsupporter.h"
#include "ttechform.h"
#include "tthreejumper.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QIcon>
#include <QRadioButton>

TMainForm::TMainForm(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Setup"));
    setWindowIcon(QIcon(QStringLiteral(":/setup.ico")));
    setGeometry(272, 153, 873, 712);

    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(8);
    setFont(font);

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setAutoFillBackground(true);
    QPalette white = client->palette();
    white.setColor(QPalette::Window, Qt::white);
    client->setPalette(white);
    setCentralWidget(client);

    BoardPage::Load(*this);
    FormCreate();
}

QWidget *TMainForm::ClientArea() const
{
    return centralWidget();
}

void TMainForm::FormCreate()
{
    TApplication::SetOnIdle([this](QObject *sender, bool &done) { SetSup->ApplicationIdle(sender, done); });
}

void TMainForm::Exit2Click()
{
    close();
}

void TMainForm::Howtousethisprogram1Click()
{
    if (SetSup->HelpForm())
        SetSup->HelpForm()->show();
}

void TMainForm::TechnicalSupport1Click()
{
    if (SetSup->TechForm())
        SetSup->TechForm()->show();
}

void TMainForm::PullJumperClick()
{
    switch (PullJumper->JumperState()) {
    case TThreeJumper::jsOpen:
        PullNoRadio->setChecked(true);
        break;
    case TThreeJumper::jsLeft:
        PullUpRadio->setChecked(true);
        break;
    case TThreeJumper::jsRight:
        PullDownRadio->setChecked(true);
        break;
    }
}

void TMainForm::PullRadioClick()
{
    if (PullUpRadio->isChecked())
        PullJumper->SetJumperState(TThreeJumper::jsLeft);
    else if (PullDownRadio->isChecked())
        PullJumper->SetJumperState(TThreeJumper::jsRight);
    else
        PullJumper->SetJumperState(TThreeJumper::jsOpen);
}

void TMainForm::BusPowerJumperClick()
{
    if (BusPowerJumper->JumperState() == TThreeJumper::jsRight)
        BusPowerRadio->setChecked(true);
    else
        ExtPowerRadio->setChecked(true);
}

void TMainForm::BusPowerRadioClick()
{
    BusPowerJumper->SetJumperState(BusPowerRadio->isChecked() ? TThreeJumper::jsRight : TThreeJumper::jsLeft);
}

// Closing the main window ends the program even while popups and the
// supporter's windows are still open.
void TMainForm::closeEvent(QCloseEvent *event)
{
    QMainWindow::closeEvent(event);
    if (event->isAccepted())
        QCoreApplication::quit();
}
