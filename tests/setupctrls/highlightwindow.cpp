// A window with highlights over the board photograph, for checking them on
// a real display: it prints where its circles are and which colour each
// of their pictures has at one ring pixel, then how long the first popup
// and the pictures of the largest highlight took.

#include "jpegloader.h"
#include "tboardhighlight.h"
#include "tboardimage.h"
#include "tpopupform.h"
#include "tradiopanel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

using H = TBoardHighlight;

void Print(const QString &line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

// Times the first popup from the pointer's arrival on a circle to the
// popup's first paint.
class FirstPopupTimer : public QObject
{
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Enter && !m_Clock.isValid() && qobject_cast<H *>(watched)) {
            m_Clock.start();
        } else if (m_Clock.isValid() && !m_Done && event->type() == QEvent::Paint
                   && qobject_cast<TPopupForm *>(watched)) {
            m_Done = true;
            Print(QStringLiteral("first popup painted %1 ms after the pointer entered its circle")
                      .arg(m_Clock.nsecsElapsed() / 1e6, 0, 'f', 1));
        }
        return false;
    }

private:
    QElapsedTimer m_Clock;
    bool m_Done = false;
};

H *AddHighlight(TBoardImage *board, const char *name, const QString &title,
                H::THighlightType type, const QRect &bounds, TRadioPanel *panel)
{
    auto *highlight = new H(board);
    highlight->setObjectName(QLatin1String(name));
    highlight->setGeometry(bounds);
    highlight->SetTitle(title);
    highlight->SetHighlightType(type);
    highlight->SetRadioPanel(panel);
    return highlight;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    FirstPopupTimer popupTimer;
    app.installEventFilter(&popupTimer);

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Highlight fixture"));
    window.resize(873, 712);
    auto *client = new QWidget(&window);
    window.setCentralWidget(client);
    auto *menuBar = new QMenuBar(&window);
    for (const char *caption : { "&File", "&Help" })
        menuBar->addMenu(new QMenu(QLatin1String(caption), &window));
    window.setMenuBar(menuBar);

    auto *board = new TBoardImage(client);
    board->setGeometry(142, 2, 600, 661);
    board->SetAutoSize(false);
    board->SetStretch(true);
    board->SetPicture(JpegLoader::fromResource(QStringLiteral(":/board.jpg")));
    board->SetMenu(menuBar);

    auto *pullPanel = new TRadioPanel(client);
    pullPanel->setGeometry(600, 152, 153, 121);
    pullPanel->SetLines({ QStringLiteral("The pull-up jumper ties the digital lines high or low.") });
    new QLabel(QStringLiteral("Pull-up resistors"), pullPanel);
    auto *up = new QRadioButton(QStringLiteral("Pull up"), pullPanel);
    up->move(8, 40);
    up->setChecked(true);
    (new QRadioButton(QStringLiteral("Pull down"), pullPanel))->move(8, 70);
    auto *digitalPanel = new TRadioPanel(client);
    digitalPanel->setGeometry(-400, 600, 242, 9);

    H *pull = AddHighlight(board, "Pull", QStringLiteral("&Pull-Up Configuration"), H::htSettings,
                           QRect(60, 80, 65, 65), pullPanel);
    H *digital = AddHighlight(board, "Digital", QStringLiteral("&Digital/Counter Connector"),
                              H::htOptions, QRect(330, 100, 121, 479), digitalPanel);
    H *twin = AddHighlight(board, "Twin", QStringLiteral("&Digital/Counter Connector"), H::htOptions,
                           QRect(460, 100, 121, 479), digitalPanel);
    H *trim = AddHighlight(board, "Trim", QStringLiteral("Trim"), H::htCalibration,
                           QRect(60, 300, 65, 65), nullptr);
    board->SetFirst(pull);
    window.show();

    const QList<H *> highlights{ pull, digital, twin, trim };
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!std::all_of(highlights.begin(), highlights.end(),
                         [](const H *h) { return h->Prepared(); }))
            return;
        poll.stop();
        // One pixel on the horizontal axis at radius 0.875, where the
        // active picture is white.
        for (const H *h : highlights) {
            const QPoint ring(h->width() / 2 + (h->width() - 1) * 7 / 16, h->height() / 2);
            const QPoint at = h->mapToGlobal(QPoint(0, 0));
            Print(QStringLiteral("highlight %1 %2 %3 %4 %5 ring %6 %7 idle %8 hot %9 active %10")
                      .arg(h->objectName())
                      .arg(at.x()).arg(at.y()).arg(h->width()).arg(h->height())
                      .arg(ring.x()).arg(ring.y())
                      .arg(h->IdleBitmap().pixel(ring) & 0xffffff, 6, 16, QLatin1Char('0'))
                      .arg(h->HotBitmap().pixel(ring) & 0xffffff, 6, 16, QLatin1Char('0'))
                      .arg(h->ActiveBitmap().pixel(ring) & 0xffffff, 6, 16, QLatin1Char('0')));
        }
        const QPoint blank = client->mapToGlobal(QPoint(20, client->height() - 20));
        Print(QStringLiteral("blank %1 %2").arg(blank.x()).arg(blank.y()));

        QStringList times;
        for (int i = 0; i < 5; ++i) {
            QElapsedTimer clock;
            clock.start();
            digital->BuildPictures();
            times << QString::number(clock.nsecsElapsed() / 1e6, 'f', 2);
        }
        Print(QStringLiteral("pictures of the 121 x 479 highlight built in %1 ms").arg(times.join(u' ')));
        Print(QStringLiteral("ready"));
    });
    poll.start(20);

    return app.exec();
}
