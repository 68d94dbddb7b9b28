#include "exceptionreporter.h"
#include "idleloop.h"
#include "llzubwdm.h"
#include "tapplication.h"
#include "thelpform.h"
#include "tpciform.h"
#include "tsetupsupporter.h"
#include "ttechform.h"

#include <QtTest>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>

#include <deque>
#include <memory>

namespace {

struct Box
{
    QString text;
    QString caption;
    unsigned flags;
};

int32_t cardCount = 0;
int cardCountCalls = 0;

int32_t fakeGetNumCards()
{
    ++cardCountCalls;
    return cardCount;
}

// A driver whose binding is complete, reporting the given number of cards.
void bindFakeDriver(int32_t count)
{
    cardCount = count;
    LLZUBWDM::GetNumCards = fakeGetNumCards;
    LLZUBWDM::DriverBound = true;
}

const QString totalFailureText = QStringLiteral(
    "Total A/D failure. The card may not be installed, or it may be installed at a different "
    "base address.");

} // namespace

// A main window like the program's: a client area, a "&File" and a "&Help"
// menu, and the supporter with the program's names.
class tst_TSetupSupporter : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void titles_data();
    void titles();
    void cardsList_data();
    void cardsList();
    void unboundDriverMeansNoCards();
    void cardsFromDriverLibrary();
    void useCardNameB();
    void fileMenuItem_data();
    void fileMenuItem();
    void closeButtonsHideTheirWindows();
    void idleHookBuildsOnceAndOpensInstructions();
    void idleHookRunsOnceWhenTimerIsUnavailable();
    void helpPendingComesBeforeCalibration();
    void passWithGoodChannel();
    void passWithoutReadingHandler();
    void totalFailure_data();
    void totalFailure();
    void retryRunsAnotherPass();
    void tickExceptionIsReportedAndTimerKeepsRunning();

private:
    void makeMainForm(const QStringList &menus = {QStringLiteral("&File"), QStringLiteral("&Help")});
    void addDisplay();

    std::unique_ptr<QMainWindow> m_MainForm;
    TSetupSupporter *m_SetSup = nullptr;
    std::deque<int> m_Answers;
    QList<Box> m_Boxes;
    QStringList m_Reported;
    // One calibration display, created on demand.
    QPlainTextEdit *m_Readings = nullptr;
    QPushButton *m_ActionButton = nullptr;
    QWidget *m_HideOnTick = nullptr;
};

void tst_TSetupSupporter::init()
{
    LLZUBWDM::DriverBound = false;
    LLZUBWDM::GetNumCards = nullptr;
    cardCountCalls = 0;
    m_Boxes.clear();
    m_Answers.clear();
    m_Reported.clear();
    TSetupSupporter::SetMessageBox([this](const QString &text, const QString &caption, unsigned flags) {
        m_Boxes.append({text, caption, flags});
        if (m_Answers.empty())
            return int(TSetupSupporter::IDCANCEL);
        const int answer = m_Answers.front();
        m_Answers.pop_front();
        return answer;
    });
    ExceptionReporter::SetBox([this](const QString &message) { m_Reported << message; });
    makeMainForm();
}

void tst_TSetupSupporter::cleanup()
{
    TApplication::SetOnIdle(nullptr);
    TApplication::SetMainForm(nullptr);
    m_MainForm.reset();
    m_SetSup = nullptr;
    m_Readings = nullptr;
    m_ActionButton = nullptr;
    m_HideOnTick = nullptr;
    TSetupSupporter::SetMessageBox(nullptr);
    TSetupSupporter::SetTimerStarter(nullptr);
    ExceptionReporter::SetBox(nullptr);
    LLZUBWDM::DriverBound = false;
    LLZUBWDM::GetNumCards = nullptr;
}

