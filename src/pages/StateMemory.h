// What a medium page remembers for the energy analysis: an initial and a
// final state, whether each has been stored, and whether the medium's mass
// flow still matches them.
#pragma once

#include <cstdint>

enum class StateSlot { Initial, Final };

// One stored state, as the energy analysis takes it.
struct StoredState {
    double massFlow = 0;     // kg/s; humid air: of the dry air
    double enthalpy = 0;     // J/kg; humid air: per kg of dry air
    double temperature = 0;  // K; 0 for a medium that gives none
    double moisture = 0;     // kg/kg; humid air only, 0 for the others
};

// A humid-air state: the enthalpy and moisture content belong to the dry
// air, so the stored flow is the dry-air part of the humid-air flow.
StoredState HumidAirState(double humidMassFlow, double enthalpy, double moisture);

class StateMemory {
public:
    // Stores (or overwrites) one state and marks it stored.
    void Store(StateSlot slot, const StoredState& state);
    bool IsStored(StateSlot slot) const;
    // The slot's values; zeros until it is stored.
    const StoredState& Stored(StateSlot slot) const;

    // Both states stored, in either order. Nothing ever clears it.
    bool EnergyAvailable() const;

    // Whether to ask to store the final state again: both states are stored
    // and the medium's current mass flow, taken as each slot stores it (the
    // dry-air part with the slot's moisture content), differs from the
    // initial or the final stored flow.
    bool MassFlowDiffers(double massFlow) const;

    // The medium's mass flow for a flow the energy analysis hands back, of
    // the stream it used (MassStreamChoice): the initial or final stream
    // gives back its dry air with that state's moisture; the difference of
    // the streams is taken as it is.
    double MediumMassFlow(int stream, double returnedFlow) const;

private:
    // 32-bit flags, set to 1 when the slot is stored.
    std::int32_t m_initialStored = 0;
    std::int32_t m_finalStored = 0;
    StoredState m_initial;
    StoredState m_final;
};
