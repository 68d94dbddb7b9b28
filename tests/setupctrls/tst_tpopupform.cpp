#include "boardfixture.h"

#include <QCheckBox>
#include <QtTest>

namespace {

using H = TBoardHighlight;

const QString PullTitle = QStringLiteral("&Pull-Up Configuration");

QAction *Entry(const BoardFixture &fixture, const QString &menu, int index)
{
    return fixture.TopMenu(menu)->actions().at(index);
}

// The offscreen platform hands the pointer's notifications to the lowest
// window under it, so a popup over the main window is told by hand that
// the pointer has left it, as a real platform would.
void LeaveTo(QWidget *widget, const QPoint &global)
{
    PointAt(global);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(widget, &leave);
}

} // namespace

class tst_TPopupForm : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void sizes_data();
    void sizes();
    void childControlsFollowTheWindow();
    void keptOnScreen_data();
    void keptOnScreen();
    void statesAndTransitions();
    void pointerLeavesTheCircle_data();
    void pointerLeavesTheCircle();
    void pointerLeavesThePopup_data();
    void pointerLeavesThePopup();
    void activationReachesTheLinkedSet();
    void formsSearchGoesByCaptionAndTag_data();
    void formsSearchGoesByCaptionAndTag();
    void pinningAHiddenPopupShowsIt();
    void tabOrder();
};

void tst_TPopupForm::init()
{
    PointerPosition::SetSource(nullptr);
    PointAt(NeutralPoint());
}

void tst_TPopupForm::sizes_data()
{
    QTest::addColumn<QSize>("panelSize");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<int>("memoTop");
    QTest::addColumn<QSize>("framedClient");
    QTest::addColumn<int>("framedMemoTop");
    QTest::addColumn<QPoint>("place");
    QTest::addColumn<QString>("focus");

    // The framed columns hold for a frame of 2 pixels on every side. The
    // column is panel, 1, text box 58, 6, buttons 25, status line 19; the
    // minimum outer size is 194 x 122.
    QTest::newRow("153 x 121 panel") << QSize(153, 121) << QSize(194, 230) << 122
                                     << QSize(190, 230) << 122 << QPoint(594, 175) << "Panel";
    QTest::newRow("242 x 9 panel") << QSize(242, 9) << QSize(242, 122) << 14 << QSize(242, 118)
                                   << 10 << QPoint(594, 175) << "Panel";
    // Without a panel: below the board image (25 + 661 + 38 = 724), then
    // moved up onto the 768 pixels high screen.
    QTest::newRow("no panel") << QSize() << QSize(194, 141) << 33 << QSize(190, 137) << 29
                              << QPoint(136, 627) << "DoneButton";
}

void tst_TPopupForm::sizes()
{
    QFETCH(QSize, panelSize);
    QFETCH(QSize, client);
    QFETCH(int, memoTop);
    QFETCH(QSize, framedClient);
    QFETCH(int, framedMemoTop);
    QFETCH(QPoint, place);
    QFETCH(QString, focus);

    BoardFixture fixture;
    TRadioPanel *panel = nullptr;
    if (panelSize.isValid())
        panel = fixture.AddPanel("Panel", QRect(QPoint(600, 152), panelSize), { "one", "two" });
    H *highlight = fixture.Add(PullTitle, H::htSettings, QRect(20, 20, 65, 65), panel);
    QVERIFY(fixture.ShowAndPrepare());

    PointInto(highlight);
    TPopupForm *popup = highlight->Popup();
    QVERIFY(popup && popup->isVisible());
    const QMargins frame = popup->windowHandle()->frameMargins();
    QVERIFY(frame.isNull() || frame == QMargins(2, 2, 2, 2));
    if (!frame.isNull()) {
        client = framedClient;
        memoTop = framedMemoTop;
    }

    QCOMPARE(popup->size(), client);
    QCOMPARE(popup->minimumSize(), client);
    QCOMPARE(popup->frameGeometry().topLeft(), place);
    QCOMPARE(popup->windowTitle(), "Pull-Up Configuration");
    QCOMPARE(popup->property("Tag").toInt(), 1);
    QCOMPARE(popup->StatusMemo()->geometry(), QRect(6, memoTop, client.width() - 12, 58));
    QCOMPARE(popup->StatusMemo()->toPlainText(), panel ? "one\ntwo" : "");
    QCOMPARE(popup->focusWidget()->objectName(), focus);
    if (panel) {
        QCOMPARE(panel->parentWidget(), popup);
        QCOMPARE(panel->geometry(), QRect(QPoint(0, 0), panelSize));
        QVERIFY(panel->isVisible());
        QVERIFY(panel->InPopup());
    }
}

