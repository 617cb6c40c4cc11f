#pragma once

#include <cstddef>

#include "pages/AirTable.h"
#include "pages/CMediumPage.h"

class CRadioButtonEx;
class CSliderCtrlEx;
class CStaticEx;

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

protected:
    void InputChanged(std::size_t field, double si) override;
    StoredState CurrentState() const override;
    FlowMedium FlowMediumOf() const override;

private:
    void OnInitDialog();
    // Any movement of the slider.
    void PressureChanged();
    // The mode as the buttons show it.
    int InputMode() const;
    bool IsBeingTyped(std::size_t field) const;

    HumidAirInput m_air;
    CRadioButtonEx* m_modeButtons[2] = {};
    CSliderCtrlEx* m_barometer = nullptr;
    CStaticEx* m_barometerText = nullptr;
    // The field whose edit runs the handler; none outside one.
    std::size_t m_typedField;
};
