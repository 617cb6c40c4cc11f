#include "calc/Tasma.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "base/NumberText.h"

namespace {

std::unique_ptr<CWezel> NewOperator(int kind)
{
    switch (kind) {
    case kKindSuma: return std::make_unique<CSuma>();
    case kKindRoznica: return std::make_unique<CRoznica>();
    case kKindIloczyn: return std::make_unique<CIloczyn>();
    default: return std::make_unique<CIloraz>();
    }
}

int OperatorButton(int kind)
{
    switch (kind) {
    case kKindSuma: return kIdAdd;
    case kKindRoznica: return kIdSubtract;
    case kKindIloczyn: return kIdMultiply;
    default: return kIdDivide;
    }
}

const char kInfoHeading[] = "Pośredni wynik obliczeń:\n";

} // namespace

CTasma::CTasma() : m_separator(DecimalSeparator())
{
    EnsureNumber();
    m_tokens.m_parsePosition = 0;
}

template <class Edit>
bool CTasma::EditNumber(Edit&& edit)
{
    CWezel* node = m_tokens.At(m_cursor);
    if (node == nullptr || node->m_kind != kKindStala)
        return false;
    edit(static_cast<CStala&>(*node));
    Touch(m_cursor);
    m_tokens.ValueChanged(m_cursor);
    return true;
}

void CTasma::EnsureNumber()
{
    const int kind = m_tokens.KindAt(LastIndex());
    if (m_tokens.Empty() || (CursorOnLast() && kind != kKindStala && kind != kKindPrawyNaw)) {
        AppendToken(std::make_unique<CStala>());
        m_cursor = LastIndex();
    }
}

std::pair<double, double> CTasma::BracketParameters(int function) const
{
    if (function == 5 || function == 8)
        return {m_exponentY, 0.0};
    if (function >= 11 && function <= 22) {
        switch (m_angle) {
        case AngleMode::Deg: return {kDegreeFactor, 0.0};
        case AngleMode::Rad: return {kRadianFactor, 0.0};
        case AngleMode::Grad: return {kGradFactor, 0.0};
        case AngleMode::None: return {1.0, 0.0};
        }
    }
    if (function == 23 || function == 24)
        return {m_multiplier, m_offset};
    return {0.0, 0.0};
}

void CTasma::ReparameterizeCurrent()
{
    CWezel* node = m_tokens.At(m_cursor);
    if (node == nullptr || node->m_kind != kKindLewyNaw)
        return;
    auto* bracket = static_cast<CLewyNaw*>(node);
    const auto [factor, offset] = BracketParameters(bracket->m_function);
    bracket->SetFunction(bracket->m_function, factor, offset);
    Touch(m_cursor);
    m_tokens.ValueChanged(m_cursor);
}

void CTasma::Reevaluate(KeyEffect& effect)
{
    Touch(m_tokens.ReevaluateFrom(m_cursor, [this](double v) { return FormatResult(v); }));
    effect.reevaluated = true;
}

std::string CTasma::FormatResult(double value)
{
    const bool fixedRange = value == 0.0 || (value >= 1e-11 && value <= 999999999999.0)
        || (value >= -999999999999.0 && value <= -1e-11);
    m_resultStyle = ResultStyle{!(m_fix && fixedRange), m_decimals};
    return FormatInResultStyle(value);
}

std::string CTasma::FormatInResultStyle(double value) const
{
    // printf's "%#.<d>f" and "%#.<d>e": the separator stays even with no decimals.
    if (!m_resultStyle)
        return std::string();
    return m_resultStyle->exponent ? FormatExp(value, m_resultStyle->decimals, Point::Keep)
                                   : FormatFixed(value, m_resultStyle->decimals, Point::Keep);
}

std::string CTasma::ResultFormat() const
{
    if (!m_resultStyle)
        return std::string();
    return "%#." + std::to_string(m_resultStyle->decimals) + (m_resultStyle->exponent ? 'e' : 'f');
}

KeyEffect CTasma::PressButton(int id)
{
    if (id >= kIdDigit0 && id <= kIdDigit9)
        return Digit(id - kIdDigit0);
    if (id >= kIdFunction0 && id <= kIdFunction24)
        return Function(id - kIdFunction0);
    switch (id) {
    case kIdPi: return Pi();
    case kIdSeparator: return Separator();
    case kIdExp: return Exp();
    case kIdSign: return ToggleSign();
    case kIdClear: return ClearNumber();
    case kIdClearAll: return ClearAll();
    case kIdBackspace: return Backspace();
    case kIdAdd: return Operator(kKindSuma);
    case kIdSubtract: return Operator(kKindRoznica);
    case kIdMultiply: return Operator(kKindIloczyn);
    case kIdDivide: return Operator(kKindIloraz);
    case kIdCloseBracket: return CloseBracket();
    case kIdResult: return Result();
    default: return {};
    }
}

