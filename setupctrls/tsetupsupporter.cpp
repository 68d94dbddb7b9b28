#include "tsetupsupporter.h"

#include "anchorrules.h"
#include "exceptionreporter.h"
#include "llzubwdm.h"
#include "tapplication.h"
#include "thelpform.h"
#include "tpciform.h"
#include "ttechform.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimerEvent>

#include <algorithm>

namespace {

constexpr int TimerInterval = 100;

int showMessageBox(const QString &text, const QString &caption, unsigned flags)
{
    QMessageBox box(QMessageBox::NoIcon, caption, text);
    if (flags & TSetupSupporter::MB_ICONEXCLAMATION)
        box.setIcon(QMessageBox::Warning);
    if ((flags & 0xF) == TSetupSupporter::MB_RETRYCANCEL) {
        box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
        box.setDefaultButton(flags & TSetupSupporter::MB_DEFBUTTON2 ? QMessageBox::Cancel
                                                                    : QMessageBox::Retry);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    if (flags & TSetupSupporter::MB_TOPMOST)
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    if (flags & TSetupSupporter::MB_SETFOREGROUND) {
        box.show();
        box.raise();
        box.activateWindow();
    }
    switch (box.exec()) {
    case QMessageBox::Retry:
        return TSetupSupporter::IDRETRY;
    case QMessageBox::Ok:
        return TSetupSupporter::IDOK;
    default:
        return TSetupSupporter::IDCANCEL;
    }
}

TSetupSupporter::MessageBoxFunction &messageBox()
{
    static TSetupSupporter::MessageBoxFunction function = showMessageBox;
    return function;
}

int startObjectTimer(QObject *window, int interval)
{
    return window->startTimer(interval);
}

TSetupSupporter::TimerStarter &timerStarter()
{
    static TSetupSupporter::TimerStarter starter = startObjectTimer;
    return starter;
}

} // namespace

// Receives the supporter's timer. An exception from a tick is reported
// here, so the timer carries on in whatever state the tick left it.
class TSetupSupporter::TTimerWindow : public QObject
{
public:
    explicit TTimerWindow(TSetupSupporter *supporter)
        : QObject(supporter), m_Supporter(supporter)
    {
        setObjectName(QStringLiteral("TimerWindow"));
    }

    void Kill()
    {
        if (m_TimerId) {
            killTimer(m_TimerId);
            m_TimerId = 0;
        }
    }

