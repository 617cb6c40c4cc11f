// What the medium pages share. A page hands its property table and its
// model to BindModel and keeps only its own rules; the base builds the
// framed groups and the unit-bound fields from the table, runs the message
// line, the state memory with its two state boxes, and the hand-over to the
// flow and energy analyses, and the accuracy notes under the properties.
// Enter on a medium page does nothing.
#pragma once

#include <QString>
#include <QWidget>
#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "media/AccuracyNotes.h"
#include "pages/PropertyTable.h"
#include "pages/StateMemory.h"

class IAnalysisHost;
class CFieldExchange;
class CUnitField;
class CButtonEx;
class CGroupBoxEx;
class CMultiEditEx;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLayout;
class QLabel;
class QVBoxLayout;

// The controls every medium page has, with the page's own ids and the
// caption of its final-state button (its mnemonic differs from page to page).
struct MediumPageControls {
    unsigned parameters;
    unsigned properties;
    unsigned initialText;
    unsigned finalText;
    unsigned storeInitial;
    unsigned storeFinal;
    unsigned flow;
    unsigned energy;
    const char* finalCaption;
};

class CMediumPage : public QWidget {
    Q_OBJECT
public:
    CMediumPage(IAnalysisHost* host, const MediumPageControls& controls, QWidget* parent);
    ~CMediumPage() override;

    bool IsStored(StateSlot slot) const { return m_memory.IsStored(slot); }
    const StoredState& Stored(StateSlot slot) const { return m_memory.Stored(slot); }
    const QString& StateText(StateSlot slot) const { return slot == StateSlot::Initial ? m_initialText : m_finalText; }

    // The message line: kMsgNone shows "Właściwości" in the normal colours
    // and enables what needs properties; a message shows its text (a
    // model's range message followed by the limit text) in red and
    // disables the state buttons, the flow button and the output units.
    void ShowModelMessage(int message);
    // Every output from the model, or blank while a message stands; a
    // value below its field's range as "< lowest", its unit list disabled.
    // Then the accuracy notes of what is shown.
    virtual void ShowProperties(int message);
    void StoreState(StateSlot slot);
    // The heading line, if any, then "name text unit\r\n" for each field
    // that means something in the model's state, as the boxes show them.
    QString BuildStateText() const;
    void OpenFlowAnalysis();
    void OpenEnergyAnalysis();

signals:
    // A state was stored (after its text is written).
    void StateStored(StateSlot slot);

protected:
    // What the flow analysis gets from the page.
    struct FlowMedium {
        QString caption;
        double density = 0;             // kg/m³
        double kinematicViscosity = 0;  // m²/s
        double massFlow = 0;            // kg/s

        // A medium known by its specific volume: the caption "Analiza
        // przepływu dla <medium> o objętości właściwej <v> m^3/kg." and the
        // density 1 / v.
        static FlowMedium OfVolume(const char* medium, double volume, double kinematicViscosity, double massFlow);
    };

    // Builds the fields of the table, bound to the model, which must
    // outlive the page. Typed fields go into "Parametry", outputs into the
    // properties box, in the table's order.
    template <class Model>
    void BindModel(std::span<const PropertyRow<Model>> table, Model& model);
    // The fields in the order of the state text, when it is not the table's.
    void SetStateOrder(std::span<const std::size_t> fields);

    // An input field changed (the controls are read, the SI value parsed;
    // the controls are written afterwards). By default: the setter, then
    // the message line and the properties.
    virtual void InputChanged(std::size_t field, double si);
    // The state StoreState keeps (the controls are read first).
    virtual StoredState CurrentState() const = 0;
    virtual FlowMedium FlowMediumOf() const = 0;
    // The first line of the state text; none by default.
    virtual QString StateHeading() const { return {}; }