KeyEffect CTasma::Digit(int digit)
{
    KeyEffect effect;
    if (digit < 0 || digit > 9)
        return effect;
    EnsureNumber();
    EditNumber([&](CStala& number) { effect.beep = !number.EnterDigit(static_cast<char>('0' + digit)); });
    Reevaluate(effect);
    effect.flashes.push_back(kIdDigit0 + digit);
    effect.refresh = true;
    return effect;
}

KeyEffect CTasma::Pi()
{
    KeyEffect effect;
    EnsureNumber();
    EditNumber([](CStala& number) { number.EnterPi(); });
    Reevaluate(effect);
    effect.flashes.push_back(kIdPi);
    effect.refresh = true;
    return effect;
}

KeyEffect CTasma::Separator()
{
    KeyEffect effect;
    EnsureNumber();
    EditNumber([&](CStala& number) { effect.beep = !number.StartFraction(); });
    effect.flashes.push_back(kIdSeparator);
    effect.refresh = true;
    return effect;
}

KeyEffect CTasma::Exp()
{
    KeyEffect effect;
    EditNumber([&](CStala& number) { effect.beep = !number.StartExponent(); });
    effect.flashes.push_back(kIdExp);
    effect.refresh = true;
    return effect;
}

KeyEffect CTasma::ToggleSign()
{
    KeyEffect effect;
    EditNumber([](CStala& number) { number.ToggleSign(); });
    Reevaluate(effect);
    effect.flashes.push_back(kIdSign);
    effect.refresh = true;
    return effect;
}

KeyEffect CTasma::ClearNumber()
{
    KeyEffect effect;
    EditNumber([](CStala& number) { number.Clear(); });
    effect.flashes.push_back(kIdClear);
    effect.refresh = true;
    return effect;
}

KeyEffect CTasma::ClearAll()
{
    KeyEffect effect;
    m_tokens.Clear();
    m_cursor = -1;
    EnsureNumber();
    m_tokens.m_parsePosition = 0;
    m_openBrackets = 0;
    effect.flashes.push_back(kIdClearAll);
    effect.refresh = true;
    return effect;
}

KeyEffect CTasma::Backspace()
{
    KeyEffect effect;
    if (m_cursor == 0 || !CursorOnLast()) {
        // The first token and earlier tokens are only ever shortened.
        EditNumber([](CStala& number) { number.DeleteLast(); });
    } else {
        CWezel* last = m_tokens.At(LastIndex());
        switch (last != nullptr ? last->m_kind : kKindWezel) {
        case kKindStala:
            if (last->Evaluate() != 0.0) {
                // The cursor is on it.
                EditNumber([](CStala& number) { number.DeleteLast(); });
                break;
            }
            RemoveToken(LastIndex());
            --m_cursor;
            break;
        case kKindSuma:
        case kKindRoznica:
        case kKindIloczyn:
        case kKindIloraz:
            RemoveToken(LastIndex());
            --m_cursor;
            break;
        case kKindLewyNaw:
            RemoveToken(LastIndex());
            --m_openBrackets;
            --m_cursor;
            break;
        case kKindPrawyNaw:
            RemoveToken(LastIndex());
            ++m_openBrackets;
            --m_cursor;
            break;
        default:
            break;
        }
    }
    Reevaluate(effect);
    effect.flashes.push_back(kIdBackspace);
    effect.refresh = true;
    return effect;
}

