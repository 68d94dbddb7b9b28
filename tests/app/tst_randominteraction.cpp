#include "../setupctrls/idleloop.h"
#include "pointerposition.h"
#include "tapplication.h"
#include "tboardhighlight.h"
#include "tboardimage.h"
#include "thelpform.h"
#include "tmainform.h"
#include "tpopupform.h"
#include "tsetupsupporter.h"
#include "tthreejumper.h"
#include "ttechform.h"

#include <QtTest>

#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QStyleOptionButton>

#include <functional>

// Drives the whole board page through a long random series of what a user
// can do (pointer moves over circles and popups, clicks on circles,
// jumpers, radio buttons and popup buttons, menu entries, close boxes, the
// instructions window's Start button) and checks after every step that the
// popups, check marks, lit circles, activation and jumpers agree with one
// another, and that the step itself did what it promises (a click pins, a
// checked entry closes, Next opens the next entry, a jumper moves on).
//
// SETUP_RANDOM_SEED=<n> runs only that seed, SETUP_RANDOM_STEPS=<n> sets the
// number of steps per seed; a failure names the seed and the step.
//
// The pointer. The offscreen platform hands every pointer move to the
// lowest window under the cursor, which is the maximized main window, and
// never tells the popups, the instructions or the support window that the
// pointer came or went. So the test keeps the pointer's true position and
// the window it is in itself, and reports that position to the program
// through PointerPosition. While the pointer is over the main window the
// real cursor goes there, and the platform delivers the enter and leave
// notifications to the circles. While it is over another window the real
// cursor waits on a blank spot of the main window, away from every circle,
// so that the circle it came from is told it was left; and when it leaves
// a popup, the popup is sent the leave notification a real platform would
// send. When a window appears under the resting pointer or vanishes from
// beneath it, the same happens, as it does on a desktop.

namespace {

QtMessageHandler PassedOn = nullptr;

// The offscreen platform says at every popup that it cannot raise windows
// or pass on size hints; the stacking is kept by WindowStack below.
void DropPlatformNotes(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    PassedOn(type, context, message);
}

// A spot of the main window that is on no circle: below and right of the
// board image.
const QPoint Parking(1020, 760);

int EnvironmentNumber(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

QString Where(const QPoint &p)
{
    return QStringLiteral("(%1, %2)").arg(p.x()).arg(p.y());
}

// Keeps the stacking order of the program's other windows: the latest one
// shown or raised is on top. The offscreen platform keeps none.
class WindowStack : public QObject
{
public:
    explicit WindowStack(QWidget *mainForm) : m_MainForm(mainForm) { qApp->installEventFilter(this); }
    ~WindowStack() override { qApp->removeEventFilter(this); }

    // The topmost visible window whose outer rectangle holds p, or the
    // main window.
    QWidget *At(const QPoint &p) const
    {
        for (auto it = m_Windows.crbegin(); it != m_Windows.crend(); ++it) {
            if (*it && (*it)->isVisible() && (*it)->frameGeometry().contains(p))
                return *it;
        }
        return m_MainForm;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if ((event->type() == QEvent::Show || event->type() == QEvent::ZOrderChange) && watched->isWidgetType()) {
            auto *widget = static_cast<QWidget *>(watched);
            if (widget->isWindow() && widget != m_MainForm && widget->windowType() != Qt::Popup
                && widget->windowType() != Qt::ToolTip) {
                m_Windows.removeAll(widget);
                m_Windows.append(widget);
            }
        }
        return false;
    }

private:
    QWidget *m_MainForm;
    QList<QPointer<QWidget>> m_Windows;
};

} // namespace

class tst_RandomInteraction : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { PassedOn = qInstallMessageHandler(DropPlatformNotes); }
    void cleanupTestCase() { qInstallMessageHandler(PassedOn); }
    void init();
    void cleanup();

    void randomSteps_data();
    void randomSteps();

private:
    struct Action
    {
        int weight;
        std::function<QString()> perform; // what it did, or empty when it could not
    };

