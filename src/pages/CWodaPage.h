#pragma once

#include "media/CWoda.h"
#include "pages/CMediumPage.h"

// Liquid water: temperature, pressure and mass flow in, nine properties out.
// The outputs stay writable: what the user types into the density,
// kinematic-viscosity and enthalpy boxes is what the analyses and the state
// memory take, until the properties are shown again.
class CWodaPage : public CMediumPage {
    Q_OBJECT
public:
    explicit CWodaPage(IAnalysisHost* host, QWidget* parent = nullptr);

    const CWoda& Model() const { return m_woda; }

protected:
    StoredState CurrentState() const override;
    FlowMedium FlowMediumOf() const override;

private:
    void OnInitDialog();

    CWoda m_woda;
};
