#include "boardpage.h"

#include "jpegloader.h"
#include "tboardhighlight.h"
#include "tboardimage.h"
#include "tmainform.h"
#include "tradiopanel.h"
#include "tsetupsupporter.h"
#include "tthreejumper.h"

#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>

namespace {

using THighlightType = TBoardHighlight::THighlightType;
using enum TBoardHighlight::THighlightType;

struct HighlightData
{
    const char *name;
    QRect bounds;
    THighlightType type;
    const char *radioPanel;
    const char *title;
};

// Children of BoardImage1, over the photograph stretched to 600 x 661.
constexpr HighlightData highlights[] = {
    { "PullHighlight", { 177, 0, 251, 41 }, htSettings, "PullPanel", "&Pull-Up Configuration" },
    { "PowerHighlight", { 324, 568, 37, 64 }, htSettings, "PowerPanel", "&External Power" },
    { "USBHighlight", { 219, 532, 94, 125 }, htOptions, "USBPanel", "&USB Connector" },
    { "DCINHighlight", { 434, 546, 79, 109 }, htOptions, "DCINPanel", "DC Input" },
    { "DataHighlight0", { 480, 56, 121, 479 }, htOptions, "DataPanel", "&Digital/Counter Connector" },
    { "LedHighlight", { 115, 550, 36, 110 }, htOptions, "LEDPanel", "LED Light" },
    { "DataHighlight1", { 0, 60, 121, 479 }, htOptions, "DataPanel", "&Digital/Counter Connector" },
    { "MiniUSBHighlight", { 157, 574, 19, 50 }, htOptions, "MiniUSBPanel", "Compact USB Connector" },
};

struct PanelData
{
    const char *name;
    QRect bounds;
    const char *line;
};

// Children of the main window, invisible there; each popup is placed from
// its panel's Left and Top. In tab order.
constexpr PanelData panels[] = {
    { "PowerPanel", { 273, 296, 296, 121 },
      "If you have ordered the -P version of this card you can use the provided external power "
      "supply for higher current capabilities. To do so, set the jumper position to VEXT and plug "
      "in power before plugging in the USB cable." },
    { "PullPanel", { 600, 152, 153, 121 },
      "Each connector's digital bits can be pulled up or down, or left floating, when in input "
      "mode or tristated. For pull-ups (most common), install these jumpers in the +5V position. "
      "For pull-downs, install these jumpers in the GND position. For neither, remove these "
      "jumpers." },
    { "USBPanel", { -104, 272, 242, 9 }, "The USB connector on this board is a USB type B socket." },
    { "DataPanel", { 352, 144, 242, 9 }, "The digital pins are on these 50-pin headers." },
    { "LEDPanel", { -8, 136, 145, 9 }, "LED indicates Power and Activity" },
    { "DCINPanel", { 8, 400, 113, 9 }, "DC Input power connector" },
    { "MiniUSBPanel", { 8, 528, 113, 9 },
      "This connector is linked to the USB interface to provide a compact interface within "
      "embedded devices." },
};

enum class Kind { Image, Jumper, Label, RadioButton };

struct ControlData
{
    const char *name;
    Kind kind;
    const char *parent;
    QRect bounds;
    const char *caption = "";
    Qt::Alignment alignment = Qt::AlignLeft;
    bool checked = false;
    TThreeJumper::TJumperState state = TThreeJumper::jsOpen;
    TThreeJumper::TOrientationType orientation = TThreeJumper::otUp;
    const char *picture = "";
    // What the pins mean, for assistive technology; the jumper itself only
    // knows where its cap sits.
    const char *accessibleName = "";
};

// The children of the two jumper panels, in creation order; the radio
// buttons of one panel form one group.
const ControlData controls[] = {
    { .name = "Image1", .kind = Kind::Image, .parent = "PowerPanel", .bounds = { 154, 16, 112, 48 },
      .picture = ":/polarity.bmp" },
    { .name = "BusPowerJumper", .kind = Kind::Jumper, .parent = "PowerPanel", .bounds = { 72, 8, 18, 43 },
      .state = TThreeJumper::jsRight, .orientation = TThreeJumper::otLeft,
      .accessibleName = "Power jumper, VUSB at the top, VEXT at the bottom" },
    { .name = "Label1", .kind = Kind::Label, .parent = "PowerPanel", .bounds = { 24, 32, 41, 17 },
      .caption = "VEXT", .alignment = Qt::AlignRight },
    { .name = "Label2", .kind = Kind::Label, .parent = "PowerPanel", .bounds = { 24, 8, 41, 17 },
      .caption = "VUSB", .alignment = Qt::AlignRight },
    { .name = "ExtPowerRadio", .kind = Kind::RadioButton, .parent = "PowerPanel",
      .bounds = { 16, 80, 121, 17 }, .caption = "External Powered" },
    { .name = "BusPowerRadio", .kind = Kind::RadioButton, .parent = "PowerPanel",
      .bounds = { 16, 64, 121, 17 }, .caption = "USB Bus Powered", .checked = true },

    { .name = "Label4", .kind = Kind::Label, .parent = "PullPanel", .bounds = { 48, 8, 41, 17 },
      .caption = "PX", .alignment = Qt::AlignHCenter },
    { .name = "PullJumper", .kind = Kind::Jumper, .parent = "PullPanel", .bounds = { 48, 26, 43, 18 },
      .state = TThreeJumper::jsLeft,
      .accessibleName = "Pull-up jumper, +5V, PX and GND from left to right" },
    { .name = "Label14", .kind = Kind::Label, .parent = "PullPanel", .bounds = { 88, 8, 41, 17 },
      .caption = "GND" },
    { .name = "Label13", .kind = Kind::Label, .parent = "PullPanel", .bounds = { 8, 8, 41, 17 },
      .caption = "+5V", .alignment = Qt::AlignRight },
    { .name = "PullUpRadio", .kind = Kind::RadioButton, .parent = "PullPanel",
      .bounds = { 32, 56, 121, 17 }, .caption = "Pulled Up", .checked = true },
    { .name = "PullDownRadio", .kind = Kind::RadioButton, .parent = "PullPanel",
      .bounds = { 32, 72, 121, 17 }, .caption = "Pulled Down" },
    { .name = "PullNoRadio", .kind = Kind::RadioButton, .parent = "PullPanel",
      .bounds = { 32, 88, 121, 17 }, .caption = "Floating" },
};

// Tab order inside the jumper panels, first to last.
constexpr const char *tabOrders[][3] = {
    { "BusPowerRadio", "ExtPowerRadio", nullptr },
    { "PullUpRadio", "PullDownRadio", "PullNoRadio" },
};

struct MenuItemData
{
    const char *name;
    const char *parent; // empty for a top-level item
    const char *caption;
};

constexpr MenuItemData menuItems[] = {
    { "File1", "", "&File" },
    { "Exit2", "File1", "&Exit" },
    { "Help1", "", "&Help" },
    { "Howtousethisprogram1", "Help1", "H&ow to use this program" },
    { "TechnicalSupport1", "Help1", "&Technical Support" },
};

template<typename T>
T *component(const TMainForm &form, const char *name)
{
    return form.findChild<T *>(QLatin1String(name));
}

void loadBoardImage(TMainForm &form)
{
    auto *board = new TBoardImage(form.ClientArea());
    board->setObjectName(QStringLiteral("BoardImage1"));
    board->setGeometry(142, 2, 600, 661);
    board->SetAutoSize(false);
    board->SetStretch(true);
    board->SetPicture(JpegLoader::fromResource(QStringLiteral(":/board.jpg")));

    for (const HighlightData &data : highlights) {
        auto *highlight = new TBoardHighlight(board);
        highlight->setObjectName(QLatin1String(data.name));
        highlight->setGeometry(data.bounds);
        highlight->SetHighlightType(data.type);
        highlight->SetTitle(QString::fromUtf8(data.title));
    }
}

void loadControl(TMainForm &form, const ControlData &data)
{
    QWidget *parent = component<TRadioPanel>(form, data.parent);
    QWidget *control = nullptr;
    switch (data.kind) {
    case Kind::Image: {
        auto *image = new QLabel(parent);
        const QPixmap picture(QLatin1String(data.picture));
        image->setPixmap(picture);
        control = image;
        break;
    }
    case Kind::Jumper: {
        auto *jumper = new TThreeJumper(parent);
        jumper->SetJumperState(data.state);
        jumper->SetOrientation(data.orientation);
        jumper->setAccessibleName(QString::fromUtf8(data.accessibleName));
        control = jumper;
        break;
    }
    case Kind::Label: {
        auto *label = new QLabel(QString::fromUtf8(data.caption), parent);
        label->setAlignment(data.alignment | Qt::AlignTop);
        control = label;
        break;
    }
    case Kind::RadioButton: {
        auto *radio = new QRadioButton(QString::fromUtf8(data.caption), parent);
        radio->setChecked(data.checked);
        control = radio;
        break;
    }
    }
    control->setObjectName(QLatin1String(data.name));
    control->setGeometry(data.bounds);
    // A picture sizes its control to itself.
    if (data.kind == Kind::Image)
        control->resize(static_cast<QLabel *>(control)->pixmap().size());
}

void loadPanels(TMainForm &form)
{
    for (const PanelData &data : panels) {
        auto *panel = new TRadioPanel(form.ClientArea());
        panel->setObjectName(QLatin1String(data.name));
        panel->setGeometry(data.bounds);
        panel->SetLines({ QString::fromUtf8(data.line) });
        for (const ControlData &control : controls) {
            if (qstrcmp(control.parent, data.name) == 0)
                loadControl(form, control);
        }
    }
    for (const auto &order : tabOrders) {
        for (int i = 1; i < 3 && order[i]; ++i)
            QWidget::setTabOrder(component<QWidget>(form, order[i - 1]), component<QWidget>(form, order[i]));
    }
}

void loadMainMenu(TMainForm &form)
{
    auto *menuBar = new QMenuBar(&form);
    menuBar->setObjectName(QStringLiteral("MainMenu1"));
    for (const MenuItemData &item : menuItems) {
        const QString caption = QString::fromUtf8(item.caption);
        if (*item.parent == '\0') {
            auto *menu = new QMenu(caption, &form);
            menu->setObjectName(QLatin1String(item.name));
            menuBar->addMenu(menu);
        } else {
            auto *action = new QAction(caption, &form);
            action->setObjectName(QLatin1String(item.name));
            component<QMenu>(form, item.parent)->addAction(action);
        }
    }
    form.setMenuBar(menuBar);
}

void loadSetupSupporter(TMainForm &form)
{
    auto *supporter = new TSetupSupporter(&form);
    supporter->setObjectName(QStringLiteral("SetSup"));
    supporter->SetCompanyName(QStringLiteral("KELDO"));
    supporter->SetCardNameA(QStringLiteral("QRV-PIN-40"));
    supporter->SetCardNameB(QStringLiteral("QRV-PIN40"));
    supporter->SetCallHow(QStringLiteral("between 8 am and 5 pm Pacific Time at (555) 014-7200"));
    supporter->SetMultiPort(true);
    supporter->SetChannels(4);
    supporter->SetChangeButtons(true);
}

// The form's fields refer to its components by name, as soon as they all
// exist.
void bindFields(TMainForm &form)
{
    form.BoardImage1 = component<TBoardImage>(form, "BoardImage1");
    form.PullHighlight = component<TBoardHighlight>(form, "PullHighlight");
    form.PowerHighlight = component<TBoardHighlight>(form, "PowerHighlight");
    form.USBHighlight = component<TBoardHighlight>(form, "USBHighlight");
    form.DCINHighlight = component<TBoardHighlight>(form, "DCINHighlight");
    form.DataHighlight0 = component<TBoardHighlight>(form, "DataHighlight0");
    form.LedHighlight = component<TBoardHighlight>(form, "LedHighlight");
    form.DataHighlight1 = component<TBoardHighlight>(form, "DataHighlight1");
    form.MiniUSBHighlight = component<TBoardHighlight>(form, "MiniUSBHighlight");
    form.PowerPanel = component<TRadioPanel>(form, "PowerPanel");
    form.Image1 = component<QLabel>(form, "Image1");
    form.BusPowerJumper = component<TThreeJumper>(form, "BusPowerJumper");
    form.Label1 = component<QLabel>(form, "Label1");
    form.Label2 = component<QLabel>(form, "Label2");
    form.ExtPowerRadio = component<QRadioButton>(form, "ExtPowerRadio");
    form.BusPowerRadio = component<QRadioButton>(form, "BusPowerRadio");
    form.PullPanel = component<TRadioPanel>(form, "PullPanel");
    form.Label4 = component<QLabel>(form, "Label4");
    form.PullJumper = component<TThreeJumper>(form, "PullJumper");
    form.Label14 = component<QLabel>(form, "Label14");
    form.Label13 = component<QLabel>(form, "Label13");
    form.PullUpRadio = component<QRadioButton>(form, "PullUpRadio");
    form.PullDownRadio = component<QRadioButton>(form, "PullDownRadio");
    form.PullNoRadio = component<QRadioButton>(form, "PullNoRadio");
    form.USBPanel = component<TRadioPanel>(form, "USBPanel");
    form.DataPanel = component<TRadioPanel>(form, "DataPanel");
    form.LEDPanel = component<TRadioPanel>(form, "LEDPanel");
    form.DCINPanel = component<TRadioPanel>(form, "DCINPanel");
    form.MiniUSBPanel = component<TRadioPanel>(form, "MiniUSBPanel");
    form.MainMenu1 = component<QMenuBar>(form, "MainMenu1");
    form.File1 = component<QMenu>(form, "File1");
    form.Exit2 = component<QAction>(form, "Exit2");
    form.Help1 = component<QMenu>(form, "Help1");
    form.Howtousethisprogram1 = component<QAction>(form, "Howtousethisprogram1");
    form.TechnicalSupport1 = component<QAction>(form, "TechnicalSupport1");
    form.SetSup = component<TSetupSupporter>(form, "SetSup");
}

// References may name components created after the referrer.
void resolveReferences(TMainForm &form)
{
    for (const HighlightData &data : highlights)
        component<TBoardHighlight>(form, data.name)->SetRadioPanel(component<TRadioPanel>(form, data.radioPanel));
    form.BoardImage1->SetFirst(form.PullHighlight);
    form.BoardImage1->SetMenu(form.MainMenu1);
}

// Handlers are bound only once everything is loaded, so that loading
// raises none of them. A radio button's click is raised whenever it
// becomes checked, by the user or by code, and never when it already was:
// that is what lets a jumper and its radio buttons settle each other.
void bindEvents(TMainForm &form)
{
    const auto onRadioClick = [&form](QRadioButton *radio, void (TMainForm::*handler)()) {
        QObject::connect(radio, &QRadioButton::toggled, &form, [&form, handler](bool checked) {
            if (checked)
                (form.*handler)();
        });
    };

    QObject::connect(form.Exit2, &QAction::triggered, &form, &TMainForm::Exit2Click);
    QObject::connect(form.Howtousethisprogram1, &QAction::triggered, &form, &TMainForm::Howtousethisprogram1Click);
    QObject::connect(form.TechnicalSupport1, &QAction::triggered, &form, &TMainForm::TechnicalSupport1Click);
    QObject::connect(form.PullJumper, &TThreeJumper::clicked, &form, &TMainForm::PullJumperClick);
    for (QRadioButton *radio : { form.PullUpRadio, form.PullDownRadio, form.PullNoRadio })
        onRadioClick(radio, &TMainForm::PullRadioClick);
    QObject::connect(form.BusPowerJumper, &TThreeJumper::clicked, &form, &TMainForm::BusPowerJumperClick);
    for (QRadioButton *radio : { form.BusPowerRadio, form.ExtPowerRadio })
        onRadioClick(radio, &TMainForm::BusPowerRadioClick);
}

} // namespace

void BoardPage::Load(TMainForm &form)
{
    loadBoardImage(form);
    loadPanels(form);
    loadMainMenu(form);
    loadSetupSupporter(form);
    bindFields(form);
    resolveReferences(form);
    bindEvents(form);
}
