// A keystroke on the calculator page, through the real widgets: the key
// through the page's key table, the tape, the refreshed list and the flash
// of its button. Keys take effect at once, so this is what a typist waits
// for. Tapes of 10 to 10 000 expressions, since the tape only grows until
// CE: the cost of a key should not grow with them.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTabWidget>
#include <QtTest>
#include <map>
#include <memory>

#include "app/CSplashWnd.h"
#include "app/CZentaroTabbedDlg.h"
#include "base/NumberText.h"
#include "calc/CKalkPage.h"
#include "controls/HelpControls.h"
#include "UiBenchMain.h"

namespace {

constexpr int kTokensPerExpression = 8;

struct Sheet {
    CZentaroTabbedDlg sheet{QStringLiteral("Zentaro")};
    CKalkPage& page = sheet.KalkPage();
    // n expressions "12,5 * sin( 30 ) + 7 =", then "+".
    explicit Sheet(int expressions)
    {
        sheet.show();
        Activate();
        for (int i = 0; i < expressions; ++i)
            for (int id : {kIdDigit0 + 1, kIdDigit0 + 2, kIdSeparator, kIdDigit0 + 5, kIdMultiply, kIdFunction0 + 11,
                           kIdDigit0 + 3, kIdDigit0, kIdCloseBracket, kIdAdd, kIdDigit0 + 7, kIdResult})
                page.OnCommand(id);
        page.OnCommand(kIdAdd);
    }
    // The page's keys need the focus in its window.
    void Activate()
    {
        sheet.raise();
        sheet.activateWindow();
        if (!QTest::qWaitForWindowActive(&sheet))
            qFatal("the window did not become active");
        page.TapeList()->setFocus();
    }
};

// One sheet per length, built once: long tapes take a while to type.
Sheet& SheetOf(int expressions)
{
    static std::map<int, std::unique_ptr<Sheet>> sheets;
    std::unique_ptr<Sheet>& sheet = sheets[expressions];
    if (!sheet)
        sheet = std::make_unique<Sheet>(expressions);
    sheet->Activate();
    return *sheet;
}

void Lengths(benchmark::internal::Benchmark* b)
{
    for (int n : {10, 100, 1000, 10000})
        b->Arg(n);
}

// A digit and Backspace, by turns, at the end of the tape.
void BM_KeystrokeAtTheEnd(benchmark::State& state)
{
    Sheet& s = SheetOf(static_cast<int>(state.range(0)));
    CListBoxEx* list = s.page.TapeList();
    list->setCurrentRow(list->count() - 1);
    const int count = s.page.Tape().TokenCount();
    bool digit = true;
    for (auto _ : state) {
        QTest::keyClick(list, digit ? Qt::Key_4 : Qt::Key_Backspace);
        digit = !digit;
    }
    // The first digit may add a number; Backspace then only empties it.
    const int after = s.page.Tape().TokenCount();
    if (after != count && after != count + 1)
        state.SkipWithError("the keys did not reach the tape");
}
BENCHMARK(BM_KeystrokeAtTheEnd)->Apply(Lengths);

// "+" and Backspace, by turns, after a number at the end: each key adds or
// removes a row.
void BM_KeystrokeAddingARow(benchmark::State& state)
{
    Sheet& s = SheetOf(static_cast<int>(state.range(0)));
    CListBoxEx* list = s.page.TapeList();
    list->setCurrentRow(list->count() - 1);
    QTest::keyClick(list, Qt::Key_4);
    const int rows = list->count();
    bool plus = true;
    for (auto _ : state) {
        if (plus)
            QTest::keyClick(list, '+');
        else
            QTest::keyClick(list, Qt::Key_Backspace);
        plus = !plus;
    }
    if (!plus)
        QTest::keyClick(list, Qt::Key_Backspace);
    if (list->count() != rows)
        state.SkipWithError("the rows did not come and go");
    // The number as it was: emptied, then gone.
    QTest::keyClick(list, Qt::Key_Backspace);
    QTest::keyClick(list, Qt::Key_Backspace);
}
BENCHMARK(BM_KeystrokeAddingARow)->Apply(Lengths);

// A digit and Backspace at the end, each followed by the events it posted:
// the list's and the button's repaint included.
void BM_KeystrokeAndRepaint(benchmark::State& state)
{
    Sheet& s = SheetOf(static_cast<int>(state.range(0)));
    CListBoxEx* list = s.page.TapeList();
    list->setCurrentRow(list->count() - 1);
    QCoreApplication::processEvents();
    bool digit = true;
    for (auto _ : state) {
        QTest::keyClick(list, digit ? Qt::Key_4 : Qt::Key_Backspace);
        QCoreApplication::processEvents();
        digit = !digit;
    }
}
BENCHMARK(BM_KeystrokeAndRepaint)->Apply(Lengths);

// A digit and Backspace on a number in the middle: its expression is
// recomputed at once.
void BM_KeystrokeOnAnEarlierLine(benchmark::State& state)
{
    Sheet& s = SheetOf(static_cast<int>(state.range(0)));
    CListBoxEx* list = s.page.TapeList();
    // The first number of the middle expression.
    list->setCurrentRow(static_cast<int>(state.range(0)) / 2 * kTokensPerExpression);
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
    // The number as it was, for the next run.
    if (!digit)
        QTest::keyClick(list, Qt::Key_Backspace);
}
BENCHMARK(BM_KeystrokeOnAnEarlierLine)->Apply(Lengths);

} // namespace

int main(int argc, char** argv) { return RunUiBenchmarks(argc, argv); }
