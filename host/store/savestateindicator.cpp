// SPDX-License-Identifier: MIT
#include "host/store/savestateindicator.h"

#include "platform/profilestore/profilestore.h"
#include "platform/toolkit/palette.h"

#include <QMessageBox>

namespace {
constexpr auto kStyle = "QLabel{color:@warning;font-weight:bold;padding:0 8px;}";
} // namespace

SaveStateIndicator::SaveStateIndicator(ProfileStore& store, QWidget* parent)
    : QLabel(tr("Not saved"), parent)
    , m_store(store)
{
    setObjectName(QStringLiteral("saveStateIndicator"));
    setAccessibleName(tr("Profile file state"));
    setStyleSheet(Palette::styleSheet(kStyle));
    hide();
    m_store.setSaveListener([this] { saveEnded(); });
}

SaveStateIndicator::~SaveStateIndicator()
{
    m_store.setSaveListener(nullptr);
}

void SaveStateIndicator::saveEnded()
{
    const bool failing = m_store.hasUnsavedChanges() && !m_store.lastError().isEmpty();
    setVisible(failing);
    const QString kept = tr("Your changes are kept in memory, and every further change tries "
                            "to save them again.");
    setToolTip(failing ? m_store.lastError() + QLatin1Char(' ') + kept : QString());
    if (failing && !m_failing) {
        // Not modal: the user can go on working, and export what cannot be saved.
        auto* box = new QMessageBox(QMessageBox::Warning, tr("Profiles not saved"),
                                    m_store.lastError() + QLatin1Char(' ') + kept,
                                    QMessageBox::Ok, window());
        box->setObjectName(QStringLiteral("saveFailedBox"));
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setWindowModality(Qt::NonModal);
        box->show();
    }
    m_failing = failing;
    emit sigSaveEnded();
}
