#include "tapplication.h"
#include "tboardhighlight.h"
#include "tboardimage.h"
#include "tmainform.h"
#include "tpopupform.h"
#include "tradiopanel.h"
#include "tthreejumper.h"

#include <QtTest>

#include <QLabel>
#include <QPushButton>
#include <QMenuBar>
#include <QRadioButton>

namespace {

using THighlightType = TBoardHighlight::THighlightType;
using enum TBoardHighlight::THighlightType;

QStringList childNames(const QObject *parent)
{
    QStringList names;
    for (const QObject *child : parent->children()) {
        if (child->isWidgetType() && !child->objectName().isEmpty())
            names << child->objectName();
    }
    return names;
}

QStringList captions(const QList<QAction *> &actions)
{
    QStringList result;
    for (const QAction *action : actions)
        result << action->text();
    return result;
}

QStringList names(const QList<QAction *> &actions)
{
    QStringList result;
    for (const QAction *action : actions)
        result << (action->menu() ? action->menu()->objectName() : action->objectName());
    return result;
}

TPopupForm *visiblePopup()
{
    TPopupForm *found = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *popup = qobject_cast<TPopupForm *>(window); popup && popup->isVisible()) {
            if (found)
                return nullptr; // more than one
            found = popup;
        }
    }
    return found;
}

} // namespace

class tst_BoardPage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void mainWindow();
    void exitClosesTheWindow();
    void creationOrder();
    void components_data();
    void components();
    void panelTexts();
    void references();
    void menuBarAfterFirstPaint();
    void startsInStep();
    void jumperAndRadioButtonsInStep_data();
    void jumperAndRadioButtonsInStep();
    void walkWrapsInsideOneMenu_data();
    void walkWrapsInsideOneMenu();
    void dataHighlightsShareOnePopup();
    void popupsOfNegativePanelsStayOnScreen_data();
    void popupsOfNegativePanelsStayOnScreen();

private:
    TMainForm *form = nullptr;
};

void tst_BoardPage::init()
{
    QCursor::setPos(1000, 760);
    form = new TMainForm;
    TApplication::SetMainForm(form);
    form->showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    QTRY_VERIFY(form->BoardImage1->OriginSaved());
}

void tst_BoardPage::cleanup()
{
    TApplication::SetMainForm(nullptr);
    delete form;
    form = nullptr;
}