void tst_TSetupSupporter::makeMainForm(const QStringList &menus)
{
    TApplication::SetMainForm(nullptr);
    m_MainForm = std::make_unique<QMainWindow>();
    m_MainForm->resize(800, 600);
    m_MainForm->setCentralWidget(new QWidget);
    for (const QString &caption : menus)
        m_MainForm->menuBar()->addMenu(caption)->addAction(QStringLiteral("Item"));
    TApplication::SetMainForm(m_MainForm.get());

    m_SetSup = new TSetupSupporter(m_MainForm.get());
    m_SetSup->setObjectName(QStringLiteral("SetSup"));
    m_SetSup->SetCompanyName(QStringLiteral("KELDO"));
    m_SetSup->SetCardNameA(QStringLiteral("QRV-PIN-40"));
    m_SetSup->SetCardNameB(QStringLiteral("QRV-PIN40"));
    m_SetSup->SetCallHow(QStringLiteral("between 8 am and 5 pm Pacific Time at 555-0100"));
    m_SetSup->SetMultiPort(true);
    m_SetSup->SetChannels(4);
}

void tst_TSetupSupporter::addDisplay()
{
    m_Readings = new QPlainTextEdit(m_MainForm->centralWidget());
    m_Readings->setPlainText(QStringLiteral("a\nb\nc\nd"));
    m_ActionButton = new QPushButton(QStringLiteral("Stop"), m_MainForm->centralWidget());
    m_HideOnTick = new QLabel(QStringLiteral("Press Start"), m_MainForm->centralWidget());
    m_SetSup->AddCalibDisplay({[this] { return m_Readings; }, [this] { return m_ActionButton; },
                               [this] { return m_HideOnTick; }});
}

void tst_TSetupSupporter::titles_data()
{
    QTest::addColumn<bool>("cardTexts");
    QTest::addColumn<bool>("bSeries");
    QTest::addColumn<QString>("title");

    QTest::newRow("found, series") << false << true << "QRV-PIN-40 Series Settings Program";
    QTest::newRow("found") << false << false << "QRV-PIN-40 Settings Program";
    QTest::newRow("not found, series") << true << true << "No QRV-PIN-40 Series Card Found";
    QTest::newRow("not found") << true << false << "No QRV-PIN-40 Found";
}

void tst_TSetupSupporter::titles()
{
    QFETCH(bool, cardTexts);
    QFETCH(bool, bSeries);
    QFETCH(QString, title);

    bindFakeDriver(0);
    m_SetSup->SetbSeries(bSeries);
    if (cardTexts)
        m_SetSup->SetOnGetCardString([](QObject *, int32_t) { return QStringLiteral("card"); });
    m_SetSup->BuildWindows();

    QLabel *header = m_SetSup->HeaderLabel();
    QVERIFY(header);
    QCOMPARE(header->text(), title);
    QCOMPARE(header->objectName(), QStringLiteral("HeaderLabel"));
    QCOMPARE(header->parentWidget(), m_MainForm->centralWidget());
    QCOMPARE(header->font().family(), QStringLiteral("Tahoma"));
    QCOMPARE(header->font().pointSize(), 18);
    QVERIFY(header->font().bold());
    QCOMPARE(header->palette().color(QPalette::WindowText), QColor(Qt::black));
    QCOMPARE(header->geometry().topLeft(), QPoint(0, 0));
    QCOMPARE(header->width(), m_MainForm->centralWidget()->width());
    QVERIFY(header->alignment() & Qt::AlignHCenter);
    QVERIFY(m_SetSup->HelpForm());
    QVERIFY(m_SetSup->TechForm());
    QVERIFY(!m_SetSup->HelpForm()->isVisible());
    QVERIFY(!m_SetSup->TechForm()->isVisible());
    QVERIFY(m_SetSup->ShowHelpPending());

    // Without card texts nothing of the cards list exists, and the driver
    // is not even asked.
    QCOMPARE(bool(m_SetSup->PCIForm()), cardTexts);
    QCOMPARE(m_MainForm->findChildren<QAction *>(QStringLiteral("DisplayPCI")).size(), cardTexts ? 1 : 0);
    QCOMPARE(cardCountCalls, cardTexts ? 1 : 0);

    m_MainForm->show();
    const int clientWidth = m_MainForm->centralWidget()->width();
    m_MainForm->resize(m_MainForm->width() + 100, m_MainForm->height());
    QCOMPARE(header->width(), clientWidth + 100);
}

