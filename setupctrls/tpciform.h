#ifndef TPCIFORM_H
#define TPCIFORM_H

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

// The installed-cards window: one line per card the driver reports. Unlike
// the other support windows it opens as soon as it is built.
class TPCIForm : public QWidget
{
    Q_OBJECT

public:
    TPCIForm(QWidget *owner, const QString &cardName);

    QPlainTextEdit *PCIMemo = nullptr;
    QPushButton *CloseButton = nullptr;
};

#endif
