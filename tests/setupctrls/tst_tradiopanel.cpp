#include "boardfixture.h"

#include <QRadioButton>
#include <QtTest>

using H = TBoardHighlight;

class tst_TRadioPanel : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void newPanel();
    void linesAreCopied();
    void radioButtonsOfOnePanelAreOneGroup();
    void finalAnchorsTakeEffectInThePopup();
    void movedOnceIntoTheFirstPopup();
};

void tst_TRadioPanel::init()
{
    PointerPosition::SetSource(nullptr);
    PointAt(NeutralPoint());
}

void tst_TRadioPanel::newPanel()
{
    QWidget window;
    window.resize(300, 200);
    auto *panel = new TRadioPanel(&window);
    panel->setObjectName("PullPanel");
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QVERIFY(!panel->isVisible());
    QCOMPARE(panel->size(), QSize(194, 100));
    QCOMPARE(panel->MemoHeight(), 58);
    QCOMPARE(panel->FinalAnchors(), akLeft | akTop);
    QCOMPARE(AnchorRules::Get(panel), akLeft | akTop);
    QVERIFY(!panel->InPopup());
    QVERIFY(!panel->RadioEnabled());
    QVERIFY(panel->Lines().isEmpty());

    const QColor face = panel->palette().color(QPalette::Button);
    QCOMPARE(panel->palette().color(QPalette::Window), face);
    const QImage painted = panel->grab().toImage();
    QCOMPARE(painted.pixelColor(0, 0), face);
    QCOMPARE(painted.pixelColor(193, 99), face);
}

void tst_TRadioPanel::linesAreCopied()
{
    TRadioPanel panel;
    QStringList source{ "first", "second" };
    panel.SetLines(source);
    source << "third";
    QCOMPARE(panel.Lines(), QStringList({ "first", "second" }));
    panel.Lines() << "in place";
    QCOMPARE(panel.Lines().size(), 3);
}

void tst_TRadioPanel::radioButtonsOfOnePanelAreOneGroup()
{
    QWidget window;
    TRadioPanel first(&window);
    TRadioPanel second(&window);
    QRadioButton a1(&first), a2(&first), b1(&second), b2(&second);
    a1.setChecked(true);
    b1.setChecked(true);

    a2.click();
    QVERIFY(a2.isChecked());
    QVERIFY(!a1.isChecked());
    QVERIFY(b1.isChecked());
    QVERIFY(!b2.isChecked());
}

void tst_TRadioPanel::finalAnchorsTakeEffectInThePopup()
{
    BoardFixture fixture;
    TRadioPanel *panel = fixture.AddPanel("Panel", QRect(600, 152, 242, 121));
    H *highlight = fixture.Add("&Pull-Up Configuration", H::htSettings, QRect(20, 20, 65, 65), panel);
    QVERIFY(fixture.ShowAndPrepare());

    panel->SetFinalAnchors(akLeft | akTop | akRight);
    QCOMPARE(AnchorRules::Get(panel), akLeft | akTop);

    PointInto(highlight);
    TPopupForm *popup = highlight->Popup();
    QVERIFY(panel->InPopup());
    QCOMPARE(AnchorRules::Get(panel), akLeft | akTop | akRight);
    popup->resize(popup->width() + 30, popup->height());
    QCOMPARE(panel->width(), 272);

    panel->SetFinalAnchors(akLeft | akTop);
    QCOMPARE(AnchorRules::Get(panel), akLeft | akTop);
    popup->resize(popup->width() + 30, popup->height());
    QCOMPARE(panel->width(), 272);
}

void tst_TRadioPanel::movedOnceIntoTheFirstPopup()
{
    BoardFixture fixture;
    TRadioPanel *panel = fixture.AddPanel("Panel", QRect(600, 300, 242, 9), { "Connector text" });
    H *first = fixture.Add("&Digital", H::htOptions, QRect(20, 200, 65, 65), panel);
    H *second = fixture.Add("&Digital", H::htOptions, QRect(120, 200, 65, 65), panel);
    QVERIFY(fixture.ShowAndPrepare());

    PointInto(second);
    TPopupForm *popup = second->Popup();
    QCOMPARE(panel->parentWidget(), popup);
    QCOMPARE(panel->pos(), QPoint(0, 0));
    panel->Lines() << "added later";
    PointAt(NeutralPoint());

    PointInto(first);
    QVERIFY(!first->Popup());
    QCOMPARE(panel->parentWidget(), popup);
    QVERIFY(panel->isVisible());
    QCOMPARE(popup->StatusMemo()->toPlainText(), "Connector text");
}

QTEST_MAIN(tst_TRadioPanel)
#include "tst_tradiopanel.moc"
