#include "calc/Tasma.h"

#include <cmath>

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

CStala* CTasma::NumberAtCursor() const
{
    CWezel* node = m_tokens.At(m_cursor);
    return node != nullptr && node->m_kind == kKindStala ? static_cast<CStala*>(node) : nullptr;
}

void CTasma::EnsureNumber()
{
    const int kind = m_tokens.KindAt(LastIndex());
    if (m_tokens.Empty() || (CursorOnLast() && kind != kKindStala && kind != kKindPrawyNaw)) {
        m_tokens.Append(std::make_unique<CStala>());
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
}

void CTasma::Reevaluate(KeyEffect& effect)
{
    m_tokens.ReevaluateFrom(m_cursor, [this](double v) { return FormatResult(v); });
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
    if (CStala* number = NumberAtCursor())
        effect.beep = !number->EnterDigit(static_cast<char>('0' + digit));
    Reevaluate(effect);
    effect.flashes.push_back(kIdDigit0 + digit);
    effect.refresh = true;
    return effect;
}

KeyEffect CTasma::Pi()
{
    KeyEffect effect;
    EnsureNumber();
    if (CStala* number = NumberAtCursor())
        number->EnterPi();
    Reevaluate(effect);
    effect.flashes.push_back(kIdPi);
    effect.refresh = true;
    return effect;
}

KeyEffect CTasma::Separator()
{
    KeyEffect effect;
    EnsureNumber();
    if (CStala* number = NumberAtCursor())
        effect.beep = !number->StartFraction();
    effect.flashes.push_back(kIdSeparator);
    effect.refresh = true;
    return effect;
}

KeyEffect CTasma::Exp()
{
    KeyEffect effect;
    if (CStala* number = NumberAtCursor())
        effect.beep = !number->StartExponent();
    effect.flashes.push_back(kIdExp);
    effect.refresh = true;
    return effect;
}

KeyEffect CTasma::ToggleSign()
{
    KeyEffect effect;
    if (CStala* number = NumberAtCursor())
        number->ToggleSign();
    Reevaluate(effect);
    effect.flashes.push_back(kIdSign);
    effect.refresh = true;
    return effect;
}

KeyEffect CTasma::ClearNumber()
{
    KeyEffect effect;
    if (CStala* number = NumberAtCursor())
        number->Clear();
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
        if (CStala* number = NumberAtCursor())
            number->DeleteLast();
    } else {
        CWezel* last = m_tokens.At(LastIndex());
        switch (last != nullptr ? last->m_kind : kKindWezel) {
        case kKindStala:
            if (last->Evaluate() != 0.0) {
                static_cast<CStala*>(last)->DeleteLast();
                break;
            }
            m_tokens.Remove(LastIndex());
            --m_cursor;
            break;
        case kKindSuma:
        case kKindRoznica:
        case kKindIloczyn:
        case kKindIloraz:
            m_tokens.Remove(LastIndex());
            --m_cursor;
            break;
        case kKindLewyNaw:
            m_tokens.Remove(LastIndex());
            --m_openBrackets;
            --m_cursor;
            break;
        case kKindPrawyNaw:
            m_tokens.Remove(LastIndex());
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
            m_tokens.Replace(m_cursor, NewOperator(kind));
            Reevaluate(effect);
            effect.refresh = true;
        }
        return effect;
    }
    const int lastKind = m_tokens.KindAt(LastIndex());
    switch (lastKind) {
    case kKindStala:
    case kKindPrawyNaw:
        m_tokens.Append(NewOperator(kind));
        break;
    case kKindWynik: {
        // The carried number is the result as printed, not the full value.
        const double value = m_tokens.At(LastIndex())->Evaluate();
        auto carried = std::make_unique<CStala>();
        carried->m_valueText = m_resultStyle ? FormatInResultStyle(value) : FormatResult(value);
        m_tokens.Append(std::move(carried));
        m_tokens.Append(NewOperator(kind));
        break;
    }
    default:
        if (IsOperatorKind(lastKind) && lastKind != kind)
            m_tokens.Replace(LastIndex(), NewOperator(kind));
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
            m_tokens.Replace(m_cursor, std::move(bracket));
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
        m_tokens.Replace(LastIndex(), std::move(bracket));
        ++m_openBrackets;
        break;
    }
    case kKindPrawyNaw:
        break;
    default: {
        auto bracket = std::make_unique<CLewyNaw>();
        added = bracket.get();
        m_tokens.Append(std::move(bracket));
        ++m_openBrackets;
        break;
    }
    }
    m_cursor = LastIndex();
    if (added != nullptr)
        added->SetFunction(function, factor, offset);
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
        m_tokens.Append(std::make_unique<CPrawyNaw>());
        --m_openBrackets;
        break;
    case kKindLewyNaw:
        // An empty pair cancels out.
        if (m_tokens.Count() == 1) {
            changed = false;
        } else {
            m_tokens.Remove(LastIndex());
            --m_openBrackets;
        }
        break;
    default:
        if (IsOperatorKind(lastKind)) {
            m_tokens.Replace(LastIndex(), std::make_unique<CPrawyNaw>());
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
            m_tokens.EvaluateResult(mark, formatter);
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
        m_tokens.Remove(LastIndex());
    }
    if (m_tokens.Empty()) {
        // Not reached from any key sequence; a tape is never left empty.
        m_cursor = -1;
        EnsureNumber();
    }
    m_tokens.Append(std::make_unique<CWynik>());
    m_cursor = LastIndex();
    m_tokens.EvaluateResult(m_cursor, formatter);
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
        CStala* number = NumberAtCursor();
        if (value == 0.0) {
            number->Clear();
        } else {
            number->m_valueText = FormatResult(value);
            number->DeriveEntryState();
        }
    } else if ((IsOperatorKind(kind) || kind == kKindLewyNaw || kind == kKindWynik) && CursorOnLast()) {
        EnsureNumber();
        if (CStala* number = NumberAtCursor()) {
            number->m_valueText = FormatResult(value);
            number->DeriveEntryState();
        }
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
        text += FormatInResultStyle(node->Evaluate());
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

std::vector<std::string> CTasma::DisplayLines() const
{
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(m_tokens.Count()));
    std::string indent;
    for (int i = 0; i < m_tokens.Count(); ++i) {
        const CWezel& node = *m_tokens.At(i);
        std::string line;
        switch (node.m_kind) {
        case kKindStala:
        case kKindWynik: {
            // Separators of all numbers and results stand in one column.
            const std::size_t p = node.m_valueText.find(m_separator);
            int spaces = p == std::string::npos ? 22 : 21 - static_cast<int>(p);
            if (spaces < 1)
                spaces = 0;
            line = node.m_label + '\t' + std::string(static_cast<std::size_t>(spaces), ' ');
            break;
        }
        case kKindLewyNaw: {
            // Labels end in one column, one place further per open bracket.
            const int pad = 7 - static_cast<int>(node.m_label.size());
            line = indent + std::string(static_cast<std::size_t>(pad > 0 ? pad : 0), ' ') + node.m_label;
            indent += ' ';
            break;
        }
        case kKindPrawyNaw:
            if (!indent.empty())
                indent.pop_back();
            line = indent + node.m_label;
            break;
        default:
            line = "\t       " + node.m_label;
            break;
        }
        line += node.m_valueText;
        line += node.m_trailingText;
        lines.push_back(std::move(line));
    }
    return lines;
}