KeyEffect CTasma::Operator(int kind)
{
    KeyEffect effect;
    if (!IsOperatorKind(kind))
        return effect;
    if (!CursorOnLast()) {
        const int current = m_tokens.KindAt(m_cursor);
        if (IsOperatorKind(current) && current != kind) {
            ReplaceToken(m_cursor, NewOperator(kind));
            Reevaluate(effect);
            effect.refresh = true;
        }
        return effect;
    }
    const int lastKind = m_tokens.KindAt(LastIndex());
    switch (lastKind) {
    case kKindStala:
    case kKindPrawyNaw:
        AppendToken(NewOperator(kind));
        break;
    case kKindWynik: {
        // The carried number is the result as printed, not the full value.
        const double value = m_tokens.ValueOf(LastIndex());
        auto carried = std::make_unique<CStala>();
        carried->m_valueText = m_resultStyle ? FormatInResultStyle(value) : FormatResult(value);
        AppendToken(std::move(carried));
        AppendToken(NewOperator(kind));
        break;
    }
    default:
        if (IsOperatorKind(lastKind) && lastKind != kind)
            ReplaceToken(LastIndex(), NewOperator(kind));
        break;
    }
    m_cursor = LastIndex();
    effect.flashes.push_back(OperatorButton(kind));
    effect.refresh = true;
    return effect;
}

KeyEffect CTasma::Function(int function)
{
    KeyEffect effect;
    if (function < 0 || function >= kFunctionCount)
        return effect;
    const auto [factor, offset] = BracketParameters(function);
    if (!CursorOnLast()) {
        if (m_tokens.KindAt(m_cursor) == kKindLewyNaw) {
            auto bracket = std::make_unique<CLewyNaw>();
            bracket->SetFunction(function, factor, offset);
            ReplaceToken(m_cursor, std::move(bracket));
            Reevaluate(effect);
            effect.refresh = true;
        }
        return effect;
    }
    CLewyNaw* added = nullptr;
    switch (m_tokens.KindAt(LastIndex())) {
    case kKindStala: {
        // No implied multiplication: the number just typed gives way.
        auto bracket = std::make_unique<CLewyNaw>();
        added = bracket.get();
        ReplaceToken(LastIndex(), std::move(bracket));
        ++m_openBrackets;
        break;
    }
    case kKindPrawyNaw:
        break;
    default: {
        auto bracket = std::make_unique<CLewyNaw>();
        added = bracket.get();
        AppendToken(std::move(bracket));
        ++m_openBrackets;
        break;
    }
    }
    m_cursor = LastIndex();
    if (added != nullptr) {
        added->SetFunction(function, factor, offset);
        Touch(m_cursor);
    }
    effect.flashes.push_back(kIdFunction0 + function);
    effect.refresh = true;
    return effect;
}

bool CTasma::CloseBracketStep(KeyEffect& effect)
{
    if (m_openBrackets <= 0)
        return false;
    bool changed = true;
    const int lastKind = m_tokens.KindAt(LastIndex());
    switch (lastKind) {
    case kKindStala:
    case kKindPrawyNaw:
        AppendToken(std::make_unique<CPrawyNaw>());
        --m_openBrackets;
        break;
    case kKindLewyNaw:
        // An empty pair cancels out.
        if (m_tokens.Count() == 1) {
            changed = false;
        } else {
            RemoveToken(LastIndex());
            --m_openBrackets;
        }
        break;
    default:
        if (IsOperatorKind(lastKind)) {
            ReplaceToken(LastIndex(), std::make_unique<CPrawyNaw>());
            --m_openBrackets;
        } else {
            changed = false;
        }
        break;
    }
    m_cursor = LastIndex();
    effect.flashes.push_back(kIdCloseBracket);
    effect.refresh = true;
    return changed;
}

KeyEffect CTasma::CloseBracket()
{
    KeyEffect effect;
    CloseBracketStep(effect);
    return effect;
}

KeyEffect CTasma::Result()
{
    KeyEffect effect;
    effect.refresh = true;
    const auto formatter = [this](double v) { return FormatResult(v); };
    if (m_cursor >= 0 && m_cursor < LastIndex()) {
        const int mark = m_tokens.NextResultMark(m_cursor);
        if (mark >= 0) {
            EvaluateResultAt(mark, formatter);
            m_cursor = mark;
            effect.reevaluated = true;
        } else {
            m_cursor = LastIndex();
        }
        return effect;
    }
    if (m_openBrackets > 0) {
        // A closing key that changes nothing would repeat for ever.
        while (m_openBrackets > 0 && m_tokens.Count() > 1)
            if (!CloseBracketStep(effect))
                break;
        if (m_tokens.Count() == 1)
            return effect;
    }
    while (!m_tokens.Empty()) {
        const int kind = m_tokens.KindAt(LastIndex());
        if (kind == kKindStala || kind == kKindPrawyNaw)
            break;
        RemoveToken(LastIndex());
    }
    if (m_tokens.Empty()) {
        // Not reached from any key sequence; a tape is never left empty.
        m_cursor = -1;
        EnsureNumber();
    }
    AppendToken(std::make_unique<CWynik>());
    m_cursor = LastIndex();
    EvaluateResultAt(m_cursor, formatter);
    effect.reevaluated = true;
    effect.flashes.push_back(kIdResult);
    return effect;
}

