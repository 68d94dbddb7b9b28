#include "tboardimage.h"

#include <QtTest>

namespace {

// Counts the paints that reach the control, so that a setter's "nothing
// happens" can be told from "a repaint was scheduled".
class CountingBoardImage : public TBoardImage
{
public:
    using TBoardImage::TBoardImage;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        ++paints;
        TBoardImage::paintEvent(event);
    }
};

QImage picture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(20, 120, 40));
    return image;
}

} // namespace

class tst_TBoardImage : public QObject
{
    Q_OBJECT

private slots:
    void constructorDefaults();
    void centresOnParentOuterSize_data();
    void centresOnParentOuterSize();
    void originIsTheFirstPaintPosition();
    void pictureRect_data();
    void pictureRect();
    void aspectRatioAndAutoSize();
    void pictureWithoutGraphic();
    void opaqueFlag_data();
    void opaqueFlag();
    void settersRepaintOnlyOnChange_data();
    void settersRepaintOnlyOnChange();
    void backgroundIsWhatIsPainted();
};

void tst_TBoardImage::constructorDefaults()
{
    TBoardImage board;
    QCOMPARE(board.size(), QSize(105, 105));
    QVERIFY(board.AutoSize());
    QVERIFY(board.Scale());
    QVERIFY(board.CenterOnForm());
    QVERIFY(!board.Stretch());
    QVERIFY(!board.Center());
    QVERIFY(!board.Transparent());
    QVERIFY(!board.OriginSaved());
    QCOMPARE(board.AspectRatio(), 1.0);
    QCOMPARE(board.First(), nullptr);
    QCOMPARE(board.Menu(), nullptr);
    QVERIFY(!board.ForwardPaletteChange());
}

void tst_TBoardImage::centresOnParentOuterSize_data()
{
    QTest::addColumn<QSize>("parentSize");
    QTest::addColumn<QSize>("boardSize");
    QTest::addColumn<QPoint>("expected");

    QTest::newRow("stored main window") << QSize(873, 712) << QSize(600, 661) << QPoint(136, 25);
    QTest::newRow("exact fit") << QSize(600, 661) << QSize(600, 661) << QPoint(0, 0);
    // Negative halves truncate toward zero: -1 div 2 = 0, -3 div 2 = -1.
    QTest::newRow("one narrower") << QSize(599, 660) << QSize(600, 661) << QPoint(0, 0);
    QTest::newRow("three narrower") << QSize(597, 658) << QSize(600, 661) << QPoint(-1, -1);
    QTest::newRow("much narrower") << QSize(500, 600) << QSize(600, 661) << QPoint(-50, -30);
}

void tst_TBoardImage::centresOnParentOuterSize()
{
    QFETCH(QSize, parentSize);
    QFETCH(QSize, boardSize);
    QFETCH(QPoint, expected);

    QWidget form;
    form.resize(parentSize);
    auto *board = new TBoardImage(&form);
    board->SetAutoSize(false);
    board->setGeometry(QRect(QPoint(142, 2), boardSize));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTRY_COMPARE(board->pos(), expected);
}

void tst_TBoardImage::originIsTheFirstPaintPosition()
{
    QWidget form;
    form.resize(873, 712);
    auto *board = new TBoardImage(&form);
    board->SetAutoSize(false);
    board->setGeometry(142, 2, 600, 661);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTRY_VERIFY(board->OriginSaved());
    QTRY_COMPARE(board->pos(), QPoint(136, 25));
    QCOMPARE(board->OriginLeft(), 142);
    QCOMPARE(board->OriginTop(), 2);

    form.resize(700, 700);
    QTRY_COMPARE(board->pos(), QPoint(50, 19));
    QCOMPARE(board->OriginLeft(), 142);
    QCOMPARE(board->OriginTop(), 2);
}

void tst_TBoardImage::pictureRect_data()
{
    QTest::addColumn<bool>("stretch");
    QTest::addColumn<bool>("center");
    QTest::addColumn<int>("width");
    QTest::addColumn<QRect>("expected");

    QTest::newRow("stretch") << true << true << 600 << QRect(0, 0, 600, 661);
    QTest::newRow("centre, 3 narrower") << false << true << 542 << QRect(-1, 30, 545, 600);
    QTest::newRow("centre, 1 narrower") << false << true << 544 << QRect(0, 30, 545, 600);
    QTest::newRow("top left") << false << false << 542 << QRect(0, 0, 545, 600);
}

