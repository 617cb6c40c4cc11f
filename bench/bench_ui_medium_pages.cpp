// A keystroke on the water, steam and humid-air pages, and a step of the
// humid-air page's pressure slider, through the real widgets:
// the typed key, the data exchange both ways, the model and the outputs
// repainted as text. Engineers type at these pages all day; each key must
// feel instant.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QSlider>
#include <QTabWidget>
#include <QtTest>
#include <functional>

#include "app/CSplashWnd.h"
#include "app/CZentaroTabbedDlg.h"
#include "base/NumberText.h"
#include "controls/ContextHelp.h"
#include "pages/CParaWodnaPage.h"
#include "pages/CPowietrzePage.h"
#include "pages/CWodaPage.h"
#include "pages/PageIds.h"
#include "UiBenchMain.h"

namespace {

QLineEdit* EditOf(QWidget& page, unsigned id) { return page.findChild<QLineEdit*>(ControlObjectName(id)); }

template <class Page>
struct Sheet {
    CZentaroTabbedDlg sheet{QStringLiteral("Zentaro")};
    Page& page;
    explicit Sheet(Page& (CZentaroTabbedDlg::*get)()) : page((sheet.*get)())
    {
        sheet.Tabs()->setCurrentWidget(&page);
        sheet.show();
        QApplication::processEvents();
    }
};

Sheet<CWodaPage> WaterSheet() { return Sheet<CWodaPage>(&CZentaroTabbedDlg::WodaPage); }
Sheet<CParaWodnaPage> SteamSheet() { return Sheet<CParaWodnaPage>(&CZentaroTabbedDlg::ParaWodnaPage); }
Sheet<CPowietrzePage> AirSheet() { return Sheet<CPowietrzePage>(&CZentaroTabbedDlg::PowietrzePage); }

QString Decimal(const char* whole, const char* fraction)
{
    return QString::fromUtf8(whole) + QLatin1Char(DecimalSeparator()) + QString::fromUtf8(fraction);
}

// Backspace and a digit, by turns, into a box that starts with the given
// text; afterEach runs after every key.
void KeysByTurns(benchmark::State& state, QLineEdit* box, const QString& start, Qt::Key digit,
                 const std::function<void()>& afterEach = {})
{
    box->setFocus();
    box->setText(start);
    box->end(false);
    bool typeDigit = false;
    for (auto _ : state) {
        QTest::keyClick(box, typeDigit ? digit : Qt::Key_Backspace);
        typeDigit = !typeDigit;
        if (afterEach)
            afterEach();
    }
}

// "300,5" and "300,": every key is an accepted temperature.
void BM_WaterTemperatureKeystroke(benchmark::State& state)
{
    Sheet s = WaterSheet();
    KeysByTurns(state, EditOf(s.page, WodaIds::IDC_TEMPERATURE), Decimal("300", "5"), Qt::Key_5);
    if (s.page.Model().GetTemperature() < 300)
        state.SkipWithError("the keys did not reach the page");
}
BENCHMARK(BM_WaterTemperatureKeystroke);

// "3000" rejected, "300" accepted: each key turns the caption red or back
// and disables or enables twelve controls.
void BM_WaterRejectedTemperatureKeystroke(benchmark::State& state)
{
    Sheet s = WaterSheet();
    KeysByTurns(state, EditOf(s.page, WodaIds::IDC_TEMPERATURE), QStringLiteral("300"), Qt::Key_0);
}
BENCHMARK(BM_WaterRejectedTemperatureKeystroke);

// Storing a state rewrites its box only when the text differs: after a
// keystroke it always does.
void BM_WaterKeystrokeThenStoreState(benchmark::State& state)
{
    Sheet s = WaterSheet();
    KeysByTurns(state, EditOf(s.page, WodaIds::IDC_TEMPERATURE), Decimal("300", "5"), Qt::Key_5,
                [&s] { s.page.StoreState(StateSlot::Initial); });
}
BENCHMARK(BM_WaterKeystrokeThenStoreState);

// Wet steam, "373,5" and "373,": each key also rewrites the pressure from
// the saturation line.
void BM_SteamTemperatureKeystroke(benchmark::State& state)
{
    Sheet s = SteamSheet();
    KeysByTurns(state, EditOf(s.page, ParaIds::IDC_TEMPERATURE), Decimal("373", "5"), Qt::Key_5);
    if (s.page.Model().GetPressure() < 90000)
        state.SkipWithError("the keys did not reach the page");
}
BENCHMARK(BM_SteamTemperatureKeystroke);

// Superheated steam at 1 MPa: "800,5" and "800,", the pressure stays.
void BM_SteamSuperheatedTemperatureKeystroke(benchmark::State& state)
{
    Sheet s = SteamSheet();
    s.page.SelectRegime(CPara::kSuperheated);
    KeysByTurns(state, EditOf(s.page, ParaIds::IDC_TEMPERATURE), Decimal("800", "5"), Qt::Key_5);
    if (s.page.Model().GetEnthalpy() <= 0)
        state.SkipWithError("the keys did not reach the page");
}
BENCHMARK(BM_SteamSuperheatedTemperatureKeystroke);

// Humid air at 60 %, "293,5" and "293,": each key also runs the wet-bulb
// search and rewrites the moisture content.
void BM_AirTemperatureKeystroke(benchmark::State& state)
{
    Sheet s = AirSheet();
    KeysByTurns(state, EditOf(s.page, PowietrzeIds::IDC_TEMPERATURE), Decimal("293", "5"), Qt::Key_5);
    if (s.page.Model().GetTemperature() < 293)
        state.SkipWithError("the keys did not reach the page");
}
BENCHMARK(BM_AirTemperatureKeystroke);

// One step of the barometric-pressure slider, left and right by turns
// (1000 and 999 hPa): the model's pressure, the boiling limit, every
// property and the label.
void BM_AirSliderStep(benchmark::State& state)
{
    Sheet s = AirSheet();
    auto* slider = s.page.findChild<QSlider*>(ControlObjectName(PowietrzeIds::IDC_BAROMETER));
    slider->setFocus();
    bool left = true;
    for (auto _ : state) {
        QTest::keyClick(slider, left ? Qt::Key_Left : Qt::Key_Right);
        left = !left;
    }
    // A pressure set by the slider makes the boiling temperature the limit.
    if (s.page.Model().GetMaxTemperature() > 400)
        state.SkipWithError("the steps did not reach the page");
}
BENCHMARK(BM_AirSliderStep);

} // namespace

int main(int argc, char** argv) { return RunUiBenchmarks(argc, argv); }
