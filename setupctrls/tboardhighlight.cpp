#include "tboardhighlight.h"

#include "accessiblehighlight.h"
#include "pointerposition.h"
#include "tboardimage.h"
#include "tpopupform.h"

#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

// Ring colour and strengths of each kind of spot, in THighlightType order.
struct TypeLook
{
    QRgb ringColor;
    float idleStrength;
    float activeStrength;
    float hotStrength;
};

constexpr TypeLook typeLooks[] = {
    { qRgb(0, 0, 255), 0.25f, 1.0f, 0.5f }, // htOptions: blue
    { qRgb(255, 255, 0), 0.5f, 1.0f, 0.75f }, // htSettings: yellow
    { qRgb(255, 0, 0), 0.5f, 1.0f, 0.75f }, // htCalibration: red
};

bool HasClassName(const QObject *object, const char *name)
{
    return object && std::strcmp(object->metaObject()->className(), name) == 0;
}

bool IsHighlight(const QObject *object)
{
    return HasClassName(object, "TBoardHighlight");
}

bool IsAsciiLetter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z');
}

bool IsIdentStart(QChar c)
{
    return IsAsciiLetter(c) || c == u'_';
}

bool IsIdentChar(QChar c)
{
    return IsIdentStart(c) || (c.unicode() >= u'0' && c.unicode() <= u'9');
}

QString IdentifierOf(const QString &value)
{
    if (value.isEmpty()
        || (IsIdentStart(value.front()) && std::all_of(value.begin() + 1, value.end(), IsIdentChar)))
        return value;
    qsizetype start = 0;
    while (start < value.size() && !IsIdentStart(value.at(start)))
        ++start;
    QString ident;
    for (qsizetype i = start; i < value.size(); ++i) {
        if (i == start || IsIdentChar(value.at(i)))
            ident += value.at(i);
    }
    return ident;
}

struct TypeMenuInfo
{
    const char *caption;
    const char *stem;
    // A new type menu goes before the first top-level item with one of
    // these captions, so that the order is always Settings, Calibration,
    // Options, Help.
    QStringList insertBefore;
};

const TypeMenuInfo &TypeMenu(TBoardHighlight::THighlightType type)
{
    static const TypeMenuInfo options{ "&Options", "Options", { QStringLiteral("&Help") } };
    static const TypeMenuInfo settings{
        "&Settings",
        "Settings",
        { QStringLiteral("&Calibration"), QStringLiteral("&Options"), QStringLiteral("&Help") }
    };
    static const TypeMenuInfo calibration{ "&Calibration",
                                           "Calibration",
                                           { QStringLiteral("&Options"), QStringLiteral("&Help") } };
    switch (type) {
    case TBoardHighlight::htOptions:
        return options;
    case TBoardHighlight::htCalibration:
        return calibration;
    case TBoardHighlight::htSettings:
        break;
    }
    return settings;
}

// The stem followed by the smallest positive number that names nothing the
// owner holds yet.
QString FreeName(const QObject *owner, const QString &stem)
{
    int n = 1;
    while (owner->findChild<QObject *>(stem + QString::number(n)))
        ++n;
    return stem + QString::number(n);
}

void ReportAccessibleChange(QObject *object, QAccessible::Event change)
{
    QAccessibleEvent event(object, change);
    QAccessible::updateAccessibility(&event);
}

// std::nearbyint without the library call, for |value| < 2^51: past
// 1.5 x 2^52 a double has no bits left for a fraction, so the addition
// rounds to an integer the way nearbyint does in the default rounding mode,
// to nearest with halves to even, and the subtraction is exact.
int RoundHalfEven(double value)
{
    constexpr double shift = 6755399441055744.0;
    return int((value + shift) - shift);
}

int Mix(int background, int color, float weight)
{
    const double w = weight;
    return RoundHalfEven(background * (1.0 - w) + color * w);
}

// One channel mixed with one weight, for every value beneath.
struct MixTable
{
    MixTable(int color, float weight)
    {
        for (int background = 0; background < 256; ++background)
            mixed[background] = quint8(Mix(background, color, weight));
    }

    std::array<quint8, 256> mixed;
};

} // namespace

TBoardHighlight::TBoardHighlight(QWidget *parent)
    : TGraphicControl(parent)
{
    AccessibleHighlight::Install();
    resize(65, 65);
    SetHighlightType(htSettings);
}

