#ifndef TSETUPSUPPORTER_H
#define TSETUPSUPPORTER_H

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <vector>

class QAbstractButton;
class QLabel;
class QPlainTextEdit;
class QWidget;
class THelpForm;
class TPCIForm;
class TTechForm;

using TNotifyEvent = std::function<void(QObject *sender)>;
// The line to list for one installed card; an empty text lists nothing.
using TPCIEvent = std::function<QString(QObject *sender, int32_t cardIndex)>;
// The reading of one channel. The handler clears itsAllBad when its channel
// read well; the flag is shared by all channels of a pass.
using TCalibEvent = std::function<QString(QObject *sender, quint8 channel, bool &itsAllBad)>;

class EOutOfResources : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// One calibration display of a host window. Each holder is asked for its
// control at every use, so a host may create or replace the controls later;
// a holder that answers null is passed over.
struct TCalibDisplay
{
    // Shows channel n at line n; the host fills it with a line per channel.
    std::function<QPlainTextEdit *()> ReadingLines;
    // Turned back into a Start button when the cycle stops.
    std::function<QAbstractButton *()> ActionButton;
    // Hidden at the start of every pass.
    std::function<QWidget *()> HideOnTick;
};

// Carries the card's and the company's names. At the first idle moment of
// the application it builds the title label on the main window, the
// instructions, technical-support and (for a host that supplies card texts)
// installed-cards windows, then opens the instructions window from its
// timer. The same timer drives an optional calibration cycle.
class TSetupSupporter : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString CompanyName READ CompanyName WRITE SetCompanyName)
    Q_PROPERTY(QString CardNameA READ CardNameA WRITE SetCardNameA)
    Q_PROPERTY(QString CardNameB READ CardNameB WRITE SetCardNameB)
    Q_PROPERTY(bool UseCardNameB READ UseCardNameB WRITE SetUseCardNameB)
    Q_PROPERTY(QString CallHow READ CallHow WRITE SetCallHow)
    Q_PROPERTY(bool MultiPort READ MultiPort WRITE SetMultiPort)
    Q_PROPERTY(quint8 Channels READ Channels WRITE SetChannels)
    Q_PROPERTY(bool ChangeButtons READ ChangeButtons WRITE SetChangeButtons)
    Q_PROPERTY(bool bSeries READ bSeries WRITE SetbSeries)

