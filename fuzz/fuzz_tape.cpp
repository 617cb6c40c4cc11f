// The calculator tape driven by any sequence of keys (known button ids and
// any other), list selections anywhere, pastes of any bytes, copies, Info,
// and the page's parameters (Fix, decimals, y, angle, unit conversion) with
// any values. After every key the tape must be sound:
//   - the cursor is on a token, the first token is a number or a bracket;
//   - the open-bracket count is the brackets' balance;
//   - every link of a node points into the list, and each node's link
//     count is the number of links to it;
//   - the rows a list built from TakeDisplayChanges() alone equal the
//     tape's lines, and those equal the lines built from scratch;
//   - every tree can be evaluated (Info asks any node of them);
//   - a result recomputed after a key is what its expression gives when
//     computed anew from the tokens.
// Flashes name buttons; a line is bounded whatever the nesting.
#include <optional>
#include <unordered_map>
#include <vector>

#include "FuzzInput.h"
#include "base/NumberText.h"
#include "calc/Tasma.h"
#include "calc_reference.h"

namespace {

using fuzz::Show;

int AnyButton(fuzz::Input& in)
{
    static const std::vector<int> buttons = [] {
        std::vector<int> ids;
        for (int id = kIdPi; id <= kIdClearAll; ++id)
            ids.push_back(id);
        for (int id = kIdCloseBracket; id <= kIdFunction24; ++id)
            ids.push_back(id);
        return ids;
    }();
    if (in.Below(32) == 0)
        return in.Int();
    return buttons[in.Below(static_cast<unsigned>(buttons.size()))];
}

bool IsButton(int id)
{
    return (id >= kIdPi && id <= kIdClearAll) || (id >= kIdCloseBracket && id <= kIdFunction24);
}

void CheckEffect(CTasma& tape, const KeyEffect& effect)
{
    for (int id : effect.flashes)
        FUZZ_CHECK(IsButton(id), "a flash of " + std::to_string(id));
    // A result kept up to date edit by edit reads as one computed anew.
    const int mark = tape.Tokens().NextResultMark(tape.Cursor());
    if (!effect.reevaluated || mark < 0)
        return;
    const double value = calctest::WholeRecomputation(tape.Tokens()).ValueBefore(mark);
    const std::string expected = tape.FormatResult(value);
    FUZZ_CHECK(calctest::ShowsWholeResult(tape.Token(mark)->m_valueText, expected, value),
               "result \"" + tape.Token(mark)->m_valueText + "\", computed anew \"" + expected + "\"");
}

// The rows of a list that learns of the tape only through its changes.
void ApplyChanges(CTasma& tape, std::vector<std::string>& rows)
{
    const DisplayChanges changes = tape.TakeDisplayChanges();
    const std::vector<std::string>& lines = tape.Lines();
    FUZZ_CHECK(changes.keptRows >= 0 && changes.keptRows <= changes.rowCount
                   && changes.keptRows <= static_cast<int>(rows.size()),
               "kept rows " + std::to_string(changes.keptRows) + " of " + std::to_string(rows.size()));
    FUZZ_CHECK(changes.rowCount == tape.TokenCount(), "row count");
    rows.resize(static_cast<std::size_t>(changes.keptRows));
    int previous = -1;
    for (int row : changes.changedRows) {
        FUZZ_CHECK(row > previous && row < changes.keptRows, "changed row " + std::to_string(row));
        previous = row;
        rows[static_cast<std::size_t>(row)] = lines[static_cast<std::size_t>(row)];
    }
    for (int row = changes.keptRows; row < changes.rowCount; ++row)
        rows.push_back(lines[static_cast<std::size_t>(row)]);
}

void CheckSound(CTasma& tape, std::vector<std::string>& rows, bool thorough)
{
    const int n = tape.TokenCount();
    FUZZ_CHECK(n >= 1, "an empty tape");
    FUZZ_CHECK(tape.Cursor() >= 0 && tape.Cursor() < n,
               "cursor " + std::to_string(tape.Cursor()) + " of " + std::to_string(n));
    const int first = tape.Token(0)->m_kind;
    FUZZ_CHECK(first == kKindStala || first == kKindLewyNaw, "first token of kind " + std::to_string(first));
    ApplyChanges(tape, rows);
    if (!thorough)
        return;

    std::unordered_map<const CWezel*, int> index;
    int open = 0;
    for (int i = 0; i < n; ++i) {
        const CWezel* t = tape.Token(i);
        FUZZ_CHECK(t != nullptr && t->m_kind >= kKindStala && t->m_kind <= kKindWynik, "token kind");
        if (t->m_kind == kKindStala)
            FUZZ_CHECK(!t->m_valueText.empty(), "a number without text");
        open += t->m_kind == kKindLewyNaw ? 1 : t->m_kind == kKindPrawyNaw ? -1 : 0;
        FUZZ_CHECK(open >= 0, "a closing bracket without its opening one");
        index.emplace(t, i);
    }
    FUZZ_CHECK(open == tape.OpenBrackets(),
               std::to_string(open) + " brackets open, the tape counts " + std::to_string(tape.OpenBrackets()));
    std::vector<int> counts(static_cast<std::size_t>(n), 0);
    for (int i = 0; i < n; ++i) {
        const CWezel* t = tape.Token(i);
        for (const CWezel* target : {t->m_left, t->m_right}) {
            if (target == nullptr)
                continue;
            const auto found = index.find(target);
            FUZZ_CHECK(found != index.end(), "a link of token " + std::to_string(i) + " out of the list");
            ++counts[static_cast<std::size_t>(found->second)];
        }
    }
    for (int i = 0; i < n; ++i) {
        FUZZ_CHECK(tape.Token(i)->m_linkedBy == counts[static_cast<std::size_t>(i)],
                   "token " + std::to_string(i) + " counts " + std::to_string(tape.Token(i)->m_linkedBy)
                       + " links, has " + std::to_string(counts[static_cast<std::size_t>(i)]));
        // Evaluating the nodes no link reaches walks every link once.
        if (counts[static_cast<std::size_t>(i)] == 0)
            (void)tape.Token(i)->Evaluate();
    }
    const std::vector<std::string> fresh = BuildDisplayLines(tape.Tokens(), tape.SeparatorChar());
    const std::vector<std::string>& lines = tape.Lines();
    FUZZ_CHECK(lines.size() == fresh.size(), "line count");
    for (std::size_t i = 0; i < fresh.size(); ++i) {
        FUZZ_CHECK(lines[i] == fresh[i], "line " + std::to_string(i) + " \"" + lines[i] + "\", built afresh \""
                                             + fresh[i] + "\"");
        FUZZ_CHECK(rows[i] == lines[i], "the list's row " + std::to_string(i) + " \"" + rows[i] + "\" for \""
                                            + lines[i] + "\"");
        // Indentation stops at its limit; a number or a label adds its own.
        FUZZ_CHECK(lines[i].size() <= kMaxBracketIndent + 1024u, "a line of " + std::to_string(lines[i].size()));
    }
}

std::optional<std::string> AnyPaste(fuzz::Input& in, const CTasma& tape)
{
    switch (in.Below(8)) {
    case 0: return std::nullopt;
    case 1: return tape.CopyText(); // copy, then paste
    case 2: return FormatG(in.Double(), static_cast<int>(in.Below(20)));
    default: return in.Text(64);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Input in(data, size);
    // The tape takes the separator in force when it is made.
    SetDecimalSeparator(in.Bit() ? ',' : '.');
    CTasma tape;
    std::vector<std::string> rows;
    for (int key = 0; !in.Empty(); ++key) {
        const unsigned what = in.Below(32);
        if (what < 20) {
            CheckEffect(tape, tape.PressButton(AnyButton(in)));
        } else if (what < 24) {
            // A selection in the list, sometimes outside it.
            const int count = tape.TokenCount();
            tape.Select(in.Below(8) == 0 ? in.Int() : static_cast<int>(in.Below(static_cast<unsigned>(count + 2))) - 1);
        } else if (what < 27) {
            CheckEffect(tape, tape.Paste(AnyPaste(in, tape)));
        } else if (what < 28) {
            const std::optional<std::string> copied = tape.CopyText();
            if (copied)
                FUZZ_CHECK(!copied->empty(), "an empty copy");
            FUZZ_CHECK(!tape.InfoText().empty(), "an empty Info text");
        } else {
            switch (in.Below(7)) {
            case 0: CheckEffect(tape, tape.SetFix(in.Bit())); break;
            case 1: CheckEffect(tape, tape.SetDecimals(in.Below(4) == 0 ? in.Int() : static_cast<int>(in.Below(12)))); break;
            case 2: tape.StoreDecimals(in.Below(4) == 0 ? in.Int() : static_cast<int>(in.Below(12))); break;
            case 3: CheckEffect(tape, tape.SetExponentY(in.Double(-10, 10))); break;
            case 4: CheckEffect(tape, tape.SetAngleMode(static_cast<AngleMode>(in.Below(4)))); break;
            case 5: CheckEffect(tape, tape.SetConversion(in.Double(0, 10), in.Double(-500, 500))); break;
            default: {
                const std::string text = tape.FormatResult(in.Double());
                FUZZ_CHECK(!text.empty(), "an empty result text");
                break;
            }
            }
        }
        CheckSound(tape, rows, key % 32 == 0 || in.Empty());
    }
    return 0;
}
