// The menu bar: File (style files, caption lists, Exit) and Help.
#include <QAction>
#include <QDesktopServices>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QUrl>

#include "app/about_window.h"
#include "app/main_window.h"

namespace nimbrel {

void TfrmMain::buildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName("mmMain");
    auto add = [this](QMenu* menu, const char* name, const QString& text, const QKeySequence& keys,
                      void (TfrmMain::*handler)()) {
        QAction* action = menu->addAction(text);
        action->setObjectName(name);
        if (!keys.isEmpty()) action->setShortcut(keys);
        if (handler)
            connect(action, &QAction::triggered, this,
                    [this, handler] { guard([&] { (this->*handler)(); }); });
        return action;
    };

    QMenu* file = bar->addMenu("&File");
    file->setObjectName("File1");
    cmOpenbuttonstyle = add(file, "cmOpenbuttonstyle", "&Open button style...", QKeySequence::Open,
                            &TfrmMain::cmOpenbuttonstyleClick);
    cmSavebuttonstyle = add(file, "cmSavebuttonstyle", "&Save button style...", QKeySequence::Save,
                            &TfrmMain::cmSavebuttonstyleClick);
    file->addSeparator();
    cmReadButtonCaptions = add(file, "cmReadButtonCaptions", "&Read button captions...", {},
                               &TfrmMain::cmReadButtonCaptionsClick);
    cmWriteButtonCaptions = add(file, "cmWriteButtonCaptions", "&Write button captions...", {},
                                &TfrmMain::cmWriteButtonCaptionsClick);
    file->addSeparator();
    cmExit = add(file, "cmExit", "E&xit", QKeySequence(Qt::CTRL | Qt::Key_Q), &TfrmMain::cmExitClick);

    QMenu* help = bar->addMenu("&Help");
    help->setObjectName("Help1");
    // Quick Help has no page yet: it stays hidden and F1 does nothing.
    cmQuickHelp = add(help, "cmQuickHelp", "Quick Help", QKeySequence(Qt::Key_F1), nullptr);
    cmQuickHelp->setVisible(false);
    cmZentrikSoftwareHomepage =
        add(help, "cmZentrikSoftwareHomepage", "&Zentrik Software Homepage...", {}, nullptr);
    connect(cmZentrikSoftwareHomepage, &QAction::triggered, this,
            [] { QDesktopServices::openUrl(QUrl(QString::fromUtf8(kHomePageAddress))); });
    help->addSeparator();
    About1 = add(help, "About1", "&About", {}, &TfrmMain::About1Click);
}

void TfrmMain::cmExitClick()
{
    close();
}

void TfrmMain::About1Click()
{
    TfrmAbout about(this);
    about.exec();
}

}  // namespace nimbrel
