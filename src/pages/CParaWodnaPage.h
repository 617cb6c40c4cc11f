#pragma once

#include "media/CPara.h"
#include "pages/CMediumPage.h"

class CRadioButtonEx;

// Water steam, wet, saturated or superheated: temperature, pressure,
// dryness and mass flow in, six properties out. In the wet and saturated
// regimes the saturation line ties the temperature and the pressure, so
// typing one rewrites the other; superheated, both are free and each is
// checked against the other. The outputs are read-only.
class CParaWodnaPage : public CMediumPage {
    Q_OBJECT
public:
    explicit CParaWodnaPage(IAnalysisHost* host, QWidget* parent = nullptr);

    const CPara& Model() const { return m_para; }

    // A click of a regime button: the regime's start state, its controls,
    // "Właściwości" and the properties. The stored states remain.
    void SelectRegime(int regime);

protected:
    void InputChanged(std::size_t field, double si) override;
    StoredState CurrentState() const override;
    FlowMedium FlowMediumOf() const override;
    QString StateHeading() const override;

private:
    void OnInitDialog();
    // Shows the dryness line or hides it, and enables or disables it and
    // the two lines that mean something for wet steam only.
    void ShowWetLines(bool dryness, bool drynessEnabled, bool wetOutputsEnabled);
    // A saturation value of 0 lies off the line: the box stays empty.
    void ShowSaturationValue(std::size_t field);

    CPara m_para;
    CRadioButtonEx* m_regimeButtons[3] = {};
};
