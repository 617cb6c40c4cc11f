// The calculator's paper tape: the token list with its cursor, the open
// bracket count and the result format, and one operation per key. Each
// operation changes the tape and tells the page what to show for it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calc/KalkIds.h"
#include "calc/TokenList.h"

enum class AngleMode { None, Deg, Rad, Grad };

// Brackets are indented one column per enclosing open bracket, up to this
// many columns: deeper brackets line up at the limit, so a line costs no
// more for a deep nesting than for a shallow one.
inline constexpr int kMaxBracketIndent = 32;

// The display line of a token with `depth` brackets open before it, and
// the depth after it; every line of a list from the start, the plain way.
std::string DisplayLine(const CWezel& node, int depth, char separator);
int DepthAfter(const CWezel& node, int depth);
std::vector<std::string> BuildDisplayLines(const CTokenList& tokens, char separator);

// How the display lines changed since they were last taken: what the list
// showing them has to do to show them again.
struct DisplayChanges {
    // Rows before this one are where the list has them...
    int keptRows = 0;
    // ...but these of them (ascending) were rewritten: after one key each
    // reads differently; over several keys one may have changed back.
    std::vector<int> changedRows;
    // The rows from keptRows up to this count are new.
    int rowCount = 0;
};

// What the page does after a key, in this order: beep, refresh the list,
// flash the buttons (in order, each for the flash time).
struct KeyEffect {
    bool beep = false;
    bool refresh = false;
    bool reevaluated = false; // the cursor's expression was recomputed
    std::vector<int> flashes;  // button ids

    bool operator==(const KeyEffect&) const = default;
};

class CTasma {
public:
    CTasma();

    // Keys. PressButton takes the id of any key button (digits, PI, ".",
    // EXP, +/-, C, CE, Backspace, operators, functions, ")" and "=");
    // other ids do nothing.
    KeyEffect PressButton(int id);
    KeyEffect Digit(int digit);
    KeyEffect Pi();
    KeyEffect Separator();
    KeyEffect Exp();
    KeyEffect ToggleSign();
    KeyEffect ClearNumber();
    KeyEffect ClearAll();
    KeyEffect Backspace();
    KeyEffect Operator(int kind);
    KeyEffect Function(int function);
    KeyEffect CloseBracket();
    KeyEffect Result();
    // Paste of a clipboard text; nullopt when the clipboard has no text.
    KeyEffect Paste(const std::optional<std::string>& text);
    // The text copy puts on the clipboard; nullopt when the cursor token
    // is neither a number nor a result mark.
    std::optional<std::string> CopyText() const;
    // The text of the Info box.
    std::string InfoText() const;
    // List selection: the cursor goes to that token (ignored outside).
    void Select(int index);

    // Parameters the page supplies from its controls.
    KeyEffect SetFix(bool fix);
    KeyEffect SetDecimals(int decimals);
    // Takes the decimals without recomputing (the page keeps the tape in
    // step with its spin control while it is not shown).
    void StoreDecimals(int decimals);
    KeyEffect SetExponentY(double y);
    KeyEffect SetAngleMode(AngleMode mode);
    // Unit conversion for A--->B( and B--->A(: B = A * multiplier + offset.
    KeyEffect SetConversion(double multiplier, double offset);

    bool Fix() const { return m_fix; }
    int Decimals() const { return m_decimals; }
    double ExponentY() const { return m_exponentY; }
    AngleMode Angle() const { return m_angle; }

    // The result text of a value under the current Fix and decimals; it
    // also becomes the current result format.
    std::string FormatResult(double value);
    // The current result format in C terms ("%#.5f", "%#.3e"); empty until
    // the first result is formatted.
    std::string ResultFormat() const;

    // (factor, offset) a new bracket of a function gets.
    std::pair<double, double> BracketParameters(int function) const;

    // One display line per token. Kept as keys change the tape: a key
    // rebuilds the lines of the tokens it changed, and the lines after a
    // token that came or went (keys add and remove at the end only).
    const std::vector<std::string>& Lines() const;
    std::vector<std::string> DisplayLines() const { return Lines(); }
    // The changes since the last call; the first call has every line new.
    DisplayChanges TakeDisplayChanges();

    const CTokenList& Tokens() const { return m_tokens; }
    int TokenCount() const { return m_tokens.Count(); }
    const CWezel* Token(int index) const { return m_tokens.At(index); }
    int Cursor() const { return m_cursor; }
    int OpenBrackets() const { return m_openBrackets; }
    char SeparatorChar() const { return m_separator; }

private:
    bool CursorOnLast() const { return m_cursor == m_tokens.Count() - 1; }
    int LastIndex() const { return m_tokens.Count() - 1; }
    // Edits the number at the cursor, if the cursor is on a number, and
    // brings its line and the values that depend on it up to date; false
    // for other tokens.
    template <class Edit>
    bool EditNumber(Edit&& edit);
    void EnsureNumber();
    void ReparameterizeCurrent();
    void Reevaluate(KeyEffect& effect);
    KeyEffect ParameterChanged(bool reparameterize);
    // The closing bracket key; returns whether the tape changed.
    bool CloseBracketStep(KeyEffect& effect);

    // Every change to the tokens goes through these, so that the lines
    // learn which tokens changed.
    CWezel* AppendToken(std::unique_ptr<CWezel> node);
    void RemoveToken(int index);
    void ReplaceToken(int index, std::unique_ptr<CWezel> node);
    void ClearTokens();
    void EvaluateResultAt(int index, const ResultFormatter& formatter);
    // A token's line may read differently; tokens from an index on came,
    // went or moved.
    void Touch(int index);
    void Shift(int index);
    // Brings the lines up to date with the tokens.
    void SyncLines() const;

    CTokenList m_tokens;
    // The display lines, the bracket depth before each token, and what
    // changed since they were synced (tokens) and since they were taken
    // (rows). Lines() is const and syncs, hence mutable.
    mutable std::vector<std::string> m_lines;
    mutable std::vector<int> m_depths;
    mutable std::vector<int> m_touched;
    mutable int m_shiftedFrom = 0;
    mutable int m_rowsKept = 0;
    mutable std::vector<int> m_changedRows;

    int m_cursor = -1;
    int m_openBrackets = 0;
    char m_separator;
    // How the last result was printed; carried numbers and Info print so.
    struct ResultStyle {
        bool exponent = false; // "e" rather than "f"
        int decimals = 5;
    };
    std::string FormatInResultStyle(double value) const;

    std::optional<ResultStyle> m_resultStyle;

    bool m_fix = true;
    int m_decimals = 5;
    double m_exponentY = 1.0;
    AngleMode m_angle = AngleMode::Deg;
    double m_multiplier = 1.0;
    double m_offset = 0.0;
};