    void MoveTo(const QPoint &global);
    void SettlePointer();
    QWidget *WindowUnderPointer() const { return stack->At(pointer); }
    bool Uncovered(const QWidget *window, const QPoint &global) const { return stack->At(global) == window; }

    QList<TPopupForm *> VisiblePopups() const;
    QList<TBoardHighlight *> LinkedSet(const TBoardHighlight *highlight) const;
    TPopupForm *SetPopup(const TBoardHighlight *highlight) const;
    bool ShownAndPinned(const TBoardHighlight *highlight) const;
    QAction *MenuEntry(const TBoardHighlight *highlight) const;
    QList<QAction *> MenuEntries() const;
    QString CheckInvariants() const;
    void Expect(bool holds, const QString &otherwise);
    void NoteReached(QMap<QString, int> &reached) const;
    QList<Action> Actions();

    int Below(int bound) { return int(random.bounded(bound)); }
    template<typename T>
    T Pick(const QList<T> &list) { return list.at(Below(int(list.size()))); }
    QPoint PointIn(const QRect &rect) { return rect.topLeft() + QPoint(Below(rect.width()), Below(rect.height())); }
    struct Click
    {
        QString done; // what happened, or empty when no spot was free
        bool clicked = false;
    };
    Click ClickIn(QWidget *widget, const QString &what, QRect area = {});

    TMainForm *form = nullptr;
    WindowStack *stack = nullptr;
    QList<TBoardHighlight *> highlights;
    QRandomGenerator random;
    QPoint pointer = Parking;
    QPointer<QWidget> pointerWindow;
    QString transitionFailure;
};

void tst_RandomInteraction::init()
{
    QCursor::setPos(Parking);
    pointer = Parking;
    PointerPosition::SetSource([this] { return pointer; });

    form = new TMainForm;
    stack = new WindowStack(form);
    pointerWindow = form;
    TApplication::SetMainForm(form);
    form->showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    highlights = form->BoardImage1->findChildren<TBoardHighlight *>(Qt::FindDirectChildrenOnly);
    QCOMPARE(highlights.size(), 8);
    QVERIFY(QTest::qWaitFor([this] {
        return std::all_of(highlights.begin(), highlights.end(), [](auto *h) { return h->Prepared(); });
    }));
    // The first idle moment builds the supporter's windows, and its timer
    // opens the instructions shortly after.
    QVERIFY(RunEventLoopUntil([this] { return form->SetSup->HelpForm() && form->SetSup->HelpForm()->isVisible(); }));
}

void tst_RandomInteraction::cleanup()
{
    delete stack;
    stack = nullptr;
    TApplication::SetMainForm(nullptr);
    delete form;
    form = nullptr;
    PointerPosition::SetSource(nullptr);
}

// Sets the pointer down at global and tells whichever windows it has left
// and entered.
void tst_RandomInteraction::MoveTo(const QPoint &global)
{
    pointer = global;
    SettlePointer();
}

// Brings the notifications in line with where the pointer is and what lies
// under it now. An enter may open a popup under the pointer, and a leave
// may close one, so this goes on until nothing changes any more.
void tst_RandomInteraction::SettlePointer()
{
    for (int round = 0; round < 8; ++round) {
        QWidget *under = WindowUnderPointer();
        const QPoint cursor = under == form ? pointer : Parking;
        if (under == pointerWindow && QCursor::pos() == cursor)
            return;
        if (under != pointerWindow) {
            auto *left = qobject_cast<TPopupForm *>(pointerWindow.data());
            pointerWindow = under;
            if (left && left->isVisible()) {
                const bool closes = left->CloseOnLeave() && !left->frameGeometry().contains(pointer);
                QEvent leave(QEvent::Leave);
                QCoreApplication::sendEvent(left, &leave);
                if (closes)
                    Expect(!left->isVisible(), left->windowTitle() + ": entered popup left for " + Where(pointer)
                                                   + " stays open");
            }
        }
        if (QCursor::pos() != cursor)
            QCursor::setPos(cursor);
        QCoreApplication::processEvents();
    }
}

