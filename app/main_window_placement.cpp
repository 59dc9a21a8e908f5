// The window's normal bounds and state, kept in the settings file's "frmMain" section.
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <algorithm>
#include <climits>
#include <cstdint>

#include "app/main_window.h"
#include "app/window_bounds.h"
#include "settings/settings_file.h"
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
        const QRect current = window_.geometry();
        // Nothing stored: the window system places the window, as at a first start.
        if (!p.left && !p.top && !p.width && !p.height) return;
        // The window never becomes smaller than its controls need, so that is the size to fit.
        const QSize least = window_.minimumSizeHint().expandedTo(window_.minimumSize());
        const StoredBounds stored{p.left.value_or(current.left()), p.top.value_or(current.top()),
                                  std::max<std::int64_t>(p.width.value_or(current.width()), least.width()),
                                  std::max<std::int64_t>(p.height.value_or(current.height()), least.height())};
        window_.setGeometry(fitWindowBounds(stored, availableArea(stored), frameMargins()));
    }

private:
    // The screen under the middle of the stored window, else the main screen.
    static QRect availableArea(const StoredBounds& stored)
    {
        const QPoint middle(
            static_cast<int>(std::clamp<std::int64_t>(stored.left + stored.width / 2, INT_MIN, INT_MAX)),
            static_cast<int>(std::clamp<std::int64_t>(stored.top + stored.height / 2, INT_MIN, INT_MAX)));
        QScreen* screen = QGuiApplication::screenAt(middle);
        if (!screen) screen = QGuiApplication::primaryScreen();
        // Without any screen there is nothing to fit: the stored bounds stand.
        return screen ? screen->availableGeometry()
                      : QRect(QPoint(INT_MIN / 2, INT_MIN / 2), QPoint(INT_MAX / 2, INT_MAX / 2));
    }

    // Known once the window has been shown; before that, room for a title bar.
    QMargins frameMargins() const
    {
        const QRect inner = window_.geometry(), outer = window_.frameGeometry();
        if (outer != inner)
            return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                    outer.bottom() - inner.bottom()};
        return {0, window_.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window_), 0, 0};
    }

    QWidget& window_;
};

}  // namespace

void MainWindow::applyWindowPlacement()
{
    PlacementTarget target(*this);
    restoreWindowPlacement(settings_->readWindowPlacement(kMainWindowSection), target);
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
    settings_->writeWindowPlacement(kMainWindowSection, p);
}

}  // namespace nimbrel
