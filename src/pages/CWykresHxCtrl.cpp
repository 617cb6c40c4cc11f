#include "pages/CWykresHxCtrl.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>

#include "controls/ContextHelp.h"

namespace {

QColor ColourOf(HxInk ink) { return QColor::fromRgb(StyleOf(ink).rgb); }

QFont FontOf(HxInk ink)
{
    QFont font(QString::fromLatin1(kHxFontFamily));
    font.setPixelSize(StyleOf(ink).fontSize);
    font.setBold(StyleOf(ink).bold);
    return font;
}

bool SameRange(const HxRange& a, const HxRange& b)
{
    return a.minTemperature == b.minTemperature && a.maxTemperature == b.maxTemperature
           && a.maxMoisture == b.maxMoisture;
}

} // namespace

CWykresHxCtrl::CWykresHxCtrl(unsigned controlId, QWidget* parent)
    : QWidget(parent), m_ctrlId(controlId), m_chart(std::make_unique<HxChart>(100000))
{
    SetControlId(this, controlId);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::CrossCursor);
    setMinimumSize(480, 360);
    Rebuild();
}

CWykresHxCtrl::~CWykresHxCtrl() = default;

void CWykresHxCtrl::SetPressure(double pressure)
{
    if (pressure == m_chart->Pressure() && m_chart->IsValid())
        return;
    m_chart = std::make_unique<HxChart>(pressure);
    Rebuild();
}

void CWykresHxCtrl::SetMarks(const HxMarks& marks)
{
    m_marks = marks;
    if (!SameRange(m_chart->DefaultRange(m_marks.Points()), m_range))
        Rebuild();
    m_sceneValid = false;
    update();
}

void CWykresHxCtrl::Rebuild()
{
    m_range = m_chart->DefaultRange(m_marks.Points());
    m_lines = m_chart->Lines(m_range);
    m_sceneValid = false;
    update();
}

HxView CWykresHxCtrl::View() const { return HxView(*m_chart, m_range, width(), height()); }

const HxScene& CWykresHxCtrl::Scene()
{
    if (!m_sceneValid) {
        m_scene = BuildHxScene(*m_chart, m_lines, View(), m_marks);
        m_sceneValid = true;
    }
    return m_scene;
}

HxPoint CWykresHxCtrl::PointAt(const QPointF& position) const
{
    return View().ToChart({position.x(), position.y()});
}

QPointF CWykresHxCtrl::PositionOf(const HxPoint& point) const
{
    const HxPixel at = View().ToPixel(point);
    return {at.x, at.y};
}

QImage CWykresHxCtrl::Picture(double scale)
{
    const HxScene& scene = Scene();
    QImage image(QSize(qRound(scene.width * scale), qRound(scene.height * scale)), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(scale, scale);
    Paint(painter, scene);
    return image;
}

void CWykresHxCtrl::Paint(QPainter& painter, const HxScene& scene)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(QRectF(0, 0, scene.width, scene.height), Qt::white);
    painter.setBrush(Qt::NoBrush);
    for (const HxStroke& stroke : scene.strokes) {
        const HxInkStyle& style = StyleOf(stroke.ink);
        QPen pen(ColourOf(stroke.ink), style.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        if (style.dashed)
            pen.setDashPattern({5 / style.width, 3 / style.width});
        painter.setPen(pen);
        QPolygonF line;
        line.reserve(static_cast<int>(stroke.points.size()));
        for (const HxPixel& p : stroke.points)
            line << QPointF(p.x, p.y);
        painter.drawPolyline(line);
    }
    painter.setPen(QPen(Qt::white, 1));
    for (const HxDot& dot : scene.dots) {
        painter.setBrush(ColourOf(dot.ink));
        painter.drawEllipse(QPointF(dot.at.x, dot.at.y), dot.radius, dot.radius);
    }
    painter.setBrush(Qt::NoBrush);
    for (const HxText& text : scene.texts) {
        const QFont font = FontOf(text.ink);
        const QString shown = QString::fromStdString(text.text);
        const double width = QFontMetricsF(font).horizontalAdvance(shown);
        const double start = text.align == HxAlign::Left ? 0 : text.align == HxAlign::Centre ? -width / 2 : -width;
        painter.save();
        painter.translate(text.at.x, text.at.y);
        if (text.angle != 0)
            painter.rotate(text.angle);
        painter.setFont(font);
        painter.setPen(ColourOf(text.ink));
        painter.drawText(QPointF(start, StyleOf(text.ink).fontSize * kHxBaselineDrop), shown);
        painter.restore();
    }
}

bool CWykresHxCtrl::event(QEvent* event)
{
    return HandleControlHelpEvent(this, m_ctrlId, event, true) || QWidget::event(event);
}

void CWykresHxCtrl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Paint(painter, Scene());
}

void CWykresHxCtrl::resizeEvent(QResizeEvent* event)
{
    m_sceneValid = false;
    QWidget::resizeEvent(event);
}

void CWykresHxCtrl::mouseMoveEvent(QMouseEvent* event)
{
    const HxRect& plot = Scene().plot;
    const QPointF at = event->position();
    if (plot.Contains({at.x(), at.y()}))
        emit Hovered(m_chart->StateAt(PointAt(at)));
    else
        emit Left();
    QWidget::mouseMoveEvent(event);
}

void CWykresHxCtrl::mousePressEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    if (event->button() == Qt::LeftButton && Scene().plot.Contains({at.x(), at.y()})) {
        emit Picked(PointAt(at));
        return;
    }
    QWidget::mousePressEvent(event);
}

void CWykresHxCtrl::leaveEvent(QEvent* event)
{
    emit Left();
    QWidget::leaveEvent(event);
}
