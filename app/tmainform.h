#ifndef TMAINFORM_H
#define TMAINFORM_H

#include <QMainWindow>

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QRadioButton;
class TBoardHighlight;
class TBoardImage;
class TRadioPanel;
class TSetupSupporter;
class TThreeJumper;

// The one main window: the photograph of the card with its circles, the
// main menu, and the setup supporter behind the instructions and support
// windows. Its client area is the central widget; the positions of the
// board page are relative to it.
class TMainForm : public QMainWindow
{
    Q_OBJECT

public:
    explicit TMainForm(QWidget *parent = nullptr);

    QWidget *ClientArea() const;

    // Components, named like the components they refer to.
    TBoardImage *BoardImage1 = nullptr;
    TBoardHighlight *PullHighlight = nullptr;
    TBoardHighlight *PowerHighlight = nullptr;
    TBoardHighlight *USBHighlight = nullptr;
    TBoardHighlight *DCINHighlight = nullptr;
    TBoardHighlight *DataHighlight0 = nullptr;
    TBoardHighlight *LedHighlight = nullptr;
    TBoardHighlight *DataHighlight1 = nullptr;
    TBoardHighlight *MiniUSBHighlight = nullptr;
    TRadioPanel *PowerPanel = nullptr;
    QLabel *Image1 = nullptr;
    TThreeJumper *BusPowerJumper = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QRadioButton *ExtPowerRadio = nullptr;
    QRadioButton *BusPowerRadio = nullptr;
    TRadioPanel *PullPanel = nullptr;
    QLabel *Label4 = nullptr;
    TThreeJumper *PullJumper = nullptr;
    QLabel *Label14 = nullptr;
    QLabel *Label13 = nullptr;
    QRadioButton *PullUpRadio = nullptr;
    QRadioButton *PullDownRadio = nullptr;
    QRadioButton *PullNoRadio = nullptr;
    TRadioPanel *USBPanel = nullptr;
    TRadioPanel *DataPanel = nullptr;
    TRadioPanel *LEDPanel = nullptr;
    TRadioPanel *DCINPanel = nullptr;
    TRadioPanel *MiniUSBPanel = nullptr;
    QMenuBar *MainMenu1 = nullptr;
    QMenu *File1 = nullptr;
    QAction *Exit2 = nullptr;
    QMenu *Help1 = nullptr;
    QAction *Howtousethisprogram1 = nullptr;
    QAction *TechnicalSupport1 = nullptr;
    TSetupSupporter *SetSup = nullptr;

public slots:
    void FormCreate();
    void Exit2Click();
    void Howtousethisprogram1Click();
    void TechnicalSupport1Click();
    void PullJumperClick();
    void PullRadioClick();
    void BusPowerJumperClick();
    void BusPowerRadioClick();

protected:
    void closeEvent(QCloseEvent *event) override;
};

#endif
