#include "app/AppIcon.h"

#include <QCoreApplication>
#include <QImageReader>

namespace {
QIcon* g_icon = nullptr;
}

QIcon ZentaroIcon()
{
    // The application and the sheet both carry the icon: decoded once per
    // application and freed when it ends.
    if (g_icon == nullptr) {
        g_icon = new QIcon;
        for (const char* size : {"48", "128", "256"})
            g_icon->addPixmap(LoadPngPicture(QStringLiteral(":/images/zentaro-%1.png").arg(QLatin1String(size))));
        qAddPostRoutine([] {
            delete g_icon;
            g_icon = nullptr;
        });
    }
    return *g_icon;
}

QPixmap LoadPngPicture(const QString& path)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}
