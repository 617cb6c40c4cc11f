// The fields of water steam, in the order of the page's state text. The
// dryness, the water volume and the heat of vaporisation mean nothing for
// superheated steam.
#pragma once

#include <span>

#include "media/CPara.h"
#include "pages/PageIds.h"
#include "pages/PropertyTable.h"
#include "units/Quantities.h"

inline bool IsWetOrSaturated(const CPara& steam) { return steam.GetRegime() != CPara::kSuperheated; }

inline constexpr PropertyRow<CPara> kSteamRows[] = {
    {"temperature", ParaIds::IDC_TEMPERATURE, ParaIds::IDC_TEMPERATURE_UNIT, 0, "&Temperatura", nullptr,
     kQuantityTemperature, PropertyRole::Input, &CPara::GetTemperature, &CPara::SetTemperature},
    {"pressure", ParaIds::IDC_PRESSURE, ParaIds::IDC_PRESSURE_UNIT, 0, "&Ciśnienie", nullptr, kQuantityPressure,
     PropertyRole::Input, &CPara::GetPressure, &CPara::SetPressure},
    {"dryness", ParaIds::IDC_DRYNESS, ParaIds::IDC_DRYNESS_UNIT, ParaIds::IDC_DRYNESS_LABEL, "&Suchość", "Suchość",
     kQuantityDimensionless, PropertyRole::Input, &CPara::GetDryness, &CPara::SetDryness, &IsWetOrSaturated},
    {"mass_flow", ParaIds::IDC_MASS_FLOW, ParaIds::IDC_MASS_FLOW_UNIT, ParaIds::IDC_MASS_FLOW_LABEL,
     "Str&umień masy", nullptr, kQuantityMassFlow, PropertyRole::Carried, &CPara::GetMassFlow, &CPara::SetMassFlow},
    {"enthalpy", ParaIds::IDC_ENTHALPY, ParaIds::IDC_ENTHALPY_UNIT, 0, "&Entalpia", nullptr, kQuantityEnthalpy,
     PropertyRole::Output, &CPara::GetEnthalpy},
    {"specific_volume", ParaIds::IDC_STEAM_VOLUME, ParaIds::IDC_STEAM_VOLUME_UNIT, 0, "&Objętość właściwa pary",
     nullptr, kQuantitySpecificVolume, PropertyRole::Output, &CPara::GetSpecificVolume},
    {"water_volume", ParaIds::IDC_WATER_VOLUME, ParaIds::IDC_WATER_VOLUME_UNIT, ParaIds::IDC_WATER_VOLUME_LABEL,
     "O&bjętość właściwa wody", nullptr, kQuantitySpecificVolume, PropertyRole::Output, &CPara::GetWaterVolume,
     nullptr, &IsWetOrSaturated},
    {"heat_of_vaporisation", ParaIds::IDC_HEAT_OF_VAPORISATION, ParaIds::IDC_HEAT_OF_VAPORISATION_UNIT,
     ParaIds::IDC_HEAT_OF_VAPORISATION_LABEL, "Ciepło p&arowania", "Ciepło parowania", kQuantityEnthalpy,
     PropertyRole::Output, &CPara::GetHeatOfVaporisation, nullptr, &IsWetOrSaturated},
    {"dynamic_viscosity", ParaIds::IDC_DYNAMIC_VISCOSITY, ParaIds::IDC_DYNAMIC_VISCOSITY_UNIT, 0,
     "Lepkość &dynamiczna", nullptr, kQuantityDynamicViscosity, PropertyRole::Output, &CPara::GetDynamicViscosity},
    {"kinematic_viscosity", ParaIds::IDC_KINEMATIC_VISCOSITY, ParaIds::IDC_KINEMATIC_VISCOSITY_UNIT, 0,
     "Lepkość &kinematyczna", nullptr, kQuantityKinematicViscosity, PropertyRole::Output,
     &CPara::GetKinematicViscosity},
};

inline constexpr std::span<const PropertyRow<CPara>> kSteamTable{kSteamRows};

// The heading line of the state text and of the command line's table.
const char* SteamRegimeName(int regime);
