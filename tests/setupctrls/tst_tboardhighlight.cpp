#include "activatefirstevent.h"
#include "boardfixture.h"

#include <QtTest>

namespace {

using H = TBoardHighlight;

QImage Uniform(const QSize &size, QRgb colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QImage Shaded(QImage image, const QColor &colour, float strength, bool whiteCore)
{
    H::ShadeRing(image, colour, strength, whiteCore);
    return image;
}

// Each column has its own red, so a picture taken from the wrong place
// shows.
class Columns : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        for (int x = 0; x < width(); ++x) {
            painter.setPen(QColor(x, 0, 0));
            painter.drawLine(x, 0, x, height() - 1);
        }
    }
};

QImage Painted(QWidget *widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class tst_TBoardHighlight : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void newHighlight();
    void typeSetsColourAndStrengths_data();
    void typeSetsColourAndStrengths();
    void titleForms_data();
    void titleForms();

    void shadeRing_data();
    void shadeRing();
    void picturesAreTheShadedBoard();
    void tinyControlKeepsThePhotograph_data();
    void tinyControlKeepsThePhotograph();
    void paintShowsThePictureOfTheState_data();
    void paintShowsThePictureOfTheState();

    void radioPanelOfAnotherSetIsRefused_data();
    void radioPanelOfAnotherSetIsRefused();

    void linkedHighlightsShareOnePopup();
    void relayedNotificationsAreNotRelayed();
    void popupActivityReachesEveryLinkedOnce_data();
    void popupActivityReachesEveryLinkedOnce();
    void clickPins();
    void activateFirst_data();
    void activateFirst();
    void parentThatIsNoBoardImage();
};

void tst_TBoardHighlight::init()
{
    PointerPosition::SetSource(nullptr);
    PointAt(NeutralPoint());
}

void tst_TBoardHighlight::newHighlight()
{
    H highlight;
    QCOMPARE(highlight.size(), QSize(65, 65));
    QCOMPARE(highlight.HighlightType(), H::htSettings);
    QCOMPARE(highlight.RingColor(), QColor(255, 255, 0));
    QVERIFY(highlight.CreatePopup());
    QVERIFY(!highlight.Lit());
    QVERIFY(!highlight.Popup());
    QVERIFY(highlight.Title().isEmpty());
    QVERIFY(!highlight.RadioPanel());
}

void tst_TBoardHighlight::typeSetsColourAndStrengths_data()
{
    QTest::addColumn<H::THighlightType>("type");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<float>("idle");
    QTest::addColumn<float>("active");
    QTest::addColumn<float>("hot");

    QTest::newRow("options") << H::htOptions << QColor(0, 0, 255) << 0.25f << 1.0f << 0.5f;
    QTest::newRow("settings") << H::htSettings << QColor(255, 255, 0) << 0.5f << 1.0f << 0.75f;
    QTest::newRow("calibration") << H::htCalibration << QColor(255, 0, 0) << 0.5f << 1.0f << 0.75f;
}

void tst_TBoardHighlight::typeSetsColourAndStrengths()
{
    QFETCH(H::THighlightType, type);
    QFETCH(QColor, colour);
    QFETCH(float, idle);
    QFETCH(float, active);
    QFETCH(float, hot);

    H highlight;
    highlight.SetHighlightType(H::htOptions);
    highlight.SetHighlightType(H::htCalibration);
    highlight.SetHighlightType(type);
    QCOMPARE(highlight.RingColor(), colour);
    QCOMPARE(highlight.IdleStrength(), idle);
    QCOMPARE(highlight.ActiveStrength(), active);
    QCOMPARE(highlight.HotStrength(), hot);
}

void tst_TBoardHighlight::titleForms_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("ident");

    QTest::newRow("pull-up") << "&Pull-Up Configuration" << "Pull-Up Configuration" << "PullUpConfiguration";
    QTest::newRow("power") << "&External Power" << "External Power" << "ExternalPower";
    QTest::newRow("usb") << "&USB Connector" << "USB Connector" << "USBConnector";
    QTest::newRow("dc") << "DC Input" << "DC Input" << "DCInput";
    QTest::newRow("digital") << "&Digital/Counter Connector" << "Digital/Counter Connector"
                             << "DigitalCounterConnector";
    QTest::newRow("led") << "LED Light" << "LED Light" << "LEDLight";
    QTest::newRow("compact") << "Compact USB Connector" << "Compact USB Connector" << "CompactUSBConnector";
    QTest::newRow("leading digit") << "1st" << "1st" << "st";
    QTest::newRow("identifier kept") << "_a1" << "_a1" << "_a1";
    QTest::newRow("no letters") << "&1-2" << "1-2" << "";
    QTest::newRow("non-ASCII letter") << QString::fromUtf8("Größe") << QString::fromUtf8("Größe") << "Gre";
}