void TBoardHighlight::SetHighlightType(THighlightType value)
{
    // The property system would pass any ordinal through; only the three
    // kinds have a look.
    if (value == m_HighlightType || value > htCalibration)
        return;
    m_HighlightType = value;
    const TypeLook &look = typeLooks[value];
    m_RingColor = QColor::fromRgb(look.ringColor);
    m_IdleStrength = look.idleStrength;
    m_ActiveStrength = look.activeStrength;
    m_HotStrength = look.hotStrength;
    ReportAccessibleChange(this, QAccessible::DescriptionChanged);
    update();
}

void TBoardHighlight::SetTitle(const QString &value)
{
    if (value == m_Title)
        return;
    m_Title = value;
    m_PlainTitle = QString(value).remove(u'&');
    m_TitleIdent = IdentifierOf(value);
    ReportAccessibleChange(this, QAccessible::NameChanged);
    update();
}

// One panel serves one linked set; a panel that a highlight of another set
// already shows is refused.
void TBoardHighlight::SetRadioPanel(TRadioPanel *value)
{
    if (value == m_RadioPanel)
        return;
    if (value && parent()) {
        for (const QObject *child : parent()->children()) {
            if (child == this || !IsHighlight(child))
                continue;
            const auto *other = static_cast<const TBoardHighlight *>(child);
            if (other->m_RadioPanel == value
                && (other->m_Title != m_Title || other->m_HighlightType != m_HighlightType))
                return;
        }
    }
    m_RadioPanel = value;
}

bool TBoardHighlight::ParentIsBoardImage() const
{
    return HasClassName(parent(), "TBoardImage");
}

// A snapshot: the handlers it is used for may bring siblings to the front,
// which reorders the parent's children.
QList<TBoardHighlight *> TBoardHighlight::LinkedHighlights() const
{
    QList<TBoardHighlight *> linked;
    if (!ParentIsBoardImage())
        return linked;
    for (QObject *child : parent()->children()) {
        if (!IsHighlight(child))
            continue;
        auto *other = static_cast<TBoardHighlight *>(child);
        if (other->m_Title == m_Title && other->m_HighlightType == m_HighlightType)
            linked.append(other);
    }
    return linked;
}

void TBoardHighlight::ShadeRing(QImage &bitmap, const QColor &color, float strength, bool whiteCore)
{
    const int width = bitmap.width();
    const int height = bitmap.height();
    // The ring is spread over width - 1 and height - 1 pixel steps; a
    // smaller control keeps the picture beneath unshaded.
    if (width < 2 || height < 2)
        return;
    if (bitmap.format() != QImage::Format_RGB32)
        bitmap.convertTo(QImage::Format_RGB32);

    // Every named value is held as a 32-bit float; the expression that
    // gives it is evaluated in double and rounded once, when it is stored.
    // The square of a float is exact in double, so u x u is worked out
    // once per column and d still comes out of the same sum.
    const float sx = float(2.0 / (width - 1));
    const float sy = float(2.0 / (height - 1));
    std::vector<double> uSquared(width);
    for (int x = 0; x < width; ++x) {
        const float u = float(double(x) * sx - 1.0);
        uSquared[x] = double(u) * u;
    }

    const int red = color.red();
    const int green = color.green();
    const int blue = color.blue();
    // The inner disc has a single weight, so there a channel's new value
    // depends on its old one alone.
    const float innerWeight = float(double(0.16f) * strength);
    const MixTable innerRed(red, innerWeight);
    const MixTable innerGreen(green, innerWeight);
    const MixTable innerBlue(blue, innerWeight);

    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(bitmap.scanLine(y));
        const float v = float(double(y) * sy - 1.0);
        const double vSquared = double(v) * v;
        for (int x = 0; x < width; ++x) {
            const float d = float(uSquared[x] + vSquared);
            if (d >= 1.0f)
                continue;
            QRgb background = line[x];
            if (d < 0.5929) {
                line[x] = qRgb(innerRed.mixed[qRed(background)], innerGreen.mixed[qGreen(background)],
                               innerBlue.mixed[qBlue(background)]);
                continue;
            }
            const float r = float(std::sqrt(double(d)));
            float w = float(1.0 - 8.0 * std::fabs(double(r) - 0.875));
            if (whiteCore) {
                w = float(2.0 * w);
                if (w > 1.0f) {
                    background = qRgb(255, 255, 255);
                    w = float(2.0 - w);
                }
            }
            w = float(double(w) * strength);
            line[x] = qRgb(Mix(qRed(background), red, w), Mix(qGreen(background), green, w),
                           Mix(qBlue(background), blue, w));
        }
    }
}