void tst_TSetupSupporter::cardsList_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("handlerCalls");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("title");

    const QString found = QStringLiteral("QRV-PIN-40 Series Settings Program");
    const QString notFound = QStringLiteral("No QRV-PIN-40 Series Card Found");
    QTest::newRow("no cards") << 0 << QStringList() << 0 << "No Card Found" << notFound;
    QTest::newRow("negative count") << -1 << QStringList() << 0 << "No Card Found" << notFound;
    QTest::newRow("empty, B, C") << 3 << QStringList{"", "B", "C"} << 3 << "B\nC" << found;
    QTest::newRow("only empty texts") << 2 << QStringList{"", ""} << 2 << "No Card Found" << notFound;
}

void tst_TSetupSupporter::cardsList()
{
    QFETCH(int, count);
    QFETCH(QStringList, texts);
    QFETCH(int, handlerCalls);
    QFETCH(QString, list);
    QFETCH(QString, title);

    bindFakeDriver(count);
    QList<int> asked;
    m_SetSup->SetOnGetCardString([&](QObject *sender, int32_t cardIndex) {
        [&] { QCOMPARE(sender, m_SetSup); }();
        asked << cardIndex;
        return texts.value(cardIndex);
    });
    m_SetSup->BuildWindows();

    QCOMPARE(cardCountCalls, 1);
    QCOMPARE(asked.size(), handlerCalls);
    for (int i = 0; i < asked.size(); ++i)
        QCOMPARE(asked[i], i);
    TPCIForm *pciForm = m_SetSup->PCIForm();
    QVERIFY(pciForm);
    QVERIFY(pciForm->isVisible());
    QCOMPARE(pciForm->PCIMemo->toPlainText(), list);
    QCOMPARE(m_SetSup->HeaderLabel()->text(), title);
}

// A binding that found GetNumCards but missed another entry point leaves
// the reference set; calling it would trust a library that is not the one
// expected.
void tst_TSetupSupporter::unboundDriverMeansNoCards()
{
    LLZUBWDM::GetNumCards = fakeGetNumCards;
    cardCount = 2;
    bool asked = false;
    m_SetSup->SetOnGetCardString([&](QObject *, int32_t) {
        asked = true;
        return QStringLiteral("card");
    });
    m_SetSup->BuildWindows();

    QVERIFY(!LLZUBWDM::DriverBound);
    QCOMPARE(cardCountCalls, 0);
    QVERIFY(!asked);
    QCOMPARE(m_SetSup->PCIForm()->PCIMemo->toPlainText(), QStringLiteral("No Card Found"));
    QCOMPARE(m_SetSup->HeaderLabel()->text(), QStringLiteral("No QRV-PIN-40 Series Card Found"));
}

// Runs against whatever library the loader finds: none in the plain run,
// the test tree's stand-in (three cards) in the run that puts it on the
// library path and says so in FAKE_ZUBWDM_CARDS.
void tst_TSetupSupporter::cardsFromDriverLibrary()
{
    const int expectedCards = qEnvironmentVariableIntValue("FAKE_ZUBWDM_CARDS");
    m_SetSup->SetOnGetCardString([](QObject *, int32_t cardIndex) {
        return QStringLiteral("Card %1").arg(cardIndex);
    });
    m_SetSup->BuildWindows();

    QCOMPARE(LLZUBWDM::DriverBound, expectedCards > 0);
    QStringList lines;
    for (int i = 0; i < expectedCards; ++i)
        lines << QStringLiteral("Card %1").arg(i);
    QCOMPARE(m_SetSup->PCIForm()->PCIMemo->toPlainText(),
             expectedCards ? lines.join('\n') : QStringLiteral("No Card Found"));
}

void tst_TSetupSupporter::useCardNameB()
{
    bindFakeDriver(1);
    m_SetSup->SetUseCardNameB(true);
    m_SetSup->SetOnGetCardString([](QObject *, int32_t) { return QStringLiteral("card"); });
    m_SetSup->BuildWindows();

    QCOMPARE(m_SetSup->HeaderLabel()->text(), QStringLiteral("QRV-PIN40 Series Settings Program"));
    QCOMPARE(m_SetSup->PCIForm()->windowTitle(), QStringLiteral("QRV-PIN40 Cards installed"));
    QCOMPARE(m_MainForm->findChild<QAction *>(QStringLiteral("DisplayPCI"))->text(),
             QStringLiteral("Display QRV-PIN40 Cards Installed"));
    const QString instructions = m_SetSup->HelpForm()->HelpRich->toPlainText();
    QVERIFY(instructions.startsWith(QStringLiteral("KELDO QRV-PIN40 Series Settings Program")));
    QVERIFY(instructions.contains(QStringLiteral("To see a list of QRV-PIN40 cards installed, click "
                                                 "\"Display QRV-PIN40 Cards Installed\"")));
    QVERIFY(!instructions.contains(QStringLiteral("QRV-PIN-40")));
}