void tst_TBoardHighlight::titleForms()
{
    QFETCH(QString, title);
    QFETCH(QString, plain);
    QFETCH(QString, ident);

    H highlight;
    highlight.SetTitle(title);
    QCOMPARE(highlight.Title(), title);
    QCOMPARE(highlight.PlainTitle(), plain);
    QCOMPARE(highlight.TitleIdent(), ident);
}

void tst_TBoardHighlight::shadeRing_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRgb>("background");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<float>("strength");
    QTest::addColumn<bool>("whiteCore");
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QRgb>("expected");

    const QColor yellow(255, 255, 0);
    const QColor blue(0, 0, 255);
    const QRgb grey = qRgb(100, 150, 200);
    // In a 33 x 33 control one pixel step is 1/16 of the half-axis, so the
    // radii 0.8125, 0.875, 0.9375 and 1 fall exactly on pixels 13 to 16
    // away from the centre (16, 16).
    const QSize s33(33, 33);

    QTest::newRow("corner outside") << s33 << grey << yellow << 1.0f << true << QPoint(0, 0) << grey;
    QTest::newRow("on the ellipse") << s33 << grey << yellow << 1.0f << true << QPoint(32, 16) << grey;
    QTest::newRow("top of the ellipse") << s33 << grey << yellow << 1.0f << false << QPoint(16, 0) << grey;
    // w = 0.16 x 0.5: 100 x 0.92 + 255 x 0.08 = 112.4, 158.4, 184.
    QTest::newRow("centre idle") << s33 << grey << yellow << 0.5f << false << QPoint(16, 16)
                                 << qRgb(112, 158, 184);
    // The inner disc is not doubled by the white core: w = 0.16.
    QTest::newRow("centre active") << s33 << grey << yellow << 1.0f << true << QPoint(16, 16)
                                   << qRgb(125, 167, 168);
    QTest::newRow("centre of 65 x 41") << QSize(65, 41) << grey << blue << 0.5f << false
                                       << QPoint(32, 20) << qRgb(92, 138, 204);
    QTest::newRow("radius 0.875 white") << s33 << grey << yellow << 1.0f << true << QPoint(30, 16)
                                        << qRgb(255, 255, 255);
    QTest::newRow("radius 0.875 white, vertical") << s33 << grey << yellow << 1.0f << true
                                                  << QPoint(16, 2) << qRgb(255, 255, 255);
    QTest::newRow("radius 0.8125 colour") << s33 << grey << yellow << 1.0f << true << QPoint(29, 16)
                                          << qRgb(255, 255, 0);
    QTest::newRow("radius 0.9375 colour") << s33 << grey << yellow << 1.0f << true << QPoint(31, 16)
                                          << qRgb(255, 255, 0);
    QTest::newRow("radius 0.875 without core") << s33 << grey << yellow << 0.75f << false
                                               << QPoint(30, 16) << qRgb(216, 229, 50);
    // w = 0.5: (2 + 255) / 2 = 128.5, (4 + 255) / 2 = 129.5, 5 / 2 = 2.5.
    QTest::newRow("halves to even") << s33 << qRgb(2, 4, 5) << yellow << 1.0f << false
                                    << QPoint(31, 16) << qRgb(128, 130, 2);
}

void tst_TBoardHighlight::shadeRing()
{
    QFETCH(QSize, size);
    QFETCH(QRgb, background);
    QFETCH(QColor, colour);
    QFETCH(float, strength);
    QFETCH(bool, whiteCore);
    QFETCH(QPoint, pixel);
    QFETCH(QRgb, expected);

    const QImage shaded = Shaded(Uniform(size, background), colour, strength, whiteCore);
    QCOMPARE(shaded.pixel(pixel), expected);
}

