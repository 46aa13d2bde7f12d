#include "display/keyboardpage.h"

#include "ui_keyboardwid.h"

#include <QWidget>

KeyboardPage::KeyboardPage(QWidget* page, const char* formName)
    : m_page(page)
    , m_form(std::make_unique<Ui::KeyboardUi>())
{
    if (page->objectName().isEmpty())
        page->setObjectName(QLatin1String(formName));
    m_form->setupUi(page);
    m_keys = keyMapOf(page);
}

KeyboardPage::~KeyboardPage() = default;

void KeyboardPage::move(const QMouseEvent& event)
{
    m_band.move(event);
    m_page->update();
}