public:
    // Answers of the calibration message boxes, and the flags that describe
    // them, with the classic message-box values.
    enum : int { IDOK = 1, IDCANCEL = 2, IDRETRY = 4 };
    enum : unsigned {
        MB_OK = 0x0,
        MB_RETRYCANCEL = 0x5,
        MB_ICONEXCLAMATION = 0x30,
        MB_DEFBUTTON2 = 0x100,
        MB_SETFOREGROUND = 0x10000,
        MB_TOPMOST = 0x40000,
    };
    using MessageBoxFunction =
        std::function<int(const QString &text, const QString &caption, unsigned flags)>;
    // Starts a 100 ms timer on the given object; returns its id, 0 when
    // no timer can be had.
    using TimerStarter = std::function<int(QObject *window, int interval)>;

    explicit TSetupSupporter(QObject *owner = nullptr);
    ~TSetupSupporter() override;

    const QString &CompanyName() const { return m_CompanyName; }
    void SetCompanyName(const QString &value) { m_CompanyName = value; }
    const QString &CardNameA() const { return m_CardNameA; }
    void SetCardNameA(const QString &value) { m_CardNameA = value; }
    const QString &CardNameB() const { return m_CardNameB; }
    void SetCardNameB(const QString &value) { m_CardNameB = value; }
    bool UseCardNameB() const { return m_UseCardNameB; }
    void SetUseCardNameB(bool value) { m_UseCardNameB = value; }
    const QString &CallHow() const { return m_CallHow; }
    void SetCallHow(const QString &value) { m_CallHow = value; }
    bool MultiPort() const { return m_MultiPort; }
    void SetMultiPort(bool value) { m_MultiPort = value; }
    quint8 Channels() const { return m_Channels; }
    void SetChannels(quint8 value) { m_Channels = value; }
    bool ChangeButtons() const { return m_ChangeButtons; }
    void SetChangeButtons(bool value) { m_ChangeButtons = value; }
    bool bSeries() const { return m_bSeries; }
    void SetbSeries(bool value) { m_bSeries = value; }

    const TNotifyEvent &OnBeginCalib() const { return m_OnBeginCalib; }
    void SetOnBeginCalib(TNotifyEvent handler);
    const TPCIEvent &OnGetCardString() const { return m_OnGetCardString; }
    void SetOnGetCardString(TPCIEvent handler) { m_OnGetCardString = std::move(handler); }
    const TCalibEvent &OnGetCalibString() const { return m_OnGetCalibString; }
    void SetOnGetCalibString(TCalibEvent handler) { m_OnGetCalibString = std::move(handler); }
    const TNotifyEvent &OnStopButtonClick() const { return m_OnStopButtonClick; }
    void SetOnStopButtonClick(TNotifyEvent handler) { m_OnStopButtonClick = std::move(handler); }
    const TNotifyEvent &OnStartButtonClick() const { return m_OnStartButtonClick; }
    void SetOnStartButtonClick(TNotifyEvent handler) { m_OnStartButtonClick = std::move(handler); }

    bool ShowHelpPending() const { return m_ShowHelpPending; }
    bool Calibrating() const { return m_Calibrating; }
    QObject *TimerWindow() const;
    QLabel *HeaderLabel() const { return m_HeaderLabel; }
    TPCIForm *PCIForm() const { return m_PCIForm; }
    THelpForm *HelpForm() const { return m_HelpForm; }
    TTechForm *TechForm() const { return m_TechForm; }
    const std::vector<TCalibDisplay> &CalibDisplays() const { return m_CalibDisplays; }

    // The application's idle handler: removes itself, then builds. Install
    // it once the main window's content exists.
    void ApplicationIdle(QObject *sender, bool &done);
    void BuildWindows();

    void DisplayPCIClick(QObject *sender);
    void CloseButtonClick(QObject *sender);

    void UpdateTimer();
    void TimerTick();
    void SetCalibrating(bool value);
    void StopCalibration();
    void ShowChannelString(quint8 channel, const QString &text);

    // How a host takes part in calibration: register its displays, then
    // start the cycle; every 100 ms a pass reads all channels into them.
    void AddCalibDisplay(TCalibDisplay display);
    void StartCalibration();

    // Tests answer the message boxes here; an empty function restores the
    // real boxes.
    static void SetMessageBox(MessageBoxFunction function);
    // Tests make the timer unavailable here; an empty function restores
    // the real timers.
    static void SetTimerStarter(TimerStarter starter);

private:
    class TTimerWindow;

    bool FillCardsList();

    QString m_CompanyName;
    QString m_CardNameA;
    QString m_CardNameB;
    bool m_UseCardNameB = false;
    QString m_CallHow;
    bool m_MultiPort = false;
    quint8 m_Channels = 8;
    bool m_ChangeButtons = true;
    bool m_bSeries = true;
    TPCIEvent m_OnGetCardString;
    TCalibEvent m_OnGetCalibString;
    TNotifyEvent m_OnStopButtonClick;
    TNotifyEvent m_OnStartButtonClick;
    bool m_ShowHelpPending = false;
    bool m_Calibrating = false;
    TTimerWindow *m_TimerWindow = nullptr;
    TNotifyEvent m_OnBeginCalib;
    QLabel *m_HeaderLabel = nullptr;
    TPCIForm *m_PCIForm = nullptr;
    THelpForm *m_HelpForm = nullptr;
    TTechForm *m_TechForm = nullptr;
    std::vector<TCalibDisplay> m_CalibDisplays;
};

#endif
