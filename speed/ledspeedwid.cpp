// SPDX-License-Identifier: MIT
#include "speed/ledspeedwid.h"

#include "keylight/modecatalogue.h"
#include "keylight/veil.h"
#include "keylight/vantor_types.h"
#include "ui_ledspeedwid.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QLabel>
#include <QToolButton>

#include <algorithm>
#include <iterator>

namespace {
// A veil reaches a little past its part so no sliver of the controls under it shows.
constexpr int kVeilOverhang = 6;

// Scoped to the panel so the veils and the picture pages keep their own sheets.
constexpr auto kPanelLook =
    "LedSpeedWid QLabel{color:@text;}"
    "LedSpeedWid QToolButton{color:@text;background:@control;border:1px solid @controlBorder;"
    "border-radius:3px;}"
    "LedSpeedWid QToolButton:hover{border-color:@accent;}"
    "LedSpeedWid QToolButton:checked{background:@accent;border-color:@accentLight;}"
    "LedSpeedWid QToolButton:disabled{color:gray;background:@controlDisabled;"
    "border-color:@controlDisabledBorder;}"
    "LedSpeedWid QToolButton:focus{border:2px solid @focus;}";

// Pages of the direction picture: the plain keyboard, then one arrow picture per direction.
enum DirPage : int { PlainPage = 0, UpPage = 1, DownPage = 2, LeftPage = 3, RightPage = 4 };

// The keys that would move the speed slider sideways: arrows and keypad 2, 4, 6, 8. The
// native key code tells them apart from Page Up/Down and Home/End, which stay usable.
// Windows virtual-key codes.
constexpr quint32 kVkLeft = 0x25;
constexpr quint32 kVkUp = 0x26;
constexpr quint32 kVkRight = 0x27;
constexpr quint32 kVkDown = 0x28;
constexpr quint32 kVkNumpad2 = 0x62;
constexpr quint32 kVkNumpad4 = 0x64;
constexpr quint32 kVkNumpad6 = 0x66;
constexpr quint32 kVkNumpad8 = 0x68;
// X11 keysyms of the same keys; the keypad sends its arrow keysyms while Num Lock is off.
constexpr quint32 kXkLeft = 0xff51;
constexpr quint32 kXkUp = 0xff52;
constexpr quint32 kXkRight = 0xff53;
constexpr quint32 kXkDown = 0xff54;
constexpr quint32 kXkKp2 = 0xffb2;
constexpr quint32 kXkKp4 = 0xffb4;
constexpr quint32 kXkKp6 = 0xffb6;
constexpr quint32 kXkKp8 = 0xffb8;
constexpr quint32 kXkKpLeft = 0xff96;
constexpr quint32 kXkKpUp = 0xff97;
constexpr quint32 kXkKpRight = 0xff98;
constexpr quint32 kXkKpDown = 0xff99;

constexpr quint32 kSideKeys[] = {
    kVkLeft, kVkUp, kVkRight, kVkDown, kVkNumpad2, kVkNumpad4, kVkNumpad6, kVkNumpad8,
#if defined(Q_OS_LINUX)
    kXkLeft, kXkUp, kXkRight, kXkDown, kXkKp2, kXkKp4, kXkKp6, kXkKp8,
    kXkKpLeft, kXkKpUp, kXkKpRight, kXkKpDown,
#endif
};

bool isSideKey(quint32 nativeKey)
{
    return std::find(std::begin(kSideKeys), std::end(kSideKeys), nativeKey)
        != std::end(kSideKeys);
}
} // namespace

LedSpeedWid::LedSpeedWid(QWidget* parent)
    : TandelWid(parent)
    , ui(std::make_unique<Ui::LedSpeedUi>())
{
    addPanelStyle(kPanelLook);
    ui->setupUi(this);

    m_dirGroup = new QButtonGroup(this);
    m_dirGroup->setExclusive(true);
    m_dirGroup->addButton(ui->m_up, Direction::Up);
    m_dirGroup->addButton(ui->m_down, Direction::Down);
    m_dirGroup->addButton(ui->m_left, Direction::Left);
    m_dirGroup->addButton(ui->m_right, Direction::Right);
    // idClicked: Qt 6 has no int overload of buttonClicked.
    connect(m_dirGroup, SIGNAL(idClicked(int)), this, SLOT(slotLedDirectChanged(int)));

    ui->m_ledSpeed->showScaleValue(false);
    ui->m_ledSpeed->installEventFilter(this);
    // Only the slider's user changes reach the preview; setModeParam shows values silently.
    connect(ui->m_ledSpeed, SIGNAL(sigValChanged(int)), this, SIGNAL(sigLedSpeedChanged(int)));

    nameControls();

    // Created last so they lie on top; the first mode shown decides whether they show.
    m_speedOverlayLab = Veil::create(this, "m_speedOverlayLab", ui->m_speedWid);
    m_dirOverlayLab = Veil::create(this, "m_dirOverlayLab", ui->m_dirWid);
}

