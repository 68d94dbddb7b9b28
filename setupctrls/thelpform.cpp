#include "thelpform.h"

#include "activatefirstevent.h"
#include "anchorrules.h"
#include "richtextreader.h"
#include "supportwindow.h"
#include "tapplication.h"
#include "tboardimage.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>

#include <algorithm>
#include <cmath>

namespace {

// Names go into the RTF as text: characters that RTF would read as markup
// are escaped, and anything beyond ASCII is written as a Unicode escape so
// that no code page is involved.
QByteArray rtfText(const QString &text)
{
    QByteArray result;
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if (code == '\\' || code == '{' || code == '}') {
            result += '\\';
            result += char(code);
        } else if (code >= 0x20 && code < 0x7F) {
            result += char(code);
        } else {
            result += "\\u" + QByteArray::number(qint16(code)) + '?';
        }
    }
    return result;
}

// The window grows with the screen so that the text stays readable on large
// screens; it never shrinks below its laid-out size.
QSize scaledClientSize(QSize laidOut)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const double s = std::max(1.0, std::min(screen.height() / 450.0, screen.width() / 800.0));
    return QSize(int(std::nearbyint(laidOut.width() * s)), int(std::nearbyint(laidOut.height() * s)));
}

} // namespace

QByteArray THelpForm::InstructionsText(const QString &companyName, const QString &cardName,
                                       bool bSeries, bool multiPort, bool listsCards)
{
    QByteArray rtf =
        R"({\rtf1\ansi\ansicpg1252\deff0\deflang1033{\fonttbl{\f0\fswiss\fprq2\fcharset0 Verdana;}})"
        R"({\colortbl\red64\green64\blue64;\red255\green255\blue64;\red64\green64\blue255;\red255\green64\blue64;})"
        R"(\viewkind4\uc1\pard\f0\fs32\cf0)" "\r\n"
        R"({\b )";
    rtf += rtfText(companyName);
    rtf += ' ';
    rtf += rtfText(cardName);
    if (bSeries)
        rtf += " Series";
    rtf += R"( Settings Program}\par\par\fs24)" "\r\n";
    rtf += R"(This program will help you configure the option jumpers and settings associated with )"
           R"(this product. You should have the product in-hand when first using this program.\par\par)"
           "\r\n";
    rtf += R"({\cf1\fs24\b Yellow circles} provide information on configuring jumpers and switches.)"
           R"(\par\par)" "\r\n";
    rtf += R"({\cf2\fs24\b Blue circles} are informational only. They provide information on )"
           R"(standard and optional features of the product family.\par\par)" "\r\n";
    rtf += R"({\cf3\fs24\b Red circles} handle calibration and types of configuration that require )"
           R"(actually controlling the hardware device. Run this settings program again once the card )"
           R"(is installed. )";
    rtf += R"(Repeat the {\cf1 setup circles} (using the same settings) to configure this program, )"
           R"(then perform the {\cf3 calibration circles}.\par\par)" "\r\n";
    rtf += R"(Mouse over the highlight circles to see configuration or information popups for )"
           R"({\cf1 setup}, {\cf2 features}, and {\cf3 calibration}. Click a highlight circle to make )"
           R"(its popup remain on-screen. )";
    rtf += R"(You can have all or as many of these popups onscreen at the same time as you desire.)"
           R"(\par\par)" "\r\n";
    if (multiPort) {
        rtf += R"({\fs32\b Note:} Make sure to set the jumpers for each option group \emdash  the )"
               R"(configuration options for each port are handled identically; )";
        rtf += R"(this program only shows the setup once, but you need to perform this setup for )"
               R"(each group of options on your device.\par\par)" "\r\n";
    }
    if (listsCards) {
        rtf += "To see a list of ";
        rtf += rtfText(cardName);
        rtf += " cards installed, click \"Display ";
        rtf += rtfText(cardName);
        rtf += R"( Cards Installed" under the File menu.\par\par)" "\r\n";
    }
    rtf += '}';
    return rtf;
}

