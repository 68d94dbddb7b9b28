#ifndef TMAINFORM_H
#define TMAINFORM_H

#include <QMainWindow>

class QAction;
class QMenu;
class QMenuBar;
class TBoardImage;

// The one main window: the photograph of the card with its circles, the
// main menu and, later, the setup supporter's windows. Its client area is
// the central widget; positions in the board page are relative to it.
class TMainForm : public QMainWindow
{
    Q_OBJECT

public:
    explicit TMainForm(QWidget *parent = nullptr);

    QWidget *ClientArea() const;

    // Components, named like the components they refer to.
    QMenuBar *MainMenu1 = nullptr;
    QMenu *File1 = nullptr;
    QAction *Exit2 = nullptr;
    QMenu *Help1 = nullptr;
    QAction *Howtousethisprogram1 = nullptr;
    QAction *TechnicalSupport1 = nullptr;
    TBoardImage *BoardImage1 = nullptr;

public slots:
    void Exit2Click();

protected:
    void closeEvent(QCloseEvent *event) override;
};

#endif
