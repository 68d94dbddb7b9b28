#include "activatefirstevent.h"
#include "instructionstext.h"
#include "tapplication.h"
#include "tboardimage.h"
#include "thelpform.h"
#include "tpciform.h"
#include "ttechform.h"

#include <QtTest>
#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

#include <memory>

namespace {

const QByteArray notePieces =
    R"({\fs32\b Note:} Make sure to set the jumpers for each option group \emdash  the configuration )"
    R"(options for each port are handled identically; this program only shows the setup once, but you )"
    R"(need to perform this setup for each group of options on your device.\par\par)" "\r\n";
const QByteArray cardsPieces =
    R"(To see a list of QRV-PIN-40 cards installed, click "Display QRV-PIN-40 Cards Installed" under )"
    R"(the File menu.\par\par)" "\r\n";

// The format of the first character of run inside phrase.
QTextCharFormat formatOf(const QTextDocument *document, const QString &phrase, const QString &run)
{
    const QTextCursor found = document->find(phrase);
    if (found.isNull() || !phrase.contains(run))
        return {};
    QTextCursor cursor(const_cast<QTextDocument *>(document));
    cursor.setPosition(found.selectionStart() + int(phrase.indexOf(run)) + 1);
    return cursor.charFormat();
}

// Records the board images that were asked to activate their first spot.
class ActivationRecorder : public QObject
{
public:
    QList<QObject *> activated;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == ActivateFirstEvent::WM_ACTIVATEFIRST) {
            const auto *message = static_cast<ActivateFirstEvent *>(event);
            if (message->WParam == 0 && message->LParam == 0)
                activated << watched;
            return true;
        }
        return false;
    }
};

class DerivedBoardImage : public TBoardImage
{
public:
    using TBoardImage::TBoardImage;
};

} // namespace

class tst_SupportWindows : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void instructionsText();
    void instructionsPieces_data();
    void instructionsPieces();
    void namesAreTextInInstructions();
    void renderedFormats();
    void helpFormLayout();
    void helpFormCentredOverMainForm();
    void techFormLayout();
    void pciFormLayout();
    void startButton_data();
    void startButton();
    void startButtonKeys_data();
    void startButtonKeys();
    void escapePressesClose();

private:
    THelpForm *makeHelpForm();

    std::unique_ptr<QMainWindow> m_MainForm;
};

void tst_SupportWindows::init()
{
    m_MainForm = std::make_unique<QMainWindow>();
    m_MainForm->setCentralWidget(new QWidget);
    m_MainForm->setGeometry(100, 50, 800, 600);
    TApplication::SetMainForm(m_MainForm.get());
}

void tst_SupportWindows::cleanup()
{
    TApplication::SetMainForm(nullptr);
    m_MainForm.reset();
}

THelpForm *tst_SupportWindows::makeHelpForm()
{
    return new THelpForm(m_MainForm.get(),
                         THelpForm::InstructionsText(QStringLiteral("KELDO"), QStringLiteral("QRV-PIN-40"),
                                                     true, true, false));
}

void tst_SupportWindows::instructionsText()
{
    QCOMPARE(THelpForm::InstructionsText(QStringLiteral("KELDO"), QStringLiteral("QRV-PIN-40"), true,
                                         true, false),
             InstructionsText);
}

void tst_SupportWindows::instructionsPieces_data()
{
    QTest::addColumn<bool>("bSeries");
    QTest::addColumn<bool>("multiPort");
    QTest::addColumn<bool>("listsCards");

    QTest::newRow("single port") << true << false << false;
    QTest::newRow("cards list") << true << true << true;
    QTest::newRow("cards list, single port") << true << false << true;
    QTest::newRow("no series") << false << true << false;
}

void tst_SupportWindows::instructionsPieces()
{
    QFETCH(bool, bSeries);
    QFETCH(bool, multiPort);
    QFETCH(bool, listsCards);

    const QByteArray rtf = THelpForm::InstructionsText(QStringLiteral("KELDO"), QStringLiteral("QRV-PIN-40"),
                                                       bSeries, multiPort, listsCards);
    QByteArray expected = InstructionsText;
    if (!bSeries)
        expected.replace(" Series Settings Program}", " Settings Program}");
    if (!multiPort)
        expected.replace(notePieces, "");
    if (listsCards)
        expected.insert(expected.size() - 1, cardsPieces);
    QCOMPARE(rtf, expected);

    THelpForm form(m_MainForm.get(), rtf);
    const QString text = form.HelpRich->toPlainText();
    QCOMPARE(text.startsWith(bSeries ? QStringLiteral("KELDO QRV-PIN-40 Series Settings Program\n")
                                     : QStringLiteral("KELDO QRV-PIN-40 Settings Program\n")),
             true);
    QCOMPARE(text.contains(QStringLiteral("Note: Make sure")), multiPort);
    QCOMPARE(text.contains(QStringLiteral("click \"Display QRV-PIN-40 Cards Installed\" under the File menu.")),
             listsCards);
}

