#include "boardfixture.h"

#include <QtTest>

namespace {

using H = TBoardHighlight;

QStringList Captions(const QMenu *menu)
{
    QStringList captions;
    for (const QAction *entry : menu->actions())
        captions << entry->text();
    return captions;
}

QStringList Names(const QMenu *menu)
{
    QStringList names;
    for (const QAction *entry : menu->actions())
        names << entry->objectName();
    return names;
}

// Spots like the board page's: two settings, and options with a linked
// pair that shares one entry.
struct Spots
{
    explicit Spots(BoardFixture &fixture)
    {
        pull = fixture.Add("&Pull-Up Configuration", H::htSettings, QRect(20, 20, 45, 45));
        power = fixture.Add("&External Power", H::htSettings, QRect(80, 20, 45, 45));
        digital = fixture.Add("&Digital/Counter Connector", H::htOptions, QRect(20, 100, 45, 45));
        led = fixture.Add("LED Light", H::htOptions, QRect(80, 100, 45, 45));
        digitalTwin = fixture.Add("&Digital/Counter Connector", H::htOptions, QRect(140, 100, 45, 45));
        compact = fixture.Add("Compact USB Connector", H::htOptions, QRect(200, 100, 45, 45));
    }

    H *ByTitle(const QString &title) const
    {
        for (H *h : { pull, power, digital, led, compact }) {
            if (h->Title() == title)
                return h;
        }
        return nullptr;
    }

    H *pull;
    H *power;
    H *digital;
    H *led;
    H *digitalTwin;
    H *compact;
};

} // namespace

class tst_HighlightMenus : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void typeMenusInOrder_data();
    void typeMenusInOrder();
    void entriesAndNames();
    void emptyTitle();
    void choosingTheEntry();
    void choosingTheEntryOfALinkedPair();
    void walking_data();
    void walking();
    void walkingASingleEntry();
};

void tst_HighlightMenus::init()
{
    PointerPosition::SetSource(nullptr);
    PointAt(NeutralPoint());
}

void tst_HighlightMenus::typeMenusInOrder_data()
{
    QTest::addColumn<QStringList>("start");
    QTest::addColumn<QString>("types");
    QTest::addColumn<QStringList>("expected");

    const QStringList fileHelp{ "&File", "&Help" };
    QTest::newRow("settings") << fileHelp << "S" << QStringList{ "&File", "&Settings", "&Help" };
    QTest::newRow("settings, options, calibration")
        << fileHelp << "SOC" << QStringList{ "&File", "&Settings", "&Calibration", "&Options", "&Help" };
    QTest::newRow("options, then settings")
        << fileHelp << "OS" << QStringList{ "&File", "&Settings", "&Options", "&Help" };
    QTest::newRow("calibration, then options")
        << fileHelp << "CO" << QStringList{ "&File", "&Calibration", "&Options", "&Help" };
    QTest::newRow("no help") << QStringList{ "&File", "&Window" } << "C"
                             << QStringList{ "&File", "&Window", "&Calibration" };
    QTest::newRow("no help, options, then settings")
        << QStringList{ "&File" } << "OS" << QStringList{ "&File", "&Settings", "&Options" };
}

void tst_HighlightMenus::typeMenusInOrder()
{
    QFETCH(QStringList, start);
    QFETCH(QString, types);
    QFETCH(QStringList, expected);

    BoardFixture fixture(start);
    int spot = 0;
    for (QChar type : types) {
        const H::THighlightType t = type == u'S' ? H::htSettings
                                  : type == u'O' ? H::htOptions
                                                 : H::htCalibration;
        fixture.Add(QStringLiteral("Spot %1").arg(spot), t, QRect(20 + 60 * spot, 20, 45, 45));
        ++spot;
    }
    QVERIFY(fixture.ShowAndPrepare());

    QCOMPARE(fixture.TopCaptions(), expected);
    for (const QString &caption : expected) {
        if (start.contains(caption))
            continue;
        QMenu *menu = fixture.TopMenu(caption);
        QCOMPARE(menu->objectName(), QString(caption).remove(u'&') + "1");
        QCOMPARE(menu->parent(), &fixture);
    }
}

void tst_HighlightMenus::entriesAndNames()
{
    BoardFixture fixture;
    QObject taken(&fixture);
    taken.setObjectName("PullUpConfiguration1");
    QObject alsoTaken(&fixture);
    alsoTaken.setObjectName("Settings1");
    Spots spots(fixture);
    fixture.Add("&Pull-Up Configuration", H::htOptions, QRect(260, 100, 45, 45));
    QVERIFY(fixture.ShowAndPrepare());

    QMenu *settings = fixture.TopMenu("&Settings");
    QCOMPARE(settings->objectName(), "Settings2");
    QCOMPARE(Captions(settings), QStringList({ "&Pull-Up Configuration", "&External Power" }));
    QCOMPARE(Names(settings), QStringList({ "PullUpConfiguration2", "ExternalPower1" }));
    QMenu *options = fixture.TopMenu("&Options");
    QCOMPARE(options->objectName(), "Options1");
    QCOMPARE(Captions(options), QStringList({ "&Digital/Counter Connector", "LED Light",
                                              "Compact USB Connector", "&Pull-Up Configuration" }));
    QCOMPARE(Names(options), QStringList({ "DigitalCounterConnector1", "LEDLight1",
                                           "CompactUSBConnector1", "PullUpConfiguration3" }));
    for (const QAction *entry : settings->actions() + options->actions()) {
        QCOMPARE(entry->parent(), &fixture);
        QVERIFY(!entry->isChecked());
    }
}

