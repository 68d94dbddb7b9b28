#include "tradiopanel.h"
#include "tthreejumper.h"

#include <QGuiApplication>
#include <QSignalSpy>
#include <QtTest>

// Derives from the radio panel under another name, which the jumper must
// not take for a radio panel.
class TDerivedRadioPanel : public TRadioPanel
{
    Q_OBJECT
public:
    using TRadioPanel::TRadioPanel;
};

namespace {

using J = TThreeJumper;

class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

QImage Drawing(TThreeJumper &jumper)
{
    return jumper.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QRgb ButtonFace()
{
    return QGuiApplication::palette().color(QPalette::Active, QPalette::Button).rgb();
}

QRgb NamedColour(const QString &name)
{
    if (name == "background")
        return ButtonFace();
    if (name == "black")
        return qRgb(0, 0, 0);
    if (name == "base")
        return qRgb(128, 128, 128);
    if (name == "cap")
        return qRgb(128, 0, 0);
    if (name == "pin")
        return qRgb(255, 255, 0);
    qFatal("unknown colour %s", qPrintable(name));
}

// Where pixel (x, y) of the unturned W x H drawing lands on screen.
QPoint Turned(J::TOrientationType orientation, int x, int y, int W, int H)
{
    switch (orientation) {
    case J::otUp:
        return {x, y};
    case J::otDown:
        return {W - 1 - x, H - 1 - y};
    case J::otLeft:
        return {y, W - 1 - x};
    case J::otRight:
        return {H - 1 - y, x};
    }
    return {};
}

// Length of the run of `colour` through (x, y) along one axis.
int RunLength(const QImage &image, QPoint at, QPoint step, QRgb colour)
{
    if (!image.rect().contains(at) || image.pixel(at) != colour)
        return 0;
    int length = 1;
    for (QPoint p = at + step; image.rect().contains(p) && image.pixel(p) == colour; p += step)
        ++length;
    for (QPoint p = at - step; image.rect().contains(p) && image.pixel(p) == colour; p -= step)
        ++length;
    return length;
}

} // namespace

class tst_TThreeJumper : public QObject
{
    Q_OBJECT

private slots:
    void defaults();
    void workedExample_data();
    void workedExample();
    void turns_data();
    void turns();
    void pinRadius_data();
    void pinRadius();
    void drawingIgnoresEnabled();
    void background_data();
    void background();
    void clickCycle_data();
    void clickCycle();
    void pointerSequences_data();
    void pointerSequences();
    void settersRepaintOnlyOnChange_data();
    void settersRepaintOnlyOnChange();
    void allowOpenOff_data();
    void allowOpenOff();
    void orientationSwap_data();
    void orientationSwap();
};

void tst_TThreeJumper::defaults()
{
    J jumper;
    QCOMPARE(jumper.metaObject()->className(), "TThreeJumper");
    QCOMPARE(jumper.size(), QSize(43, 18));
    QCOMPARE(jumper.property("JumperState").value<J::TJumperState>(), J::jsOpen);
    QCOMPARE(jumper.property("Orientation").value<J::TOrientationType>(), J::otUp);
    QCOMPARE(jumper.property("BorderStyle").value<J::TBorderStyle>(), J::bsSingle);
    QCOMPARE(jumper.property("AllowOpen").toBool(), true);
    QCOMPARE(jumper.property("BaseColor").value<QColor>(), QColor(128, 128, 128));
    QCOMPARE(jumper.property("PinColor").value<QColor>(), QColor(255, 255, 0));
    QCOMPARE(jumper.property("JumperColor").value<QColor>(), QColor(128, 0, 0));
}

void tst_TThreeJumper::workedExample_data()
{
    QTest::addColumn<J::TJumperState>("state");
    QTest::addColumn<J::TBorderStyle>("border");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QString>("colour");

    struct Row { const char *name; J::TJumperState state; J::TBorderStyle border; QPoint point; const char *colour; };
    const Row rows[] = {
        {"open: corner of control", J::jsOpen, J::bsSingle, {0, 0}, "background"},
        {"open: far corner of control", J::jsOpen, J::bsSingle, {42, 17}, "background"},
        {"open: base top-left corner rounded", J::jsOpen, J::bsSingle, {1, 1}, "background"},
        {"open: base top-right corner rounded", J::jsOpen, J::bsSingle, {41, 1}, "background"},
        {"open: base bottom-left corner rounded", J::jsOpen, J::bsSingle, {1, 16}, "background"},
        {"open: base bottom-right corner rounded", J::jsOpen, J::bsSingle, {41, 16}, "background"},
        {"open: above base", J::jsOpen, J::bsSingle, {21, 0}, "background"},
        {"open: below base", J::jsOpen, J::bsSingle, {21, 17}, "background"},
        {"open: left of base", J::jsOpen, J::bsSingle, {0, 9}, "background"},
        {"open: right of base", J::jsOpen, J::bsSingle, {42, 9}, "background"},
        {"open: base top edge", J::jsOpen, J::bsSingle, {21, 1}, "black"},
        {"open: base bottom edge", J::jsOpen, J::bsSingle, {21, 16}, "black"},
        {"open: base left edge", J::jsOpen, J::bsSingle, {1, 9}, "black"},
        {"open: base right edge", J::jsOpen, J::bsSingle, {41, 9}, "black"},
        {"open: base inside top", J::jsOpen, J::bsSingle, {21, 2}, "base"},
        {"open: base inside left", J::jsOpen, J::bsSingle, {2, 9}, "base"},
        {"open: base inside right", J::jsOpen, J::bsSingle, {40, 9}, "base"},
        {"open: base between pins", J::jsOpen, J::bsSingle, {15, 9}, "base"},
        {"open: first pin centre", J::jsOpen, J::bsSingle, {10, 9}, "pin"},
        {"open: middle pin centre", J::jsOpen, J::bsSingle, {21, 9}, "pin"},
        {"open: last pin centre", J::jsOpen, J::bsSingle, {33, 9}, "pin"},
        {"open: first pin left end", J::jsOpen, J::bsSingle, {7, 9}, "pin"},
        {"open: first pin right end", J::jsOpen, J::bsSingle, {12, 9}, "pin"},
        {"open: first pin top end", J::jsOpen, J::bsSingle, {10, 6}, "pin"},
        {"open: first pin bottom end", J::jsOpen, J::bsSingle, {10, 11}, "pin"},
        {"open: left of first pin", J::jsOpen, J::bsSingle, {6, 9}, "base"},
        {"open: right of first pin", J::jsOpen, J::bsSingle, {13, 9}, "base"},
        {"open: above first pin", J::jsOpen, J::bsSingle, {10, 5}, "base"},
        {"open: below first pin", J::jsOpen, J::bsSingle, {10, 12}, "base"},
        {"open: last pin left end", J::jsOpen, J::bsSingle, {30, 9}, "pin"},
        {"open: last pin right end", J::jsOpen, J::bsSingle, {35, 9}, "pin"},
        {"open: left of last pin", J::jsOpen, J::bsSingle, {29, 9}, "base"},
        {"open: right of last pin", J::jsOpen, J::bsSingle, {36, 9}, "base"},
        {"left: cap top-left corner", J::jsLeft, J::bsSingle, {0, 0}, "black"},
        {"left: cap bottom-left corner", J::jsLeft, J::bsSingle, {0, 17}, "black"},
        {"left: cap top-right corner", J::jsLeft, J::bsSingle, {26, 0}, "black"},
        {"left: cap bottom-right corner", J::jsLeft, J::bsSingle, {26, 17}, "black"},
        {"left: cap right edge", J::jsLeft, J::bsSingle, {26, 9}, "black"},
        {"left: right of cap is base", J::jsLeft, J::bsSingle, {27, 9}, "base"},
        {"left: right of cap base edge", J::jsLeft, J::bsSingle, {27, 1}, "black"},
        {"left: right of cap above base", J::jsLeft, J::bsSingle, {27, 0}, "background"},
        {"left: cap covers base corner", J::jsLeft, J::bsSingle, {1, 1}, "cap"},
        {"left: cap between pins", J::jsLeft, J::bsSingle, {15, 9}, "cap"},
        {"left: cap inside right", J::jsLeft, J::bsSingle, {25, 3}, "cap"},
        {"left: right of middle pin", J::jsLeft, J::bsSingle, {24, 9}, "cap"},
        {"left: first pin over cap", J::jsLeft, J::bsSingle, {7, 9}, "pin"},
        {"left: first pin centre", J::jsLeft, J::bsSingle, {10, 9}, "pin"},
        {"left: middle pin over cap", J::jsLeft, J::bsSingle, {21, 9}, "pin"},
        {"left: middle pin right end", J::jsLeft, J::bsSingle, {23, 9}, "pin"},
        {"left: last pin on base", J::jsLeft, J::bsSingle, {33, 9}, "pin"},
        {"right: cap left edge", J::jsRight, J::bsSingle, {15, 9}, "black"},
        {"right: cap top-left corner", J::jsRight, J::bsSingle, {15, 0}, "black"},
        {"right: cap bottom-left corner", J::jsRight, J::bsSingle, {15, 17}, "black"},
        {"right: cap top-right corner", J::jsRight, J::bsSingle, {42, 0}, "black"},
        {"right: cap bottom-right corner", J::jsRight, J::bsSingle, {42, 17}, "black"},
        {"right: cap right edge", J::jsRight, J::bsSingle, {42, 9}, "black"},
        {"right: left of cap is base", J::jsRight, J::bsSingle, {14, 9}, "base"},
        {"right: left of cap above base", J::jsRight, J::bsSingle, {14, 0}, "background"},
        {"right: cap inside left", J::jsRight, J::bsSingle, {16, 9}, "cap"},
        {"right: cap covers base corner", J::jsRight, J::bsSingle, {41, 1}, "cap"},
        {"right: right of last pin", J::jsRight, J::bsSingle, {36, 9}, "cap"},
        {"right: middle pin left end over cap", J::jsRight, J::bsSingle, {18, 9}, "pin"},
        {"right: last pin right end over cap", J::jsRight, J::bsSingle, {35, 9}, "pin"},
        {"right: first pin on base", J::jsRight, J::bsSingle, {10, 9}, "pin"},
        {"right: right of first pin", J::jsRight, J::bsSingle, {13, 9}, "base"},
        {"no border: top edge", J::jsOpen, J::bsNone, {21, 1}, "base"},
        {"no border: left edge", J::jsOpen, J::bsNone, {1, 9}, "base"},
        {"no border: corner rounded", J::jsOpen, J::bsNone, {1, 1}, "background"},
        {"no border: cap keeps outline", J::jsLeft, J::bsNone, {26, 9}, "black"},
    };
    for (const Row &row : rows)
        QTest::newRow(row.name) << row.state << row.border << row.point << QString(row.colour);
}

void tst_TThreeJumper::workedExample()
{
    QFETCH(J::TJumperState, state);
    QFETCH(J::TBorderStyle, border);
    QFETCH(QPoint, point);
    QFETCH(QString, colour);

    J jumper;
    jumper.SetJumperState(state);
    jumper.SetBorderStyle(border);
    const QImage drawing = Drawing(jumper);

    QCOMPARE(drawing.size(), QSize(43, 18));
    QCOMPARE(QColor(drawing.pixel(point)), QColor(NamedColour(colour)));
}

void tst_TThreeJumper::turns_data()
{
    QTest::addColumn<J::TOrientationType>("orientation");
    QTest::addColumn<J::TJumperState>("state");

    QTest::newRow("up, left cap") << J::otUp << J::jsLeft;
    QTest::newRow("down, left cap") << J::otDown << J::jsLeft;
    QTest::newRow("left, left cap") << J::otLeft << J::jsLeft;
    QTest::newRow("right, left cap") << J::otRight << J::jsLeft;
    QTest::newRow("left, right cap") << J::otLeft << J::jsRight;
}

void tst_TThreeJumper::turns()
{
    QFETCH(J::TOrientationType, orientation);
    QFETCH(J::TJumperState, state);
    const int W = 43;
    const int H = 18;

    J upright;
    upright.SetJumperState(state);
    const QImage reference = Drawing(upright);

    const bool vertical = orientation == J::otLeft || orientation == J::otRight;
    J turned;
    turned.resize(vertical ? QSize(H, W) : QSize(W, H));
    turned.SetOrientation(orientation);
    turned.SetJumperState(state);
    const QImage drawing = Drawing(turned);

    QCOMPARE(drawing.size(), turned.size());
    QCOMPARE(turned.DrawBitmap().size(), QSize(W, H));
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            const QPoint to = Turned(orientation, x, y, W, H);
            if (drawing.pixel(to) != reference.pixel(x, y))
                QFAIL(qPrintable(QString("pixel (%1, %2) did not land at (%3, %4)")
                                     .arg(x).arg(y).arg(to.x()).arg(to.y())));
        }
    }
}

