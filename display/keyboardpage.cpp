// SPDX-License-Identifier: MIT
#include "display/keyboardpage.h"

#include "display/keycursor.h"
#include "display/ledkeybtn.h"
#include "keylight/keytable.h"
#include "ui_keyboardwid.h"

#include <QWidget>

KeyboardPage::KeyboardPage(QWidget* page, const char* formName, const QString& name,
                           const QString& help)
    : m_page(page)
    , m_form(std::make_unique<Ui::KeyboardUi>())
{
    if (page->objectName().isEmpty())
        page->setObjectName(QLatin1String(formName));
    m_form->setupUi(page);
    m_keys = keyMapOf(page);
    for (auto it = m_keys.cbegin(); it != m_keys.cend(); ++it) {
        const QString name = KeyTable::spokenName(*KeyTable::byLed(it.key()));
        it.value()->setAccessibleName(name);
        it.value()->setToolTip(name);
    }
    new KeyCursor(page, m_keys);
    page->setAccessibleName(name);
    page->setAccessibleDescription(help);
    page->setToolTip(help);
}

KeyboardPage::~KeyboardPage() = default;

void KeyboardPage::move(const QMouseEvent& event)
{
    m_band.move(event);
    m_page->update();
}
