// The h-x chart painted: one full repaint of the chart at 900 x 700 px
// (antialiased lines and every label), the same after a new state (the
// layout built anew first), and a step of the humid-air page's pressure
// slider while the chart window is open (the page, the chart's lines at
// the new pressure, its layout and its repaint). One frame is 16 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QSlider>
#include <QTabWidget>
#include <QtTest>

#include "app/CSplashWnd.h"
#include "app/CZentaroTabbedDlg.h"
#include "base/NumberText.h"
#include "controls/ContextHelp.h"
#include "pages/CPowietrzePage.h"
#include "pages/CWykresHxCtrl.h"
#include "pages/CWykresHxDlg.h"
#include "pages/PageIds.h"
#include "UiBenchMain.h"

namespace {

constexpr double kC = 273.15;

HxMarks SomeMarks(const HxChart& chart, double temperature)
{
    HxMarks marks;
    marks.current = chart.StateAt(chart.PointOf(temperature, 55));
    marks.initial = chart.PointOf(kC + 5, 80);
    marks.final = chart.PointOf(kC + 22, 30);
    return marks;
}

void BM_ChartRepaint(benchmark::State& state)
{
    CWykresHxCtrl chart(WykresHxIds::IDC_PLOT);
    chart.resize(900, 700);
    chart.SetMarks(SomeMarks(chart.Chart(), kC + 26));
    QImage image(900, 700, QImage::Format_RGB32);
    const HxScene& scene = chart.Scene();
    for (auto _ : state) {
        QPainter painter(&image);
        CWykresHxCtrl::Paint(painter, scene);
    }
}
BENCHMARK(BM_ChartRepaint)->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);

void BM_ChartNewStateRepaint(benchmark::State& state)
{
    CWykresHxCtrl chart(WykresHxIds::IDC_PLOT);
    chart.resize(900, 700);
    QImage image(900, 700, QImage::Format_RGB32);
    double temperature = kC + 20;
    for (auto _ : state) {
        chart.SetMarks(SomeMarks(chart.Chart(), temperature));
        QPainter painter(&image);
        CWykresHxCtrl::Paint(painter, chart.Scene());
        temperature = temperature > kC + 30 ? kC + 20 : temperature + 0.1;
    }
}
BENCHMARK(BM_ChartNewStateRepaint)->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);

void BM_AirSliderStepWithChartOpen(benchmark::State& state)
{
    CZentaroTabbedDlg sheet(QStringLiteral("Zentaro"));
    CPowietrzePage& page = sheet.PowietrzePage();
    sheet.Tabs()->setCurrentWidget(&page);
    sheet.show();
    page.OpenChart();
    QApplication::processEvents();
    CWykresHxCtrl* chart = page.ChartWindow()->Chart();
    auto* slider = page.findChild<QSlider*>(ControlObjectName(PowietrzeIds::IDC_BAROMETER));
    slider->setFocus();
    bool left = true;
    for (auto _ : state) {
        QTest::keyClick(slider, left ? Qt::Key_Left : Qt::Key_Right);
        chart->repaint();
        left = !left;
    }
    if (chart->Pressure() != page.Model().GetBarometricPressure())
        state.SkipWithError("the chart did not follow the slider");
}
BENCHMARK(BM_AirSliderStepWithChartOpen)->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return RunUiBenchmarks(argc, argv); }
