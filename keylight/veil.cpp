#include "keylight/veil.h"

#include <QLabel>

namespace Veil {

QLabel* create(QWidget* panel, const char* objectName)
{
    auto* veil = new QLabel(panel);
    veil->setObjectName(QLatin1String(objectName));
    veil->setStyleSheet(QLatin1String(kStyle));
    return veil;
}

} // namespace Veil
