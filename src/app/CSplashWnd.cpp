#include "app/CSplashWnd.h"

#include <QApplication>
#include <QColor>
#include <QEvent>
#include <QFont>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QTimerEvent>

#include "app/AppIcon.h"
#include "base/BuildInfo.h"

namespace {
bool g_enabled = false;
CSplashWnd* g_splash = nullptr;
int g_durationMs = 3000;
QString g_picturePath = QStringLiteral(":/images/splash.png");

// Watches every event of the application while the splash stands. The
// application owns it, so it goes with the application.
class SplashFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* event) override { return CSplashWnd::FilterSplashMessage(event); }
};
QPointer<SplashFilter> g_filter;
} // namespace

void CSplashWnd::EnableSplash(bool enable) { g_enabled = enable; }
CSplashWnd* CSplashWnd::Current() { return g_splash; }
void CSplashWnd::SetDuration(int milliseconds) { g_durationMs = milliseconds; }
void CSplashWnd::SetPicturePath(const QString& path) { g_picturePath = path; }
QString CSplashWnd::VersionLine() { return QStringLiteral("Wersja %1").arg(QLatin1String(kZentaroVersion)); }

void CSplashWnd::ShowSplash(QWidget* parent)
{
    if (!g_enabled || g_splash != nullptr)
        return;
    const QPixmap picture = LoadPngPicture(g_picturePath);
    if (picture.isNull())
        return;
    auto* splash = new CSplashWnd(parent, picture);
    // Centre over the owner once it is on screen, else on the screen's work area.
    QRect area;
    if (parent != nullptr && parent->isVisible())
        area = parent->frameGeometry();
    else if (QScreen* screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    if (area.isValid())
        splash->move(area.center() - QPoint(picture.width() / 2, picture.height() / 2));
    splash->show();
    // Showing a splash window usually paints it already; a second paint
    // would only read the picture anew.
    if (!splash->m_painted)
        splash->repaint();
}

bool CSplashWnd::FilterSplashMessage(QEvent* event)
{
    if (g_splash == nullptr)
        return false;
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Claim the key so that no shortcut fires; the key press that
        // follows hides the splash and is swallowed below.
        event->accept();
        return true;
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonDblClick:
        g_splash->HideSplashWindow();
        return true;
    default:
        return false;
    }
}

CSplashWnd::CSplashWnd(QWidget* parent, const QPixmap& picture)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), m_bitmap(picture), m_picturePath(g_picturePath),
      m_owner(parent)
{
    g_splash = this;
    setAttribute(Qt::WA_DeleteOnClose);
    setCursor(Qt::ArrowCursor);
    setFixedSize(picture.size());
    m_timerId = startTimer(g_durationMs);
    if (g_filter == nullptr)
        g_filter = new SplashFilter(qApp);
    qApp->installEventFilter(g_filter);
}

CSplashWnd::~CSplashWnd()
{
    qApp->removeEventFilter(g_filter);
    if (g_splash == this)
        g_splash = nullptr;
}

void CSplashWnd::paintEvent(QPaintEvent*)
{
    // The picture is painted once and then let go: kept, it would hold
    // 0.6 MB for the seconds the splash stands, to serve a repaint that
    // hardly comes (the backing store keeps what was drawn). Such a repaint
    // reads it anew.
    if (m_bitmap.isNull())
        m_bitmap = LoadPngPicture(m_picturePath);
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_bitmap);
    m_bitmap = QPixmap();
    m_painted = true;
    // The version line is drawn rather than part of the picture, so that it
    // always names the version that runs. Place, size and colour suit the
    // picture's free lower left corner.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(16);
    painter.setFont(font);
    painter.setPen(QColor(255, 208, 138));
    painter.drawText(QPoint(44, 290), VersionLine());
}

void CSplashWnd::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_timerId)
        HideSplashWindow();
}

void CSplashWnd::HideSplashWindow()
{
    killTimer(m_timerId);
    m_timerId = 0;
    g_splash = nullptr;
    hide();
    if (m_owner != nullptr)
        m_owner->repaint();
    deleteLater();
}
