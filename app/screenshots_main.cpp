// Pictures of the main window for the documentation: one PNG per tab, taken
// from a real window (run under Xvfb: tools/screenshots.sh).
#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTimer>

#include "app/dialogs.h"
#include "app/main_window.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Nimbrel");
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    QDir().mkpath(folder);

    nimbrel::QtDialogs dialogs;
    nimbrel::MainWindow window(dialogs);
    dialogs.setParent(&window);
    window.show();

    auto* tabs = window.findChild<QTabWidget*>("pc");
    int tab = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (tab > 0) window.grab().save(QStringLiteral("%1/window-tab%2.png").arg(folder).arg(tab), "PNG");
        if (tab == tabs->count()) {
            timer.stop();
            window.shutDown();
            QApplication::quit();
            return;
        }
        tabs->setCurrentIndex(tab++);
    });
    timer.start(400);
    return QApplication::exec();
}