// Names are shown as written, whatever characters they hold.
void tst_SupportWindows::namesAreTextInInstructions()
{
    const QString company = QStringLiteral("K{E}L\\D\u00D6 \u2116");
    THelpForm form(m_MainForm.get(),
                   THelpForm::InstructionsText(company, QStringLiteral("QRV"), false, false, true));
    const QString text = form.HelpRich->toPlainText();
    QVERIFY2(text.startsWith(company + QStringLiteral(" QRV Settings Program\n")), qPrintable(text));
    QVERIFY(text.endsWith(QStringLiteral("under the File menu.\n\n")));
}

void tst_SupportWindows::renderedFormats()
{
    std::unique_ptr<THelpForm> form(makeHelpForm());
    const QTextDocument *document = form->HelpRich->document();

    const QTextCharFormat title = formatOf(document, QStringLiteral("KELDO QRV-PIN-40 Series Settings Program"),
                                           QStringLiteral("KELDO"));
    QVERIFY(title.fontFamilies().toStringList().contains(QStringLiteral("Verdana")));
    QCOMPARE(title.fontWeight(), int(QFont::Bold));
    QCOMPARE(title.fontPointSize(), 16.0);
    QCOMPARE(title.foreground().color(), QColor(64, 64, 64));

    // Each run is found inside a phrase that occurs once.
    struct Run
    {
        QString phrase;
        QString run;
        QColor colour;
        bool bold;
        qreal size;
    };
    const QColor grey(64, 64, 64), yellow(255, 255, 64), blue(64, 64, 255), red(255, 64, 64);
    const QList<Run> runs{
        {QStringLiteral("Yellow circles provide"), QStringLiteral("Yellow circles"), yellow, true, 12},
        {QStringLiteral("Yellow circles provide"), QStringLiteral("provide"), grey, false, 12},
        {QStringLiteral("Blue circles are"), QStringLiteral("Blue circles"), blue, true, 12},
        {QStringLiteral("Red circles handle"), QStringLiteral("Red circles"), red, true, 12},
        {QStringLiteral("the setup circles"), QStringLiteral("setup circles"), yellow, false, 12},
        {QStringLiteral("the calibration circles."), QStringLiteral("calibration circles"), red, false, 12},
        {QStringLiteral("for setup, features, and calibration."), QStringLiteral("setup"), yellow, false, 12},
        {QStringLiteral("for setup, features, and calibration."), QStringLiteral("features"), blue, false, 12},
        {QStringLiteral("for setup, features, and calibration."), QStringLiteral("calibration"), red, false, 12},
        {QStringLiteral("Note: Make sure"), QStringLiteral("Note:"), grey, true, 16},
        {QStringLiteral("Note: Make sure"), QStringLiteral("Make sure"), grey, false, 12},
    };
    for (const Run &run : runs) {
        const QTextCharFormat format = formatOf(document, run.phrase, run.run);
        QVERIFY2(format.isValid(), qPrintable(run.phrase));
        QCOMPARE(format.foreground().color(), run.colour);
        QCOMPARE(format.fontWeight() == QFont::Bold, run.bold);
        QCOMPARE(format.fontPointSize(), run.size);
    }
    QVERIFY(document->toPlainText().contains(QStringLiteral("option group \u2014 the configuration")));
    QCOMPARE(form->HelpRich->palette().color(QPalette::Base), QColor(0xDD, 0xDD, 0xDD));
    QVERIFY(form->HelpRich->isReadOnly());
}

