// Pictures of the main window for the documentation: one PNG per tab, then one
// of an example style saved, with the status line telling where the files
// went. Taken from a real window (run under Xvfb: tools/screenshots.sh).
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <functional>
#include <vector>

#include "app/dialogs.h"
#include "app/main_window.h"
#include "base/app_folder.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Nimbrel");
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    QDir().mkpath(folder);

    const nimbrel::AppFolders folders = nimbrel::setUpAppFolders();
    nimbrel::QtDialogs dialogs;
    nimbrel::MainWindow window(dialogs, folders);
    dialogs.setParent(&window);
    window.show();

    auto* tabs = window.findChild<QTabWidget*>("pc");
    const auto save = [&](const QString& name) {
        window.grab().save(QStringLiteral("%1/%2.png").arg(folder, name), "PNG");
    };
    // Each step runs after the window has painted what the one before changed.
    std::vector<std::function<void()>> steps;
    for (int tab = 0; tab < tabs->count(); ++tab) {
        steps.push_back([tabs, tab] { tabs->setCurrentIndex(tab); });
        steps.push_back([save, tab] { save(QStringLiteral("window-tab%1").arg(tab + 1)); });
    }
    steps.push_back([&] {
        window.openStyleFile(folders.data + "Styles/glossy.ini");
        window.findChild<QLineEdit*>("edtCaption")->setText("Sign up");
        tabs->setCurrentIndex(2);
        window.findChild<QPushButton*>("btnSave")->click();
    });
    steps.push_back([save] { save("window-status"); });

    std::size_t next = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (next == steps.size()) {
            timer.stop();
            window.shutDown();
            QApplication::quit();
            return;
        }
        steps[next++]();
    });
    timer.start(400);
    return QApplication::exec();
}