void tst_TThreeJumper::pinRadius_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<J::TOrientationType>("orientation");
    QTest::addColumn<int>("radius");

    QTest::newRow("43x18") << QSize(43, 18) << J::otUp << 3;
    QTest::newRow("H 12 rounds 2.5 down") << QSize(100, 12) << J::otUp << 2;
    QTest::newRow("H 16 rounds 3.5 up") << QSize(100, 16) << J::otUp << 4;
    QTest::newRow("H 4 rounds 0.5 down") << QSize(14, 4) << J::otUp << 0;
    QTest::newRow("W 14 gives P 3") << QSize(14, 18) << J::otUp << 1;
    QTest::newRow("W 13 gives P 2") << QSize(13, 18) << J::otUp << 0;
    QTest::newRow("W 2 gives P 0") << QSize(2, 18) << J::otUp << 0;
    QTest::newRow("W 1") << QSize(1, 18) << J::otUp << 0;
    QTest::newRow("H 1") << QSize(43, 1) << J::otUp << 0;
    QTest::newRow("1x1") << QSize(1, 1) << J::otUp << 0;
    QTest::newRow("43x18 turned left before first paint") << QSize(43, 18) << J::otLeft << 1;
}

void tst_TThreeJumper::pinRadius()
{
    QFETCH(QSize, size);
    QFETCH(J::TOrientationType, orientation);
    QFETCH(int, radius);

    J jumper;
    jumper.resize(size);
    jumper.SetOrientation(orientation);
    const QImage drawing = Drawing(jumper);
    QCOMPARE(drawing.size(), size);

    const QImage &unturned = jumper.DrawBitmap();
    const bool vertical = orientation == J::otLeft || orientation == J::otRight;
    QCOMPARE(unturned.size(), vertical ? size.transposed() : size);

    const QRgb pin = NamedColour("pin");
    const QPoint middle(unturned.width() / 2, unturned.height() / 2);
    QCOMPARE(RunLength(unturned, middle, {0, 1}, pin), 2 * radius);
    QCOMPARE(RunLength(unturned, middle, {1, 0}, pin), 2 * radius);
    if (radius == 0) {
        for (int y = 0; y < drawing.height(); ++y)
            for (int x = 0; x < drawing.width(); ++x)
                QVERIFY(drawing.pixel(x, y) != pin);
    }
}