void tst_BoardPage::mainWindow()
{
    QCOMPARE(form->objectName(), QString("MainForm"));
    QCOMPARE(form->windowTitle(), QString("Setup"));
    QVERIFY(form->windowState() & Qt::WindowMaximized);
    QCOMPARE(form->ClientArea()->palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(form->font().pointSize(), 8);
    QVERIFY(!form->windowIcon().isNull());
    QCOMPARE(form->windowIcon().availableSizes().value(0), QSize(32, 32));
    QCOMPARE(captions(form->File1->actions()), QStringList("&Exit"));
    QCOMPARE(captions(form->Help1->actions()),
             QStringList({ "H&ow to use this program", "&Technical Support" }));
}

void tst_BoardPage::exitClosesTheWindow()
{
    form->DataHighlight0->MenuEntryClick(form->DataHighlight0);
    QVERIFY(visiblePopup());
    form->Exit2->trigger();
    QVERIFY(!form->isVisible());
}

void tst_BoardPage::creationOrder()
{
    QCOMPARE(childNames(form->ClientArea()).mid(0, 8),
             QStringList({ "BoardImage1", "PowerPanel", "PullPanel", "USBPanel", "DataPanel", "LEDPanel",
                           "DCINPanel", "MiniUSBPanel" }));
    QCOMPARE(childNames(form->BoardImage1),
             QStringList({ "PullHighlight", "PowerHighlight", "USBHighlight", "DCINHighlight", "DataHighlight0",
                           "LedHighlight", "DataHighlight1", "MiniUSBHighlight" }));
    QCOMPARE(childNames(form->PowerPanel),
             QStringList({ "Image1", "BusPowerJumper", "Label1", "Label2", "ExtPowerRadio", "BusPowerRadio" }));
    QCOMPARE(childNames(form->PullPanel),
             QStringList({ "Label4", "PullJumper", "Label14", "Label13", "PullUpRadio", "PullDownRadio",
                           "PullNoRadio" }));
    QVERIFY(childNames(form->USBPanel).isEmpty());
}

void tst_BoardPage::components_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("className");
    QTest::addColumn<QRect>("bounds");
    QTest::addColumn<QString>("caption");

    const auto row = [](const char *name, const char *className, QRect bounds, const char *caption = "") {
        QTest::newRow(name) << QString::fromLatin1(name) << QByteArray(className) << bounds
                            << QString::fromUtf8(caption);
    };
    row("PullHighlight", "TBoardHighlight", { 177, 0, 251, 41 }, "&Pull-Up Configuration");
    row("PowerHighlight", "TBoardHighlight", { 324, 568, 37, 64 }, "&External Power");
    row("USBHighlight", "TBoardHighlight", { 219, 532, 94, 125 }, "&USB Connector");
    row("DCINHighlight", "TBoardHighlight", { 434, 546, 79, 109 }, "DC Input");
    row("DataHighlight0", "TBoardHighlight", { 480, 56, 121, 479 }, "&Digital/Counter Connector");
    row("LedHighlight", "TBoardHighlight", { 115, 550, 36, 110 }, "LED Light");
    row("DataHighlight1", "TBoardHighlight", { 0, 60, 121, 479 }, "&Digital/Counter Connector");
    row("MiniUSBHighlight", "TBoardHighlight", { 157, 574, 19, 50 }, "Compact USB Connector");
    row("PowerPanel", "TRadioPanel", { 273, 296, 296, 121 });
    row("PullPanel", "TRadioPanel", { 600, 152, 153, 121 });
    row("USBPanel", "TRadioPanel", { -104, 272, 242, 9 });
    row("DataPanel", "TRadioPanel", { 352, 144, 242, 9 });
    row("LEDPanel", "TRadioPanel", { -8, 136, 145, 9 });
    row("DCINPanel", "TRadioPanel", { 8, 400, 113, 9 });
    row("MiniUSBPanel", "TRadioPanel", { 8, 528, 113, 9 });
    row("Image1", "QLabel", { 154, 16, 112, 48 });
    row("BusPowerJumper", "TThreeJumper", { 72, 8, 18, 43 });
    row("Label1", "QLabel", { 24, 32, 41, 17 }, "VEXT");
    row("Label2", "QLabel", { 24, 8, 41, 17 }, "VUSB");
    row("ExtPowerRadio", "QRadioButton", { 16, 80, 121, 17 }, "External Powered");
    row("BusPowerRadio", "QRadioButton", { 16, 64, 121, 17 }, "USB Bus Powered");
    row("Label4", "QLabel", { 48, 8, 41, 17 }, "PX");
    row("PullJumper", "TThreeJumper", { 48, 26, 43, 18 });
    row("Label14", "QLabel", { 88, 8, 41, 17 }, "GND");
    row("Label13", "QLabel", { 8, 8, 41, 17 }, "+5V");
    row("PullUpRadio", "QRadioButton", { 32, 56, 121, 17 }, "Pulled Up");
    row("PullDownRadio", "QRadioButton", { 32, 72, 121, 17 }, "Pulled Down");
    row("PullNoRadio", "QRadioButton", { 32, 88, 121, 17 }, "Floating");
}

void tst_BoardPage::components()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, className);
    QFETCH(QRect, bounds);
    QFETCH(QString, caption);

    auto *widget = form->findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(QByteArray(widget->metaObject()->className()), className);
    QCOMPARE(widget->geometry(), bounds);
    if (auto *highlight = qobject_cast<TBoardHighlight *>(widget))
        QCOMPARE(highlight->Title(), caption);
    else if (auto *label = qobject_cast<QLabel *>(widget); label && !caption.isEmpty())
        QCOMPARE(label->text(), caption);
    else if (auto *radio = qobject_cast<QRadioButton *>(widget))
        QCOMPARE(radio->text(), caption);
}

void tst_BoardPage::panelTexts()
{
    QCOMPARE(form->USBPanel->Lines(), QStringList("The USB connector on this board is a USB type B socket."));
    QCOMPARE(form->LEDPanel->Lines(), QStringList("LED indicates Power and Activity"));
    QCOMPARE(form->PullPanel->Lines().size(), 1);
    QVERIFY(form->PullPanel->Lines().first().startsWith("Each connector's digital bits can be pulled up"));
    QVERIFY(form->PowerPanel->Lines().first().endsWith("before plugging in the USB cable."));
    for (TRadioPanel *panel : form->findChildren<TRadioPanel *>()) {
        QVERIFY2(!panel->isVisible(), qPrintable(panel->objectName()));
        QCOMPARE(panel->MemoHeight(), 58);
    }
    QCOMPARE(form->Image1->pixmap().size(), QSize(112, 48));
}