QList<TPopupForm *> tst_RandomInteraction::VisiblePopups() const
{
    QList<TPopupForm *> visible;
    for (TPopupForm *popup : form->findChildren<TPopupForm *>()) {
        if (popup->isVisible())
            visible.append(popup);
    }
    return visible;
}

QList<TBoardHighlight *> tst_RandomInteraction::LinkedSet(const TBoardHighlight *highlight) const
{
    QList<TBoardHighlight *> set;
    for (TBoardHighlight *other : highlights) {
        if (other->Title() == highlight->Title() && other->HighlightType() == highlight->HighlightType())
            set.append(other);
    }
    return set;
}

TPopupForm *tst_RandomInteraction::SetPopup(const TBoardHighlight *highlight) const
{
    for (const TBoardHighlight *member : LinkedSet(highlight)) {
        if (member->Popup())
            return member->Popup();
    }
    return nullptr;
}

bool tst_RandomInteraction::ShownAndPinned(const TBoardHighlight *highlight) const
{
    const TPopupForm *popup = SetPopup(highlight);
    return popup && popup->isVisible() && popup->OwnerHighlight()->Pinned();
}

QList<QAction *> tst_RandomInteraction::MenuEntries() const
{
    QList<QAction *> entries;
    for (QAction *top : form->MainMenu1->actions()) {
        if (top->menu() && (top->text() == "&Settings" || top->text() == "&Options"))
            entries += top->menu()->actions();
    }
    return entries;
}

QAction *tst_RandomInteraction::MenuEntry(const TBoardHighlight *highlight) const
{
    const QList<TBoardHighlight *> set = LinkedSet(highlight);
    for (QAction *entry : MenuEntries()) {
        if (set.contains(qobject_cast<TBoardHighlight *>(entry->data().value<QObject *>())))
            return entry;
    }
    return nullptr;
}

// Records the first broken promise of a single step; the step loop reports
// it with the seed.
void tst_RandomInteraction::Expect(bool holds, const QString &otherwise)
{
    if (!holds && transitionFailure.isEmpty())
        transitionFailure = otherwise;
}