void tst_TThreeJumper::drawingIgnoresEnabled()
{
    QWidget parent;
    QPalette palette = parent.palette();
    palette.setColor(QPalette::Disabled, QPalette::Button, QColor(200, 40, 40));
    palette.setColor(QPalette::Disabled, QPalette::Window, QColor(200, 40, 40));
    parent.setPalette(palette);
    J enabled(&parent);
    J disabled(&parent);
    enabled.SetJumperState(J::jsLeft);
    disabled.SetJumperState(J::jsLeft);
    disabled.setEnabled(false);

    QCOMPARE(Drawing(disabled), Drawing(enabled));
}

void tst_TThreeJumper::background_data()
{
    QTest::addColumn<QString>("parentClass");
    QTest::addColumn<bool>("takesParentColour");

    QTest::newRow("radio panel") << "TRadioPanel" << true;
    QTest::newRow("derived from radio panel") << "TDerivedRadioPanel" << false;
    QTest::newRow("plain widget") << "QWidget" << false;
    QTest::newRow("no parent") << "" << false;
}

void tst_TThreeJumper::background()
{
    QFETCH(QString, parentClass);
    QFETCH(bool, takesParentColour);

    std::unique_ptr<QWidget> parent;
    if (parentClass == "TRadioPanel")
        parent = std::make_unique<TRadioPanel>();
    else if (parentClass == "TDerivedRadioPanel")
        parent = std::make_unique<TDerivedRadioPanel>();
    else if (parentClass == "QWidget")
        parent = std::make_unique<QWidget>();
    const QColor panelColour(10, 200, 30);
    if (parent) {
        QPalette palette = parent->palette();
        palette.setColor(QPalette::Window, panelColour);
        parent->setPalette(palette);
    }

    auto *jumper = new J(parent.get());
    std::unique_ptr<J> orphan(parent ? nullptr : jumper);
    const QImage drawing = Drawing(*jumper);

    const QRgb expected = takesParentColour ? panelColour.rgb() : ButtonFace();
    QCOMPARE(QColor(drawing.pixel(0, 0)), QColor(expected));
    QCOMPARE(QColor(drawing.pixel(1, 1)), QColor(expected));
}

