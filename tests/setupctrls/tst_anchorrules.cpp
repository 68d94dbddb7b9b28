#include "anchorrules.h"

#include <QtTest>

class tst_AnchorRules : public QObject
{
    Q_OBJECT

private slots:
    void followsParentResize_data();
    void followsParentResize();
    void placeSetByCodeIsNewStart();
    void newParentIsWatched();
    void leftTopLeavesChildAlone();
};

void tst_AnchorRules::followsParentResize_data()
{
    QTest::addColumn<int>("anchors");
    QTest::addColumn<QRect>("expected");

    // Child at (20, 30) 50 × 40 in a 200 × 100 parent grown to 300 × 160.
    QTest::newRow("left top") << int(akLeft | akTop) << QRect(20, 30, 50, 40);
    QTest::newRow("left right top") << int(akLeft | akRight | akTop) << QRect(20, 30, 150, 40);
    QTest::newRow("right top") << int(akRight | akTop) << QRect(120, 30, 50, 40);
    // Centre 45 of 200 becomes 67.5 of 300, a half rounded away from zero.
    QTest::newRow("top only") << int(akTop) << QRect(43, 30, 50, 40);
    QTest::newRow("left top bottom") << int(akLeft | akTop | akBottom) << QRect(20, 30, 50, 100);
    QTest::newRow("left bottom") << int(akLeft | akBottom) << QRect(20, 90, 50, 40);
    QTest::newRow("left only") << int(akLeft) << QRect(20, 60, 50, 40);
    QTest::newRow("all four") << int(akLeft | akTop | akRight | akBottom) << QRect(20, 30, 150, 100);
    QTest::newRow("right bottom") << int(akRight | akBottom) << QRect(120, 90, 50, 40);
    QTest::newRow("none") << 0 << QRect(43, 60, 50, 40);
}

void tst_AnchorRules::followsParentResize()
{
    QFETCH(int, anchors);
    QFETCH(QRect, expected);

    QWidget parent;
    parent.resize(200, 100);
    auto *child = new QWidget(&parent);
    child->setGeometry(20, 30, 50, 40);
    AnchorRules::Set(child, TAnchors::fromInt(anchors));
    QCOMPARE(int(AnchorRules::Get(child)), anchors);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));

    parent.resize(300, 160);
    QCOMPARE(child->geometry(), expected);

    parent.resize(200, 100);
    QCOMPARE(child->geometry(), QRect(20, 30, 50, 40));
}

void tst_AnchorRules::placeSetByCodeIsNewStart()
{
    QWidget parent;
    parent.resize(200, 100);
    auto *child = new QWidget(&parent);
    child->setGeometry(20, 30, 50, 40);
    AnchorRules::Set(child, akRight | akBottom);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));

    parent.resize(220, 110);
    QCOMPARE(child->pos(), QPoint(40, 40));
    child->move(10, 10);
    parent.resize(240, 120);
    QCOMPARE(child->pos(), QPoint(30, 20));
}

void tst_AnchorRules::newParentIsWatched()
{
    QWidget first;
    first.resize(200, 100);
    QWidget second;
    second.resize(100, 50);
    auto *child = new QWidget(&first);
    child->setGeometry(20, 30, 50, 40);
    AnchorRules::Set(child, akLeft | akRight | akTop);

    child->setParent(&second);
    child->setGeometry(0, 0, 50, 40);
    second.show();
    QVERIFY(QTest::qWaitForWindowExposed(&second));
    first.resize(400, 100);
    QCOMPARE(child->width(), 50);
    second.resize(130, 50);
    QCOMPARE(child->width(), 80);
}

void tst_AnchorRules::leftTopLeavesChildAlone()
{
    QWidget parent;
    parent.resize(200, 100);
    auto *child = new QWidget(&parent);
    child->setGeometry(20, 30, 50, 40);
    AnchorRules::Set(child, akLeft | akTop);
    QVERIFY(child->findChildren<QObject *>().isEmpty());
    AnchorRules::Set(child, akRight);
    AnchorRules::Set(child, akLeft | akTop);
    parent.resize(300, 160);
    QCOMPARE(child->geometry(), QRect(20, 30, 50, 40));
}

QTEST_MAIN(tst_AnchorRules)
#include "tst_anchorrules.moc"