// A board image gives exactly what it paints beneath the control. Another
// parent is rendered for the control's rectangle without its children, over
// its background colour. Either way the picture has the screen's device
// pixels, so that the ring is shaded at the resolution it is shown in.
QImage TBoardHighlight::PictureBeneath() const
{
    if (ParentIsBoardImage())
        return static_cast<const TBoardImage *>(parentWidget())->Background(geometry());
    const qreal ratio = devicePixelRatioF();
    QImage picture(size() * ratio, QImage::Format_RGB32);
    if (picture.isNull())
        return picture;
    picture.setDevicePixelRatio(ratio);
    QWidget *parent = parentWidget();
    if (!parent) {
        picture.fill(palette().color(QPalette::Window));
        return picture;
    }
    picture.fill(parent->palette().color(parent->backgroundRole()));
    parent->render(&picture, QPoint(), QRegion(geometry()), QWidget::DrawWindowBackground);
    return picture;
}

void TBoardHighlight::BuildPictures()
{
    const QImage beneath = PictureBeneath();
    m_IdleBitmap = beneath;
    ShadeRing(m_IdleBitmap, m_RingColor, m_IdleStrength, false);
    m_ActiveBitmap = beneath;
    ShadeRing(m_ActiveBitmap, m_RingColor, m_ActiveStrength, true);
    m_HotBitmap = beneath;
    ShadeRing(m_HotBitmap, m_RingColor, m_HotStrength, false);
}

// The pictures and the menu entry are made once, at the first paint, when
// the board image has placed itself and painted the photograph.
void TBoardHighlight::paintEvent(QPaintEvent *)
{
    if (!m_Prepared) {
        BuildPictures();
        if (ParentIsBoardImage()) {
            m_BoardMenu = static_cast<TBoardImage *>(parentWidget())->Menu();
            BuildMenuEntry();
        } else {
            m_BoardMenu = nullptr;
        }
        m_Prepared = true;
    }
    const QImage &picture = m_Lit && m_PopupActive ? m_ActiveBitmap
                          : m_Lit != m_PopupActive ? m_HotBitmap
                                                   : m_IdleBitmap;
    QPainter painter(this);
    painter.drawImage(0, 0, picture);
}

void TBoardHighlight::enterEvent(QEnterEvent *)
{
    HandleMouseEnter(false);
}

void TBoardHighlight::leaveEvent(QEvent *)
{
    HandleMouseLeave(false);
}

void TBoardHighlight::HandleMouseEnter(bool relayed)
{
    if (m_Lit)
        return;
    m_Lit = true;
    update();
    if (m_CreatePopup)
        ShowPopup();
    if (relayed)
        return;
    for (TBoardHighlight *linked : LinkedHighlights())
        linked->HandleMouseEnter(true);
}

// Lit stays set when the pointer leaves; the whole linked set is unlit
// when its popup closes.
void TBoardHighlight::HandleMouseLeave(bool relayed)
{
    if (!m_Lit)
        return;
    if (m_Popup && !m_Pinned) {
        if (m_Popup->frameGeometry().contains(PointerPosition::Current())) {
            m_Popup->SetCloseOnLeave(true);
            PinPopup();
        } else {
            m_Popup->close();
        }
    }
    if (relayed)
        return;
    for (TBoardHighlight *linked : LinkedHighlights())
        linked->HandleMouseLeave(true);
}

void TBoardHighlight::Click()
{
    TGraphicControl::Click();
    PinPopup();
}

void TBoardHighlight::SetPopupActive(bool active, bool relay)
{
    m_PopupActive = active;
    raise();
    update();
    if (!relay || !ParentIsBoardImage())
        return;
    // Bringing a sibling to the front moves it to the end of the children;
    // the scan then stays at the same index and stops one earlier, so that
    // it neither skips nor revisits anyone.
    const QObject *board = parent();
    qsizetype end = board->children().size();
    for (qsizetype i = 0; i < end;) {
        QObject *child = board->children().at(i);
        if (child != this && IsHighlight(child)) {
            auto *other = static_cast<TBoardHighlight *>(child);
            if (other->m_Title == m_Title && other->m_HighlightType == m_HighlightType) {
                other->SetPopupActive(active, false);
                if (board->children().at(i) != child) {
                    --end;
                    continue;
                }
            }
        }
        ++i;
    }
}

void TBoardHighlight::Unlight()
{
    m_Lit = false;
    update();
}