KeyEffect CTasma::Paste(const std::optional<std::string>& text)
{
    KeyEffect effect;
    if (!text.has_value())
        return effect;
    const int kind = m_tokens.KindAt(m_cursor);
    const double value = ParseNumber(*text);
    if (kind == kKindStala) {
        EditNumber([&](CStala& number) {
            if (value == 0.0) {
                number.Clear();
            } else {
                number.m_valueText = FormatResult(value);
                number.DeriveEntryState();
            }
        });
    } else if ((IsOperatorKind(kind) || kind == kKindLewyNaw || kind == kKindWynik) && CursorOnLast()) {
        EnsureNumber();
        EditNumber([&](CStala& number) {
            number.m_valueText = FormatResult(value);
            number.DeriveEntryState();
        });
    }
    Reevaluate(effect);
    effect.refresh = true;
    return effect;
}

std::optional<std::string> CTasma::CopyText() const
{
    const CWezel* node = m_tokens.At(m_cursor);
    if (node == nullptr || (node->m_kind != kKindStala && node->m_kind != kKindWynik))
        return std::nullopt;
    return node->m_valueText;
}

std::string CTasma::InfoText() const
{
    const CWezel* node = m_tokens.At(m_cursor);
    std::string text = kInfoHeading;
    if (node != nullptr && m_resultStyle)
        text += FormatInResultStyle(m_tokens.ValueOf(m_cursor));
    return text;
}

void CTasma::Select(int index)
{
    if (index >= 0 && index < m_tokens.Count())
        m_cursor = index;
}

KeyEffect CTasma::ParameterChanged(bool reparameterize)
{
    KeyEffect effect;
    if (reparameterize)
        ReparameterizeCurrent();
    Reevaluate(effect);
    effect.refresh = true;
    return effect;
}

KeyEffect CTasma::SetFix(bool fix)
{
    m_fix = fix;
    return ParameterChanged(false);
}

void CTasma::StoreDecimals(int decimals) { m_decimals = decimals < 0 ? 0 : decimals > 11 ? 11 : decimals; }

KeyEffect CTasma::SetDecimals(int decimals)
{
    StoreDecimals(decimals);
    return ParameterChanged(false);
}

KeyEffect CTasma::SetExponentY(double y)
{
    m_exponentY = y;
    return ParameterChanged(true);
}

KeyEffect CTasma::SetAngleMode(AngleMode mode)
{
    m_angle = mode;
    return ParameterChanged(true);
}

KeyEffect CTasma::SetConversion(double multiplier, double offset)
{
    m_multiplier = multiplier;
    m_offset = offset;
    return ParameterChanged(true);
}

std::string DisplayLine(const CWezel& node, int depth, char separator)
{
    auto spaces = [](int count) { return std::string(static_cast<std::size_t>(std::max(count, 0)), ' '); };
    std::string line;
    switch (node.m_kind) {
    case kKindStala:
    case kKindWynik: {
        // Separators of all numbers and results stand in one column.
        const std::size_t p = node.m_valueText.find(separator);
        const int count = p == std::string::npos ? 22 : 21 - static_cast<int>(std::min<std::size_t>(p, 22));
        line = node.m_label + '\t' + spaces(count);
        break;
    }
    case kKindLewyNaw:
        // Labels end in one column, one place further per open bracket.
        line = spaces(std::min(depth, kMaxBracketIndent)) + spaces(7 - static_cast<int>(node.m_label.size()))
            + node.m_label;
        break;
    case kKindPrawyNaw:
        // Under the last character of its opening bracket's label.
        line = spaces(std::min(DepthAfter(node, depth), kMaxBracketIndent)) + node.m_label;
        break;
    default:
        line = "\t       " + node.m_label;
        break;
    }
    line += node.m_valueText;
    line += node.m_trailingText;
    return line;
}

int DepthAfter(const CWezel& node, int depth)
{
    if (node.m_kind == kKindLewyNaw)
        return depth + 1;
    if (node.m_kind == kKindPrawyNaw)
        return depth > 0 ? depth - 1 : 0;
    return depth;
}

