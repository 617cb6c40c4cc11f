#include "units/CUnitField.h"

#include "units/FillUnitCombo.h"

CUnitField::CUnitField(CEditEx* edit, CComboBoxExt* unitCombo, int quantity, FieldRole role)
    : m_edit(edit), m_unitCombo(unitCombo), m_scale(MakeFieldScale(quantity, role))
{
}

QString CUnitField::Format(double si) const { return QString::fromStdString(FormatFieldValue(si, m_scale)); }

double CUnitField::Parse() const { return ParseFieldValue(text.toStdString(), m_scale); }

void CUnitField::FillUnits()
{
    m_scale = MakeFieldScale(m_scale.quantity, m_scale.role);
    if (!m_unitCombo)
        return;
    FillUnitsOf(m_unitCombo, m_scale.quantity);
    // The box's own least width was measured while it was empty.
    m_unitCombo->setMinimumWidth(m_unitCombo->sizeHint().width());
}

// ---- CFieldExchange

CFieldExchange::CFieldExchange(QObject* parent) : QObject(parent) {}

CFieldExchange::~CFieldExchange() = default;

CUnitField& CFieldExchange::AddField(CEditEx* edit, CComboBoxExt* unitCombo, int quantity, FieldRole role)
{
    m_fields.emplace_back(edit, unitCombo, quantity, role);
    AddControl(edit);
    if (unitCombo) {
        // A quantity's units never change: the box is as wide as its
        // longest unit (FillUnits), never narrower.
        unitCombo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        AddControl(unitCombo);
    }
    return m_fields.back();
}

void CFieldExchange::AddText(QLineEdit* edit, QString* member)
{
    m_texts.push_back({edit, member});
    AddControl(edit);
}

namespace {
void Write(QLineEdit* edit, const QString& text)
{
    if (edit && edit->text() != text)
        edit->setText(text);
}
} // namespace

void CFieldExchange::UpdateData(bool saveAndValidate)
{
    const Guard guard(*this);
    for (CUnitField& field : m_fields) {
        if (!field.Edit())
            continue;
        if (saveAndValidate)
            field.text = field.Edit()->text();
        else
            Write(field.Edit(), field.text);
    }
    for (const TextMember& text : m_texts) {
        if (!text.edit)
            continue;
        if (saveAndValidate)
            *text.member = text.edit->text();
        else
            Write(text.edit, *text.member);
    }
}

void CFieldExchange::OnInputChange(CUnitField& field, std::function<void(double si)> apply)
{
    CUnitField* target = &field;
    OnUserEdit(field.Edit(), [this, target, apply = std::move(apply)] {
        UpdateData(true);
        apply(target->Parse());
        UpdateData(false);
    });
}

void CFieldExchange::OnUnitChange(CUnitField& field, std::function<double()> currentSi)
{
    if (!field.UnitCombo())
        return;
    CUnitField* target = &field;
    OnUserSelect(field.UnitCombo(), [this, target, currentSi = std::move(currentSi)] {
        if (!target->SelectUnit(target->UnitCombo()->currentIndex()))
            return;
        target->Show(currentSi());
        UpdateData(false);
    });
}

void CFieldExchange::OnUserEdit(QLineEdit* edit, std::function<void()> handler)
{
    if (!edit)
        return;
    AddControl(edit);
    // textEdited: typing, paste, cut, undo and redo; never setText.
    connect(edit, &QLineEdit::textEdited, this, [this, handler = std::move(handler)] {
        if (!IsBlocked())
            handler();
    });
}

void CFieldExchange::OnUserSelect(QComboBox* combo, std::function<void()> handler)
{
    if (!combo)
        return;
    AddControl(combo);
    connect(combo, &QComboBox::currentIndexChanged, this, [this, handler = std::move(handler)] {
        if (!IsBlocked())
            handler();
    });
}
