// SPDX-License-Identifier: MIT
#include "mode/modecombox.h"

#include "keylight/modecatalogue.h"
#include "mode/modecomboxaccessible.h"
#include "mode/modeicon.h"
#include "platform/toolkit/palette.h"
#include "platform/toolkit/stylesheet.h"

#include <QCoreApplication>
#include <QEvent>
#include <QIcon>
#include <QAbstractItemView>
#include <QLineEdit>
#include <QListView>
#include <QStandardItemModel>

namespace {
constexpr auto kSelectedStyle = "background:rgb(132,49,155)";
constexpr auto kUnselectedStyle = "background:rgb(81,81,81)";
// The drop-down list keeps a look of its own: the picker's selection colour would
// otherwise fill the whole list and hide the highlighted row.
constexpr auto kListStyle = "background:@control;color:@text;border:1px solid @panelBorder;"
                            "selection-background-color:@accent;selection-color:@text;";
constexpr int kModeRole = Qt::UserRole;

// The pickers translate the effect names in their own context; where a translation has no
// picker wording of its own, they take the mode list's.
QString effectName(const char* name)
{
    const QString picker = QCoreApplication::translate("ModeCombox", name);
    return picker != QLatin1String(name) ? picker
                                         : QCoreApplication::translate("LedModeUi", name);
}
} // namespace

ModeCombox::ModeCombox(int iSubModeIdx, QWidget* parent)
    : QComboBox(parent)
    , m_iSubModeIdx(iSubModeIdx)
    , m_iCurrMode(Mode::Empty)
    , m_bSelected(false)
{
    ModeComboxAccessible::install();
    // Editable only so the text can be centred; the user picks, never types.
    setEditable(true);
    lineEdit()->setReadOnly(true);
    lineEdit()->setAlignment(Qt::AlignCenter);
    lineEdit()->installEventFilter(this);
    setContextMenuPolicy(Qt::NoContextMenu);
    view()->setStyleSheet(Palette::styleSheet(kListStyle));
    // Every row has the same height. A list that knows it measures one row instead of all
    // of them each time the picker is restyled for its selection.
    if (auto* list = qobject_cast<QListView*>(view()))
        list->setUniformItemSizes(true);

    for (int mode : ModeCatalogue::subModeChoices()) {
        if (mode == Mode::Empty) {
            addItem(tr("EMPTY"), mode);
            continue;
        }
        const ModeInfo& info = ModeCatalogue::info(mode);
        addItem(modeIcon(mode), effectName(info.name), mode);
    }

    // Connected after the items exist, so filling the list reports nothing.
    connect(this, SIGNAL(currentIndexChanged(int)), this, SLOT(slotCurrIdxChanged( int )));
}

int ModeCombox::currMode() const
{
    return currentData(kModeRole).toInt();
}

void ModeCombox::setCurrMode(int iMode)
{
    blockSignals(true);
    setCurrentIndex(findData(iMode, kModeRole, Qt::MatchExactly));
    blockSignals(false);
    m_iCurrMode = iMode;
    updateName();
}

void ModeCombox::setSelected(bool bSelected)
{
    m_bSelected = bSelected;
    StyleSheet::apply(this, QString::fromLatin1(bSelected ? kSelectedStyle : kUnselectedStyle));
    updateName();
}

void ModeCombox::setNameFormat(const QString& format)
{
    m_nameFormat = format;
    updateName();
}

void ModeCombox::updateName()
{
    if (m_nameFormat.isEmpty())
        return;
    setAccessibleName(m_nameFormat.arg(m_iSubModeIdx + 1).arg(currentText()));
    setAccessibleDescription(m_bSelected ? tr("Selected: the colour, speed and direction "
                                              "panels edit this one.")
                                         : tr("Press to select it for editing."));
    setToolTip(accessibleName());
}

void ModeCombox::hideMode(int iMode)
{
    setModeAvailable(iMode, false);
}

void ModeCombox::showMode(int iMode)
{
    setModeAvailable(iMode, true);
}

void ModeCombox::showAllModes()
{
    for (int row = 0; row < count(); ++row)
        setRowAvailable(row, true);
}

bool ModeCombox::eventFilter(QObject* watched, QEvent* event)
{
    // The first press on a grey picker only makes its layer or zone the current one.
    if (event->type() == QEvent::MouseButtonPress && !m_bSelected) {
        markSelected();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void ModeCombox::wheelEvent(QWheelEvent* e)
{
    // Scrolling the mode list must not change a layer's effect on the way past.
    Q_UNUSED(e)
}

void ModeCombox::slotCurrIdxChanged(int idx)
{
    if (!m_bSelected)
        markSelected();
    const int iNewMode = itemData(idx, kModeRole).toInt();
    updateName();
    emit sigSubModeChanged(m_iCurrMode, iNewMode);
    m_iCurrMode = iNewMode;
}

void ModeCombox::markSelected()
{
    m_bSelected = true;
    StyleSheet::apply(this, QString::fromLatin1(kSelectedStyle));
    updateName();
    emit sigClicked(m_iSubModeIdx);
}

void ModeCombox::setModeAvailable(int iMode, bool bAvailable)
{
    // Any number of layers or zones may be empty, so "EMPTY" is always offered.
    if (iMode == Mode::Empty)
        return;
    const int row = findData(iMode, kModeRole, Qt::MatchExactly);
    if (row >= 0)
        setRowAvailable(row, bAvailable);
}

void ModeCombox::setRowAvailable(int row, bool bAvailable)
{
    if (auto* list = qobject_cast<QListView*>(view()))
        list->setRowHidden(row, !bAvailable);
    // A hidden row is also disabled, so the arrow keys step over it like the list does.
    if (auto* items = qobject_cast<QStandardItemModel*>(model()))
        items->item(row)->setEnabled(bAvailable);
}