    void Start()
    {
        m_TimerId = timerStarter()(this, TimerInterval);
        if (!m_TimerId)
            throw EOutOfResources("Not enough timers available");
    }

protected:
    void timerEvent(QTimerEvent *) override
    {
        try {
            m_Supporter->TimerTick();
        } catch (...) {
            ExceptionReporter::HandleException(std::current_exception());
        }
    }

private:
    TSetupSupporter *m_Supporter;
    int m_TimerId = 0;
};

TSetupSupporter::TSetupSupporter(QObject *owner)
    : QObject(owner), m_TimerWindow(new TTimerWindow(this))
{
}

// The windows and the label belong to the main window and stay; only the
// timer has to stop before the supporter goes.
TSetupSupporter::~TSetupSupporter()
{
    m_TimerWindow->Kill();
}

QObject *TSetupSupporter::TimerWindow() const
{
    return m_TimerWindow;
}

void TSetupSupporter::SetOnBeginCalib(TNotifyEvent handler)
{
    m_OnBeginCalib = std::move(handler);
    UpdateTimer();
}

void TSetupSupporter::ApplicationIdle(QObject *, bool &)
{
    // Removed before the build, so that a build that fails is not retried
    // at every idle moment.
    TApplication::SetOnIdle(nullptr);
    BuildWindows();
}

void TSetupSupporter::BuildWindows()
{
    QMainWindow *mainForm = TApplication::MainForm();
    if (!mainForm)
        throw std::logic_error("The setup supporter's windows need the application's main window");

    const QString cardName = m_UseCardNameB ? m_CardNameB : m_CardNameA;

    QWidget *client = mainForm->centralWidget() ? mainForm->centralWidget() : mainForm;
    m_HeaderLabel = new QLabel(client);
    m_HeaderLabel->setObjectName(QStringLiteral("HeaderLabel"));
    m_HeaderLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont titleFont(QStringLiteral("Tahoma"));
    titleFont.setPointSize(18);
    titleFont.setBold(true);
    m_HeaderLabel->setFont(titleFont);
    QPalette black = m_HeaderLabel->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    m_HeaderLabel->setPalette(black);
    m_HeaderLabel->setGeometry(0, 0, client->width(), m_HeaderLabel->fontMetrics().height());
    AnchorRules::Set(m_HeaderLabel, akLeft | akTop | akRight);
    m_HeaderLabel->show();

    m_HelpForm = new THelpForm(mainForm, THelpForm::InstructionsText(m_CompanyName, cardName,
                                                                     m_bSeries, m_MultiPort,
                                                                     bool(m_OnGetCardString)));
    m_TechForm = new TTechForm(mainForm, TTechForm::SupportText(m_CompanyName, m_CallHow));
    connect(m_TechForm->CloseButton, &QPushButton::clicked, this,
            [this] { CloseButtonClick(m_TechForm->CloseButton); });

    bool found = true;
    if (m_OnGetCardString) {
        QMenu *fileMenu = nullptr;
        if (auto *mainMenu = qobject_cast<QMenuBar *>(mainForm->menuWidget())) {
            const QList<QAction *> topLevel = mainMenu->actions();
            const auto file = std::find_if(topLevel.begin(), topLevel.end(), [](QAction *item) {
                return item->text() == QLatin1String("&File");
            });
            if (file != topLevel.end())
                fileMenu = (*file)->menu();
        }
        if (fileMenu) {
            auto *item = new QAction(QStringLiteral("Display ") + cardName
                                         + QStringLiteral(" Cards Installed"),
                                     fileMenu);
            item->setObjectName(QStringLiteral("DisplayPCI"));
            connect(item, &QAction::triggered, this, [this, item] { DisplayPCIClick(item); });
            fileMenu->insertAction(fileMenu->actions().value(0), item);
        }

        m_PCIForm = new TPCIForm(mainForm, cardName);
        connect(m_PCIForm->CloseButton, &QPushButton::clicked, this,
                [this] { CloseButtonClick(m_PCIForm->CloseButton); });
        found = FillCardsList();
    } else {
        m_PCIForm = nullptr;
    }

    if (found) {
        m_HeaderLabel->setText(cardName + (m_bSeries ? QStringLiteral(" Series") : QString())
                               + QStringLiteral(" Settings Program"));
    } else {
        m_PCIForm->PCIMemo->setPlainText(QStringLiteral("No Card Found"));
        m_HeaderLabel->setText(QStringLiteral("No ") + cardName
                               + (m_bSeries ? QStringLiteral(" Series Card") : QString())
                               + QStringLiteral(" Found"));
    }

    m_ShowHelpPending = true;
    UpdateTimer();
}

// Without a complete binding there is no card count to ask for: the entry
// point may be missing, or left over from a library that lacks others. That
// reads as no cards.
bool TSetupSupporter::FillCardsList()
{
    LLZUBWDM::LoadDriverLibrary();
    bool found = false;
    const int32_t count = LLZUBWDM::DriverBound ? LLZUBWDM::GetNumCards() : 0;
    if (count <= 0)
        return false;

    m_PCIForm->PCIMemo->clear();
    for (int32_t cardIndex = 0; cardIndex < count; ++cardIndex) {
        const QString text = m_OnGetCardString(this, cardIndex);
        if (!text.isEmpty()) {
            m_PCIForm->PCIMemo->appendPlainText(text);
            found = true;
        }
    }
    return found;
}

void TSetupSupporter::DisplayPCIClick(QObject *)
{
    m_PCIForm->show();
    m_PCIForm->raise();
}

void TSetupSupporter::CloseButtonClick(QObject *sender)
{
    if (auto *button = qobject_cast<QWidget *>(sender))
        button->parentWidget()->hide();
}

void TSetupSupporter::UpdateTimer()
{
    m_TimerWindow->Kill();
    if (m_Calibrating || m_ShowHelpPending)
        m_TimerWindow->Start();
}

void TSetupSupporter::SetCalibrating(bool value)
{
    if (value == m_Calibrating)
        return;
    m_Calibrating = value;
    UpdateTimer();
}

void TSetupSupporter::TimerTick()
{
    if (m_ShowHelpPending) {
        m_HelpForm->show();
        m_HelpForm->raise();
        m_ShowHelpPending = false;
        UpdateTimer();
        return;
    }

    if (m_OnBeginCalib)
        m_OnBeginCalib(this);

    if (!m_OnGetCalibString) {
        SetCalibrating(false);
        messageBox()(QStringLiteral("Error: calibration begun, but OnGetCalibString isn't assigned."),
                     QStringLiteral("OnGetCalibString Not Assigned"),
                     MB_OK | MB_ICONEXCLAMATION | MB_SETFOREGROUND | MB_TOPMOST);
        StopCalibration();
        return;
    }

    for (const TCalibDisplay &display : m_CalibDisplays) {
        if (QWidget *control = display.HideOnTick ? display.HideOnTick() : nullptr)
            control->hide();
    }

    bool itsAllBad = true;
    for (int channel = 0; channel < m_Channels; ++channel)
        ShowChannelString(quint8(channel), m_OnGetCalibString(this, quint8(channel), itsAllBad));

    if (itsAllBad) {
        // The timer stops first, so that no pass starts while the box is open.
        SetCalibrating(false);
        const int answer = messageBox()(
            QStringLiteral("Total A/D failure. The card may not be installed, or it may be "
                           "installed at a different base address."),
            QStringLiteral("Total A/D failure"),
            MB_RETRYCANCEL | MB_ICONEXCLAMATION | MB_DEFBUTTON2 | MB_SETFOREGROUND | MB_TOPMOST);
        if (answer == IDRETRY)
            SetCalibrating(true);
        else
            StopCalibration();
    }
}

void TSetupSupporter::ShowChannelString(quint8 channel, const QString &text)
{
    const QString line = QStringLiteral("Channel ") + QString::number(channel) + QLatin1Char('\t') + text;
    for (const TCalibDisplay &display : m_CalibDisplays) {
        QPlainTextEdit *lines = display.ReadingLines ? display.ReadingLines() : nullptr;
        if (!lines)
            continue;
        const QTextBlock block = lines->document()->findBlockByNumber(channel);
        if (!block.isValid())
            throw std::out_of_range("List index out of bounds (" + std::to_string(channel) + ")");
        QTextCursor cursor(block);
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        cursor.insertText(line);
    }
}

void TSetupSupporter::StopCalibration()
{
    if (m_ChangeButtons) {
        for (const TCalibDisplay &display : m_CalibDisplays) {
            QAbstractButton *button = display.ActionButton ? display.ActionButton() : nullptr;
            if (!button)
                continue;
            disconnect(button, &QAbstractButton::clicked, nullptr, nullptr);
            if (m_OnStartButtonClick) {
                connect(button, &QAbstractButton::clicked, button,
                        [handler = m_OnStartButtonClick, button] { handler(button); });
            }
            button->setText(QStringLiteral("Start"));
        }
    }
    SetCalibrating(false);
}

void TSetupSupporter::AddCalibDisplay(TCalibDisplay display)
{
    m_CalibDisplays.push_back(std::move(display));
}

void TSetupSupporter::StartCalibration()
{
    SetCalibrating(true);
}

void TSetupSupporter::SetMessageBox(MessageBoxFunction function)
{
    messageBox() = function ? std::move(function) : MessageBoxFunction(showMessageBox);
}

void TSetupSupporter::SetTimerStarter(TimerStarter starter)
{
    timerStarter() = starter ? std::move(starter) : TimerStarter(startObjectTimer);
}