void tst_TBoardImage::pictureRect()
{
    QFETCH(bool, stretch);
    QFETCH(bool, center);
    QFETCH(int, width);
    QFETCH(QRect, expected);

    TBoardImage board;
    board.SetAutoSize(false);
    board.SetPicture(picture(545, 600));
    board.resize(width, 661);
    board.SetStretch(stretch);
    board.SetCenter(center);
    QCOMPARE(board.PictureRect(), expected);
}

void tst_TBoardImage::aspectRatioAndAutoSize()
{
    TBoardImage board;
    board.move(7, 9);
    board.SetPicture(picture(545, 600));
    QCOMPARE(board.AspectRatio(), 600.0 / 545.0);
    QCOMPARE(board.geometry(), QRect(7, 9, 545, 600));

    board.SetAutoSize(false);
    board.resize(600, 661);
    board.SetPicture(picture(100, 50));
    QCOMPARE(board.AspectRatio(), 0.5);
    QCOMPARE(board.size(), QSize(600, 661));
}

void tst_TBoardImage::pictureWithoutGraphic()
{
    TBoardImage board;
    board.SetStretch(true);
    board.SetPicture(picture(545, 600));
    QVERIFY(board.testAttribute(Qt::WA_OpaquePaintEvent));

    board.SetPicture(QImage());
    QVERIFY(!board.testAttribute(Qt::WA_OpaquePaintEvent));
    QCOMPARE(board.AspectRatio(), 600.0 / 545.0);
    int width = board.width();
    int height = board.height();
    QVERIFY(board.CanAutoSize(width, height));
    QCOMPARE(QSize(width, height), QSize(0, 0));
    QImage background = board.Background(QRect(0, 0, 4, 4));
    QCOMPARE(background.pixelColor(1, 1), board.palette().color(QPalette::Button));
}

void tst_TBoardImage::opaqueFlag_data()
{
    QTest::addColumn<bool>("stretch");
    QTest::addColumn<bool>("transparent");
    QTest::addColumn<QSize>("pictureSize");
    QTest::addColumn<bool>("opaque");

    QTest::newRow("stretched") << true << false << QSize(10, 10) << true;
    QTest::newRow("covers the control") << false << false << QSize(200, 200) << true;
    QTest::newRow("smaller than the control") << false << false << QSize(100, 200) << false;
    QTest::newRow("transparent") << true << true << QSize(200, 200) << false;
}

void tst_TBoardImage::opaqueFlag()
{
    QFETCH(bool, stretch);
    QFETCH(bool, transparent);
    QFETCH(QSize, pictureSize);
    QFETCH(bool, opaque);

    TBoardImage board;
    board.SetAutoSize(false);
    board.resize(150, 150);
    board.SetStretch(stretch);
    board.SetTransparent(transparent);
    board.SetPicture(picture(pictureSize.width(), pictureSize.height()));
    QCOMPARE(board.testAttribute(Qt::WA_OpaquePaintEvent), opaque);
}

void tst_TBoardImage::settersRepaintOnlyOnChange_data()
{
    QTest::addColumn<QString>("property");
    QTest::newRow("Stretch") << "Stretch";
    QTest::newRow("Center") << "Center";
    QTest::newRow("Transparent") << "Transparent";
    QTest::newRow("Scale") << "Scale";
}

void tst_TBoardImage::settersRepaintOnlyOnChange()
{
    QFETCH(QString, property);
    const QByteArray name = property.toLatin1();

    CountingBoardImage board;
    board.SetCenterOnForm(false);
    board.SetAutoSize(false);
    board.SetPicture(picture(50, 50));
    board.resize(100, 100);
    board.show();
    QVERIFY(QTest::qWaitForWindowExposed(&board));
    QTRY_VERIFY(board.paints > 0);

    const bool current = board.property(name).toBool();
    board.paints = 0;
    board.setProperty(name, current);
    QTest::qWait(50);
    QCOMPARE(board.paints, 0);

    board.setProperty(name, !current);
    QTRY_VERIFY(board.paints > 0);
}

void tst_TBoardImage::backgroundIsWhatIsPainted()
{
    QImage source(545, 600, QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            source.setPixel(x, y, qRgb(x % 256, y % 256, (x * y) % 256));

    TBoardImage board;
    board.SetCenterOnForm(false);
    board.SetAutoSize(false);
    board.SetStretch(true);
    board.SetPicture(source);
    board.resize(600, 661);

    const QImage painted = board.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect area(177, 0, 251, 41);
    QCOMPARE(board.Background(area), painted.copy(area));
}

QTEST_MAIN(tst_TBoardImage)
#include "tst_tboardimage.moc"
