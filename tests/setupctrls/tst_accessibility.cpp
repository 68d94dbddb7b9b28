#include "boardfixture.h"
#include "tapplication.h"
#include "tmainform.h"
#include "tthreejumper.h"

#include <QAccessible>
#include <QCheckBox>
#include <QRadioButton>
#include <QtTest>

namespace {

using H = TBoardHighlight;
using J = TThreeJumper;

QAccessibleInterface *Accessible(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

// What a screen reader speaks for an object: its name, then its role, then
// its description.
QString Announced(QObject *object)
{
    QAccessibleInterface *iface = Accessible(object);
    return QStringLiteral("%1 | %2 | %3")
            .arg(iface->text(QAccessible::Name),
                 QString::fromLatin1(QMetaEnum::fromType<QAccessible::Role>().valueToKey(iface->role())),
                 iface->text(QAccessible::Description));
}

// Where the cap is drawn on the screen, read from the painted pixels: the
// side of the control on which the cap's colour lies.
QString CapSeenAt(J &jumper)
{
    const QImage painted = jumper.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QRect cap;
    for (int y = 0; y < painted.height(); ++y) {
        for (int x = 0; x < painted.width(); ++x) {
            if (painted.pixel(x, y) == jumper.JumperColor().rgb())
                cap |= QRect(x, y, 1, 1);
        }
    }
    if (cap.isEmpty())
        return QStringLiteral("none");
    const QPoint centre = cap.center();
    if (painted.width() > painted.height())
        return centre.x() < painted.width() / 2 ? QStringLiteral("left") : QStringLiteral("right");
    return centre.y() < painted.height() / 2 ? QStringLiteral("top") : QStringLiteral("bottom");
}

} // namespace

class tst_Accessibility : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void highlightAnnouncesTitleAndKind_data();
    void highlightAnnouncesTitleAndKind();
    void pageGivenNamesWin();
    void pressingACircleOpensItsPopupPinned();
    void jumperDescribesTheCapAsDrawn_data();
    void jumperDescribesTheCapAsDrawn();
    void pressingAJumperMovesTheCap();
    void popupTabOrderAsHeard();
    void boardPageJumpersNameTheirPins();
};

void tst_Accessibility::init()
{
    PointerPosition::SetSource(nullptr);
    PointAt(NeutralPoint());
}

void tst_Accessibility::highlightAnnouncesTitleAndKind_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<H::THighlightType>("type");
    QTest::addColumn<QString>("announced");

    QTest::newRow("setting") << "&Pull-Up Configuration" << H::htSettings
                             << "Pull-Up Configuration | Button | setting";
    QTest::newRow("feature") << "&Digital/Counter Connector" << H::htOptions
                             << "Digital/Counter Connector | Button | feature";
    QTest::newRow("calibration") << "&Offset Calibration" << H::htCalibration
                                 << "Offset Calibration | Button | calibration";
}

void tst_Accessibility::highlightAnnouncesTitleAndKind()
{
    QFETCH(QString, title);
    QFETCH(H::THighlightType, type);
    QFETCH(QString, announced);

    BoardFixture fixture;
    H *highlight = fixture.Add(title, type, QRect(40, 30, 65, 49));
    QCOMPARE(Announced(highlight), announced);
    // The circle is a child of the board image, where review of the window
    // finds it.
    QAccessibleInterface *board = Accessible(fixture.Board);
    QVERIFY(board->indexOfChild(Accessible(highlight)) >= 0);
}

void tst_Accessibility::pageGivenNamesWin()
{
    BoardFixture fixture;
    H *highlight = fixture.Add("&Pull-Up Configuration", H::htSettings, QRect(40, 30, 65, 49));
    highlight->setAccessibleName("Pull-up jumpers");
    highlight->setAccessibleDescription("setting, three positions");
    QCOMPARE(Announced(highlight), "Pull-up jumpers | Button | setting, three positions");

    J jumper;
    jumper.setAccessibleName("Power jumper");
    QCOMPARE(Announced(&jumper), "Power jumper | Button | open, no cap");
}

void tst_Accessibility::pressingACircleOpensItsPopupPinned()
{
    BoardFixture fixture;
    TRadioPanel *panel = fixture.AddPanel("Panel", QRect(600, 152, 153, 121));
    H *highlight = fixture.Add("&Pull-Up Configuration", H::htSettings, QRect(20, 20, 65, 65), panel);
    QVERIFY(fixture.ShowAndPrepare());

    QAccessibleActionInterface *actions = Accessible(highlight)->actionInterface();
    QVERIFY(actions);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());

    QVERIFY(highlight->Popup());
    QVERIFY(highlight->Popup()->isVisible());
    QVERIFY(highlight->Pinned());
    QVERIFY(fixture.TopMenu("&Settings")->actions().at(0)->isChecked());
    QCOMPARE(Accessible(highlight->Popup())->text(QAccessible::Name), "Pull-Up Configuration");
}