void tst_TSetupSupporter::fileMenuItem_data()
{
    QTest::addColumn<QStringList>("menus");
    QTest::addColumn<int>("menuWithItem");

    QTest::newRow("&File") << QStringList{"&Help", "&File"} << 1;
    QTest::newRow("two &File menus") << QStringList{"&File", "&File"} << 0;
    QTest::newRow("File") << QStringList{"File", "&Help"} << -1;
    QTest::newRow("&file") << QStringList{"&file", "&Help"} << -1;
    QTest::newRow("no menu bar") << QStringList() << -1;
}

void tst_TSetupSupporter::fileMenuItem()
{
    QFETCH(QStringList, menus);
    QFETCH(int, menuWithItem);

    makeMainForm(menus);
    bindFakeDriver(1);
    m_SetSup->SetOnGetCardString([](QObject *, int32_t) { return QStringLiteral("card"); });
    m_SetSup->BuildWindows();

    if (menus.isEmpty())
        QVERIFY(!m_MainForm->menuWidget());
    QCOMPARE(m_MainForm->findChildren<QAction *>(QStringLiteral("DisplayPCI")).size(),
             menuWithItem < 0 ? 0 : 1);
    TPCIForm *pciForm = m_SetSup->PCIForm();
    QVERIFY(pciForm && pciForm->isVisible());
    if (menuWithItem < 0)
        return;

    QMenu *menu = m_MainForm->menuBar()->actions().at(menuWithItem)->menu();
    QCOMPARE(menu->actions().size(), 2);
    QAction *item = menu->actions().first();
    QCOMPARE(item->objectName(), QStringLiteral("DisplayPCI"));
    QCOMPARE(item->text(), QStringLiteral("Display QRV-PIN-40 Cards Installed"));
    QCOMPARE(menu->actions().at(1)->text(), QStringLiteral("Item"));

    pciForm->hide();
    item->trigger();
    QVERIFY(pciForm->isVisible());
}

void tst_TSetupSupporter::closeButtonsHideTheirWindows()
{
    bindFakeDriver(1);
    m_SetSup->SetOnGetCardString([](QObject *, int32_t) { return QStringLiteral("card"); });
    m_SetSup->BuildWindows();

    TTechForm *techForm = m_SetSup->TechForm();
    techForm->show();
    techForm->CloseButton->click();
    QVERIFY(!techForm->isVisible());

    TPCIForm *pciForm = m_SetSup->PCIForm();
    QVERIFY(pciForm->isVisible());
    pciForm->CloseButton->click();
    QVERIFY(!pciForm->isVisible());
}

void tst_TSetupSupporter::idleHookBuildsOnceAndOpensInstructions()
{
    TSetupSupporter *setSup = m_SetSup;
    TApplication::SetOnIdle(std::bind_front(&TSetupSupporter::ApplicationIdle, setSup));
    RunEventLoopFor(50);
    QVERIFY2(!setSup->HeaderLabel(), "built before the main window was shown");

    m_MainForm->show();
    QVERIFY(RunEventLoopUntil([&] { return setSup->HeaderLabel(); }));
    QVERIFY(!TApplication::OnIdle());
    QVERIFY(!setSup->HelpForm()->isVisible());
    QVERIFY(setSup->ShowHelpPending());

    QVERIFY(RunEventLoopUntil([&] { return setSup->HelpForm()->isVisible(); }));
    QVERIFY(!setSup->ShowHelpPending());
    QVERIFY(!setSup->TechForm()->isVisible());
    QVERIFY(!setSup->PCIForm());
    RunEventLoopFor(300);
    QCOMPARE(m_MainForm->findChildren<QLabel *>(QStringLiteral("HeaderLabel")).size(), 1);
    QCOMPARE(m_MainForm->findChildren<THelpForm *>().size(), 1);
    QVERIFY(m_Reported.isEmpty());
}

