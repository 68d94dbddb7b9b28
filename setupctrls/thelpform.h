#ifndef THELPFORM_H
#define THELPFORM_H

#include <QByteArray>
#include <QWidget>

class QLabel;
class QPushButton;
class QTextEdit;

// The instructions window: explains the circles in formatted text; its
// Start button hides it and opens the first spot on the board picture.
class THelpForm : public QWidget
{
    Q_OBJECT

public:
    // Built hidden over the owner from the instructions in rich text (RTF).
    THelpForm(QWidget *owner, const QByteArray &instructions);

    // The instructions as RTF. multiPort adds the note that every port is
    // set up alike; listsCards tells where to find the installed cards.
    static QByteArray InstructionsText(const QString &companyName, const QString &cardName,
                                       bool bSeries, bool multiPort, bool listsCards);

    QTextEdit *HelpRich = nullptr;
    QLabel *HelpLabel = nullptr;
    QPushButton *StartButton = nullptr;

    void setVisible(bool visible) override;

public slots:
    void StartButtonClick();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void CentreOnMainForm();
};

#endif