void tst_TBoardHighlight::picturesAreTheShadedBoard()
{
    BoardFixture fixture;
    H *highlight = fixture.Add("&Pull-Up Configuration", H::htSettings, QRect(40, 30, 65, 49));
    QVERIFY(fixture.ShowAndPrepare());

    const QImage beneath = fixture.Board->Background(highlight->geometry());
    const QColor yellow(255, 255, 0);
    QCOMPARE(highlight->IdleBitmap(), Shaded(beneath, yellow, 0.5f, false));
    QCOMPARE(highlight->ActiveBitmap(), Shaded(beneath, yellow, 1.0f, true));
    QCOMPARE(highlight->HotBitmap(), Shaded(beneath, yellow, 0.75f, false));
    QCOMPARE(Painted(highlight), highlight->IdleBitmap());

    // Built once: a new photograph, type or size repaints the old pictures.
    const QImage idle = highlight->IdleBitmap();
    fixture.Board->SetPicture(Uniform(QSize(600, 661), qRgb(0, 0, 0)));
    highlight->SetHighlightType(H::htOptions);
    highlight->resize(70, 70);
    QCoreApplication::processEvents();
    QCOMPARE(highlight->IdleBitmap(), idle);
    QCOMPARE(Painted(highlight).copy(0, 0, 65, 49), idle);
}

void tst_TBoardHighlight::tinyControlKeepsThePhotograph_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("1 x 1") << QSize(1, 1);
    QTest::newRow("1 x 30") << QSize(1, 30);
    QTest::newRow("30 x 1") << QSize(30, 1);
    QTest::newRow("3 x 3 is shaded") << QSize(3, 3);
}

void tst_TBoardHighlight::tinyControlKeepsThePhotograph()
{
    QFETCH(QSize, size);

    BoardFixture fixture;
    H *highlight = fixture.Add("Tiny", H::htSettings, QRect(QPoint(50, 50), size));
    QVERIFY(fixture.ShowAndPrepare());

    const QImage beneath = fixture.Board->Background(highlight->geometry());
    const bool shadable = size.width() >= 2 && size.height() >= 2;
    QCOMPARE(highlight->IdleBitmap() == beneath, !shadable);
    QCOMPARE(highlight->ActiveBitmap() == beneath, !shadable);
    QCOMPARE(highlight->HotBitmap() == beneath, !shadable);
}

void tst_TBoardHighlight::paintShowsThePictureOfTheState_data()
{
    QTest::addColumn<bool>("lit");
    QTest::addColumn<bool>("popupActive");
    QTest::addColumn<QString>("picture");

    QTest::newRow("idle") << false << false << "idle";
    QTest::newRow("lit and active") << true << true << "active";
    QTest::newRow("lit only") << true << false << "hot";
    QTest::newRow("active only") << false << true << "hot";
}

void tst_TBoardHighlight::paintShowsThePictureOfTheState()
{
    QFETCH(bool, lit);
    QFETCH(bool, popupActive);
    QFETCH(QString, picture);

    BoardFixture fixture;
    H *highlight = fixture.Add("Spot", H::htCalibration, QRect(40, 30, 41, 41));
    highlight->SetCreatePopup(false);
    QVERIFY(fixture.ShowAndPrepare());

    if (lit)
        highlight->HandleMouseEnter(false);
    highlight->SetPopupActive(popupActive, false);
    const QImage &expected = picture == "idle" ? highlight->IdleBitmap()
                           : picture == "hot"  ? highlight->HotBitmap()
                                               : highlight->ActiveBitmap();
    QCOMPARE(Painted(highlight), expected);
}

void tst_TBoardHighlight::radioPanelOfAnotherSetIsRefused_data()
{
    QTest::addColumn<bool>("onBoard");
    QTest::addColumn<QString>("title");
    QTest::addColumn<H::THighlightType>("type");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("linked") << true << "&Power" << H::htSettings << true;
    QTest::newRow("other title") << true << "&power" << H::htSettings << false;
    QTest::newRow("other type") << true << "&Power" << H::htOptions << false;
    QTest::newRow("other title, plain parent") << false << "DC" << H::htSettings << false;
    QTest::newRow("linked, plain parent") << false << "&Power" << H::htSettings << true;
}

void tst_TBoardHighlight::radioPanelOfAnotherSetIsRefused()
{
    QFETCH(bool, onBoard);
    QFETCH(QString, title);
    QFETCH(H::THighlightType, type);
    QFETCH(bool, accepted);

    BoardFixture fixture;
    QWidget plain;
    QWidget *parent = onBoard ? static_cast<QWidget *>(fixture.Board) : &plain;
    TRadioPanel *panel = fixture.AddPanel("PowerPanel", QRect(600, 40, 194, 100));
    TRadioPanel *own = fixture.AddPanel("OwnPanel", QRect(600, 40, 194, 100));

    auto *first = new H(parent);
    first->SetTitle("&Power");
    first->SetRadioPanel(panel);
    auto *second = new H(parent);
    second->SetTitle(title);
    second->SetHighlightType(type);
    second->SetRadioPanel(own);

    second->SetRadioPanel(panel);
    QCOMPARE(second->RadioPanel(), accepted ? panel : own);
    second->SetRadioPanel(nullptr);
    QCOMPARE(second->RadioPanel(), nullptr);

    H orphan;
    orphan.SetTitle("Other");
    orphan.SetRadioPanel(panel);
    QCOMPARE(orphan.RadioPanel(), panel);
}

