#ifndef BOARDFIXTURE_H
#define BOARDFIXTURE_H

#include "pointerposition.h"
#include "tboardhighlight.h"
#include "tboardimage.h"
#include "tpopupform.h"
#include "tradiopanel.h"

#include <QCursor>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QWindow>
#include <QtTest>

#include <algorithm>

// A main window like the program's: a menu bar, a client area and on it a
// board image with a synthetic photograph, placed at (142, 2) and centred
// by its first paint to (136, 25) on the window, whose outer rectangle is
// (0, 0) 873 x 712 with or without a frame. Highlights and panels are
// added by the tests.
class BoardFixture : public QMainWindow
{
public:
    explicit BoardFixture(const QStringList &topMenus = { QStringLiteral("&File"),
                                                          QStringLiteral("&Help") })
    {
        create();
        setGeometry(QRect(0, 0, 873, 712).marginsRemoved(windowHandle()->frameMargins()));
        Client = new QWidget(this);
        Client->setObjectName(QStringLiteral("ClientArea"));
        setCentralWidget(Client);

        Menu = new QMenuBar(this);
        Menu->setObjectName(QStringLiteral("MainMenu1"));
        for (const QString &caption : topMenus) {
            auto *menu = new QMenu(caption, this);
            menu->setObjectName(QString(caption).remove(u'&') + QStringLiteral("1"));
            Menu->addMenu(menu);
        }
        setMenuBar(Menu);

        Board = new TBoardImage(Client);
        Board->setObjectName(QStringLiteral("BoardImage1"));
        Board->setGeometry(142, 2, 600, 661);
        Board->SetAutoSize(false);
        Board->SetStretch(true);
        Board->SetPicture(Photograph());
        Board->SetMenu(Menu);
    }

    // Every pixel differs from its neighbours, so a picture taken from the
    // wrong place shows.
    static QImage Photograph()
    {
        QImage picture(600, 661, QImage::Format_RGB32);
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x)
                picture.setPixel(x, y, qRgb(x % 251, y % 241, (3 * x + 5 * y) % 256));
        }
        return picture;
    }

    TRadioPanel *AddPanel(const QString &name, const QRect &bounds, const QStringList &lines = {})
    {
        auto *panel = new TRadioPanel(Client);
        panel->setObjectName(name);
        panel->setGeometry(bounds);
        panel->SetLines(lines);
        return panel;
    }

    TBoardHighlight *Add(const QString &title, TBoardHighlight::THighlightType type,
                         const QRect &bounds, TRadioPanel *panel = nullptr)
    {
        auto *highlight = new TBoardHighlight(Board);
        highlight->setGeometry(bounds);
        highlight->SetTitle(title);
        highlight->SetHighlightType(type);
        highlight->SetRadioPanel(panel);
        return highlight;
    }

    // Shows the window and waits for the first paint of every highlight.
    bool ShowAndPrepare()
    {
        show();
        if (!QTest::qWaitForWindowExposed(this))
            return false;
        const auto highlights = Board->findChildren<TBoardHighlight *>();
        return QTest::qWaitFor([&] {
            return std::all_of(highlights.begin(), highlights.end(),
                               [](const TBoardHighlight *h) { return h->Prepared(); });
        });
    }

    QMenu *TopMenu(const QString &caption) const
    {
        for (QAction *item : Menu->actions()) {
            if (item->text() == caption)
                return item->menu();
        }
        return nullptr;
    }

    QStringList TopCaptions() const
    {
        QStringList captions;
        for (QAction *item : Menu->actions())
            captions << item->text();
        return captions;
    }

    QWidget *Client = nullptr;
    QMenuBar *Menu = nullptr;
    TBoardImage *Board = nullptr;
};

// A point of the screen that no window of the tests covers.
inline QPoint NeutralPoint()
{
    return QPoint(1000, 10);
}

// Moves the pointer: the platform sends the enter and leave notifications
// and the cursor's position follows.
inline void PointAt(const QPoint &global)
{
    QCursor::setPos(global);
    QCoreApplication::processEvents();
}

inline void PointAt(const QWidget *widget, const QPoint &local)
{
    PointAt(widget->mapToGlobal(local));
}

inline void PointInto(const QWidget *widget)
{
    PointAt(widget, widget->rect().center());
}

#endif
