// The h-x chart as a control: it paints the chart's scene at its own size,
// tells what lies under the pointer and where the user clicked. The chart
// is built from the core (HxChart, HxChartScene); this only paints it.
#pragma once

#include <QImage>
#include <QWidget>
#include <memory>
#include <vector>

#include "pages/HxChartScene.h"

class QPainter;

class CWykresHxCtrl : public QWidget {
    Q_OBJECT
public:
    explicit CWykresHxCtrl(unsigned controlId, QWidget* parent = nullptr);
    ~CWykresHxCtrl() override;

    unsigned CtrlId() const { return m_ctrlId; }

    // What is drawn: the chart at a barometric pressure (Pa) with the
    // page's marks; the range widens to hold the marks.
    void SetPressure(double pressure);
    void SetMarks(const HxMarks& marks);
    double Pressure() const { return m_chart->Pressure(); }
    const HxChart& Chart() const { return *m_chart; }
    const HxMarks& Marks() const { return m_marks; }

    // The scene at the control's size, built when something changed.
    const HxScene& Scene();
    // The chart's point at a position of the control, and back.
    HxPoint PointAt(const QPointF& position) const;
    QPointF PositionOf(const HxPoint& point) const;
    // The control's picture scaled (2: twice as many pixels each way).
    QImage Picture(double scale);

    // Paints a scene onto any device: the control, an image, an SVG.
    static void Paint(QPainter& painter, const HxScene& scene);

signals:
    // The state under the pointer as it moves; Left when it leaves.
    void Hovered(const HxState& state);
    void Left();
    // A click of the left button at a point of the chart.
    void Picked(const HxPoint& point);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    // The lines again when the pressure or the range changed.
    void Rebuild();
    HxView View() const;

    unsigned m_ctrlId;
    std::unique_ptr<HxChart> m_chart;
    HxMarks m_marks;
    HxRange m_range;
    std::vector<HxLine> m_lines;
    HxScene m_scene;
    bool m_sceneValid = false;
};