    // The model's setter of an input field; its message.
    int SetInput(std::size_t field, double si);
    double FieldValue(std::size_t field) const;
    bool IsRelevant(std::size_t field) const;
    CUnitField& Field(std::size_t field) const;
    QWidget* FieldLabel(std::size_t field) const;
    // Puts a control of the page's own (a mode button, say) where the
    // field's label stands; the label goes.
    void ReplaceLabel(std::size_t field, QWidget* label);
    // A line of the page's own under the typed fields in "Parametry": a
    // label, a control and what stands in the unit column.
    void AddInputLine(QWidget* label, QWidget* control, QWidget* unitColumn);
    // A button of the page's own after the flow and energy buttons.
    void AddAnalysisButton(QWidget* button);
    std::size_t FieldCount() const { return m_fields.size(); }
    // Outputs are writable unless a page makes them read-only.
    void SetOutputsReadOnly(bool readOnly);
    // Fills every unit list, each field back in its SI unit.
    void FillUnits();

    void ReadControls();
    void WriteControls();
    CFieldExchange& Exchange() const { return *m_exchange; }
    // The column left of the properties: the parameters, then the
    // analyses' buttons; a page may put more above the parameters.
    QVBoxLayout* LeftColumn() const { return m_leftColumn; }

    bool event(QEvent* event) override;
    // Tab stops at the checked button of each group of radio buttons.
    void showEvent(QShowEvent* event) override;

private:
    struct BoundField {
        CUnitField* unit;
        QWidget* label;
        PropertyRole role;
        double lowest = 0;  // see PropertyRow::lowest
        QString stateName;
        std::function<double()> value;
        std::function<int(double)> set;
        std::function<bool()> relevant;
    };

    void AddField(unsigned edit, unsigned unitCombo, unsigned labelId, const char* label, int quantity,
                  BoundField bound);
    void ShowNotes(bool shown);
    void TakeMassFlow(double massFlow);
    // Tab as the eye reads the page: the parameters and the analyses'
    // buttons, the properties, then the states with their buttons.
    void OrderTabs();
    QLayout* Framed(QGroupBox* box, QGridLayout*& inner);

    IAnalysisHost* m_host;
    CFieldExchange* m_exchange;
    std::vector<BoundField> m_fields;
    std::size_t m_massFlowField = 0;
    std::function<std::string()> m_limitText;
    std::function<std::vector<int>()> m_notes;
    std::vector<std::size_t> m_stateOrder;
    StateMemory m_memory;
    QString m_initialText;
    QString m_finalText;

    QVBoxLayout* m_leftColumn = nullptr;
    QHBoxLayout* m_analyses = nullptr;
    std::vector<QWidget*> m_extraInputs;   // a page's own input lines
    std::vector<QWidget*> m_extraButtons;  // a page's own buttons beside the analyses'
    QGridLayout* m_inputGrid = nullptr;
    QGridLayout* m_outputGrid = nullptr;
    int m_inputLines = 0;
    int m_outputLines = 0;
    QGroupBox* m_parameters = nullptr;
    CGroupBoxEx* m_properties = nullptr;
    CMultiEditEx* m_initialBox = nullptr;
    CMultiEditEx* m_finalBox = nullptr;
    CButtonEx* m_storeInitial = nullptr;
    CButtonEx* m_storeFinal = nullptr;
    CButtonEx* m_flow = nullptr;
    CButtonEx* m_energy = nullptr;
    QLabel* m_notesLabel = nullptr;
};

template <class Model>
void CMediumPage::BindModel(std::span<const PropertyRow<Model>> table, Model& model)
{
    for (const PropertyRow<Model>& row : table) {
        BoundField bound{};
        bound.role = row.role;
        bound.stateName = QString::fromStdString(StateName(row.stateName, row.quantity));
        bound.value = [&model, get = row.get] { return (model.*get)(); };
        if (row.set != nullptr)
            bound.set = [&model, set = row.set](double si) { return (model.*set)(si); };
        bound.relevant = [&model, row] { return row.IsRelevant(model); };
        bound.lowest = row.lowest;
        AddField(row.edit, row.unitCombo, row.labelId, row.label, row.quantity, std::move(bound));
        if (row.role == PropertyRole::Carried)
            m_massFlowField = m_fields.size() - 1;
    }
    m_limitText = [&model] { return model.GetLimitText(); };
    m_notes = [&model] { return AccuracyNotes(model); };
    OrderTabs();
}