void TBoardHighlight::ShowPopup()
{
    if (m_Popup) {
        if (!m_Popup->isVisible())
            m_Pinned = false;
        m_Popup->show();
        m_Popup->raise();
        m_Popup->activateWindow();
        return;
    }

    // A linked highlight made the popup already; it is shown through that
    // one. Menus and tool tips are top-level widgets too, but nothing a
    // highlight could have made.
    for (const QWidget *window : QApplication::topLevelWidgets()) {
        if (window->windowType() == Qt::Popup || window->windowType() == Qt::ToolTip)
            continue;
        if (window->windowTitle() == m_PlainTitle
            && window->property("Tag").toInt() == int(m_HighlightType))
            return;
    }

    m_Popup = new TPopupForm(this);
    m_Pinned = false;

    int memoHeight = 58;
    QPoint designed;
    if (m_RadioPanel) {
        memoHeight = m_RadioPanel->MemoHeight();
        m_Popup->OnActivate = m_RadioPanel->OnActivate;
        m_Popup->OnDeactivate = m_RadioPanel->OnDeactivate;
        designed = m_RadioPanel->pos();
        m_RadioPanel->move(0, 0);
        // 32 pixels for the gaps and the buttons, 19 for the status line.
        m_Popup->resize(m_RadioPanel->width(), m_RadioPanel->height() + memoHeight + 51);
        // A widget given another parent is hidden; it is shown in its new one.
        m_RadioPanel->setParent(m_Popup);
        m_RadioPanel->show();
        AnchorRules::Set(m_RadioPanel, m_RadioPanel->FinalAnchors());
        m_RadioPanel->SetInPopup(true);
    } else {
        m_Popup->SetOuterSize(QSize(194, 141));
    }

    m_Popup->setWindowTitle(m_PlainTitle);
    const QSize outer = m_Popup->OuterSize();
    m_Popup->SetOuterSize(QSize(std::max(194, outer.width()), std::max(122, outer.height())));
    m_Popup->SetMinimumOuterSize(m_Popup->OuterSize());
    m_Popup->SetTag(int(m_HighlightType));

    // The panel's designed place on the main window, moved as far as the
    // board image has moved since its first paint. These client
    // coordinates are used unchanged as a screen position.
    const QWidget *parent = parentWidget();
    const QRect parentRect = parent ? parent->geometry() : QRect();
    QPoint shift;
    if (ParentIsBoardImage()) {
        const auto *board = static_cast<const TBoardImage *>(parent);
        shift = QPoint(board->OriginLeft(), board->OriginTop()) - designed;
    }
    if (!m_RadioPanel)
        shift = QPoint(0, -(parentRect.height() + 38));
    m_Popup->move(parentRect.topLeft() - shift);

    m_Popup->OnClose = [this](QObject *) { PopupClosed(); };
    m_Popup->CreateControls(memoHeight);
    if (m_RadioPanel)
        m_Popup->StatusMemo()->setPlainText(m_RadioPanel->Lines().join(u'\n'));

    // Kept on the screen, but never shrunk: a popup larger than the screen
    // ends with a negative Left or Top.
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    const QSize size = m_Popup->OuterSize();
    QPoint place = m_Popup->pos();
    if (place.x() < 0)
        place.setX(0);
    else if (place.x() + size.width() > screen.width())
        place.setX(screen.width() - size.width());
    if (place.y() < 0)
        place.setY(0);
    else if (place.y() + size.height() > screen.height())
        place.setY(screen.height() - size.height());
    m_Popup->move(place);

    // A shown popup is the active window; window managers may leave a new
    // tool window inactive unless it asks.
    m_Popup->show();
    m_Popup->activateWindow();
    if (m_RadioPanel)
        m_RadioPanel->setFocus();
    else
        m_Popup->DoneButton()->setFocus();
}

void TBoardHighlight::PinPopup()
{
    if (m_Popup) {
        m_Pinned = true;
        CheckMenuEntry(true);
    }
    for (TBoardHighlight *linked : LinkedHighlights())
        linked->PinOwnPopup();
}

void TBoardHighlight::PinOwnPopup()
{
    if (!m_Popup)
        return;
    m_Pinned = true;
    CheckMenuEntry(true);
    // Closed from the keyboard while the pointer stayed on the circle, the
    // popup is hidden when the circle is clicked; it comes back first.
    if (!m_Popup->isVisible())
        m_Popup->show();
    m_Popup->activateWindow();
    QWidget *focus = m_Popup->focusWidget();
    (focus ? focus : m_Popup)->setFocus();
}

