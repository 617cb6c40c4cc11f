// The state memory of the medium pages: what is stored, when the energy
// analysis opens, when the mass-flow question is asked.
#include <gtest/gtest.h>

#include "analysis/EnergyAnalysis.h"
#include "pages/StateMemory.h"

namespace {

StoredState State(double massFlow, double enthalpy, double temperature = 0)
{
    StoredState s;
    s.massFlow = massFlow;
    s.enthalpy = enthalpy;
    s.temperature = temperature;
    return s;
}

TEST(StateMemory, EnergyNeedsBothStatesInEitherOrder)
{
    StateMemory memory;
    EXPECT_FALSE(memory.IsStored(StateSlot::Initial));
    EXPECT_FALSE(memory.EnergyAvailable());
    EXPECT_EQ(memory.Stored(StateSlot::Final).massFlow, 0);

    memory.Store(StateSlot::Final, State(2, 100, 300));
    EXPECT_TRUE(memory.IsStored(StateSlot::Final));
    EXPECT_FALSE(memory.IsStored(StateSlot::Initial));
    EXPECT_FALSE(memory.EnergyAvailable());
    memory.Store(StateSlot::Initial, State(1, 50, 280));
    EXPECT_TRUE(memory.EnergyAvailable());
    EXPECT_EQ(memory.Stored(StateSlot::Initial).temperature, 280);
    EXPECT_EQ(memory.Stored(StateSlot::Final).enthalpy, 100);

    // Storing again overwrites the slot and leaves the analysis available.
    memory.Store(StateSlot::Final, State(3, 120));
    EXPECT_TRUE(memory.EnergyAvailable());
    EXPECT_EQ(memory.Stored(StateSlot::Final).massFlow, 3);
    EXPECT_EQ(memory.Stored(StateSlot::Final).temperature, 0);
    EXPECT_EQ(memory.Stored(StateSlot::Initial).massFlow, 1);
}

TEST(StateMemory, MassFlowQuestion)
{
    StateMemory memory;
    // Not asked until both states are stored.
    EXPECT_FALSE(memory.MassFlowDiffers(5));
    memory.Store(StateSlot::Initial, State(1, 0));
    EXPECT_FALSE(memory.MassFlowDiffers(5));
    memory.Store(StateSlot::Final, State(1, 0));
    EXPECT_FALSE(memory.MassFlowDiffers(1));
    EXPECT_TRUE(memory.MassFlowDiffers(1.5));
    EXPECT_TRUE(memory.MassFlowDiffers(-1));
    // Either slot alone differing is enough.
    memory.Store(StateSlot::Final, State(2, 0));
    EXPECT_TRUE(memory.MassFlowDiffers(1));
    EXPECT_TRUE(memory.MassFlowDiffers(2));
    memory.Store(StateSlot::Initial, State(2, 0));
    EXPECT_FALSE(memory.MassFlowDiffers(2));
}

TEST(StateMemory, HumidAirKeepsTheDryAir)
{
    // The humid-air start state: 1 kg/s with 0.00885149 kg/kg.
    const StoredState start = HumidAirState(1, 42578, 0.00885149);
    EXPECT_NEAR(start.massFlow, 0.991226, 5e-7);
    EXPECT_EQ(start.moisture, 0.00885149);
    EXPECT_EQ(start.enthalpy, 42578);
    EXPECT_EQ(start.temperature, 0);

    StateMemory memory;
    memory.Store(StateSlot::Initial, start);
    memory.Store(StateSlot::Final, HumidAirState(1, 64661.7, 0.0134916));
    // The unchanged humid-air flow matches both dry-air flows exactly.
    EXPECT_FALSE(memory.MassFlowDiffers(1));
    EXPECT_TRUE(memory.MassFlowDiffers(1.01));

    // A flow the energy analysis returns for one stream comes back as
    // humid air with that stream's moisture; their difference as it is.
    EXPECT_DOUBLE_EQ(memory.MediumMassFlow(kInitialStream, 2), 2 * 1.00885149);
    EXPECT_DOUBLE_EQ(memory.MediumMassFlow(kFinalStream, 2), 2 * 1.0134916);
    EXPECT_EQ(memory.MediumMassFlow(kStreamDifference, 2), 2);
}

TEST(StateMemory, MediaWithoutMoistureKeepTheirFlowExactly)
{
    StateMemory memory;
    memory.Store(StateSlot::Initial, State(0.1, 0));
    memory.Store(StateSlot::Final, State(0.1, 0));
    EXPECT_FALSE(memory.MassFlowDiffers(0.1));
    EXPECT_EQ(memory.MediumMassFlow(kInitialStream, 0.3), 0.3);
    EXPECT_EQ(memory.MediumMassFlow(kFinalStream, 0.3), 0.3);
}

} // namespace