QString tst_RandomInteraction::CheckInvariants() const
{
    const QList<QAction *> entries = MenuEntries();
    if (entries.size() != 7)
        return QStringLiteral("%1 menu entries instead of 7").arg(entries.size());

    QSet<TBoardHighlight *> seen;
    for (TBoardHighlight *highlight : highlights) {
        if (seen.contains(highlight))
            continue;
        const QList<TBoardHighlight *> set = LinkedSet(highlight);
        seen.unite(QSet<TBoardHighlight *>(set.begin(), set.end()));
        const QString name = highlight->PlainTitle();

        TPopupForm *popup = nullptr;
        for (TBoardHighlight *member : set) {
            if (member->Popup()) {
                if (popup)
                    return name + ": two popups for one linked set";
                popup = member->Popup();
            }
        }
        int shownWithCaption = 0;
        for (TPopupForm *shown : VisiblePopups()) {
            if (shown->windowTitle() == name && shown->Tag() == int(highlight->HighlightType()))
                ++shownWithCaption;
        }
        if (shownWithCaption > 1)
            return name + QStringLiteral(": %1 popups shown").arg(shownWithCaption);

        const bool shown = popup && popup->isVisible();
        const bool pinned = shown && popup->OwnerHighlight()->Pinned();
        if (!shown) {
            for (TBoardHighlight *member : set) {
                if (member->Lit())
                    return name + ": popup hidden but " + member->objectName() + " is lit";
            }
        }
        if (popup && popup->CloseOnLeave() && !pinned)
            return name + ": closes on leave, but is not shown and pinned";
        // Shown and not pinned, a popup lasts only while the pointer is on a
        // circle of its set.
        if (shown && !pinned && std::none_of(set.begin(), set.end(), [](auto *m) { return m->underMouse(); }))
            return name + ": shown unpinned with the pointer off its circles at " + Where(pointer);
        const bool active = popup && QApplication::activeWindow() == popup;
        for (TBoardHighlight *member : set) {
            if (member->PopupActive() != active)
                return name + ": " + member->objectName() + (active ? " misses" : " believes in")
                     + " the popup's activation";
        }

        const QAction *entry = MenuEntry(highlight);
        if (!entry)
            return name + ": no menu entry";
        if (entry->isChecked() != pinned)
            return name + QStringLiteral(": menu entry %1, popup %2")
                                  .arg(entry->isChecked() ? "checked" : "unchecked",
                                       !popup            ? "not created"
                                       : !shown          ? "hidden"
                                       : pinned          ? "shown and pinned"
                                                         : "shown, not pinned");
    }

    using J = TThreeJumper;
    const J::TJumperState pull = form->PullJumper->JumperState();
    const bool pullAgrees = (pull == J::jsLeft && form->PullUpRadio->isChecked())
                         || (pull == J::jsRight && form->PullDownRadio->isChecked())
                         || (pull == J::jsOpen && form->PullNoRadio->isChecked());
    if (!pullAgrees)
        return QStringLiteral("PullJumper at %1 with up %2, down %3, floating %4")
                .arg(int(pull))
                .arg(form->PullUpRadio->isChecked())
                .arg(form->PullDownRadio->isChecked())
                .arg(form->PullNoRadio->isChecked());
    const J::TJumperState power = form->BusPowerJumper->JumperState();
    const bool powerAgrees = (power == J::jsRight && form->BusPowerRadio->isChecked() && !form->ExtPowerRadio->isChecked())
                          || (power == J::jsLeft && form->ExtPowerRadio->isChecked() && !form->BusPowerRadio->isChecked());
    if (!powerAgrees)
        return QStringLiteral("BusPowerJumper at %1 with bus %2, external %3")
                .arg(int(power))
                .arg(form->BusPowerRadio->isChecked())
                .arg(form->ExtPowerRadio->isChecked());
    return {};
}

void tst_RandomInteraction::NoteReached(QMap<QString, int> &reached) const
{
    QSet<QString> now;
    for (TPopupForm *popup : VisiblePopups()) {
        now << (popup->CloseOnLeave()                 ? QStringLiteral("entered")
                : popup->OwnerHighlight()->Pinned() ? QStringLiteral("pinned")
                                                    : QStringLiteral("hovering"));
    }
    now << QStringLiteral("PullJumper %1").arg(int(form->PullJumper->JumperState()))
        << QStringLiteral("BusPowerJumper %1").arg(int(form->BusPowerJumper->JumperState()));
    if (form->SetSup->HelpForm()->isVisible())
        now << QStringLiteral("instructions shown");
    if (form->SetSup->TechForm()->isVisible())
        now << QStringLiteral("support shown");
    for (const QString &state : now)
        ++reached[state];
}

// Moves the pointer onto a spot of widget (within area, by default all of
// it) that no other window covers, and clicks there.
tst_RandomInteraction::Click tst_RandomInteraction::ClickIn(QWidget *widget, const QString &what, QRect area)
{
    if (area.isNull())
        area = widget->rect();
    for (int attempt = 0; attempt < 4; ++attempt) {
        const QPoint local = PointIn(area);
        const QPoint global = widget->mapToGlobal(local);
        if (!Uncovered(widget->window(), global))
            continue;
        MoveTo(global);
        // The move may have closed the window the widget is in.
        if (!widget->isVisible())
            return { what + QStringLiteral(" gone after moving to ") + Where(global) };
        QTest::mouseClick(widget, Qt::LeftButton, {}, local);
        return { what + QStringLiteral(" clicked at ") + Where(global), true };
    }
    return {};
}

