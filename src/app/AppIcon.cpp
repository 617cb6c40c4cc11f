#include "app/AppIcon.h"

QIcon ZentaroIcon()
{
    QIcon icon;
    for (const char* size : {"48", "128", "256"})
        icon.addFile(QStringLiteral(":/images/zentaro-%1.png").arg(QLatin1String(size)));
    return icon;
}
