// Unit-bound fields and a page's data exchange.
//
// A field is an edit box, the unit combo box beside it, a quantity and a
// role; its text member is what the data exchange moves to and from the box.
// The SI value itself lives in the model (or the page): the text is derived
// from it.
//
// A page keeps one CFieldExchange and builds its fields through it:
//
//   m_fields = new CFieldExchange(this);
//   CUnitField& t = m_fields->AddField(tEdit, tCombo, kQuantityTemperature, FieldRole::Input);
//   t.FillUnits();
//   m_fields->OnUnitChange(t, [this] { return m_model.Temperature(); });
//   m_fields->OnInputChange(t, [this](double si) { Recompute(m_model.SetTemperature(si)); });
//
// The rule that binds: a text the program writes never runs an input
// handler. The exchange is the window's CHandlerBlock: while it reads or
// writes (UpdateData) and inside a CFieldExchange::Guard, every control
// added to it has its signals held, and the handlers installed here return
// at once when IsBlocked(). Only the user's own editing (typing, paste,
// cut, undo, a unit picked in the list) runs them.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <deque>
#include <functional>
#include <vector>

#include "controls/HandlerBlock.h"
#include "controls/HelpControls.h"
#include "units/FieldValue.h"

class CUnitField {
public:
    // unitCombo may be null for a field without a unit list.
    CUnitField(CEditEx* edit, CComboBoxExt* unitCombo, int quantity, FieldRole role);

    CEditEx* Edit() const { return m_edit; }
    CComboBoxExt* UnitCombo() const { return m_unitCombo; }
    int Quantity() const { return m_scale.quantity; }
    FieldRole Role() const { return m_scale.role; }
    const FieldScale& Scale() const { return m_scale; }

    // The field text, exchanged with the edit box by UpdateData.
    QString text;

    QString Format(double si) const;                   // FormatFieldValue
    double Parse() const;                              // ParseFieldValue of text
    void Show(double si) { text = Format(si); }        // text for an SI value
    void Blank() { text.clear(); }

    // Fills the unit combo with the quantity's units, the SI unit selected,
    // and puts the field back into the SI unit. Runs no handler.
    void FillUnits();
    // Takes the scale of a unit index (what a unit change does first);
    // false, changing nothing, for a single-unit quantity or a bad index.
    bool SelectUnit(int unit) { return SelectFieldUnit(m_scale, unit); }

private:
    QPointer<CEditEx> m_edit;
    QPointer<CComboBoxExt> m_unitCombo;
    FieldScale m_scale;
};

class CFieldExchange : public QObject, public CHandlerBlock {
    Q_OBJECT
public:
    explicit CFieldExchange(QObject* parent = nullptr);
    ~CFieldExchange() override;

    // The field stays valid as long as the exchange.
    CUnitField& AddField(CEditEx* edit, CComboBoxExt* unitCombo, int quantity, FieldRole role);
    // A plain text member exchanged with an edit box.
    void AddText(QLineEdit* edit, QString* member);

    const std::deque<CUnitField>& Fields() const { return m_fields; }

    // true: read every edit box into its text member; false: write every
    // text member into its edit box, touching only boxes whose text differs
    // (so the caret of the box being typed in stays where it is).
    void UpdateData(bool saveAndValidate = true);

    // Input change of an input field, on each edit by the user: read the
    // controls, parse the field's text into SI, hand it to apply (which
    // gives it to the model and sets the other texts), write the controls.
    void OnInputChange(CUnitField& field, std::function<void(double si)> apply);
    // Unit change, on each unit picked: take the unit's scale (nothing at
    // all for a single-unit field), show currentSi() in it, write the
    // controls without reading them. The model is not told.
    void OnUnitChange(CUnitField& field, std::function<double()> currentSi);
    // Any handler that must run for the user's own edits only.
    void OnUserEdit(QLineEdit* edit, std::function<void()> handler);
    void OnUserSelect(QComboBox* combo, std::function<void()> handler);

private:
    struct TextMember {
        QPointer<QLineEdit> edit;
        QString* member;
    };
    std::deque<CUnitField> m_fields;
    std::vector<TextMember> m_texts;
};