void tst_TBoardHighlight::linkedHighlightsShareOnePopup()
{
    BoardFixture fixture;
    TRadioPanel *panel = fixture.AddPanel("DigitalPanel", QRect(600, 300, 242, 9));
    H *first = fixture.Add("&Digital/Counter Connector", H::htOptions, QRect(20, 200, 65, 65), panel);
    H *other = fixture.Add("LED Light", H::htOptions, QRect(120, 100, 45, 45));
    H *second = fixture.Add("&Digital/Counter Connector", H::htOptions, QRect(120, 200, 65, 65), panel);
    QVERIFY(fixture.ShowAndPrepare());

    PointInto(first);
    QVERIFY(first->Lit());
    QVERIFY(second->Lit());
    QVERIFY(!other->Lit());
    QVERIFY(first->Popup());
    QVERIFY(first->Popup()->isVisible());
    QVERIFY(!second->Popup());

    PointAt(NeutralPoint());
    QVERIFY(!first->Popup()->isVisible());
    QVERIFY(!first->Lit());
    QVERIFY(!second->Lit());

    // The second one shows the first one's popup again.
    TPopupForm *popup = first->Popup();
    PointInto(second);
    QVERIFY(first->Lit());
    QVERIFY(second->Lit());
    QVERIFY(popup->isVisible());
    QVERIFY(!second->Popup());
    QCOMPARE(first->Popup(), popup);

    PointAt(NeutralPoint());
    QVERIFY(!popup->isVisible());
    QVERIFY(!first->Lit());
    QVERIFY(!second->Lit());
    const QWidgetList windows = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(windows.begin(), windows.end(),
                           [](const QWidget *w) { return qobject_cast<const TPopupForm *>(w); }),
             1);
}

void tst_TBoardHighlight::relayedNotificationsAreNotRelayed()
{
    BoardFixture fixture;
    H *first = fixture.Add("&Digital/Counter Connector", H::htOptions, QRect(20, 200, 65, 65));
    H *second = fixture.Add("&Digital/Counter Connector", H::htOptions, QRect(120, 200, 65, 65));
    QVERIFY(fixture.ShowAndPrepare());
    PointerPosition::SetSource(NeutralPoint);

    first->HandleMouseEnter(true);
    QVERIFY(first->Lit());
    QVERIFY(!second->Lit());
    QVERIFY(first->Popup()->isVisible());

    second->HandleMouseEnter(false);
    QVERIFY(second->Lit());
    QVERIFY(!second->Popup());

    // The second has no popup; relayed, its leave does not reach the first.
    second->HandleMouseLeave(true);
    QVERIFY(first->Popup()->isVisible());
    second->HandleMouseLeave(false);
    QVERIFY(!first->Popup()->isVisible());
    QVERIFY(!first->Lit());
    QVERIFY(!second->Lit());
}

void tst_TBoardHighlight::popupActivityReachesEveryLinkedOnce_data()
{
    QTest::addColumn<QString>("order");
    QTest::addColumn<QString>("expected");

    // L: linked to the first L, which is told; x: another highlight.
    QTest::newRow("linked in a row") << "LLL" << "LLL";
    QTest::newRow("interleaved") << "LxLxL" << "xxLLL";
    QTest::newRow("two linked") << "xLxL" << "xxLL";
    QTest::newRow("alone") << "xLx" << "xxL";
}