// Run once per screen configuration (see the CMake file); the expected
// client size belongs to the primary screen of the run.
void tst_SupportWindows::helpFormLayout()
{
    const QMap<QPair<int, int>, QSize> clientSizes{
        {{640, 480}, QSize(305, 138)},
        {{800, 600}, QSize(305, 138)},
        {{1024, 768}, QSize(390, 177)},
        {{1280, 1024}, QSize(488, 221)},
        {{1920, 1080}, QSize(732, 331)},
    };
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    const QSize client = clientSizes.value({screen.width(), screen.height()});
    QVERIFY2(client.isValid(), "no expected size for this screen");

    std::unique_ptr<THelpForm> form(makeHelpForm());
    QCOMPARE(form->objectName(), QStringLiteral("HelpForm"));
    QCOMPARE(form->windowTitle(), QStringLiteral("Instructions for Settings utility"));
    QVERIFY(form->isWindow());
    QVERIFY(form->windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(form->parentWidget(), m_MainForm.get());
    QVERIFY(!form->isVisible());
    QCOMPARE(form->size(), client);

    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    QCOMPARE(form->size(), client);
    QCOMPARE(form->HelpLabel->text(), QStringLiteral("How to use this program"));
    QCOMPARE(form->HelpLabel->geometry().topLeft(), QPoint(0, 0));
    QCOMPARE(form->HelpLabel->width(), client.width());
    QCOMPARE(form->HelpLabel->font().family(), QStringLiteral("Verdana"));
    QCOMPARE(form->HelpLabel->font().pointSize(), 12);
    QVERIFY(form->HelpLabel->font().bold());
    QCOMPARE(form->HelpRich->geometry(), QRect(0, 24, client.width(), client.height() - 65));
    QVERIFY(form->HelpRich->verticalScrollBar()->maximum() > 0);
    QCOMPARE(form->HelpRich->verticalScrollBar()->value(), 0);

    QPushButton *start = form->StartButton;
    QCOMPARE(start->text(), QStringLiteral("Start"));
    QCOMPARE(start->size(), QSize(173, 25));
    QCOMPARE(form->height() - start->geometry().bottom() - 1, 8);
    QVERIFY(qAbs(start->x() + 173 / 2 - client.width() / 2) <= 1);
    if (client == QSize(305, 138))
        QCOMPARE(start->pos(), QPoint(66, 105));
}

void tst_SupportWindows::helpFormCentredOverMainForm()
{
    m_MainForm->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_MainForm.get()));
    std::unique_ptr<THelpForm> form(makeHelpForm());
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));

    const QRect main = m_MainForm->frameGeometry();
    const QRect own = form->frameGeometry();
    QCOMPARE(own.left(), main.left() + (main.width() - own.width()) / 2);
    QCOMPARE(own.top(), main.top() + (main.height() - own.height()) / 2);

    // Centred again when shown again after the main window moved.
    form->hide();
    m_MainForm->move(main.topLeft() + QPoint(40, 30));
    form->show();
    QTRY_COMPARE(form->frameGeometry().topLeft(), own.topLeft() + QPoint(40, 30));
}

