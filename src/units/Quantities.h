// Quantity numbers: the string-table id of each quantity's name, and the
// number by which the catalogue, the fields and the tables address it.
// 1000 + 100 x index for the 31 convertible quantities; percent and the
// dimensionless quantity have one unit and no factors.
#pragma once

inline constexpr int kQuantityLength = 1000;                    // "Długość"
inline constexpr int kQuantityArea = 1100;                      // "Pole powierzchni"
inline constexpr int kQuantityVolume = 1200;                    // "Objętość"
inline constexpr int kQuantityVelocity = 1300;                  // "Prędkość"
inline constexpr int kQuantityMass = 1400;                      // "Masa"
inline constexpr int kQuantityMassFlow = 1500;                  // "Strumień masy"
inline constexpr int kQuantityVolumeFlow = 1600;                // "Strumień objętości"
inline constexpr int kQuantityForce = 1700;                     // "Siła"
inline constexpr int kQuantityMoment = 1800;                    // "Moment"
inline constexpr int kQuantityPressure = 1900;                  // "Ciśnienie"
inline constexpr int kQuantityDensity = 2000;                   // "Gęstość"
inline constexpr int kQuantityKinematicViscosity = 2100;        // "Lepkość kinematyczna"
inline constexpr int kQuantityDynamicViscosity = 2200;          // "Lepkość dynamiczna"
inline constexpr int kQuantityEnergy = 2300;                    // "Energia"
inline constexpr int kQuantityPower = 2400;                     // "Moc"
inline constexpr int kQuantityEnthalpy = 2500;                  // "Entalpia"
inline constexpr int kQuantitySpecificHeat = 2600;              // "Ciepło właściwe"
inline constexpr int kQuantityConductivity = 2700;              // "Przewodność cieplna"
inline constexpr int kQuantityOverallHeatTransfer = 2800;       // "Współczynnik przenikania ciepła"
inline constexpr int kQuantitySurfaceHeatTransfer = 2900;       // "Współczynnik przejmowania ciepła"
inline constexpr int kQuantityThermalDiffusivity = 3000;        // "Dyfuzyjność cieplna"
inline constexpr int kQuantityTemperature = 3100;               // "Temperatura"
inline constexpr int kQuantityExpansion = 3200;                 // "Rozszerzalność objętościowa"
inline constexpr int kQuantitySurfaceTension = 3300;            // "Napięcie powierzchniowe"
inline constexpr int kQuantitySpecificVolume = 3400;            // "Objętość właściwa"
inline constexpr int kQuantityTemperatureDifference = 3500;     // "Różnica temperatury"
inline constexpr int kQuantityTime = 3600;                      // "Czas"
inline constexpr int kQuantityUnitPressureLoss = 3700;          // "Jednostkowa strata ciśnienia"
inline constexpr int kQuantityAngle = 3800;                     // "Kąt płaski"
inline constexpr int kQuantityAngularVelocity = 3900;           // "Prędkość kątowa"
inline constexpr int kQuantityMoistureContent = 4000;           // "Zawartość wilgoci"
inline constexpr int kQuantityPercent = 9800;                   // "Procent": one unit "%"
inline constexpr int kQuantityDimensionless = 9900;             // "Wielkość bezwymiarowa": one unit "bez miana"

// The convertible quantities run from the first to the last in steps.
inline constexpr int kQuantityFirst = kQuantityLength;
inline constexpr int kQuantityLast = kQuantityMoistureContent;
inline constexpr int kQuantityStep = 100;
inline constexpr int kQuantityCount = 31;
static_assert(kQuantityFirst + (kQuantityCount - 1) * kQuantityStep == kQuantityLast);