THelpForm::THelpForm(QWidget *owner, const QByteArray &instructions)
    : QWidget(owner)
{
    SupportWindow::Prepare(this, QStringLiteral("HelpForm"),
                           QStringLiteral("Instructions for Settings utility"));

    HelpLabel = new QLabel(QStringLiteral("How to use this program"), this);
    HelpLabel->setObjectName(QStringLiteral("HelpLabel"));
    HelpLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont headingFont(QStringLiteral("Verdana"));
    headingFont.setPointSize(12);
    headingFont.setBold(true);
    HelpLabel->setFont(headingFont);
    HelpLabel->setGeometry(0, 0, width(), HelpLabel->sizeHint().height());
    AnchorRules::Set(HelpLabel, akLeft | akTop | akRight);

    HelpRich = new QTextEdit(this);
    HelpRich->setObjectName(QStringLiteral("HelpRich"));
    HelpRich->setGeometry(0, 24, 305, 73);
    HelpRich->setReadOnly(true);
    HelpRich->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette grey = HelpRich->palette();
    grey.setColor(QPalette::Base, QColor(0xDD, 0xDD, 0xDD));
    HelpRich->setPalette(grey);
    RichTextReader::load(HelpRich->document(), instructions);
    // The box's own cursor was pushed along by the loading; the reader
    // starts at the title.
    HelpRich->moveCursor(QTextCursor::Start);

    StartButton = new QPushButton(QStringLiteral("Start"), this);
    StartButton->setObjectName(QStringLiteral("StartButton"));
    StartButton->setGeometry(0, 105, 173, 25);
    StartButton->setDefault(true);
    SupportWindow::MakeCancelButton(StartButton);
    setTabOrder(StartButton, HelpRich);
    StartButton->setFocus();
    connect(StartButton, &QPushButton::clicked, this, &THelpForm::StartButtonClick);

    // The heading spans the client width; it is laid out before the window
    // is shown, when no resize reaches its anchors yet.
    resize(HelpRich->width(), height());
    HelpLabel->resize(width(), HelpLabel->height());
    SupportWindow::FitToChildren(this);
    resize(width(), height() + 8);

    AnchorRules::Set(HelpRich, akLeft | akTop | akRight | akBottom);
    StartButton->move((width() - StartButton->width()) / 2, StartButton->y());
    AnchorRules::Set(StartButton, akBottom);

    resize(scaledClientSize(size()));
}

void THelpForm::setVisible(bool visible)
{
    if (visible && !isVisible())
        CentreOnMainForm();
    QWidget::setVisible(visible);
}

void THelpForm::CentreOnMainForm()
{
    const QMainWindow *mainForm = TApplication::MainForm();
    if (!mainForm)
        return;
    const QRect main = mainForm->frameGeometry();
    const QRect own = frameGeometry();
    QPoint position(main.left() + (main.width() - own.width()) / 2,
                    main.top() + (main.height() - own.height()) / 2);
    if (const QScreen *screen = mainForm->screen()) {
        const QRect desktop = screen->virtualGeometry();
        position.rx() = std::max(position.x(), desktop.left());
        position.ry() = std::max(position.y(), desktop.top());
    }
    move(position);
}

void THelpForm::StartButtonClick()
{
    hide();

    const QMainWindow *mainForm = TApplication::MainForm();
    const QWidget *client = mainForm ? mainForm->centralWidget() : nullptr;
    if (!client)
        return;
    for (QObject *child : client->children()) {
        if (auto *boardImage = qobject_cast<TBoardImage *>(child)) {
            ActivateFirstEvent activateFirst(0, 0);
            QCoreApplication::sendEvent(boardImage, &activateFirst);
            return;
        }
    }
}

void THelpForm::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        StartButton->click();
    else
        QWidget::keyPressEvent(event);
}
