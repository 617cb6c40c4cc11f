// Opening the analysis dialogs from a medium page, through the real
// widgets: the set-up (unit lists, the first computation, the columns lined
// up, the first box focused), the window shown and laid out, then closed;
// and a keystroke in the flow dialog. A dialog must come up at once.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>
#include <functional>

#include "analysis/AnalysisIds.h"
#include "app/CSplashWnd.h"
#include "app/CZentaroTabbedDlg.h"
#include "base/NumberText.h"
#include "controls/ContextHelp.h"
#include "controls/Modal.h"
#include "pages/CWodaPage.h"
#include "pages/PageIds.h"
#include "UiBenchMain.h"

namespace {

std::function<void(CDialog&)> g_inside;

// Each opening shows the window, lets it lay itself out and closes it.
int ShowAndClose(CDialog& dialog)
{
    dialog.show();
    QApplication::processEvents();
    if (g_inside)
        g_inside(dialog);
    dialog.hide();
    return QDialog::Rejected;
}

struct WaterSheet {
    CZentaroTabbedDlg sheet{QStringLiteral("Zentaro")};
    CWodaPage& page = sheet.WodaPage();
    WaterSheet()
    {
        sheet.Tabs()->setCurrentWidget(&page);
        sheet.show();
        QApplication::processEvents();
    }
    QPushButton* Button(unsigned id) { return page.findChild<QPushButton*>(ControlObjectName(id)); }
};

void BM_OpenFlowDialog(benchmark::State& state)
{
    WaterSheet s;
    QPushButton* flow = s.Button(WodaIds::IDC_FLOW);
    for (auto _ : state)
        flow->click();
}
BENCHMARK(BM_OpenFlowDialog)->Unit(benchmark::kMillisecond);

void BM_OpenEnergyDialog(benchmark::State& state)
{
    WaterSheet s;
    s.Button(WodaIds::IDC_STORE_INITIAL)->click();
    s.Button(WodaIds::IDC_STORE_FINAL)->click();
    QPushButton* energy = s.Button(WodaIds::IDC_ENERGY);
    for (auto _ : state)
        energy->click();
}
BENCHMARK(BM_OpenEnergyDialog)->Unit(benchmark::kMillisecond);

// Backspace and a digit by turns in the velocity: every key recomputes the
// flows, the section, the losses and rewrites the other boxes.
void BM_FlowVelocityKeystroke(benchmark::State& state)
{
    WaterSheet s;
    g_inside = [&state](CDialog& dialog) {
        auto* box = dialog.findChild<QLineEdit*>(ControlObjectName(PrzeplywIds::IDC_VELOCITY));
        box->setFocus();
        box->setText(QStringLiteral("1") + QLatin1Char(DecimalSeparator()) + QStringLiteral("5"));
        box->end(false);
        bool digit = false;
        for (auto _ : state) {
            QTest::keyClick(box, digit ? Qt::Key_5 : Qt::Key_Backspace);
            digit = !digit;
        }
    };
    s.Button(WodaIds::IDC_FLOW)->click();
    g_inside = nullptr;
}
BENCHMARK(BM_FlowVelocityKeystroke);

} // namespace

int main(int argc, char** argv)
{
    return RunUiBenchmarks(argc, argv, [] {
        CDialog::SetModalHook(ShowAndClose);
        // The question after the flow analysis is not asked: no state is
        // stored while the flow dialog opens, and its flow comes back
        // unchanged.
        SetMessageHook([](const MessageRequest&) { return QMessageBox::No; });
    });
}
