#include "app/about_dialog.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace nimbrel {

namespace {

constexpr QSize kClientSize{274, 376};

// A small button drawn the way the program draws them: face, light and dark borders.
QPixmap buttonIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.fillRect(2, 8, 28, 16, QColor(0, 128, 192));
    p.setPen(QColor(127, 191, 223));
    p.drawLine(2, 8, 29, 8);
    p.drawLine(2, 8, 2, 23);
    p.setPen(QColor(0, 64, 96));
    p.drawLine(2, 23, 29, 23);
    p.drawLine(29, 8, 29, 23);
    p.setPen(Qt::white);
    p.drawLine(9, 16, 22, 16);
    return pixmap;
}

QLabel* textLine(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// The link label: bold, blue, a hand cursor; a click opens its own text.
class LinkLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void mouseReleaseEvent(QMouseEvent*) override { QDesktopServices::openUrl(QUrl(text())); }
};

}  // namespace

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName("frmAbout");
    setWindowTitle("About ...");
    setFixedSize(kClientSize);
    setModal(true);

    auto* column = new QVBoxLayout(this);
    auto* upper = new QFrame(this);
    upper->setFrameShape(QFrame::StyledPanel);
    auto* upperLayout = new QVBoxLayout(upper);
    auto* nameRow = new QHBoxLayout;
    auto* leftIcon = new QLabel(upper);
    leftIcon->setPixmap(buttonIcon());
    auto* rightIcon = new QLabel(upper);
    rightIcon->setPixmap(buttonIcon());
    lblName = new QLabel("Nimbrel", upper);
    lblName->setObjectName("lblName");
    lblName->setAlignment(Qt::AlignCenter);
    QFont large = lblName->font();
    large.setPixelSize(20);
    large.setBold(true);
    lblName->setFont(large);
    nameRow->addWidget(leftIcon);
    nameRow->addWidget(lblName, 1);
    nameRow->addWidget(rightIcon);
    upperLayout->addLayout(nameRow);
    upperLayout->addWidget(textLine("Written by the Nimbrel developers", upper));
    upperLayout->addWidget(textLine("Made by the Nimbrel project", upper));
    upperLayout->addWidget(textLine("GIF encoding by the Nimbrel GIF component authors", upper));
    column->addWidget(upper);

    auto* lower = new QFrame(this);
    lower->setFrameShape(QFrame::StyledPanel);
    auto* lowerLayout = new QVBoxLayout(lower);
    lowerLayout->addWidget(textLine("This program is freeware: use it and pass it on freely.", lower));
    lowerLayout->addWidget(textLine("Your feedback and ideas are always welcome.", lower));
    lowerLayout->addWidget(textLine("Visit our web site for news and updates:", lower));
    lblLink = new LinkLabel(kHomePageAddress, lower);
    lblLink->setObjectName("lblLink");
    lblLink->setAlignment(Qt::AlignCenter);
    lblLink->setCursor(Qt::PointingHandCursor);
    QFont bold = lblLink->font();
    bold.setBold(true);
    lblLink->setFont(bold);
    QPalette blue = lblLink->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    lblLink->setPalette(blue);
    lowerLayout->addWidget(lblLink);
    lowerLayout->addWidget(
        textLine("This software is provided as it is, without warranty of any kind. "
                 "You use it at your own risk.",
                 lower));
    column->addWidget(lower, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setObjectName("btnOK");
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    column->addWidget(buttons);
}

void AboutDialog::showEvent(QShowEvent* event)
{
    lblName->setText(kProgramNameAndVersion);
    if (QWidget* owner = parentWidget()) {
        const QRect area = owner->frameGeometry();
        move(area.center() - rect().center());
    }
    QDialog::showEvent(event);
}

}  // namespace nimbrel