void tst_HighlightMenus::emptyTitle()
{
    BoardFixture fixture;
    H *untitled = fixture.Add("", H::htCalibration, QRect(20, 20, 45, 45));
    QVERIFY(fixture.ShowAndPrepare());

    QCOMPARE(fixture.TopCaptions(), QStringList({ "&File", "&Calibration", "&Help" }));
    QVERIFY(fixture.TopMenu("&Calibration")->actions().isEmpty());

    PointInto(untitled);
    TPopupForm *popup = untitled->Popup();
    QVERIFY(popup->isVisible());
    popup->NextButton()->click();
    popup->PreviousButton()->click();
    QVERIFY(popup->isVisible());
    popup->DoneButton()->click();
    QVERIFY(!popup->isVisible());
}

void tst_HighlightMenus::choosingTheEntry()
{
    BoardFixture fixture;
    Spots spots(fixture);
    QVERIFY(fixture.ShowAndPrepare());
    QAction *entry = fixture.TopMenu("&Settings")->actions().at(1);

    entry->trigger();
    TPopupForm *popup = spots.power->Popup();
    QVERIFY(popup->isVisible());
    QVERIFY(spots.power->Pinned());
    QVERIFY(spots.power->Lit());
    QVERIFY(entry->isChecked());
    QTRY_VERIFY(spots.power->PopupActive());

    entry->trigger();
    QVERIFY(!popup->isVisible());
    QVERIFY(!entry->isChecked());
    QVERIFY(!spots.power->Lit());

    entry->trigger();
    QVERIFY(popup->isVisible());
    QVERIFY(spots.power->Pinned());
    QVERIFY(entry->isChecked());
}

void tst_HighlightMenus::choosingTheEntryOfALinkedPair()
{
    BoardFixture fixture;
    Spots spots(fixture);
    QVERIFY(fixture.ShowAndPrepare());
    QAction *entry = fixture.TopMenu("&Options")->actions().at(0);

    // The entry is the first one's; the popup is the twin's.
    PointInto(spots.digitalTwin);
    QTest::mouseClick(spots.digitalTwin, Qt::LeftButton);
    TPopupForm *popup = spots.digitalTwin->Popup();
    QVERIFY(!spots.digital->Popup());
    QVERIFY(entry->isChecked());
    PointAt(NeutralPoint());

    entry->trigger();
    QVERIFY(!popup->isVisible());
    QVERIFY(!entry->isChecked());
    QVERIFY(!spots.digital->Lit());
    QVERIFY(!spots.digitalTwin->Lit());

    entry->trigger();
    QVERIFY(popup->isVisible());
    QVERIFY(spots.digitalTwin->Pinned());
    QVERIFY(entry->isChecked());
    QVERIFY(!spots.digital->Popup());
}

void tst_HighlightMenus::walking_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("to");

    QTest::newRow("next") << "&Pull-Up Configuration" << "NextButton" << "&External Power";
    QTest::newRow("next from the last") << "&External Power" << "NextButton" << "&Pull-Up Configuration";
    QTest::newRow("previous from the first")
        << "&Pull-Up Configuration" << "PreviousButton" << "&External Power";
    QTest::newRow("previous") << "LED Light" << "PreviousButton" << "&Digital/Counter Connector";
    QTest::newRow("next stays in its menu")
        << "Compact USB Connector" << "NextButton" << "&Digital/Counter Connector";
}

void tst_HighlightMenus::walking()
{
    QFETCH(QString, from);
    QFETCH(QString, button);
    QFETCH(QString, to);

    BoardFixture fixture;
    Spots spots(fixture);
    QVERIFY(fixture.ShowAndPrepare());
    H *start = spots.ByTitle(from);
    H *target = spots.ByTitle(to);
    const QString menu = start->HighlightType() == H::htSettings ? "&Settings" : "&Options";
    const auto entryOf = [&](const H *h) {
        const QList<QAction *> entries = fixture.TopMenu(menu)->actions();
        return *std::find_if(entries.begin(), entries.end(),
                             [h](const QAction *a) { return a->text() == h->Title(); });
    };

    entryOf(start)->trigger();
    QVERIFY(start->Popup()->isVisible());
    start->Popup()->findChild<QPushButton *>(button)->click();

    QVERIFY(!start->Popup()->isVisible());
    QVERIFY(!start->Lit());
    QVERIFY(!entryOf(start)->isChecked());
    QVERIFY(target->Popup()->isVisible());
    QVERIFY(target->Pinned());
    QVERIFY(target->Lit());
    QVERIFY(entryOf(target)->isChecked());
}

void tst_HighlightMenus::walkingASingleEntry()
{
    BoardFixture fixture;
    H *only = fixture.Add("&Trim", H::htCalibration, QRect(20, 20, 45, 45));
    QVERIFY(fixture.ShowAndPrepare());
    QAction *entry = fixture.TopMenu("&Calibration")->actions().at(0);

    entry->trigger();
    TPopupForm *popup = only->Popup();
    for (QPushButton *button : { popup->NextButton(), popup->PreviousButton() }) {
        bool closedOnTheWay = false;
        QMetaObject::Connection watch = connect(entry, &QAction::changed, this, [&] {
            closedOnTheWay = closedOnTheWay || !entry->isChecked();
        });
        button->click();
        disconnect(watch);
        QVERIFY(closedOnTheWay);
        QVERIFY(popup->isVisible());
        QVERIFY(only->Pinned());
        QVERIFY(entry->isChecked());
    }
}

QTEST_MAIN(tst_HighlightMenus)
#include "tst_highlightmenus.moc"