void TBoardHighlight::PopupClosed()
{
    CheckMenuEntry(false);
    if (m_Popup)
        m_Popup->SetCloseOnLeave(false);
    Unlight();
    for (TBoardHighlight *linked : LinkedHighlights())
        linked->Unlight();
}

QString TBoardHighlight::TypeMenuCaption() const
{
    return QLatin1String(TypeMenu(m_HighlightType).caption);
}

// The first entry captioned Title in the first type menu that has one.
QAction *TBoardHighlight::FindMenuEntry(QMenu **menu) const
{
    const QString caption = TypeMenuCaption();
    for (const QAction *item : m_BoardMenu->actions()) {
        if (item->text() != caption || !item->menu())
            continue;
        for (QAction *entry : item->menu()->actions()) {
            if (!entry->isSeparator() && entry->text() == m_Title) {
                if (menu)
                    *menu = item->menu();
                return entry;
            }
        }
    }
    return nullptr;
}

QAction *TBoardHighlight::CreateMenuEntry(QWidget *owner)
{
    auto *entry = new QAction(m_Title, owner);
    entry->setObjectName(FreeName(owner, m_TitleIdent));
    entry->setCheckable(true);
    entry->setData(QVariant::fromValue<QObject *>(this));
    connect(entry, &QAction::triggered, this, [this, entry] {
        // The check mark says whether the popup is pinned; Qt has already
        // turned it over, so it is turned back before the handler looks.
        entry->setChecked(!entry->isChecked());
        MenuEntryClick(entry);
    });
    // An entry that outlives its highlight leads nowhere.
    connect(this, &QObject::destroyed, entry, [entry] { entry->setData(QVariant()); });
    return entry;
}

void TBoardHighlight::BuildMenuEntry()
{
    if (!m_BoardMenu)
        return;
    const TypeMenuInfo &info = TypeMenu(m_HighlightType);
    const QString caption = QLatin1String(info.caption);
    // Entries and type menus belong to the menu's window, or to the menu
    // itself when it stands alone.
    QWidget *owner = m_BoardMenu->parentWidget() ? m_BoardMenu->parentWidget() : m_BoardMenu;
    const QList<QAction *> items = m_BoardMenu->actions();

    for (const QAction *item : items) {
        if (item->text() != caption || !item->menu())
            continue;
        for (const QAction *entry : item->menu()->actions()) {
            if (!entry->isSeparator() && entry->text() == m_Title)
                return;
        }
        if (!m_Title.isEmpty())
            item->menu()->addAction(CreateMenuEntry(owner));
        return;
    }

    auto *menu = new QMenu(caption, owner);
    menu->setObjectName(FreeName(owner, QLatin1String(info.stem)));
    QAction *before = nullptr;
    for (QAction *item : items) {
        if (info.insertBefore.contains(item->text())) {
            before = item;
            break;
        }
    }
    m_BoardMenu->insertMenu(before, menu);
    if (!m_Title.isEmpty())
        menu->addAction(CreateMenuEntry(owner));
}

void TBoardHighlight::CheckMenuEntry(bool value)
{
    if (!m_BoardMenu)
        return;
    if (QAction *entry = FindMenuEntry())
        entry->setChecked(value);
}

void TBoardHighlight::MenuEntryClick(QObject *sender)
{
    const auto *item = qobject_cast<QAction *>(sender);
    if (item && item->isChecked()) {
        if (m_Popup) {
            m_Popup->close();
        } else {
            for (TBoardHighlight *linked : LinkedHighlights()) {
                if (linked->m_Popup)
                    linked->MenuEntryClick(sender);
            }
        }
        return;
    }
    HandleMouseEnter(false);
    PinPopup();
    HandleMouseLeave(false);
}

void TBoardHighlight::Walk(int step)
{
    if (!m_BoardMenu)
        return;
    QMenu *menu = nullptr;
    const QAction *current = FindMenuEntry(&menu);
    if (!current)
        return;
    if (m_Popup)
        m_Popup->close();
    const QList<QAction *> entries = menu->actions();
    const qsizetype count = entries.size();
    const qsizetype target = (entries.indexOf(current) + step + count) % count;
    if (auto *highlight = qobject_cast<TBoardHighlight *>(entries.at(target)->data().value<QObject *>()))
        highlight->MenuEntryClick(this);
}

void TBoardHighlight::PreviousClick()
{
    Walk(-1);
}

void TBoardHighlight::NextClick()
{
    Walk(1);
}

void TBoardHighlight::DoneClick()
{
    if (m_Popup)
        m_Popup->close();
}
