#pragma once

#include <QString>
#include <QWidget>
#include <cstdint>

#include "media/CWoda.h"

class CZentaroTabbedDlg;
class CFieldExchange;
class CUnitField;
class CEditEx;
class CComboBoxExt;
class CButtonEx;
class CGroupBoxEx;
class CMultiEditEx;

// Liquid water: temperature, pressure and mass flow in, nine properties
// out, two stored states for the energy analysis, and the flow analysis of
// the current state. The outputs stay writable: what the user types into
// the density, kinematic-viscosity and enthalpy boxes is what the analyses
// and the state memory take, until the properties are shown again.
class CWodaPage : public QWidget {
    Q_OBJECT
public:
    // Control ids (ControlIdOf of each control).
    enum : unsigned {
        IDC_TEMPERATURE = 1064,
        IDC_TEMPERATURE_UNIT = 1065,
        IDC_PRESSURE = 1073,
        IDC_PRESSURE_UNIT = 1075,
        IDC_MASS_FLOW = 1078,
        IDC_MASS_FLOW_UNIT = 1081,
        IDC_DENSITY = 1008,
        IDC_DENSITY_UNIT = 1009,
        IDC_EXPANSION = 1010,
        IDC_EXPANSION_UNIT = 1011,
        IDC_SPECIFIC_HEAT = 1012,
        IDC_SPECIFIC_HEAT_UNIT = 1013,
        IDC_ENTHALPY = 1066,
        IDC_ENTHALPY_UNIT = 1067,
        IDC_CONDUCTIVITY = 1016,
        IDC_CONDUCTIVITY_UNIT = 1018,
        IDC_DYNAMIC_VISCOSITY = 1068,
        IDC_DYNAMIC_VISCOSITY_UNIT = 1069,
        IDC_KINEMATIC_VISCOSITY = 1070,
        IDC_KINEMATIC_VISCOSITY_UNIT = 1071,
        IDC_SURFACE_TENSION = 1026,
        IDC_SURFACE_TENSION_UNIT = 1027,
        IDC_PRANDTL = 1028,
        IDC_PRANDTL_UNIT = 1029,
        IDC_PARAMETERS = 1138,
        IDC_PROPERTIES = 1033,
        IDC_INITIAL_TEXT = 1134,
        IDC_FINAL_TEXT = 1136,
        IDC_STORE_INITIAL = 1125,
        IDC_STORE_FINAL = 1128,
        IDC_FLOW = 1122,
        IDC_ENERGY = 1131,
    };

    enum class State { Initial, Final };

    // What the state memory holds for one state.
    struct StoredState {
        double massFlow = 0;    // kg/s
        double enthalpy = 0;    // J/kg
        double temperature = 0; // K
    };

    explicit CWodaPage(CZentaroTabbedDlg* sheet, QWidget* parent = nullptr);
    ~CWodaPage() override;

    const CWoda& Model() const { return m_woda; }
    bool IsStored(State state) const { return (state == State::Initial ? m_initialStored : m_finalStored) != 0; }
    const StoredState& Stored(State state) const { return state == State::Initial ? m_initial : m_final; }
    const QString& StateText(State state) const { return state == State::Initial ? m_initialText : m_finalText; }

    // The message line: 0 restores "Właściwości", a message number shows
    // its text with the model's limit in red and disables what needs
    // properties.
    void ShowModelMessage(int message);
    // The nine outputs from the model, or blank while a message stands.
    void ShowProperties(int message);
    void StoreState(State state);
    // Twelve lines "name text unit\r\n", from the field texts as shown.
    QString BuildStateText() const;
    void OpenFlowAnalysis();
    void OpenEnergyAnalysis();

protected:
    // Help asked for on the labels: the page answers for them.
    bool event(QEvent* event) override;

private:
    void BuildForm();
    void OnInitDialog();
    void OnInput(int field, double si);
    void ReadControls();
    void WriteControls();
    void TakeMassFlow(double massFlow);
    CUnitField& Field(int index) const { return *m_fields[index]; }
    QString UnitText(int index) const;

    CZentaroTabbedDlg* m_sheet;
    CWoda m_woda;
    CFieldExchange* m_exchange;
    CUnitField* m_fields[12] = {};

    QString m_initialText;
    QString m_finalText;
    std::int32_t m_initialStored = 0;
    std::int32_t m_finalStored = 0;
    StoredState m_initial;
    StoredState m_final;

    CGroupBoxEx* m_parameters = nullptr;
    CGroupBoxEx* m_properties = nullptr;
    CMultiEditEx* m_initialBox = nullptr;
    CMultiEditEx* m_finalBox = nullptr;
    CButtonEx* m_storeInitial = nullptr;
    CButtonEx* m_storeFinal = nullptr;
    CButtonEx* m_flow = nullptr;
    CButtonEx* m_energy = nullptr;
};
