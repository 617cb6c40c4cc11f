// A keystroke on the calculator page, through the real widgets: the key
// through the page's key table, the tape, the refreshed list and the flash
// of its button. Keys take effect at once, so this is what a typist waits
// for; tapes of growing length, since the tape only grows until CE.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTabWidget>
#include <QtTest>

#include "app/CSplashWnd.h"
#include "app/CZentaroTabbedDlg.h"
#include "base/NumberText.h"
#include "calc/CKalkPage.h"
#include "controls/HelpControls.h"

namespace {

struct Sheet {
    CZentaroTabbedDlg sheet{QStringLiteral("Zentaro")};
    CKalkPage& page = sheet.KalkPage();
    // n expressions "12,5 * sin( 30 ) + 7 =", then "+".
    explicit Sheet(int expressions)
    {
        sheet.show();
        // The page's keys need the focus in its window.
        if (!QTest::qWaitForWindowActive(&sheet))
            qFatal("the window did not become active");
        for (int i = 0; i < expressions; ++i)
            for (int id : {kIdDigit0 + 1, kIdDigit0 + 2, kIdSeparator, kIdDigit0 + 5, kIdMultiply, kIdFunction0 + 11,
                           kIdDigit0 + 3, kIdDigit0, kIdCloseBracket, kIdAdd, kIdDigit0 + 7, kIdResult})
                page.OnCommand(id);
        page.OnCommand(kIdAdd);
    }
};

// A digit and Backspace, by turns, at the end of the tape.
void BM_KeystrokeAtTheEnd(benchmark::State& state)
{
    Sheet s(static_cast<int>(state.range(0)));
    QWidget* list = s.page.TapeList();
    list->setFocus();
    const int count = s.page.Tape().TokenCount();
    bool digit = true;
    for (auto _ : state) {
        QTest::keyClick(list, digit ? Qt::Key_4 : Qt::Key_Backspace);
        digit = !digit;
    }
    // The first digit adds a number; Backspace then only empties it.
    if (s.page.Tape().TokenCount() != count + 1)
        state.SkipWithError("the keys did not reach the tape");
}
BENCHMARK(BM_KeystrokeAtTheEnd)->Arg(1)->Arg(100)->Arg(1000);

// A digit and Backspace on a number in the middle: its expression is
// recomputed at once.
void BM_KeystrokeOnAnEarlierLine(benchmark::State& state)
{
    Sheet s(static_cast<int>(state.range(0)));
    CListBoxEx* list = s.page.TapeList();
    list->setFocus();
    // The first number of the middle expression (eight tokens each).
    list->setCurrentRow(static_cast<int>(state.range(0)) / 2 * 8);
    const int cursor = s.page.Tape().Cursor();
    const std::string before = s.page.Tape().Token(cursor)->m_valueText;
    QTest::keyClick(list, Qt::Key_4);
    if (s.page.Tape().Token(cursor)->m_valueText == before)
        state.SkipWithError("the keys did not reach the tape");
    bool digit = false;
    for (auto _ : state) {
        QTest::keyClick(list, digit ? Qt::Key_4 : Qt::Key_Backspace);
        digit = !digit;
    }
    if (s.page.Tape().Cursor() != cursor)
        state.SkipWithError("the cursor moved");
}
BENCHMARK(BM_KeystrokeOnAnEarlierLine)->Arg(100)->Arg(1000);

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
