// SPDX-License-Identifier: MIT
#include "display/multilayerwid.h"

#include "display/ledlabel.h"
#include "keylight/lightcolor.h"
#include "keylight/modecatalogue.h"
#include "ui_multilayerwid.h"

namespace {
const QString kBorderPix = QStringLiteral(":/KeyLight/key_border.png");
const QString kFillPix = QStringLiteral(":/KeyLight/key_fill.png");
constexpr int kFillLevel = 50;
} // namespace

MultilayerWid::MultilayerWid(QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::MultilayerUi>())
    , m_vMul(kSubModeCount)
{
    ui->setupUi(this);
    m_borderLab = new LedLabel(kBorderPix, LedLabel::kOutlineLevel, this);
    m_borderLab->setObjectName(QStringLiteral("m_borderLab"));
    m_fillLab = new LedLabel(kFillPix, kFillLevel, this);
    m_fillLab->setObjectName(QStringLiteral("m_fillLab"));
}

MultilayerWid::~MultilayerWid() = default;

// Every way in keeps the index below the number of layers, which never changes.
vantor_light& MultilayerWid::currentLayer()
{
    return m_vMul[m_iCurrSubMode];
}

void MultilayerWid::getMultilayer(unsigned char& iCurrSubMode, std::vector<vantor_light>& vMul)
{
    iCurrSubMode = m_iCurrSubMode;
    vMul = m_vMul;
}

void MultilayerWid::setMultilayer(unsigned char iCurrSubMode,
                                  const std::vector<vantor_light>& vMul)
{
    // A list of another length would leave layers without a record.
    if (iCurrSubMode >= m_vMul.size() || vMul.size() != m_vMul.size())
        return;
    m_iCurrSubMode = iCurrSubMode;
    m_vMul = vMul;
    updateColor();
}

void MultilayerWid::slotCurrMultilayerMode(int iSubModeIdx)
{
    const auto index = static_cast<unsigned char>(iSubModeIdx);
    if (index >= m_vMul.size())
        return;
    m_iCurrSubMode = index;
    updateColor();
    emit sigUpdateMultilayer(m_iCurrSubMode, m_vMul, false);
}

void MultilayerWid::slotMultilayerModeChanged(int iMode)
{
    currentLayer().mode = uchar(iMode);
    updateColor();
    emit sigUpdateMultilayer(m_iCurrSubMode, m_vMul, true);
}

void MultilayerWid::setLedColor(const QColor& cor)
{
    setGroundColor(currentLayer(), Ground::Foreground, cor);
    updateColor();
    emit sigUpdateMultilayer(m_iCurrSubMode, m_vMul, true);
}

void MultilayerWid::setLedSpeed(int iSpeed)
{
    currentLayer().speed = uchar(iSpeed);
    emit sigUpdateMultilayer(m_iCurrSubMode, m_vMul, true);
}

void MultilayerWid::setLedDirect(int iDirect)
{
    currentLayer().direction = uchar(iDirect);
    emit sigUpdateMultilayer(m_iCurrSubMode, m_vMul, true);
}

// An empty layer lights nothing; its stored colour stays for when it gets an effect again.
void MultilayerWid::updateColor()
{
    const vantor_light& layer = currentLayer();
    const QColor cor = layer.mode == Mode::Empty
        ? QColor(Qt::black)
        : groundColor(layer);
    m_borderLab->setColor(cor);
    m_fillLab->setColor(cor);
}

void MultilayerWid::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    m_borderLab->resizeMask(size());
    m_fillLab->resizeMask(size());
}