void tst_TThreeJumper::clickCycle_data()
{
    QTest::addColumn<bool>("allowOpen");
    QTest::addColumn<J::TJumperState>("start");
    QTest::addColumn<QList<J::TJumperState>>("expected");

    QTest::newRow("open allowed, from open")
        << true << J::jsOpen << QList<J::TJumperState>{J::jsLeft, J::jsRight, J::jsOpen, J::jsLeft};
    QTest::newRow("open allowed, from right")
        << true << J::jsRight << QList<J::TJumperState>{J::jsOpen, J::jsLeft, J::jsRight};
    QTest::newRow("open not allowed")
        << false << J::jsLeft << QList<J::TJumperState>{J::jsRight, J::jsLeft, J::jsRight, J::jsLeft};
}

void tst_TThreeJumper::clickCycle()
{
    QFETCH(bool, allowOpen);
    QFETCH(J::TJumperState, start);
    QFETCH(QList<J::TJumperState>, expected);

    QWidget window;
    window.resize(100, 60);
    auto *jumper = new J(&window);
    jumper->move(20, 20);
    jumper->SetAllowOpen(allowOpen);
    jumper->SetJumperState(start);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QList<J::TJumperState> seen;
    connect(jumper, &J::clicked, jumper, [&] { seen << jumper->JumperState(); });
    for (qsizetype i = 0; i < expected.size(); ++i)
        QTest::mouseClick(jumper, Qt::LeftButton, {}, QPoint(5, 5));

    QCOMPARE(seen, expected);
    QCOMPARE(jumper->JumperState(), expected.last());
}

