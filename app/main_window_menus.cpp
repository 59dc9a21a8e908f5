// The menu bar: File (style files, caption lists, Exit) and Help.
#include <QAction>
#include <QDesktopServices>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QUrl>

#include "app/about_dialog.h"
#include "app/main_window.h"

namespace nimbrel {

void MainWindow::buildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName("mmMain");
    auto add = [this](QMenu* menu, const char* name, const QString& text, const QKeySequence& keys,
                      void (MainWindow::*handler)()) {
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
                            &MainWindow::openStyle);
    cmSavebuttonstyle = add(file, "cmSavebuttonstyle", "&Save button style...", QKeySequence::Save,
                            &MainWindow::saveStyle);
    file->addSeparator();
    cmReadButtonCaptions = add(file, "cmReadButtonCaptions", "&Read button captions...", {},
                               &MainWindow::readCaptionsFromFile);
    cmWriteButtonCaptions = add(file, "cmWriteButtonCaptions", "&Write button captions...", {},
                                &MainWindow::writeCaptionsToFile);
    file->addSeparator();
    cmExit = add(file, "cmExit", "E&xit", QKeySequence(Qt::CTRL | Qt::Key_Q), &MainWindow::exitProgram);

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
    About1 = add(help, "About1", "&About", {}, &MainWindow::showAbout);
}

void MainWindow::exitProgram()
{
    close();
}

void MainWindow::showAbout()
{
    AboutDialog about(this);
    about.exec();
}

}  // namespace nimbrel
