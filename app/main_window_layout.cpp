// The window's frame: preview on top, the tab area below it, the two big buttons at
// the bottom; plus the small "View Settings" tab.
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>
#include <tuple>

#include "app/main_window.h"
#include "app/widgets/color_panel_button.h"
#include "app/widgets/control_makers.h"
#include "app/widgets/preview_box.h"

namespace nimbrel {

namespace {

constexpr QSize kBigButton{160, 32};

}  // namespace

void MainWindow::buildLayout()
{
    auto* central = new QWidget;
    central->setObjectName("centralWidget");
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(4, 4, 4, 4);
    column->setSpacing(4);

    pb = new PreviewBox(button_);
    column->addWidget(pb, 1);

    pc = new QTabWidget;
    pc->setObjectName("pc");
    // The tab area keeps the height its tallest tab needs; the preview takes the rest.
    pc->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    tabButton = buildButtonTab();
    tabFont = buildFontTab();
    tabCaptions = buildCaptionsTab();
    tabOutput = buildOutputTab();
    tabView = buildViewTab();
    const std::tuple<QWidget*, const char*, const char*> tabs[] = {
        {tabButton, "tabButton", "Button Settings"},
        {tabFont, "tabFont", "Text Font"},
        {tabCaptions, "tabCaptions", "Captions && Filenames"},
        {tabOutput, "tabOutput", "Output Options"},
        {tabView, "tabView", "View Settings"}};
    for (const auto& [page, name, title] : tabs) {
        page->setObjectName(name);
        pc->addTab(page, title);
    }
    column->addWidget(pc);
    column->addWidget(buildBottomRow());
    setCentralWidget(central);
}

QWidget* MainWindow::buildViewTab()
{
    auto* content = new QWidget;
    auto* grid = new QGridLayout(content);
    grid->setContentsMargins(8, 8, 8, 8);
    tbZoom = new QSlider(Qt::Horizontal);
    tbZoom->setObjectName("tbZoom");
    tbZoom->setAccessibleName("Zoom");
    tbZoom->setRange(1, 5);
    tbZoom->setPageStep(1);
    tbZoom->setTickPosition(QSlider::TicksBelow);
    tbZoom->setTickInterval(1);
    tbZoom->setFixedWidth(160);
    pnlBackground = new ColorPanelButton("pnlBackground", "Preview background color");
    grid->addWidget(makeLabel("Zoom:", tbZoom), 0, 0);
    grid->addWidget(tbZoom, 0, 1, Qt::AlignLeft);
    grid->addWidget(makeLabel("Background:", pnlBackground), 1, 0);
    grid->addWidget(pnlBackground, 1, 1, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(2, 1);
    return content;
}

QWidget* MainWindow::buildBottomRow()
{
    auto* panel = new QWidget;
    panel->setObjectName("Panel1");
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    btnDraw = makeButton("btnDraw", "Draw Button");
    btnSave = makeButton("btnSave", "Save Button Image");
    for (QPushButton* button : {btnDraw, btnSave}) {
        QFont bold = button->font();
        bold.setBold(true);
        button->setFont(bold);
        button->setFixedSize(kBigButton);
    }
    row->addStretch(1);
    row->addWidget(btnDraw);
    row->addSpacing(16);
    row->addWidget(btnSave);
    row->addStretch(1);
    return panel;
}

}  // namespace nimbrel
