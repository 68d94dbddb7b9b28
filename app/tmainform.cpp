#include "tmainform.h"

#include "boardpage.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QIcon>

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
}

QWidget *TMainForm::ClientArea() const
{
    return centralWidget();
}

void TMainForm::Exit2Click()
{
    close();
}

// Closing the main window ends the program even while popups and the
// supporter's windows are still open.
void TMainForm::closeEvent(QCloseEvent *event)
{
    QMainWindow::closeEvent(event);
    if (event->isAccepted())
        QCoreApplication::quit();
}