void tst_BoardPage::references()
{
    QCOMPARE(form->BoardImage1->First(), form->PullHighlight);
    QCOMPARE(form->BoardImage1->Menu(), form->MainMenu1);
    QCOMPARE(form->menuBar(), form->MainMenu1);
    QCOMPARE(form->PullHighlight->RadioPanel(), form->PullPanel);
    QCOMPARE(form->PowerHighlight->RadioPanel(), form->PowerPanel);
    QCOMPARE(form->DataHighlight0->RadioPanel(), form->DataPanel);
    QCOMPARE(form->DataHighlight1->RadioPanel(), form->DataPanel);
    QCOMPARE(form->MiniUSBHighlight->RadioPanel(), form->MiniUSBPanel);
    QCOMPARE(form->PullHighlight->HighlightType(), htSettings);
    QCOMPARE(form->USBHighlight->HighlightType(), htOptions);
}

void tst_BoardPage::menuBarAfterFirstPaint()
{
    QTRY_COMPARE(captions(form->MainMenu1->actions()),
                 QStringList({ "&File", "&Settings", "&Options", "&Help" }));
    QCOMPARE(names(form->MainMenu1->actions()), QStringList({ "File1", "Settings1", "Options1", "Help1" }));

    const QList<QAction *> settings = form->MainMenu1->actions().at(1)->menu()->actions();
    QCOMPARE(captions(settings), QStringList({ "&Pull-Up Configuration", "&External Power" }));
    QCOMPARE(names(settings), QStringList({ "PullUpConfiguration1", "ExternalPower1" }));

    const QList<QAction *> options = form->MainMenu1->actions().at(2)->menu()->actions();
    QCOMPARE(captions(options),
             QStringList({ "&USB Connector", "DC Input", "&Digital/Counter Connector", "LED Light",
                           "Compact USB Connector" }));
    QCOMPARE(names(options),
             QStringList({ "USBConnector1", "DCInput1", "DigitalCounterConnector1", "LEDLight1",
                           "CompactUSBConnector1" }));
}

void tst_BoardPage::startsInStep()
{
    QCOMPARE(form->PullJumper->JumperState(), TThreeJumper::jsLeft);
    QVERIFY(form->PullUpRadio->isChecked());
    QCOMPARE(form->BusPowerJumper->JumperState(), TThreeJumper::jsRight);
    QVERIFY(form->BusPowerRadio->isChecked());
    QCOMPARE(form->BusPowerJumper->Orientation(), TThreeJumper::otLeft);
}

// A step is "J:<jumper>" for a click on PullJumper or BusPowerJumper, or
// the name of a radio button to click. After each step the jumper must be
// in the given state with the given radio button checked.
void tst_BoardPage::jumperAndRadioButtonsInStep_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QList<int>>("states");
    QTest::addColumn<QStringList>("checked");

    using J = TThreeJumper;
    QTest::newRow("pull jumper cycles")
            << QStringList({ "J:PullJumper", "J:PullJumper", "J:PullJumper" })
            << QList<int>({ J::jsRight, J::jsOpen, J::jsLeft })
            << QStringList({ "PullDownRadio", "PullNoRadio", "PullUpRadio" });
    QTest::newRow("pull radio buttons")
            << QStringList({ "PullNoRadio", "PullUpRadio", "PullDownRadio", "PullDownRadio" })
            << QList<int>({ J::jsOpen, J::jsLeft, J::jsRight, J::jsRight })
            << QStringList({ "PullNoRadio", "PullUpRadio", "PullDownRadio", "PullDownRadio" });
    QTest::newRow("power jumper alternates")
            << QStringList({ "J:BusPowerJumper", "J:BusPowerJumper", "J:BusPowerJumper" })
            << QList<int>({ J::jsLeft, J::jsRight, J::jsLeft })
            << QStringList({ "ExtPowerRadio", "BusPowerRadio", "ExtPowerRadio" });
    QTest::newRow("power radio buttons")
            << QStringList({ "ExtPowerRadio", "BusPowerRadio" })
            << QList<int>({ J::jsLeft, J::jsRight })
            << QStringList({ "ExtPowerRadio", "BusPowerRadio" });
}

