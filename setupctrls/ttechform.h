#ifndef TTECHFORM_H
#define TTECHFORM_H

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

// The technical-support window: how to reach the card's maker.
class TTechForm : public QWidget
{
    Q_OBJECT

public:
    // Built hidden over the owner; lines of the text are separated by CR LF.
    TTechForm(QWidget *owner, const QString &supportText);

    static QString SupportText(const QString &companyName, const QString &callHow);

    QPlainTextEdit *TechMemo = nullptr;
    QPushButton *CloseButton = nullptr;
};

#endif
