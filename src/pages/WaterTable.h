// The fields of liquid water, in the order of the page's state text.
#pragma once

#include <span>

#include "media/CWoda.h"
#include "pages/PageIds.h"
#include "pages/PropertyTable.h"
#include "units/Quantities.h"

inline constexpr PropertyRow<CWoda> kWaterRows[] = {
    {"temperature", WodaIds::IDC_TEMPERATURE, WodaIds::IDC_TEMPERATURE_UNIT, 0, "&Temperatura wody", nullptr,
     kQuantityTemperature, PropertyRole::Input, &CWoda::GetTemperature, &CWoda::SetTemperature},
    {"pressure", WodaIds::IDC_PRESSURE, WodaIds::IDC_PRESSURE_UNIT, 0, "&Ciśnienie wody", nullptr,
     kQuantityPressure, PropertyRole::Input, &CWoda::GetPressure, &CWoda::SetPressure},
    {"mass_flow", WodaIds::IDC_MASS_FLOW, WodaIds::IDC_MASS_FLOW_UNIT, 0, "&Strumień masy", nullptr,
     kQuantityMassFlow, PropertyRole::Carried, &CWoda::GetMassFlow, &CWoda::SetMassFlow},
    {"density", WodaIds::IDC_DENSITY, WodaIds::IDC_DENSITY_UNIT, 0, "&Gęstość", nullptr, kQuantityDensity,
     PropertyRole::Output, &CWoda::GetDensity},
    {"expansion", WodaIds::IDC_EXPANSION, WodaIds::IDC_EXPANSION_UNIT, 0, "&Rozszerzalność obj.", nullptr,
     kQuantityExpansion, PropertyRole::Output, &CWoda::GetExpansion},
    {"specific_heat", WodaIds::IDC_SPECIFIC_HEAT, WodaIds::IDC_SPECIFIC_HEAT_UNIT, 0, "&Ciepło właściwe", nullptr,
     kQuantitySpecificHeat, PropertyRole::Output, &CWoda::GetSpecificHeat},
    {"enthalpy", WodaIds::IDC_ENTHALPY, WodaIds::IDC_ENTHALPY_UNIT, 0, "&Entalpia", nullptr, kQuantityEnthalpy,
     PropertyRole::Output, &CWoda::GetEnthalpy},
    {"conductivity", WodaIds::IDC_CONDUCTIVITY, WodaIds::IDC_CONDUCTIVITY_UNIT, 0, "&Przewodność cieplna",
     nullptr, kQuantityConductivity, PropertyRole::Output, &CWoda::GetConductivity},
    {"dynamic_viscosity", WodaIds::IDC_DYNAMIC_VISCOSITY, WodaIds::IDC_DYNAMIC_VISCOSITY_UNIT, 0,
     "Lepkość &dynamiczna", nullptr, kQuantityDynamicViscosity, PropertyRole::Output, &CWoda::GetDynamicViscosity},
    {"kinematic_viscosity", WodaIds::IDC_KINEMATIC_VISCOSITY, WodaIds::IDC_KINEMATIC_VISCOSITY_UNIT, 0,
     "Lepkość &kinematyczna", nullptr, kQuantityKinematicViscosity, PropertyRole::Output,
     &CWoda::GetKinematicViscosity},
    {"surface_tension", WodaIds::IDC_SURFACE_TENSION, WodaIds::IDC_SURFACE_TENSION_UNIT, 0,
     "&Napięcie powierzchniowe", nullptr, kQuantitySurfaceTension, PropertyRole::Output, &CWoda::GetSurfaceTension},
    {"prandtl", WodaIds::IDC_PRANDTL, WodaIds::IDC_PRANDTL_UNIT, 0, "&Liczba Prandtla", "Liczba Prandtla",
     kQuantityDimensionless, PropertyRole::Output, &CWoda::GetPrandtl},
};

inline constexpr std::span<const PropertyRow<CWoda>> kWaterTable{kWaterRows};
