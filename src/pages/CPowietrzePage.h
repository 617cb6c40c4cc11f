#pragma once

#include <QPointer>
#include <cstddef>

#include "pages/AirTable.h"
#include "pages/CMediumPage.h"

class CButtonEx;
class CRadioButtonEx;
class CSliderCtrlEx;
class CStaticEx;
class CWykresHxDlg;

// Humid air: the temperature with either the relative humidity or the
// moisture content (two mode buttons choose which is given) and the mass
// flow in, the barometric pressure on a slider, eight properties out. The
// enthalpy is per kg of dry air, so the stored states and the energy
// analysis work with the dry-air part of the mass flow.
class CPowietrzePage : public CMediumPage {
    Q_OBJECT
public:
    explicit CPowietrzePage(IAnalysisHost* host, QWidget* parent = nullptr);

    const HumidAirInput& Model() const { return m_air; }

    // A click of a mode button: which humidity box is writable, and the
    // model gets the value of the box now written in. What is shown
    // follows at the next change, unless the model refuses that value.
    void SelectInputMode(int mode);
    // Also the two humidities (never the box being typed into) and the
    // barometric pressure's label.
    void ShowProperties(int message) override;

    // The mode as the buttons show it.
    int InputMode() const;
    // Whether the properties stand (no message in their caption).
    bool ShowsProperties() const { return m_shown == kMsgNone; }

    // The h-x chart window: opened (once made, shown again) by its button.
    void OpenChart();
    CWykresHxDlg* ChartWindow() const;
    // A state the chart picked, typed into the temperature box and into
    // the humidity box the mode takes (relative humidity in %, moisture
    // content in kg/kg), each in its unit, as the user would type them.
    void TypeState(double temperature, double humidity, double moisture);

signals:
    // The properties were shown anew: the chart follows.
    void Shown();

protected:
    void InputChanged(std::size_t field, double si) override;
    StoredState CurrentState() const override;
    FlowMedium FlowMediumOf() const override;

private:
    void OnInitDialog();
    // Any movement of the slider.
    void PressureChanged();
    void TypeInto(std::size_t field, double si);
    bool IsBeingTyped(std::size_t field) const;

    HumidAirInput m_air;
    CRadioButtonEx* m_modeButtons[2] = {};
    CSliderCtrlEx* m_barometer = nullptr;
    CStaticEx* m_barometerText = nullptr;
    CButtonEx* m_chartButton = nullptr;
    QPointer<CWykresHxDlg> m_chart;
    int m_shown = kMsgNone;
    // The field whose edit runs the handler; none outside one.
    std::size_t m_typedField;
};