LedSpeedWid::~LedSpeedWid() = default;

// The arrow buttons show "..." as their text; their names say where the effect runs.
void LedSpeedWid::nameControls()
{
    ui->m_ledSpeed->setAccessibleName(tr("Speed"));
    ui->m_ledSpeed->setValueToolTip(tr("Speed: %1 of %2"));
    const struct
    {
        QToolButton* button;
        QString name;
        QString tip;
    } arrows[] = {
        {ui->m_up, tr("Up"), tr("The effect runs upwards")},
        {ui->m_left, tr("Left"), tr("The effect runs to the left")},
        {ui->m_right, tr("Right"), tr("The effect runs to the right")},
        {ui->m_down, tr("Down"), tr("The effect runs downwards")},
    };
    for (const auto& arrow : arrows) {
        arrow.button->setAccessibleName(arrow.name);
        arrow.button->setToolTip(arrow.tip);
        // Tab reaches them as it reaches every other control of the page.
        arrow.button->setFocusPolicy(Qt::StrongFocus);
    }
}

int LedSpeedWid::directToPage(int iDirect)
{
    switch (iDirect) {
    case Direction::Left:
        return LeftPage;
    case Direction::Up:
        return UpPage;
    case Direction::Right:
        return RightPage;
    case Direction::Down:
        return DownPage;
    default:
        return iDirect;
    }
}

void LedSpeedWid::setModeParam(int iMode, int iSpeed, int iDirect)
{
    slotLedModeChanged(iMode);
    ui->m_ledSpeed->setSliderValue(iSpeed);
    if (ModeCatalogue::hasDirection(iMode)) {
        // Checking by code emits no buttonClicked, so nothing is reported upward.
        if (QAbstractButton* button = m_dirGroup->button(iDirect))
            button->setChecked(true);
        ui->m_ledDirWid->setCurrentIndex(directToPage(iDirect));
    } else {
        ui->m_ledDirWid->setCurrentIndex(PlainPage);
    }
}

bool LedSpeedWid::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress
        && isSideKey(static_cast<QKeyEvent*>(event)->nativeVirtualKey())) {
        return true;
    }
    return TandelWid::eventFilter(watched, event);
}

void LedSpeedWid::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const QSize overhang(kVeilOverhang, kVeilOverhang);
    m_speedOverlayLab->resize(ui->m_speedWid->size() + overhang);
    m_dirOverlayLab->move(0, ui->m_speedWid->height() + kVeilOverhang);
    m_dirOverlayLab->resize(ui->m_dirWid->size() + overhang);
}

void LedSpeedWid::slotLedModeChanged(int iModeIdx)
{
    m_speedOverlayLab->setVisible(!ModeCatalogue::hasSpeed(iModeIdx));
    const bool vertical = ModeCatalogue::hasVerticalDirection(iModeIdx);
    ui->m_up->setEnabled(vertical);
    ui->m_down->setEnabled(vertical);
    m_dirOverlayLab->setVisible(!ModeCatalogue::hasDirection(iModeIdx));
}

void LedSpeedWid::slotCurrMultilayerMode(int iSubModeIdx, int iMode)
{
    Q_UNUSED(iSubModeIdx)
    slotLedModeChanged(iMode);
}

void LedSpeedWid::slotCurrMultizoneMode(int iSubModeIdx, int iMode)
{
    Q_UNUSED(iSubModeIdx)
    slotLedModeChanged(iMode);
}

void LedSpeedWid::slotLedDirectChanged(int iDirect)
{
    ui->m_ledDirWid->setCurrentIndex(directToPage(iDirect));
    emit sigLedDirectChanged(iDirect);
}