void tst_TSetupSupporter::idleHookRunsOnceWhenTimerIsUnavailable()
{
    int timerRequests = 0;
    TSetupSupporter::SetTimerStarter([&](QObject *, int interval) {
        [&] { QCOMPARE(interval, 100); }();
        ++timerRequests;
        return 0;
    });
    TApplication::SetOnIdle(std::bind_front(&TSetupSupporter::ApplicationIdle, m_SetSup));
    m_MainForm->show();

    QVERIFY(RunEventLoopUntil([&] { return !m_Reported.isEmpty(); }));
    RunEventLoopFor(300);
    QCOMPARE(m_Reported, QStringList{"Not enough timers available"});
    QCOMPARE(timerRequests, 1);
    QVERIFY(!TApplication::OnIdle());
    QVERIFY(m_SetSup->HelpForm());
    QVERIFY(m_SetSup->TechForm());
    QVERIFY(!m_SetSup->HelpForm()->isVisible());
    QCOMPARE(m_MainForm->findChildren<QLabel *>(QStringLiteral("HeaderLabel")).size(), 1);

    QVERIFY_THROWS_EXCEPTION(EOutOfResources, m_SetSup->StartCalibration());
}

void tst_TSetupSupporter::helpPendingComesBeforeCalibration()
{
    int passes = 0;
    m_SetSup->SetOnBeginCalib([&](QObject *) { ++passes; });
    m_SetSup->SetOnGetCalibString([](QObject *, quint8, bool &itsAllBad) {
        itsAllBad = false;
        return QStringLiteral("ok");
    });
    m_SetSup->BuildWindows();
    m_SetSup->StartCalibration();
    QVERIFY(m_SetSup->ShowHelpPending());
    QVERIFY(m_SetSup->Calibrating());

    m_SetSup->TimerTick();
    QVERIFY(m_SetSup->HelpForm()->isVisible());
    QVERIFY(!m_SetSup->ShowHelpPending());
    QCOMPARE(passes, 0);

    m_SetSup->TimerTick();
    QCOMPARE(passes, 1);
    QVERIFY(m_Boxes.isEmpty());
}

void tst_TSetupSupporter::passWithGoodChannel()
{
    addDisplay();
    QPlainTextEdit *secondReadings = new QPlainTextEdit(m_MainForm->centralWidget());
    secondReadings->setPlainText(QStringLiteral("0\n1\n2\n3\n4"));
    m_SetSup->AddCalibDisplay({[&] { return secondReadings; }, {}, {}});

    QList<QObject *> beginSenders;
    m_SetSup->SetOnBeginCalib([&](QObject *sender) { beginSenders << sender; });
    QList<bool> flagsSeen;
    m_SetSup->SetOnGetCalibString([&](QObject *, quint8 channel, bool &itsAllBad) {
        flagsSeen << itsAllBad;
        if (channel == 3)
            itsAllBad = false;
        return QStringLiteral("%1 V").arg(channel * 2);
    });
    m_SetSup->StartCalibration();
    m_SetSup->TimerTick();

    QCOMPARE(beginSenders, QList<QObject *>{m_SetSup});
    QCOMPARE(flagsSeen, (QList<bool>{true, true, true, true}));
    QVERIFY(m_Boxes.isEmpty());
    QVERIFY(m_SetSup->Calibrating());
    QVERIFY(m_HideOnTick->isHidden());
    const QString lines = QStringLiteral("Channel 0\t0 V\nChannel 1\t2 V\nChannel 2\t4 V\nChannel 3\t6 V");
    QCOMPARE(m_Readings->toPlainText(), lines);
    QCOMPARE(secondReadings->toPlainText(), lines + QStringLiteral("\n4"));
    QCOMPARE(m_ActionButton->text(), QStringLiteral("Stop"));
}