void tst_TPopupForm::childControlsFollowTheWindow()
{
    BoardFixture fixture;
    TRadioPanel *panel = fixture.AddPanel("Panel", QRect(600, 152, 242, 121));
    H *highlight = fixture.Add(PullTitle, H::htSettings, QRect(20, 20, 65, 65), panel);
    QVERIFY(fixture.ShowAndPrepare());
    PointInto(highlight);
    TPopupForm *popup = highlight->Popup();
    QCOMPARE(popup->size(), QSize(242, 230));

    struct Control
    {
        QWidget *widget;
        const char *name;
        QRect created;
        QRect grown;
    };
    // Grown by 100 x 50: the Next button keeps its centre at the same
    // proportion of the width (121 of 242 becomes 171 of 342).
    const Control controls[] = {
        { panel, "Panel", QRect(0, 0, 242, 121), QRect(0, 0, 242, 121) },
        { popup->PopupStatus(), "PopupStatus", QRect(0, 211, 242, 19), QRect(0, 261, 342, 19) },
        { popup->PreviousButton(), "PreviousButton", QRect(6, 186, 58, 25), QRect(6, 236, 58, 25) },
        { popup->NextButton(), "NextButton", QRect(92, 186, 58, 25), QRect(142, 236, 58, 25) },
        { popup->DoneButton(), "DoneButton", QRect(178, 186, 58, 25), QRect(278, 236, 58, 25) },
        { popup->StatusMemo(), "StatusMemo", QRect(6, 122, 230, 58), QRect(6, 122, 330, 108) },
    };
    for (const Control &control : controls) {
        QCOMPARE(control.widget->objectName(), control.name);
        QCOMPARE(control.widget->geometry(), control.created);
    }
    QCOMPARE(popup->PreviousButton()->text(), "Previous");
    QCOMPARE(popup->NextButton()->text(), "Next");
    QCOMPARE(popup->DoneButton()->text(), "Done");
    QVERIFY(popup->StatusMemo()->isReadOnly());
    QCOMPARE(popup->StatusMemo()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(!popup->PopupStatus()->isSizeGripEnabled());

    popup->resize(342, 280);
    for (const Control &control : controls)
        QCOMPARE(control.widget->geometry(), control.grown);
    popup->resize(242, 230);
    for (const Control &control : controls)
        QCOMPARE(control.widget->geometry(), control.created);
}

void tst_TPopupForm::keptOnScreen_data()
{
    QTest::addColumn<QRect>("panel");
    QTest::addColumn<QPoint>("place");

    // The board image moved from (142, 2) to (136, 25): a panel designed at
    // (x, y) places its popup at (x - 6, y + 23) before it is kept on the
    // 1024 x 768 screen.
    QTest::newRow("on the screen") << QRect(600, 152, 153, 121) << QPoint(594, 175);
    QTest::newRow("past the right edge") << QRect(900, 152, 153, 121) << QPoint(1024 - 194, 175);
    QTest::newRow("left of the screen") << QRect(-100, 152, 153, 121) << QPoint(0, 175);
    QTest::newRow("past the bottom") << QRect(600, 600, 153, 121) << QPoint(594, 768 - 230);
    QTest::newRow("above the screen") << QRect(600, -100, 153, 121) << QPoint(594, 0);
    QTest::newRow("wider than the screen") << QRect(600, 152, 1100, 121) << QPoint(-76, 175);
    QTest::newRow("higher than the screen") << QRect(600, 152, 153, 800) << QPoint(594, 768 - 909);
}

void tst_TPopupForm::keptOnScreen()
{
    QFETCH(QRect, panel);
    QFETCH(QPoint, place);

    BoardFixture fixture;
    H *highlight = fixture.Add(PullTitle, H::htSettings, QRect(20, 20, 65, 65),
                               fixture.AddPanel("Panel", panel));
    QVERIFY(fixture.ShowAndPrepare());

    highlight->ShowPopup();
    const QSize unshrunk(std::max(194, panel.width()), panel.height() + 58 + 51);
    QCOMPARE(highlight->Popup()->frameGeometry(), QRect(place, unshrunk));
}

void tst_TPopupForm::statesAndTransitions()
{
    BoardFixture fixture;
    TRadioPanel *panel = fixture.AddPanel("Panel", QRect(600, 152, 153, 121));
    H *highlight = fixture.Add(PullTitle, H::htSettings, QRect(20, 20, 65, 65), panel);
    QVERIFY(fixture.ShowAndPrepare());
    QAction *entry = Entry(fixture, "&Settings", 0);

    // Hovering, then left to somewhere else: closed.
    PointInto(highlight);
    QPointer<TPopupForm> popup = highlight->Popup();
    QVERIFY(popup->isVisible());
    QVERIFY(!highlight->Pinned());
    QVERIFY(!popup->CloseOnLeave());
    QVERIFY(!entry->isChecked());
    PointAt(NeutralPoint());
    QVERIFY(!popup->isVisible());
    QVERIFY(!highlight->Lit());

    // Hovering, then into the popup: entered, and it survives moves between
    // its own controls.
    PointInto(highlight);
    QVERIFY(popup->isVisible());
    PointInto(popup->StatusMemo());
    QVERIFY(highlight->Pinned());
    QVERIFY(popup->CloseOnLeave());
    QVERIFY(entry->isChecked());
    LeaveTo(popup->StatusMemo(), popup->DoneButton()->mapToGlobal(QPoint(5, 5)));
    LeaveTo(popup->DoneButton(), panel->mapToGlobal(QPoint(5, 5)));
    LeaveTo(panel, popup->mapToGlobal(QPoint(2, 2)));
    QVERIFY(popup->isVisible());

    // Out of the popup: closed, hidden and not destroyed.
    LeaveTo(popup, NeutralPoint());
    QVERIFY(popup);
    QVERIFY(!popup->isVisible());
    QVERIFY(!popup->CloseOnLeave());
    QVERIFY(!entry->isChecked());
    QVERIFY(!highlight->Lit());

    // Shown again it starts unpinned; a click pins it, and then the
    // pointer's movements leave it open.
    PointInto(highlight);
    QVERIFY(popup->isVisible());
    QVERIFY(!highlight->Pinned());
    QTest::mouseClick(highlight, Qt::LeftButton);
    QVERIFY(highlight->Pinned());
    QVERIFY(!popup->CloseOnLeave());
    QVERIFY(entry->isChecked());
    PointInto(popup);
    LeaveTo(popup, NeutralPoint());
    PointInto(highlight);
    PointAt(NeutralPoint());
    QVERIFY(popup->isVisible());

    popup->DoneButton()->click();
    QVERIFY(!popup->isVisible());
    QVERIFY(!entry->isChecked());
    QVERIFY(!highlight->Lit());
    QCOMPARE(highlight->Popup(), popup.data());
}

void tst_TPopupForm::pointerLeavesTheCircle_data()
{
    QTest::addColumn<QPoint>("pointer");
    QTest::addColumn<bool>("entered");

    // The popup's outer rectangle is (594, 175) 194 x 230.
    QTest::newRow("top left corner") << QPoint(594, 175) << true;
    QTest::newRow("last column and row") << QPoint(787, 404) << true;
    QTest::newRow("right of it") << QPoint(788, 200) << false;
    QTest::newRow("below it") << QPoint(600, 405) << false;
    QTest::newRow("left of it") << QPoint(593, 200) << false;
}

void tst_TPopupForm::pointerLeavesTheCircle()
{
    QFETCH(QPoint, pointer);
    QFETCH(bool, entered);

    BoardFixture fixture;
    H *highlight = fixture.Add(PullTitle, H::htSettings, QRect(20, 20, 65, 65),
                               fixture.AddPanel("Panel", QRect(600, 152, 153, 121)));
    QVERIFY(fixture.ShowAndPrepare());
    PointInto(highlight);
    QCOMPARE(highlight->Popup()->frameGeometry(), QRect(594, 175, 194, 230));

    PointerPosition::SetSource([pointer] { return pointer; });
    highlight->HandleMouseLeave(false);
    QCOMPARE(highlight->Popup()->isVisible(), entered);
    QCOMPARE(highlight->Pinned(), entered);
    QCOMPARE(highlight->Popup()->CloseOnLeave(), entered);
    QCOMPARE(highlight->Lit(), entered);
}

void tst_TPopupForm::pointerLeavesThePopup_data()
{
    QTest::addColumn<bool>("clicked");
    QTest::addColumn<QPoint>("pointer");
    QTest::addColumn<bool>("open");

    QTest::newRow("entered, onto the caption") << false << QPoint(600, 176) << true;
    QTest::newRow("entered, last column") << false << QPoint(787, 300) << true;
    QTest::newRow("entered, right of it") << false << QPoint(788, 300) << false;
    QTest::newRow("entered, below it") << false << QPoint(700, 405) << false;
    QTest::newRow("pinned, far away") << true << NeutralPoint() << true;
}

void tst_TPopupForm::pointerLeavesThePopup()
{
    QFETCH(bool, clicked);
    QFETCH(QPoint, pointer);
    QFETCH(bool, open);

    BoardFixture fixture;
    H *highlight = fixture.Add(PullTitle, H::htSettings, QRect(20, 20, 65, 65),
                               fixture.AddPanel("Panel", QRect(600, 152, 153, 121)));
    QVERIFY(fixture.ShowAndPrepare());
    PointInto(highlight);
    TPopupForm *popup = highlight->Popup();
    if (clicked)
        QTest::mouseClick(highlight, Qt::LeftButton);
    PointInto(popup);
    QCOMPARE(popup->CloseOnLeave(), !clicked);

    PointerPosition::SetSource([pointer] { return pointer; });
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(popup, &leave);
    QCOMPARE(popup->isVisible(), open);
    QCOMPARE(highlight->Lit(), open);
}

void tst_TPopupForm::activationReachesTheLinkedSet()
{
    BoardFixture fixture;
    TRadioPanel *panel = fixture.AddPanel("Panel", QRect(600, 300, 242, 9));
    QList<QPair<QString, QObject *>> calls;
    panel->OnActivate = [&calls](QObject *sender) { calls.append({ "activate", sender }); };
    panel->OnDeactivate = [&calls](QObject *sender) { calls.append({ "deactivate", sender }); };
    H *first = fixture.Add("&Digital", H::htOptions, QRect(20, 200, 65, 65), panel);
    H *other = fixture.Add("LED Light", H::htOptions, QRect(120, 100, 45, 45));
    H *second = fixture.Add("&Digital", H::htOptions, QRect(120, 200, 65, 65), panel);
    QVERIFY(fixture.ShowAndPrepare());

    PointInto(second);
    TPopupForm *popup = second->Popup();
    QTRY_VERIFY(popup->isActiveWindow());
    QTRY_VERIFY(first->PopupActive());
    QVERIFY(second->PopupActive());
    QVERIFY(!other->PopupActive());
    QCOMPARE(calls.size(), 1);
    QCOMPARE(calls.first(), qMakePair(QString("activate"), static_cast<QObject *>(popup)));

    fixture.activateWindow();
    QTRY_VERIFY(!first->PopupActive());
    QVERIFY(!second->PopupActive());
    QCOMPARE(calls.size(), 2);
    QCOMPARE(calls.last(), qMakePair(QString("deactivate"), static_cast<QObject *>(popup)));
}

void tst_TPopupForm::formsSearchGoesByCaptionAndTag_data()
{
    QTest::addColumn<H::THighlightType>("type");
    QTest::addColumn<QVariant>("tag");
    QTest::addColumn<bool>("created");

    QTest::newRow("caption and tag") << H::htSettings << QVariant(1) << false;
    QTest::newRow("another tag") << H::htSettings << QVariant(2) << true;
    QTest::newRow("no tag counts as 0") << H::htOptions << QVariant() << false;
}

void tst_TPopupForm::formsSearchGoesByCaptionAndTag()
{
    QFETCH(H::THighlightType, type);
    QFETCH(QVariant, tag);
    QFETCH(bool, created);

    BoardFixture fixture;
    H *highlight = fixture.Add(PullTitle, type, QRect(20, 20, 65, 65));
    QVERIFY(fixture.ShowAndPrepare());
    QWidget stranger;
    stranger.setWindowTitle("Pull-Up Configuration");
    if (tag.isValid())
        stranger.setProperty("Tag", tag);

    PointInto(highlight);
    QVERIFY(highlight->Lit());
    QCOMPARE(bool(highlight->Popup()), created);
}

// Closed from the keyboard while the pointer stays on the circle, then the
// circle is clicked.
void tst_TPopupForm::pinningAHiddenPopupShowsIt()
{
    BoardFixture fixture;
    H *highlight = fixture.Add(PullTitle, H::htSettings, QRect(20, 20, 65, 65));
    QVERIFY(fixture.ShowAndPrepare());
    PointInto(highlight);
    TPopupForm *popup = highlight->Popup();
    popup->close();
    QVERIFY(!popup->isVisible());

    QTest::mouseClick(highlight, Qt::LeftButton);
    QVERIFY(popup->isVisible());
    QVERIFY(highlight->Pinned());
    QVERIFY(Entry(fixture, "&Settings", 0)->isChecked());
    QTRY_VERIFY(popup->isActiveWindow());
    QTRY_VERIFY(highlight->PopupActive());
}

void tst_TPopupForm::tabOrder()
{
    BoardFixture fixture;
    TRadioPanel *panel = fixture.AddPanel("Panel", QRect(600, 152, 153, 121));
    for (const char *name : { "Check1", "Check2" }) {
        auto *box = new QCheckBox(QLatin1String(name), panel);
        box->setObjectName(QLatin1String(name));
    }
    H *highlight = fixture.Add(PullTitle, H::htSettings, QRect(20, 20, 65, 65), panel);
    QVERIFY(fixture.ShowAndPrepare());
    PointInto(highlight);
    TPopupForm *popup = highlight->Popup();
    QTRY_VERIFY(popup->isActiveWindow());

    panel->findChild<QCheckBox *>("Check1")->setFocus();
    QStringList order;
    for (int i = 0; i < 7; ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(order, QStringList({ "Check1", "Check2", "PreviousButton", "NextButton", "DoneButton",
                                  "StatusMemo", "Check1" }));
}

QTEST_MAIN(tst_TPopupForm)
#include "tst_tpopupform.moc"
