#include "benches.h"

#include "boardpagewindow.h"
#include "pointerposition.h"
#include "tboardhighlight.h"
#include "tpopupform.h"

#include <QCoreApplication>
#include <QEnterEvent>

#include <stdexcept>

namespace {

// Notes when a popup window has had a paint pass: the queued call runs
// once the pass, children and flush included, is over.
class PopupPainted : public QObject
{
public:
    PopupPainted() { QCoreApplication::instance()->installEventFilter(this); }

    bool painted = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_Pending && qobject_cast<TPopupForm *>(watched)) {
            m_Pending = true;
            QMetaObject::invokeMethod(
                this,
                [this] {
                    painted = true;
                    m_Pending = false;
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool m_Pending = false;
};

// From the pointer entering the highlight to its popup shown and painted.
double EnterUntilPainted(TBoardHighlight *highlight)
{
    PopupPainted watch;
    const auto start = std::chrono::steady_clock::now();
    QEnterEvent enter(QPointF(1, 1), highlight->mapTo(highlight->window(), QPointF(1, 1)),
                      highlight->mapToGlobal(QPointF(1, 1)));
    QCoreApplication::sendEvent(highlight, &enter);
    while (!watch.painted) {
        if (MillisecondsSince(start) > 10000)
            throw std::runtime_error("the popup was never painted");
        QCoreApplication::processEvents();
    }
    return MillisecondsSince(start);
}

// The pointer leaves for a place outside the popup, which closes it.
void Leave(TBoardHighlight *highlight)
{
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(highlight, &leave);
    QCoreApplication::processEvents();
    if (!highlight->Popup() || highlight->Popup()->isVisible() || highlight->Lit())
        throw std::runtime_error("the popup did not close when the pointer left");
}

Figure PopupFigure(const QString &name, const QList<double> &times)
{
    Figure figure;
    figure.name = name;
    figure.value = Median(times);
    figure.unit = QStringLiteral("ms");
    return figure;
}

} // namespace

// "External Power": a panel with a jumper and radio buttons moves into the
// popup at its creation. The first time needs a highlight that has never
// opened its popup, so each such run has a main window of its own.
QList<Figure> PopupFigures(int firstTimes, int reshows)
{
    PointerPosition::SetSource([] { return QPoint(-10000, -10000); });

    QList<double> firstTimesMs;
    for (int i = 0; i < firstTimes; ++i) {
        const std::unique_ptr<TMainForm> form = ShownMainForm();
        firstTimesMs.append(EnterUntilPainted(form->PowerHighlight));
        Leave(form->PowerHighlight);
    }

    const std::unique_ptr<TMainForm> form = ShownMainForm();
    EnterUntilPainted(form->PowerHighlight);
    Leave(form->PowerHighlight);
    QList<double> reshowMs;
    for (int i = 0; i < reshows; ++i) {
        reshowMs.append(EnterUntilPainted(form->PowerHighlight));
        Leave(form->PowerHighlight);
    }

    PointerPosition::SetSource(nullptr);
    return { PopupFigure(QStringLiteral("pointer enters \"External Power\" to popup shown, first time"),
                         firstTimesMs),
             PopupFigure(QStringLiteral("pointer enters \"External Power\" to popup shown, again"), reshowMs) };
}