void tst_SupportWindows::techFormLayout()
{
    const QString text = TTechForm::SupportText(QStringLiteral("KELDO"), QStringLiteral("at 555-0100"));
    QCOMPARE(text,
             QStringLiteral("There are several ways to get technical support. First and fastest is to "
                            "skim the relevant sections of the manual. However, some questions require "
                            "personal assistance, and KELDO stands ready to provide that help. You can "
                            "call us at 555-0100 for any of your product questions.\r\n\r\nIn order to "
                            "provide the best and fastest support possible, we ask that you be at your "
                            "computer when you call, and have the KELDO product manual and Software "
                            "Master CD at hand."));

    std::unique_ptr<TTechForm> form(new TTechForm(m_MainForm.get(), text));
    QCOMPARE(form->objectName(), QStringLiteral("TechForm"));
    QCOMPARE(form->windowTitle(), QStringLiteral("Technical Support"));
    QVERIFY(form->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(!form->isVisible());
    QCOMPARE(form->size(), QSize(305, 122));
    QCOMPARE(form->TechMemo->geometry(), QRect(0, 0, 305, 89));
    QCOMPARE(form->CloseButton->geometry(), QRect(116, 97, 73, 25));
    QCOMPARE(form->CloseButton->text(), QStringLiteral("Close"));
    QVERIFY(form->TechMemo->isReadOnly());
    QCOMPARE(form->TechMemo->document()->blockCount(), 3);
    QVERIFY(form->TechMemo->document()->findBlockByNumber(1).text().isEmpty());

    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    form->resize(405, 172);
    QCOMPARE(form->TechMemo->geometry(), QRect(0, 0, 405, 139));
    QCOMPARE(form->CloseButton->geometry(), QRect(166, 147, 73, 25));
}

void tst_SupportWindows::pciFormLayout()
{
    std::unique_ptr<TPCIForm> form(new TPCIForm(m_MainForm.get(), QStringLiteral("QRV-PIN-40")));
    QCOMPARE(form->objectName(), QStringLiteral("PCIForm"));
    QCOMPARE(form->windowTitle(), QStringLiteral("QRV-PIN-40 Cards installed"));
    QVERIFY(form->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(form->isVisible());
    QCOMPARE(form->size(), QSize(305, 122));
    QCOMPARE(form->PCIMemo->geometry(), QRect(0, 0, 305, 89));
    QCOMPARE(form->CloseButton->geometry(), QRect(115, 97, 73, 25));
    QVERIFY(form->PCIMemo->isVisible());
    QVERIFY(form->CloseButton->isVisible());
    QCOMPARE(form->PCIMemo->font().family(), QStringLiteral("Tahoma"));
    QCOMPARE(form->PCIMemo->font().pointSize(), 10);
    QVERIFY(form->PCIMemo->font().bold());
    QVERIFY(form->PCIMemo->isReadOnly());

    form->resize(405, 172);
    QCOMPARE(form->PCIMemo->geometry(), QRect(0, 0, 405, 139));
    QCOMPARE(form->CloseButton->y(), 147);
}

void tst_SupportWindows::startButton_data()
{
    QTest::addColumn<QStringList>("children");
    QTest::addColumn<int>("activated");

    QTest::newRow("no board image") << QStringList{"label", "nested"} << -1;
    QTest::newRow("one") << QStringList{"nested", "label", "image"} << 2;
    QTest::newRow("two") << QStringList{"image", "label", "image"} << 0;
    QTest::newRow("derived") << QStringList{"label", "derived", "image"} << 1;
}

void tst_SupportWindows::startButton()
{
    QFETCH(QStringList, children);
    QFETCH(int, activated);

    ActivationRecorder recorder;
    QWidget *client = m_MainForm->centralWidget();
    QList<QObject *> made;
    for (const QString &kind : children) {
        QWidget *child = nullptr;
        if (kind == "label") {
            child = new QLabel(client);
        } else if (kind == "image") {
            child = new TBoardImage(client);
        } else if (kind == "derived") {
            child = new DerivedBoardImage(client);
        } else {
            // Only direct children of the client area count.
            child = new QWidget(client);
            new TBoardImage(child);
        }
        made << child;
    }
    for (TBoardImage *image : client->findChildren<TBoardImage *>())
        image->installEventFilter(&recorder);

    std::unique_ptr<THelpForm> form(makeHelpForm());
    form->show();
    form->StartButton->click();

    QVERIFY(!form->isVisible());
    QCOMPARE(recorder.activated, activated < 0 ? QList<QObject *>() : QList<QObject *>{made[activated]});
}

void tst_SupportWindows::startButtonKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("focusOnText");

    QTest::newRow("Enter") << int(Qt::Key_Return) << false;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << false;
    QTest::newRow("Esc") << int(Qt::Key_Escape) << false;
    QTest::newRow("Esc in the text") << int(Qt::Key_Escape) << true;
}

void tst_SupportWindows::startButtonKeys()
{
    QFETCH(int, key);
    QFETCH(bool, focusOnText);

    ActivationRecorder recorder;
    auto *image = new TBoardImage(m_MainForm->centralWidget());
    image->installEventFilter(&recorder);
    m_MainForm->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_MainForm.get()));

    std::unique_ptr<THelpForm> form(makeHelpForm());
    form->show();
    form->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), form.get());
    QCOMPARE(QApplication::focusWidget(), form->StartButton);
    if (focusOnText)
        form->HelpRich->setFocus();

    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QVERIFY(!form->isVisible());
    QCOMPARE(recorder.activated, QList<QObject *>{image});
}

void tst_SupportWindows::escapePressesClose()
{
    std::unique_ptr<TTechForm> techForm(new TTechForm(m_MainForm.get(), QStringLiteral("text")));
    std::unique_ptr<TPCIForm> pciForm(new TPCIForm(m_MainForm.get(), QStringLiteral("QRV")));
    for (QWidget *form : {static_cast<QWidget *>(techForm.get()), static_cast<QWidget *>(pciForm.get())}) {
        QPushButton *close = form->findChild<QPushButton *>(QStringLiteral("CloseButton"));
        QSignalSpy clicks(close, &QPushButton::clicked);
        form->show();
        form->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), form);
        QCOMPARE(QApplication::focusWidget(), close);

        QTest::keyClick(close, Qt::Key_Escape);
        QCOMPARE(clicks.size(), 1);
        QTest::keyClick(form->findChild<QPlainTextEdit *>(), Qt::Key_Escape);
        QCOMPARE(clicks.size(), 2);
        QTest::keyClick(close, Qt::Key_Return);
        QCOMPARE(clicks.size(), 3);
        form->hide();
    }
}

QTEST_MAIN(tst_SupportWindows)
#include "tst_supportwindows.moc"
