#include "pages/StateMemory.h"

#include "analysis/EnergyAnalysis.h"

namespace {

// The dry-air part of a flow with a moisture content; a medium without
// moisture (0) keeps its flow exactly.
double DryPart(double massFlow, double moisture) { return massFlow / (moisture + 1); }

} // namespace

StoredState HumidAirState(double humidMassFlow, double enthalpy, double moisture)
{
    StoredState state;
    state.moisture = moisture;
    state.massFlow = DryPart(humidMassFlow, moisture);
    state.enthalpy = enthalpy;
    return state;
}

void StateMemory::Store(StateSlot slot, const StoredState& state)
{
    if (slot == StateSlot::Initial) {
        m_initial = state;
        m_initialStored = 1;
    } else {
        m_final = state;
        m_finalStored = 1;
    }
}

bool StateMemory::IsStored(StateSlot slot) const
{
    return (slot == StateSlot::Initial ? m_initialStored : m_finalStored) == 1;
}

const StoredState& StateMemory::Stored(StateSlot slot) const
{
    return slot == StateSlot::Initial ? m_initial : m_final;
}

bool StateMemory::EnergyAvailable() const { return m_initialStored == 1 && m_finalStored == 1; }

bool StateMemory::MassFlowDiffers(double massFlow) const
{
    return EnergyAvailable() && (DryPart(massFlow, m_initial.moisture) != m_initial.massFlow
                                 || DryPart(massFlow, m_final.moisture) != m_final.massFlow);
}

double StateMemory::MediumMassFlow(int stream, double returnedFlow) const
{
    double moisture = 0;
    if (stream == kInitialStream)
        moisture = m_initial.moisture;
    else if (stream == kFinalStream)
        moisture = m_final.moisture;
    return returnedFlow * (1 + moisture);
}
