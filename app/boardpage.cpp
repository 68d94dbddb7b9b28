#include "boardpage.h"

#include "jpegloader.h"
#include "tboardimage.h"
#include "tmainform.h"

#include <QMenuBar>

namespace {

struct MenuItemData
{
    const char *name;
    const char *parent; // empty: a top-level item of the main menu
    const char *caption;
};

constexpr MenuItemData menuItems[] = {
    { "File1", "", "&File" },
    { "Exit2", "File1", "&Exit" },
    { "Help1", "", "&Help" },
    { "Howtousethisprogram1", "Help1", "H&ow to use this program" },
    { "TechnicalSupport1", "Help1", "&Technical Support" },
};

void loadBoardImage(TMainForm &form)
{
    auto *board = new TBoardImage(form.ClientArea());
    board->setObjectName(QStringLiteral("BoardImage1"));
    board->setGeometry(142, 2, 600, 661);
    board->SetAutoSize(false);
    board->SetStretch(true);
    board->SetPicture(JpegLoader::fromResource(QStringLiteral(":/board.jpg")));
    form.BoardImage1 = board;
}

void loadMainMenu(TMainForm &form)
{
    auto *menuBar = new QMenuBar(&form);
    menuBar->setObjectName(QStringLiteral("MainMenu1"));
    for (const MenuItemData &item : menuItems) {
        const QString name = QLatin1String(item.name);
        const QString caption = QString::fromUtf8(item.caption);
        if (*item.parent == '\0') {
            auto *menu = new QMenu(caption, &form);
            menu->setObjectName(name);
            menuBar->addMenu(menu);
        } else {
            auto *parent = form.findChild<QMenu *>(QLatin1String(item.parent));
            auto *action = new QAction(caption, &form);
            action->setObjectName(name);
            parent->addAction(action);
        }
    }
    form.setMenuBar(menuBar);
    form.MainMenu1 = menuBar;
    form.File1 = form.findChild<QMenu *>(QStringLiteral("File1"));
    form.Exit2 = form.findChild<QAction *>(QStringLiteral("Exit2"));
    form.Help1 = form.findChild<QMenu *>(QStringLiteral("Help1"));
    form.Howtousethisprogram1 = form.findChild<QAction *>(QStringLiteral("Howtousethisprogram1"));
    form.TechnicalSupport1 = form.findChild<QAction *>(QStringLiteral("TechnicalSupport1"));
}

void resolveReferences(TMainForm &form)
{
    form.BoardImage1->SetMenu(form.MainMenu1);
}

// Handlers are bound only once everything exists, so loading raises none.
void bindEvents(TMainForm &form)
{
    QObject::connect(form.Exit2, &QAction::triggered, &form, &TMainForm::Exit2Click);
}

} // namespace

void BoardPage::Load(TMainForm &form)
{
    loadBoardImage(form);
    loadMainMenu(form);
    resolveReferences(form);
    bindEvents(form);
}
