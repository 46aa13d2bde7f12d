// SPDX-License-Identifier: MIT
#include "keylight/veil.h"

#include <QEvent>
#include <QHash>
#include <QLabel>

namespace {
// Takes the controls under a veil out of the focus chain while the veil is shown and gives
// them back their own focus policy when it goes.
class FocusGuard : public QObject
{
public:
    FocusGuard(QLabel* veil, QWidget* covered)
        : QObject(veil)
        , m_veil(veil)
        , m_covered(covered)
    {
        veil->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_veil && event->type() == QEvent::Show)
            takeFocusAway();
        else if (watched == m_veil && event->type() == QEvent::Hide)
            giveFocusBack();
        return QObject::eventFilter(watched, event);
    }

private:
    void takeFocusAway()
    {
        for (QWidget* control : m_covered->findChildren<QWidget*>()) {
            if (control == m_veil || control->focusPolicy() == Qt::NoFocus
                || m_policies.contains(control))
                continue;
            m_policies.insert(control, control->focusPolicy());
            if (control->hasFocus())
                control->clearFocus();
            control->setFocusPolicy(Qt::NoFocus);
        }
    }

    void giveFocusBack()
    {
        for (auto it = m_policies.cbegin(); it != m_policies.cend(); ++it)
            it.key()->setFocusPolicy(it.value());
        m_policies.clear();
    }

    QLabel* m_veil;
    QWidget* m_covered;
    QHash<QWidget*, Qt::FocusPolicy> m_policies; // the controls live as long as the veil
};
} // namespace

namespace Veil {

QLabel* create(QWidget* panel, const char* objectName, QWidget* covered)
{
    auto* veil = new QLabel(panel);
    veil->setObjectName(QLatin1String(objectName));
    veil->setStyleSheet(QLatin1String(kStyle));
    new FocusGuard(veil, covered);
    return veil;
}

} // namespace Veil
