#pragma once

#include <vector>

#include "analysis/EnergyAnalysis.h"
#include "controls/Modal.h"

class IAnalysisHost;
class CRoznicaStrumieniDlg;
class CEditEx;
class CComboBoxExt;
class CRadioButtonEx;
class QLabel;
class QGridLayout;
class CFieldExchange;
class CUnitField;

// Heat power, enthalpy change and energy between the two stored states of
// a medium page. One object lives with the main window.
class CAnalizaEnergiiDlg : public CDialog {
    Q_OBJECT
public:
    // The host gives the mass-stream dialog; without one the dialog keeps its own.
    explicit CAnalizaEnergiiDlg(IAnalysisHost* host, QWidget* parent = nullptr);

    // The page's initial and final states (kg/s, J/kg, K; temperatures 0
    // and 0 for a medium without them). When the flows differ, asks which
    // one to use first. Returns 0 (initial), 1 (final) or 2 (difference).
    int SetStates(double m1, double h1, double t1, double m2, double h2, double t2);
    // The mass flow the page takes back on OK, kg/s.
    double GetMassFlow() const { return m_energy.GetMassFlow(); }

    const EnergyAnalysis& Analysis() const { return m_energy; }

protected:
    void OnInitDialog() override;
    bool event(QEvent* event) override;

private:
    struct Field {
        EnergyField field;
        CUnitField* unit;
    };

    void BuildForm();
    Field& FieldOf(EnergyField field);
    CRoznicaStrumieniDlg& MassStreamDialog();
    void ApplyMode();
    void RefreshFields(bool all = false);
    void OnModeClicked(EnergyMode mode);
    void OnValue(EnergyField field, double si);
    void OnUnitChanged(EnergyField field);
    void OnHelp();

    IAnalysisHost* m_host;
    EnergyAnalysis m_energy;
    std::vector<Field> m_fields;
    // The grids whose boxes line up in one column.
    std::vector<QGridLayout*> m_grids;
    CFieldExchange* m_exchange; // holds the controls' signals while the dialog writes
    CEditEx* m_typing = nullptr;
    CRadioButtonEx* m_modeButtons[3];
    QLabel* m_temperatureDiffLabel;
    QLabel* m_finalTemperatureLabel;
    CRoznicaStrumieniDlg* m_ownMassStreamDialog = nullptr;
};