enum class Pointer { Click, ReleaseOutside, DoubleClick, RightClick };

void tst_TThreeJumper::pointerSequences_data()
{
    QTest::addColumn<Pointer>("pointer");
    QTest::addColumn<int>("steps");

    QTest::newRow("click") << Pointer::Click << 1;
    QTest::newRow("release outside") << Pointer::ReleaseOutside << 0;
    QTest::newRow("double-click") << Pointer::DoubleClick << 1;
    QTest::newRow("right button") << Pointer::RightClick << 0;
}

// Driven through the window, so that the platform's own double-click
// detection and pointer grab decide what the jumper receives.
void tst_TThreeJumper::pointerSequences()
{
    QFETCH(Pointer, pointer);
    QFETCH(int, steps);

    QWidget window;
    window.resize(120, 80);
    auto *jumper = new J(&window);
    jumper->move(20, 20);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy clicks(jumper, &J::clicked);

    QWindow *handle = window.windowHandle();
    const QPoint inside = jumper->mapTo(&window, QPoint(10, 9));
    const QPoint outside(100, 70);
    switch (pointer) {
    case Pointer::Click:
        QTest::mouseClick(handle, Qt::LeftButton, {}, inside);
        break;
    case Pointer::ReleaseOutside:
        QTest::mousePress(handle, Qt::LeftButton, {}, inside);
        QTest::mouseMove(handle, outside);
        QTest::mouseRelease(handle, Qt::LeftButton, {}, outside);
        break;
    case Pointer::DoubleClick:
        QTest::mouseDClick(handle, Qt::LeftButton, {}, inside);
        break;
    case Pointer::RightClick:
        QTest::mouseClick(handle, Qt::RightButton, {}, inside);
        break;
    }

    QCOMPARE(clicks.count(), steps);
    QCOMPARE(jumper->JumperState(), steps == 1 ? J::jsLeft : J::jsOpen);
}

void tst_TThreeJumper::settersRepaintOnlyOnChange_data()
{
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("repaints");
    QTest::addColumn<QVariant>("after");

    auto v = [](auto value) { return QVariant::fromValue(value); };
    const QColor grey(128, 128, 128), yellow(255, 255, 0), maroon(128, 0, 0), blue(0, 0, 255);

    QTest::newRow("JumperState same") << QByteArray("JumperState") << v(J::jsOpen) << false << v(J::jsOpen);
    QTest::newRow("JumperState new") << QByteArray("JumperState") << v(J::jsRight) << true << v(J::jsRight);
    QTest::newRow("BaseColor same") << QByteArray("BaseColor") << v(grey) << false << v(grey);
    QTest::newRow("BaseColor new") << QByteArray("BaseColor") << v(blue) << true << v(blue);
    QTest::newRow("PinColor same") << QByteArray("PinColor") << v(yellow) << false << v(yellow);
    QTest::newRow("PinColor new") << QByteArray("PinColor") << v(blue) << true << v(blue);
    QTest::newRow("JumperColor same") << QByteArray("JumperColor") << v(maroon) << false << v(maroon);
    QTest::newRow("JumperColor new") << QByteArray("JumperColor") << v(blue) << true << v(blue);
    QTest::newRow("Orientation same") << QByteArray("Orientation") << v(J::otUp) << false << v(J::otUp);
    QTest::newRow("Orientation new") << QByteArray("Orientation") << v(J::otDown) << true << v(J::otDown);
    QTest::newRow("BorderStyle same") << QByteArray("BorderStyle") << v(J::bsSingle) << false << v(J::bsSingle);
    QTest::newRow("BorderStyle new") << QByteArray("BorderStyle") << v(J::bsNone) << true << v(J::bsNone);
    QTest::newRow("AllowOpen same") << QByteArray("AllowOpen") << v(true) << false << v(true);
    QTest::newRow("AllowOpen off") << QByteArray("AllowOpen") << v(false) << true << v(false);
}