// The description is compared with where the cap is seen in the painted
// drawing, so that a turned drawing cannot be described unturned.
void tst_Accessibility::jumperDescribesTheCapAsDrawn_data()
{
    QTest::addColumn<J::TOrientationType>("orientation");
    QTest::addColumn<J::TJumperState>("state");

    const QList<QPair<J::TOrientationType, const char *>> orientations = {
        { J::otUp, "up" }, { J::otDown, "down" }, { J::otLeft, "left" }, { J::otRight, "right" }
    };
    for (const auto &[orientation, name] : orientations) {
        QTest::addRow("%s, first two", name) << orientation << J::jsLeft;
        QTest::addRow("%s, last two", name) << orientation << J::jsRight;
    }
    QTest::newRow("open") << J::otLeft << J::jsOpen;
}

void tst_Accessibility::jumperDescribesTheCapAsDrawn()
{
    QFETCH(J::TOrientationType, orientation);
    QFETCH(J::TJumperState, state);

    J jumper;
    const bool upright = orientation == J::otLeft || orientation == J::otRight;
    jumper.resize(upright ? QSize(18, 43) : QSize(43, 18));
    jumper.SetOrientation(orientation);
    jumper.SetJumperState(state);

    const QString side = CapSeenAt(jumper);
    const QString expected = side == "none" ? QStringLiteral("open, no cap")
                                            : QStringLiteral("cap on the %1 two pins").arg(side);
    QCOMPARE(Announced(&jumper), "Jumper | Button | " + expected);
}

void tst_Accessibility::pressingAJumperMovesTheCap()
{
    J jumper;
    jumper.SetJumperState(J::jsRight);
    QSignalSpy clicks(&jumper, &J::clicked);

    Accessible(&jumper)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());

    QCOMPARE(jumper.JumperState(), J::jsOpen);
    QCOMPARE(clicks.count(), 1);
}

// Tabbing through a popup, a screen reader follows the focus: the panel's
// controls, then Previous, Next and Done, then the text box. The jumper
// drawing takes no focus; its radio buttons do the same from the keyboard.
void tst_Accessibility::popupTabOrderAsHeard()
{
    BoardFixture fixture;
    TRadioPanel *panel = fixture.AddPanel("Panel", QRect(600, 152, 153, 121), { "Explained." });
    auto *jumper = new J(panel);
    jumper->setGeometry(48, 26, 43, 18);
    for (const char *caption : { "First", "Second" }) {
        auto *box = new QCheckBox(QLatin1String(caption), panel);
        box->setObjectName(QLatin1String(caption));
    }
    H *highlight = fixture.Add("&Pull-Up Configuration", H::htSettings, QRect(20, 20, 65, 65), panel);
    QVERIFY(fixture.ShowAndPrepare());
    PointInto(highlight);
    TPopupForm *popup = highlight->Popup();
    QTRY_VERIFY(popup->isActiveWindow());

    panel->findChild<QCheckBox *>("First")->setFocus();
    QStringList heard;
    for (int i = 0; i < 7; ++i) {
        QAccessibleInterface *focus = Accessible(popup)->focusChild();
        QVERIFY(focus);
        heard << QStringLiteral("%1 (%2)").arg(
                focus->text(QAccessible::Name),
                QString::fromLatin1(QMetaEnum::fromType<QAccessible::Role>().valueToKey(focus->role())));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(heard, QStringList({ "First (CheckBox)", "Second (CheckBox)", "Previous (Button)",
                                  "Next (Button)", "Done (Button)", " (EditableText)",
                                  "First (CheckBox)" }));
    QCOMPARE(Accessible(popup->StatusMemo())->text(QAccessible::Value), "Explained.");
}

void tst_Accessibility::boardPageJumpersNameTheirPins()
{
    TMainForm form;
    TApplication::SetMainForm(&form);
    const auto unset = qScopeGuard([] { TApplication::SetMainForm(nullptr); });

    QCOMPARE(Announced(form.PullJumper),
             "Pull-up jumper, +5V, PX and GND from left to right | Button | cap on the left two pins");
    QCOMPARE(Announced(form.BusPowerJumper),
             "Power jumper, VUSB at the top, VEXT at the bottom | Button | cap on the top two pins");

    form.PullDownRadio->click();
    QCOMPARE(Accessible(form.PullJumper)->text(QAccessible::Description), "cap on the right two pins");
    form.ExtPowerRadio->click();
    QCOMPARE(Accessible(form.BusPowerJumper)->text(QAccessible::Description),
             "cap on the bottom two pins");
}

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
