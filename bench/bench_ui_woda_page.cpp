// A keystroke on the water page, through the real widgets: the typed key,
// the data exchange both ways, the model and the nine outputs repainted as
// text. Engineers type at the page all day; it must feel instant.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <QtTest>

#include "app/CSplashWnd.h"
#include "app/CZentaroTabbedDlg.h"
#include "base/NumberText.h"
#include "controls/ContextHelp.h"
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

// Backspace and a digit, by turns: every key is an accepted temperature.
void BM_TemperatureKeystroke(benchmark::State& state)
{
    Sheet s;
    QLineEdit* t = EditOf(s.page, CWodaPage::IDC_TEMPERATURE);
    t->setFocus();
    // "300,5" and "300,": both accepted.
    t->setText(QStringLiteral("300") + QLatin1Char(DecimalSeparator()) + QStringLiteral("5"));
    t->end(false);
    bool digit = false;
    for (auto _ : state) {
        if (digit)
            QTest::keyClick(t, Qt::Key_5);
        else
            QTest::keyClick(t, Qt::Key_Backspace);
        digit = !digit;
    }
    if (s.page.Model().GetTemperature() < 300)
        state.SkipWithError("the keys did not reach the page");
}
BENCHMARK(BM_TemperatureKeystroke);

// A rejected value: the caption turns red and twelve controls go grey.
void BM_RejectedTemperatureKeystroke(benchmark::State& state)
{
    Sheet s;
    QLineEdit* t = EditOf(s.page, CWodaPage::IDC_TEMPERATURE);
    t->setFocus();
    t->setText(QStringLiteral("300"));
    t->end(false);
    bool digit = false;
    for (auto _ : state) {
        // 3000 is rejected, 300 accepted: each key flips the message line.
        if (digit)
            QTest::keyClick(t, Qt::Key_0);
        else
            QTest::keyClick(t, Qt::Key_Backspace);
        digit = !digit;
    }
}
BENCHMARK(BM_RejectedTemperatureKeystroke);

void BM_StoreState(benchmark::State& state)
{
    Sheet s;
    for (auto _ : state)
        s.page.StoreState(CWodaPage::State::Initial);
}
BENCHMARK(BM_StoreState);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SetDecimalSeparator(SeparatorFromEnvironment());
    CSplashWnd::SetPicturePath(QString());
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
