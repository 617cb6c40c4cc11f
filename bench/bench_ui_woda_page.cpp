// A keystroke on the water page, through the real widgets: the typed key,
// the data exchange both ways, the model and the nine outputs repainted as
// text. Engineers type at the page all day; it must feel instant.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <QtTest>
#include <functional>

#include "app/CSplashWnd.h"
#include "app/CZentaroTabbedDlg.h"
#include "base/NumberText.h"
#include "controls/ContextHelp.h"
#include "controls/UiString.h"
#include "pages/CWodaPage.h"

namespace {

QLineEdit* EditOf(QWidget& page, unsigned id) { return page.findChild<QLineEdit*>(ControlObjectName(id)); }

struct Sheet {
    CZentaroTabbedDlg sheet{QStringLiteral("Zentaro")};
    CWodaPage& page = sheet.WodaPage();
    Sheet()
    {
        sheet.Tabs()->setCurrentWidget(&page);
        sheet.show();
        QApplication::processEvents();
    }
};

// Backspace and a digit, by turns, into the temperature box that starts
// with the given text; afterEach runs after every key.
void KeysByTurns(benchmark::State& state, CWodaPage& page, const QString& start, Qt::Key digit,
                 const std::function<void()>& afterEach = {})
{
    QLineEdit* t = EditOf(page, CWodaPage::IDC_TEMPERATURE);
    t->setFocus();
    t->setText(start);
    t->end(false);
    bool typeDigit = false;
    for (auto _ : state) {
        QTest::keyClick(t, typeDigit ? digit : Qt::Key_Backspace);
        typeDigit = !typeDigit;
        if (afterEach)
            afterEach();
    }
}

// "300,5" and "300,": every key is an accepted temperature.
void BM_TemperatureKeystroke(benchmark::State& state)
{
    Sheet s;
    KeysByTurns(state, s.page, QStringLiteral("300") + QLatin1Char(DecimalSeparator()) + QStringLiteral("5"),
                Qt::Key_5);
    if (s.page.Model().GetTemperature() < 300)
        state.SkipWithError("the keys did not reach the page");
}
BENCHMARK(BM_TemperatureKeystroke);

// "3000" rejected, "300" accepted: each key turns the caption red or back
// and disables or enables twelve controls.
void BM_RejectedTemperatureKeystroke(benchmark::State& state)
{
    Sheet s;
    KeysByTurns(state, s.page, QStringLiteral("300"), Qt::Key_0);
}
BENCHMARK(BM_RejectedTemperatureKeystroke);

// Storing a state rewrites its box only when the text differs: after a
// keystroke it always does.
void BM_KeystrokeThenStoreState(benchmark::State& state)
{
    Sheet s;
    KeysByTurns(state, s.page, QStringLiteral("300") + QLatin1Char(DecimalSeparator()) + QStringLiteral("5"),
                Qt::Key_5, [&s] { s.page.StoreState(CWodaPage::State::Initial); });
}
BENCHMARK(BM_KeystrokeThenStoreState);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SetDecimalSeparator(SystemDecimalSeparator());
    CSplashWnd::SetPicturePath(QString());
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