QList<tst_RandomInteraction::Action> tst_RandomInteraction::Actions()
{
    const auto popupWith = [this](const std::function<bool(TPopupForm *)> &accept) -> TPopupForm * {
        QList<TPopupForm *> candidates;
        for (TPopupForm *popup : VisiblePopups()) {
            if (accept(popup))
                candidates.append(popup);
        }
        return candidates.isEmpty() ? nullptr : Pick(candidates);
    };
    const auto anyPopup = [](TPopupForm *) { return true; };

    return {
        { 10, [this] {
             const QPoint p(Below(1024), Below(768));
             MoveTo(p);
             return "pointer to " + Where(p);
         } },
        { 18, [this] {
             TBoardHighlight *circle = Pick(highlights);
             const QPoint p = circle->mapToGlobal(PointIn(circle->rect()));
             MoveTo(p);
             return "pointer onto " + circle->objectName() + " at " + Where(p);
         } },
        { 6, [this, popupWith, anyPopup] {
             TPopupForm *popup = popupWith(anyPopup);
             if (!popup)
                 return QString();
             const QPoint p = PointIn(popup->frameGeometry());
             MoveTo(p);
             return "pointer into popup " + popup->windowTitle() + " at " + Where(p);
         } },
        // From a circle straight into the popup it has just opened, the
        // move that keeps the popup open until the pointer leaves it.
        { 8, [this, popupWith] {
             TPopupForm *popup = popupWith([](TPopupForm *p) { return !p->OwnerHighlight()->Pinned(); });
             if (!popup)
                 return QString();
             const QPoint p = PointIn(popup->frameGeometry());
             MoveTo(p);
             return "pointer on into the open popup " + popup->windowTitle() + " at " + Where(p);
         } },
        { 6, [this] {
             TBoardHighlight *circle = Pick(highlights);
             const Click click = ClickIn(circle, circle->objectName());
             if (click.clicked)
                 Expect(ShownAndPinned(circle), circle->objectName() + ": a click did not pin its popup");
             return click.done;
         } },
        { 8, [this] {
             QList<QAction *> entries;
             for (QAction *top : form->MainMenu1->actions()) {
                 if (top->menu() && top->text() != "&File" && top->text() != "&Help")
                     entries += top->menu()->actions();
             }
             QAction *entry = Pick(entries);
             // Chosen with the mouse, the pointer goes to the menu bar
             // first; through the keyboard it stays where it is.
             const bool mouse = Below(2);
             if (mouse)
                 MoveTo(form->menuBar()->mapToGlobal(PointIn(form->menuBar()->rect())));
             const bool wasChecked = entry->isChecked();
             entry->trigger();
             auto *owner = qobject_cast<TBoardHighlight *>(entry->data().value<QObject *>());
             if (wasChecked)
                 Expect(!SetPopup(owner)->isVisible(), entry->text() + ": the checked entry did not close its popup");
             else
                 Expect(ShownAndPinned(owner), entry->text() + ": the entry did not open its popup pinned");
             return QStringLiteral("menu entry %1 by %2").arg(entry->text(), mouse ? "mouse" : "keyboard");
         } },
        { 10, [this, popupWith, anyPopup] {
             TPopupForm *popup = popupWith(anyPopup);
             if (!popup)
                 return QString();
             QPushButton *button = Pick(QList<QPushButton *>{ popup->PreviousButton(), popup->NextButton(),
                                                              popup->DoneButton() });
             // Previous and Next go round the entries of the popup's own
             // menu.
             const QAction *entry = MenuEntry(popup->OwnerHighlight());
             QList<QAction *> siblings;
             for (QAction *top : form->MainMenu1->actions()) {
                 if (top->menu() && top->menu()->actions().contains(entry))
                     siblings = top->menu()->actions();
             }
             const qsizetype index = siblings.indexOf(entry);
             const qsizetype step = button == popup->NextButton() ? 1 : button == popup->PreviousButton() ? -1 : 0;
             const QAction *target = siblings.at((index + step + siblings.size()) % siblings.size());
             const Click click = ClickIn(button, popup->windowTitle() + " " + button->text());
             if (click.clicked) {
                 Expect(!popup->isVisible(), click.done + " left its popup open");
                 if (step != 0)
                     Expect(target->isChecked()
                                    && ShownAndPinned(qobject_cast<TBoardHighlight *>(target->data().value<QObject *>())),
                            click.done + " did not open " + target->text() + " pinned");
             }
             return click.done;
         } },
        { 6, [this, popupWith, anyPopup] {
             TPopupForm *popup = popupWith(anyPopup);
             if (!popup)
                 return QString();
             const bool mouse = Below(2);
             const QRect frame = popup->frameGeometry();
             if (mouse)
                 MoveTo(QPoint(frame.right() - 4, frame.top() + 2));
             popup->close();
             Expect(!popup->isVisible(), popup->windowTitle() + ": the close box left it open");
             return QStringLiteral("close box of %1 by %2").arg(popup->windowTitle(), mouse ? "mouse" : "keyboard");
         } },
        { 6, [this, popupWith] {
             TPopupForm *popup = popupWith([this](TPopupForm *p) {
                 return p->isAncestorOf(form->PullJumper) || p->isAncestorOf(form->BusPowerJumper);
             });
             if (!popup)
                 return QString();
             TThreeJumper *jumper = popup->isAncestorOf(form->PullJumper) ? form->PullJumper : form->BusPowerJumper;
             // The cap moves on by one: open, left, right and round again;
             // the power jumper skips open.
             using J = TThreeJumper;
             const J::TJumperState before = jumper->JumperState();
             J::TJumperState next = before == J::jsOpen ? J::jsLeft : before == J::jsLeft ? J::jsRight : J::jsOpen;
             if (jumper == form->BusPowerJumper && next == J::jsOpen)
                 next = J::jsLeft;
             const Click click = ClickIn(jumper, jumper->objectName());
             if (click.clicked)
                 Expect(jumper->JumperState() == next,
                        QStringLiteral("%1 went from %2 to %3").arg(click.done).arg(int(before)).arg(int(jumper->JumperState())));
             return click.done;
         } },
        { 6, [this, popupWith] {
             TPopupForm *popup = popupWith([this](TPopupForm *p) {
                 return p->isAncestorOf(form->PullJumper) || p->isAncestorOf(form->BusPowerJumper);
             });
             if (!popup)
                 return QString();
             QRadioButton *radio = Pick(popup->findChildren<QRadioButton *>());
             // A radio button takes clicks on its circle and its caption,
             // not on the empty rest of its width.
             QStyleOptionButton option;
             option.initFrom(radio);
             option.text = radio->text();
             const QRect clickable = radio->style()->subElementRect(QStyle::SE_RadioButtonClickRect, &option, radio);
             const Click click = ClickIn(radio, radio->objectName(), clickable);
             if (click.clicked)
                 Expect(radio->isChecked(), click.done + " left it unchecked");
             return click.done;
         } },
        { 2, [this, popupWith] {
             TPopupForm *popup = popupWith([this](TPopupForm *p) {
                 return p->isAncestorOf(form->PullJumper) || p->isAncestorOf(form->BusPowerJumper);
             });
             if (!popup)
                 return QString();
             QRadioButton *radio = Pick(popup->findChildren<QRadioButton *>());
             const Qt::Key key = Below(2) ? Qt::Key_Down : Qt::Key_Up;
             radio->setFocus();
             QTest::keyClick(radio, key);
             return QStringLiteral("%1 on %2").arg(key == Qt::Key_Down ? "Down" : "Up", radio->objectName());
         } },
        { 2, [this] {
             QAction *command = Below(2) ? form->Howtousethisprogram1 : form->TechnicalSupport1;
             command->trigger();
             return "Help " + command->text();
         } },
        { 3, [this] {
             THelpForm *help = form->SetSup->HelpForm();
             if (!help->isVisible())
                 return QString();
             QString done = QStringLiteral("Start by Return");
             if (Below(2)) {
                 const Click click = ClickIn(help->StartButton, QStringLiteral("Start"));
                 if (!click.clicked)
                     return click.done;
                 done = click.done;
             } else {
                 QTest::keyClick(help->StartButton, Qt::Key_Return);
             }
             Expect(!help->isVisible() && ShownAndPinned(form->PullHighlight),
                    done + " did not hide the instructions and pin Pull-Up Configuration");
             return done;
         } },
        { 2, [this] {
             QWidget *window = Below(2) ? static_cast<QWidget *>(form->SetSup->HelpForm())
                                        : static_cast<QWidget *>(form->SetSup->TechForm());
             if (!window->isVisible())
                 return QString();
             if (auto *tech = qobject_cast<TTechForm *>(window); tech && Below(2))
                 return ClickIn(tech->CloseButton, QStringLiteral("Technical Support Close")).done;
             window->close();
             return "close box of " + window->windowTitle();
         } },
        { 2, [this] {
             const QPoint p(Below(form->BoardImage1->mapToGlobal(QPoint()).x()), 700);
             if (!Uncovered(form, p))
                 return QString();
             MoveTo(p);
             QTest::mouseClick(form->ClientArea(), Qt::LeftButton, {}, form->ClientArea()->mapFromGlobal(p));
             form->activateWindow();
             return "main window clicked at " + Where(p);
         } },
    };
}