void tst_TThreeJumper::settersRepaintOnlyOnChange()
{
    QFETCH(QByteArray, property);
    QFETCH(QVariant, value);
    QFETCH(bool, repaints);
    QFETCH(QVariant, after);

    QWidget window;
    window.resize(100, 60);
    auto *jumper = new J(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(jumper->PaintedOnce());
    QCoreApplication::processEvents();

    PaintCounter counter;
    jumper->installEventFilter(&counter);
    QSignalSpy clicks(jumper, &J::clicked);
    QVERIFY(jumper->setProperty(property, value));
    QCOMPARE(jumper->property(property), after);

    if (repaints) {
        QTRY_VERIFY(counter.paints > 0);
    } else {
        QTest::qWait(50);
        QCOMPARE(counter.paints, 0);
    }
    QCOMPARE(clicks.count(), 0);
}

void tst_TThreeJumper::allowOpenOff_data()
{
    QTest::addColumn<J::TJumperState>("start");
    QTest::addColumn<J::TJumperState>("after");

    QTest::newRow("open moves to left") << J::jsOpen << J::jsLeft;
    QTest::newRow("left stays") << J::jsLeft << J::jsLeft;
    QTest::newRow("right stays") << J::jsRight << J::jsRight;
}

void tst_TThreeJumper::allowOpenOff()
{
    QFETCH(J::TJumperState, start);
    QFETCH(J::TJumperState, after);

    QWidget window;
    auto *jumper = new J(&window);
    jumper->SetJumperState(start);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    jumper->SetAllowOpen(false);
    QCOMPARE(jumper->JumperState(), after);

    QTRY_VERIFY(jumper->PaintedOnce());
    QCoreApplication::processEvents();
    const QImage before = Drawing(*jumper);
    PaintCounter counter;
    jumper->installEventFilter(&counter);
    jumper->SetJumperState(J::jsOpen);
    QCOMPARE(jumper->JumperState(), after);
    QTest::qWait(50);
    QCOMPARE(counter.paints, 0);
    QCOMPARE(Drawing(*jumper), before);
}

void tst_TThreeJumper::orientationSwap_data()
{
    QTest::addColumn<bool>("paintFirst");
    QTest::addColumn<QList<J::TOrientationType>>("changes");
    QTest::addColumn<QSize>("size");

    QTest::newRow("up to left after a paint") << true << QList{J::otLeft} << QSize(18, 43);
    QTest::newRow("up to down after a paint") << true << QList{J::otDown} << QSize(43, 18);
    QTest::newRow("left to right after a paint") << true << QList{J::otLeft, J::otRight} << QSize(18, 43);
    QTest::newRow("up to left to up swaps once") << true << QList{J::otLeft, J::otUp} << QSize(18, 43);
    QTest::newRow("up to left before the first paint") << false << QList{J::otLeft} << QSize(43, 18);
}

void tst_TThreeJumper::orientationSwap()
{
    QFETCH(bool, paintFirst);
    QFETCH(QList<J::TOrientationType>, changes);
    QFETCH(QSize, size);

    J jumper;
    if (paintFirst)
        Drawing(jumper);
    for (const J::TOrientationType orientation : changes)
        jumper.SetOrientation(orientation);
    QCOMPARE(jumper.size(), QSize(43, 18));

    Drawing(jumper);
    QCOMPARE(jumper.size(), size);
    QVERIFY(!jumper.SwapPending());
    Drawing(jumper);
    QCOMPARE(jumper.size(), size);
}

QTEST_MAIN(tst_TThreeJumper)
#include "tst_tthreejumper.moc"