std::vector<std::string> BuildDisplayLines(const CTokenList& tokens, char separator)
{
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(tokens.Count()));
    int depth = 0;
    for (int i = 0; i < tokens.Count(); ++i) {
        lines.push_back(DisplayLine(*tokens.At(i), depth, separator));
        depth = DepthAfter(*tokens.At(i), depth);
    }
    return lines;
}

CWezel* CTasma::AppendToken(std::unique_ptr<CWezel> node)
{
    Shift(m_tokens.Count());
    return m_tokens.Append(std::move(node));
}

void CTasma::RemoveToken(int index)
{
    Shift(index);
    m_tokens.Remove(index);
}

void CTasma::ReplaceToken(int index, std::unique_ptr<CWezel> node)
{
    // A bracket that comes or goes changes the depth of every line after
    // it: those are rebuilt. Keys do that only to the last token.
    const int before = m_tokens.KindAt(index);
    const auto bracket = [](int kind) { return kind == kKindLewyNaw || kind == kKindPrawyNaw; };
    if (before != node->m_kind && (bracket(before) || bracket(node->m_kind)))
        Shift(index);
    else
        Touch(index);
    m_tokens.Replace(index, std::move(node));
}

void CTasma::ClearTokens()
{
    Shift(0);
    m_tokens.Clear();
}

void CTasma::EvaluateResultAt(int index, const ResultFormatter& formatter)
{
    Touch(index);
    m_tokens.EvaluateResult(index, formatter);
}

void CTasma::Touch(int index)
{
    // Lines from the first shifted token on are rebuilt anyway.
    if (index < 0 || index >= m_shiftedFrom || (!m_touched.empty() && m_touched.back() == index))
        return;
    m_touched.push_back(index);
    // Many edits between two looks at the lines: sync now, so that the
    // list of touched tokens stays short.
    if (m_touched.size() > 64)
        SyncLines();
}

void CTasma::Shift(int index) { m_shiftedFrom = std::min(m_shiftedFrom, index); }

void CTasma::SyncLines() const
{
    const int count = m_tokens.Count();
    const int from = std::min({m_shiftedFrom, count, static_cast<int>(m_lines.size())});
    m_rowsKept = std::min(m_rowsKept, from);
    m_lines.resize(static_cast<std::size_t>(from));
    m_depths.resize(static_cast<std::size_t>(from));

    // Touched tokens before the shift: the depths before them stand (no
    // bracket came or went there), only their own lines may differ.
    for (const int touched : m_touched) {
        if (touched >= from)
            continue;
        const auto row = static_cast<std::size_t>(touched);
        std::string line = DisplayLine(*m_tokens.At(touched), m_depths[row], m_separator);
        if (line != m_lines[row]) {
            m_lines[row] = std::move(line);
            if (touched < m_rowsKept)
                m_changedRows.push_back(touched);
        }
    }
    m_touched.clear();
    // Rows that pile up unread (nobody takes the changes) stay as many as
    // there are rows.
    if (m_changedRows.size() > 2 * static_cast<std::size_t>(m_rowsKept) + 64) {
        std::sort(m_changedRows.begin(), m_changedRows.end());
        m_changedRows.erase(std::unique(m_changedRows.begin(), m_changedRows.end()), m_changedRows.end());
    }

    // From the shift on, every line anew.
    int depth = from == 0 ? 0 : DepthAfter(*m_tokens.At(from - 1), m_depths.back());
    m_lines.reserve(static_cast<std::size_t>(count));
    m_depths.reserve(static_cast<std::size_t>(count));
    for (int i = from; i < count; ++i) {
        const CWezel& node = *m_tokens.At(i);
        m_depths.push_back(depth);
        m_lines.push_back(DisplayLine(node, depth, m_separator));
        depth = DepthAfter(node, depth);
    }
    m_shiftedFrom = std::numeric_limits<int>::max();
}

const std::vector<std::string>& CTasma::Lines() const
{
    SyncLines();
    return m_lines;
}

DisplayChanges CTasma::TakeDisplayChanges()
{
    SyncLines();
    DisplayChanges changes;
    changes.keptRows = m_rowsKept;
    changes.rowCount = m_tokens.Count();
    std::sort(m_changedRows.begin(), m_changedRows.end());
    for (std::size_t i = 0; i < m_changedRows.size(); ++i) {
        const int row = m_changedRows[i];
        if (row < m_rowsKept && (i == 0 || m_changedRows[i - 1] != row))
            changes.changedRows.push_back(row);
    }
    m_changedRows.clear();
    m_rowsKept = changes.rowCount;
    return changes;
}