void tst_RandomInteraction::randomSteps_data()
{
    QTest::addColumn<quint32>("seed");
    bool replay = false;
    const quint32 seed = quint32(qEnvironmentVariableIntValue("SETUP_RANDOM_SEED", &replay));
    if (replay) {
        QTest::addRow("seed %u", seed) << seed;
        return;
    }
    for (quint32 fixed : { 20240601u, 7u })
        QTest::addRow("seed %u", fixed) << fixed;
}

void tst_RandomInteraction::randomSteps()
{
    QFETCH(quint32, seed);
    const int steps = EnvironmentNumber("SETUP_RANDOM_STEPS", 4000);
    random.seed(seed);
    transitionFailure.clear();

    const QList<Action> actions = Actions();
    int totalWeight = 0;
    for (const Action &action : actions)
        totalWeight += action.weight;

    QMap<QString, int> reached;
    QString failure = CheckInvariants();
    QStringList trail;
    int step = 0;
    for (; step < steps && failure.isEmpty(); ++step) {
        int pick = Below(totalWeight);
        const Action *chosen = actions.data();
        while (pick >= chosen->weight)
            pick -= (chosen++)->weight;
        const QString done = chosen->perform();
        if (done.isEmpty())
            continue;
        QCoreApplication::processEvents();
        SettlePointer();
        trail.append(QStringLiteral("%1: %2").arg(step).arg(done));
        if (trail.size() > 12)
            trail.removeFirst();
        failure = transitionFailure.isEmpty() ? CheckInvariants() : transitionFailure;
        if (!form->isVisible())
            failure = QStringLiteral("the main window is gone");
        NoteReached(reached);
    }
    if (!failure.isEmpty()) {
        const QString when = step == 0 ? QStringLiteral("before the first step") : QStringLiteral("step %1").arg(step - 1);
        QFAIL(qPrintable(QStringLiteral("seed %1, %2: %3\nreplay: SETUP_RANDOM_SEED=%1 SETUP_RANDOM_STEPS=%4\n"
                                        "last steps:\n  %5")
                                 .arg(seed)
                                 .arg(when, failure)
                                 .arg(step)
                                 .arg(trail.join(QStringLiteral("\n  ")))));
    }

    QStringList summary;
    for (auto it = reached.cbegin(); it != reached.cend(); ++it)
        summary << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
    qInfo("steps in which each state held: %s", qPrintable(summary.join(QStringLiteral(", "))));
    // A walk this long that never got somewhere has stopped testing it.
    if (steps >= 1000) {
        for (const char *state : { "hovering", "entered", "pinned", "PullJumper 0", "PullJumper 1", "PullJumper 2",
                                   "BusPowerJumper 1", "BusPowerJumper 2", "instructions shown",
                                   "support shown" })
            QVERIFY2(reached.contains(QLatin1String(state)), state);
    }
}

QTEST_MAIN(tst_RandomInteraction)
#include "tst_randominteraction.moc"