void tst_TSetupSupporter::passWithoutReadingHandler()
{
    addDisplay();
    bool started = false;
    m_SetSup->SetOnStartButtonClick([&](QObject *sender) { started = sender == m_ActionButton; });
    m_SetSup->StartCalibration();
    m_SetSup->TimerTick();

    QCOMPARE(m_Boxes.size(), 1);
    QCOMPARE(m_Boxes[0].text, QStringLiteral("Error: calibration begun, but OnGetCalibString isn't assigned."));
    QCOMPARE(m_Boxes[0].caption, QStringLiteral("OnGetCalibString Not Assigned"));
    QCOMPARE(m_Boxes[0].flags, 0x50030u);
    QVERIFY(!m_SetSup->Calibrating());
    QVERIFY(!m_HideOnTick->isHidden());
    QCOMPARE(m_ActionButton->text(), QStringLiteral("Start"));
    m_ActionButton->click();
    QVERIFY(started);
}

void tst_TSetupSupporter::totalFailure_data()
{
    QTest::addColumn<int>("channels");
    QTest::addColumn<bool>("changeButtons");

    QTest::newRow("no channels") << 0 << true;
    QTest::newRow("four bad channels") << 4 << true;
    QTest::newRow("buttons left alone") << 4 << false;
}

void tst_TSetupSupporter::totalFailure()
{
    QFETCH(int, channels);
    QFETCH(bool, changeButtons);

    addDisplay();
    int stopClicks = 0;
    connect(m_ActionButton, &QPushButton::clicked, this, [&] { ++stopClicks; });
    int startClicks = 0;
    m_SetSup->SetOnStartButtonClick([&](QObject *) { ++startClicks; });
    m_SetSup->SetChannels(quint8(channels));
    m_SetSup->SetChangeButtons(changeButtons);
    int readings = 0;
    m_SetSup->SetOnGetCalibString([&](QObject *, quint8, bool &) {
        ++readings;
        return QStringLiteral("bad");
    });
    bool calibratingWhenAsked = true;
    TSetupSupporter::SetMessageBox([&](const QString &text, const QString &caption, unsigned flags) {
        calibratingWhenAsked = m_SetSup->Calibrating();
        m_Boxes.append({text, caption, flags});
        return int(TSetupSupporter::IDCANCEL);
    });
    m_SetSup->StartCalibration();
    m_SetSup->TimerTick();

    QCOMPARE(readings, channels);
    QCOMPARE(m_Boxes.size(), 1);
    QCOMPARE(m_Boxes[0].text, totalFailureText);
    QCOMPARE(m_Boxes[0].caption, QStringLiteral("Total A/D failure"));
    QCOMPARE(m_Boxes[0].flags, 0x50135u);
    QVERIFY(!calibratingWhenAsked);
    QVERIFY(!m_SetSup->Calibrating());

    m_ActionButton->click();
    QCOMPARE(m_ActionButton->text(), changeButtons ? QStringLiteral("Start") : QStringLiteral("Stop"));
    QCOMPARE(startClicks, changeButtons ? 1 : 0);
    QCOMPARE(stopClicks, changeButtons ? 0 : 1);
}

void tst_TSetupSupporter::retryRunsAnotherPass()
{
    addDisplay();
    m_SetSup->SetOnGetCalibString([](QObject *, quint8, bool &) { return QStringLiteral("bad"); });
    int passes = 0;
    m_SetSup->SetOnBeginCalib([&](QObject *) { ++passes; });
    m_Answers = {TSetupSupporter::IDRETRY, TSetupSupporter::IDCANCEL};
    m_SetSup->StartCalibration();

    QVERIFY(RunEventLoopUntil([&] { return m_Boxes.size() == 2; }));
    QCOMPARE(passes, 2);
    QVERIFY(!m_SetSup->Calibrating());
    QCOMPARE(m_ActionButton->text(), QStringLiteral("Start"));
    RunEventLoopFor(300);
    QCOMPARE(passes, 2);
}

void tst_TSetupSupporter::tickExceptionIsReportedAndTimerKeepsRunning()
{
    int passes = 0;
    m_SetSup->SetOnBeginCalib([&](QObject *) {
        ++passes;
        throw std::runtime_error("reading failed");
    });
    m_SetSup->StartCalibration();

    QVERIFY(RunEventLoopUntil([&] { return passes >= 2; }));
    QVERIFY(m_SetSup->Calibrating());
    QCOMPARE(m_Reported.first(), QStringLiteral("reading failed"));
    QVERIFY(m_Boxes.isEmpty());
}

QTEST_MAIN(tst_TSetupSupporter)
#include "tst_tsetupsupporter.moc"
