// SPDX-License-Identifier: MIT
#include "colour/groundbtn.h"

#include "platform/toolkit/colourname.h"
#include "platform/toolkit/stylesheet.h"

#include <QDrag>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>

namespace {
constexpr int kSquareSide = 20;
constexpr int kCheckedSquareSide = 30;
constexpr int kCaptionPoints = 8;
constexpr int kCheckedCaptionPoints = 9;

constexpr auto kButtonStyle = "QPushButton{background:transparent;border:none;}";
constexpr auto kSquareEnabledStyle = "border:1px solid white";
constexpr auto kSquareDisabledStyle = "border:1px solid gray";
constexpr auto kCaptionEnabledStyle = "color:white";
constexpr auto kCaptionDisabledStyle = "color:gray";
} // namespace

GroundBtn::GroundBtn(QWidget* parent)
    : QPushButton(parent)
    , m_corLab(new QLabel(this))
    , m_textLab(new QLabel(this))
{
    m_corLab->setObjectName(QStringLiteral("m_corLab"));
    m_textLab->setObjectName(QStringLiteral("m_textLab"));

    m_corLab->setFixedSize(kCheckedSquareSide, kCheckedSquareSide);
    m_corLab->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_corLab->setCursor(Qt::ClosedHandCursor);
    m_corLab->installEventFilter(this);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_corLab);
    layout->addWidget(m_textLab);

    setCheckable(true);
    setStyleSheet(QString::fromLatin1(kButtonStyle));
    connect(this, &QAbstractButton::toggled, this, &GroundBtn::slotGroundSel);
    setGroundEnabled(true);
}

void GroundBtn::setColor(const QColor& cor)
{
    m_cor = cor;
    setAccessibleDescription(ColourName::describe(cor));
    StyleSheet::apply(m_corLab, QStringLiteral("background:") + cor.name(QColor::HexArgb)
                                    + QStringLiteral(";border:1px solid white;"));
}

void GroundBtn::setGroundEnabled(bool b)
{
    QWidget::setEnabled(b);
    applySelectionSize(isChecked());
    StyleSheet::apply(m_corLab,
                      QString::fromLatin1(b ? kSquareEnabledStyle : kSquareDisabledStyle));
    StyleSheet::apply(m_textLab,
                      QString::fromLatin1(b ? kCaptionEnabledStyle : kCaptionDisabledStyle));
}

void GroundBtn::setLabelText(const QString& text)
{
    m_textLab->setText(text);
    updateGeometry();
}

QSize GroundBtn::sizeHint() const
{
    return layout()->sizeHint();
}

QSize GroundBtn::minimumSizeHint() const
{
    return layout()->minimumSize();
}

void GroundBtn::slotGroundSel(bool bSel)
{
    applySelectionSize(bSel);
}

void GroundBtn::applySelectionSize(bool bSel)
{
    const int side = bSel ? kCheckedSquareSide : kSquareSide;
    m_corLab->setFixedSize(side, side);
    const int points = bSel ? kCheckedCaptionPoints : kCaptionPoints;
    // A new font relays the caption even when it is the same size.
    if (m_textLab->font().pointSize() != points) {
        QFont font = m_textLab->font();
        font.setPointSize(points);
        m_textLab->setFont(font);
    }
    updateGeometry();
}

bool GroundBtn::eventFilter(QObject* watched, QEvent* event)
{
    const bool leftPress = event->type() == QEvent::MouseButtonPress
                           && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    if (watched != m_corLab || !isEnabled() || !leftPress)
        return QObject::eventFilter(watched, event);

    // The drag starts on the press itself; exec() blocks until the drop is over.
    auto* drag = new QDrag(this);
    auto* mime = new QMimeData;
    mime->setColorData(m_cor);
    drag->setMimeData(mime);
    drag->exec(Qt::MoveAction);
    setChecked(true);
    return true;
}