void tst_TBoardHighlight::popupActivityReachesEveryLinkedOnce()
{
    QFETCH(QString, order);
    QFETCH(QString, expected);

    BoardFixture fixture;
    QList<H *> linked;
    int spot = 0;
    for (QChar kind : order) {
        H *h = fixture.Add(kind == u'L' ? "&Linked" : "Other", H::htSettings,
                           QRect(10 + 70 * spot++, 10, 65, 65));
        h->SetCreatePopup(false);
        if (kind == u'L')
            linked << h;
    }

    linked.first()->SetPopupActive(true, true);

    QString after;
    QList<H *> linkedAfter;
    for (QObject *child : fixture.Board->children()) {
        auto *h = qobject_cast<H *>(child);
        after += h->Title() == "&Linked" ? u'L' : u'x';
        if (h->Title() == "&Linked")
            linkedAfter << h;
    }
    QCOMPARE(after, expected);
    QCOMPARE(linkedAfter, linked);
    for (H *h : linked)
        QVERIFY(h->PopupActive());
}

void tst_TBoardHighlight::clickPins()
{
    BoardFixture fixture;
    H *highlight = fixture.Add("&Pull-Up Configuration", H::htSettings, QRect(20, 20, 65, 65));
    QVERIFY(fixture.ShowAndPrepare());
    QSignalSpy clicks(highlight, &H::clicked);

    PointInto(highlight);
    QTest::mousePress(highlight, Qt::LeftButton);
    QTest::mouseRelease(highlight, Qt::LeftButton, {}, QPoint(70, 10));
    QCOMPARE(clicks.count(), 0);
    QVERIFY(!highlight->Pinned());

    QTest::mouseClick(highlight, Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
    QVERIFY(highlight->Pinned());
    QVERIFY(fixture.TopMenu("&Settings")->actions().first()->isChecked());

    PointAt(NeutralPoint());
    QVERIFY(highlight->Popup()->isVisible());
}

void tst_TBoardHighlight::activateFirst_data()
{
    QTest::addColumn<bool>("first");
    QTest::addColumn<int>("wParam");
    QTest::addColumn<bool>("linkedLit");

    QTest::newRow("from the instructions") << true << 0 << true;
    QTest::newRow("relayed") << true << 1 << false;
    QTest::newRow("no first highlight") << false << 0 << false;
}

void tst_TBoardHighlight::activateFirst()
{
    QFETCH(bool, first);
    QFETCH(int, wParam);
    QFETCH(bool, linkedLit);

    BoardFixture fixture;
    H *pull = fixture.Add("&Pull-Up Configuration", H::htSettings, QRect(20, 20, 65, 65));
    H *linked = fixture.Add("&Pull-Up Configuration", H::htSettings, QRect(100, 20, 65, 65));
    QVERIFY(fixture.ShowAndPrepare());
    if (first)
        fixture.Board->SetFirst(pull);

    ActivateFirstEvent message(wParam, 0);
    QVERIFY(QCoreApplication::sendEvent(fixture.Board, &message));
    QCOMPARE(message.Result, 0);

    QCOMPARE(pull->Lit(), first);
    QCOMPARE(linked->Lit(), linkedLit);
    QCOMPARE(bool(pull->Popup()), first);
    if (first) {
        QVERIFY(pull->Popup()->isVisible());
        QVERIFY(pull->Pinned());
        QVERIFY(fixture.TopMenu("&Settings")->actions().first()->isChecked());
    }
}

void tst_TBoardHighlight::parentThatIsNoBoardImage()
{
    BoardFixture fixture;
    auto *plain = new Columns(fixture.Client);
    plain->setGeometry(10, 10, 120, 100);
    auto *highlight = new H(plain);
    highlight->setGeometry(10, 10, 41, 41);
    highlight->SetTitle("Loose");
    auto *twin = new H(plain);
    twin->setGeometry(60, 10, 41, 41);
    twin->SetTitle("Loose");
    QVERIFY(fixture.ShowAndPrepare());
    QTRY_VERIFY(highlight->Prepared());

    QCOMPARE(highlight->IdleBitmap().pixel(0, 0), qRgb(10, 0, 0));
    QCOMPARE(highlight->IdleBitmap().pixel(40, 0), qRgb(50, 0, 0));
    QVERIFY(!highlight->BoardMenu());
    QCOMPARE(fixture.TopCaptions(), QStringList({ "&File", "&Help" }));

    PointInto(highlight);
    QVERIFY(highlight->Lit());
    QVERIFY(!twin->Lit());
    TPopupForm *popup = highlight->Popup();
    QVERIFY(popup->isVisible());
    popup->NextButton()->click();
    popup->PreviousButton()->click();
    QVERIFY(popup->isVisible());
    popup->DoneButton()->click();
    QVERIFY(!popup->isVisible());
    QVERIFY(!highlight->Lit());
}

QTEST_MAIN(tst_TBoardHighlight)
#include "tst_tboardhighlight.moc"