void tst_BoardPage::jumperAndRadioButtonsInStep()
{
    QFETCH(QStringList, steps);
    QFETCH(QList<int>, states);
    QFETCH(QStringList, checked);

    // The panels live in popups once shown; clicking their controls
    // directly is what a user's click amounts to.
    for (int i = 0; i < steps.size(); ++i) {
        TThreeJumper *jumper = nullptr;
        int jumperClicks = 0;
        if (steps[i].startsWith("J:")) {
            jumper = form->findChild<TThreeJumper *>(steps[i].mid(2));
            jumper->Click();
        } else {
            auto *radio = form->findChild<QRadioButton *>(steps[i]);
            jumper = radio->parentWidget()->findChild<TThreeJumper *>();
            QObject::connect(jumper, &TThreeJumper::clicked, jumper, [&jumperClicks] { ++jumperClicks; });
            radio->click();
            QCOMPARE(jumperClicks, 0);
        }
        QCOMPARE(int(jumper->JumperState()), states[i]);
        QVERIFY2(form->findChild<QRadioButton *>(checked[i])->isChecked(), qPrintable(checked[i]));
    }
}

void tst_BoardPage::walkWrapsInsideOneMenu_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<bool>("next");
    QTest::addColumn<QString>("expectedCaption");

    QTest::newRow("next from the last option") << "MiniUSBHighlight" << true << "USB Connector";
    QTest::newRow("previous from the first setting") << "PullHighlight" << false << "External Power";
    QTest::newRow("next from the first setting") << "PullHighlight" << true << "External Power";
}

void tst_BoardPage::walkWrapsInsideOneMenu()
{
    QFETCH(QString, from);
    QFETCH(bool, next);
    QFETCH(QString, expectedCaption);

    auto *highlight = form->findChild<TBoardHighlight *>(from);
    highlight->MenuEntryClick(highlight);
    TPopupForm *popup = visiblePopup();
    QVERIFY(popup);
    QCOMPARE(popup->windowTitle(), highlight->PlainTitle());

    auto *button = popup->findChild<QPushButton *>(next ? "NextButton" : "PreviousButton");
    QTest::mouseClick(button, Qt::LeftButton);

    TPopupForm *opened = visiblePopup();
    QVERIFY(opened);
    QCOMPARE(opened->windowTitle(), expectedCaption);
    QVERIFY(!popup->isVisible());
}

void tst_BoardPage::dataHighlightsShareOnePopup()
{
    form->DataHighlight1->MenuEntryClick(form->DataHighlight1);
    TPopupForm *popup = visiblePopup();
    QVERIFY(popup);
    QCOMPARE(popup->windowTitle(), QString("Digital/Counter Connector"));
    QVERIFY(form->DataHighlight0->Lit());
    QVERIFY(form->DataHighlight1->Lit());
    QCOMPARE(form->DataPanel->parentWidget(), popup);

    QTest::mouseClick(popup->findChild<QPushButton *>("DoneButton"), Qt::LeftButton);
    form->DataHighlight0->MenuEntryClick(form->DataHighlight0);
    QCOMPARE(visiblePopup(), popup);
    QCOMPARE(form->findChildren<TPopupForm *>().size(), 1);
}

void tst_BoardPage::popupsOfNegativePanelsStayOnScreen_data()
{
    QTest::addColumn<QString>("highlight");
    QTest::newRow("USB") << "USBHighlight";
    QTest::newRow("LED") << "LedHighlight";
}

void tst_BoardPage::popupsOfNegativePanelsStayOnScreen()
{
    QFETCH(QString, highlight);
    auto *circle = form->findChild<TBoardHighlight *>(highlight);
    circle->MenuEntryClick(circle);
    TPopupForm *popup = visiblePopup();
    QVERIFY(popup);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QVERIFY2(screen.contains(popup->frameGeometry()),
             qPrintable(QString("%1,%2 %3x%4").arg(popup->x()).arg(popup->y()).arg(popup->width()).arg(popup->height())));
}

QTEST_MAIN(tst_BoardPage)
#include "tst_boardpage.moc"
