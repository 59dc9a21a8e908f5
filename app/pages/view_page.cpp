#include "app/pages/view_page.h"

#include <QGridLayout>
#include <QLabel>
#include <QSlider>

#include "app/settings_binding.h"
#include "app/widgets/color_panel_button.h"
#include "app/widgets/control_makers.h"

namespace nimbrel {

ViewPage::ViewPage(Guard guard, QWidget* parent) : QWidget(parent), guard_(guard)
{
    setObjectName("tabView");
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 8, 8, 8);
    tbZoom_ = makeSettingSlider(setting_key::kZoom, "Zoom");
    tbZoom_->setPageStep(1);
    tbZoom_->setTickPosition(QSlider::TicksBelow);
    tbZoom_->setTickInterval(1);
    tbZoom_->setFixedWidth(160);
    pnlBackground_ = new ColorPanelButton("pnlBackground", "Preview background color");
    grid->addWidget(makeLabel("Zoom:", tbZoom_), 0, 0);
    grid->addWidget(tbZoom_, 0, 1, Qt::AlignLeft);
    grid->addWidget(makeLabel("Background:", pnlBackground_), 1, 0);
    grid->addWidget(pnlBackground_, 1, 1, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(2, 1);

    guard_.connect(tbZoom_, &QSlider::valueChanged, this, [this] { emit zoomChanged(); });
    guard_.connect(pnlBackground_, &ColorPanelButton::clicked, this, [this] { chooseBackground(); });
}

int ViewPage::zoom() const
{
    return tbZoom_->value();
}

Color ViewPage::background() const
{
    return pnlBackground_->color();
}

void ViewPage::chooseBackground()
{
    const auto chosen = guard_.dialogs().chooseColor(pnlBackground_->color());
    if (!chosen) return;
    pnlBackground_->setColor(*chosen);
    emit backgroundChanged();
}

}  // namespace nimbrel
