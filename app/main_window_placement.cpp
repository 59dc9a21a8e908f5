// The window's normal bounds and state, kept in the settings file's "frmMain" section.
#include "app/main_window.h"
#include "settings/main_window_settings.h"
#include "settings/settings_store.h"

namespace nimbrel {

namespace {

class PlacementTarget : public WindowPlacementTarget {
public:
    explicit PlacementTarget(QWidget& window) : window_(window) {}

    void setWindowState(std::int32_t state) override
    {
        switch (state) {
            case 1:
                window_.setWindowState(Qt::WindowMinimized);
                break;
            case 2:
                window_.setWindowState(Qt::WindowMaximized);
                break;
            default:
                window_.setWindowState(Qt::WindowNoState);
        }
    }

    void setNormalBounds(const WindowPlacement& p) override
    {
        QRect bounds = window_.geometry();
        if (p.left) bounds.moveLeft(*p.left);
        if (p.top) bounds.moveTop(*p.top);
        if (p.width) bounds.setWidth(*p.width);
        if (p.height) bounds.setHeight(*p.height);
        window_.setGeometry(bounds);
    }

private:
    QWidget& window_;
};

}  // namespace

void MainWindow::applyWindowPlacement()
{
    PlacementTarget target(*this);
    restoreWindowPlacement(ini_->readWindowPlacement(kMainWindowSection), target);
}

void MainWindow::storeWindowPlacement()
{
    const QRect normal = normalGeometry().isValid() ? normalGeometry() : geometry();
    WindowPlacement p;
    p.left = normal.x();
    p.top = normal.y();
    p.width = normal.width();
    p.height = normal.height();
    p.state = isMinimized() ? 1 : isMaximized() ? 2 : 0;
    ini_->writeWindowPlacement(kMainWindowSection, p);
}

}  // namespace nimbrel
