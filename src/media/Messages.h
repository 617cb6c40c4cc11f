// Message numbers the property models return: string-table ids, 0 when the
// value was accepted. The texts live in res/strings.inc.
#pragma once

inline constexpr int kMsgNone = 0;                         // accepted
inline constexpr int kMsgTemperatureBelowMinimum = 11001;  // "Temperatura niższa od temperatury minimalnej"
inline constexpr int kMsgTemperatureAboveCritical = 11002; // "Temperatura wyższa od temperatury krytycznej"
inline constexpr int kMsgTemperatureAboveMaximum = 11003;  // "Temperatura wyższa od temperatury maksymalnej"
inline constexpr int kMsgTemperatureBelowSaturation = 11004; // "Temperatura niższa od temperatury nasycenia"
inline constexpr int kMsgPressureBelowMinimum = 11005;     // "Ciśnienie niższe od ciśnienia minimalnego"
inline constexpr int kMsgPressureAboveCritical = 11006;    // "Ciśnienie wyższe od ciśnienia krytycznego"
inline constexpr int kMsgPressureAboveMaximum = 11007;     // "Ciśnienie wyższe od ciśnienia maksymalnego"
inline constexpr int kMsgPressureAboveSaturation = 11008;  // "Ciśnienie wyższe od ciśnienia nasycenia"
inline constexpr int kMsgDrynessOutOfRange = 11009;        // "Suchość poza zakresem 0 - 1"
inline constexpr int kMsgTemperatureBelowCritical = 11010; // "Temperatura niższa od temperatury krytycznej"
inline constexpr int kMsgHumidityBelowZero = 11011;        // "Wilgotność względna niższa od 0 %"
inline constexpr int kMsgHumidityAbove100 = 11012;         // "Wilgotność względna wyższa od 100 %"
inline constexpr int kMsgMoistureBelowZero = 11013;        // "Zawartość wilgoci mniejsza od 0 kg/kg"
inline constexpr int kMsgMoistureAboveMaximum = 11014;     // "Zawartość wilgoci większa od maksymalnej"
inline constexpr int kMsgTemperatureBelowDewPoint = 11015; // "Temperatura niższa od punktu rosy"
inline constexpr int kMsgStateOutsideFits = 11016;         // "Stan pary poza zakresem ważności korelacji"
// Every setter of every model: an infinite or not-a-number argument. The
// model is left exactly as it was, and no limit text goes with it.
inline constexpr int kMsgValueNotFinite = 11017;           // "Wartość nie jest liczbą skończoną"

// A range message of a model: the page follows its text with the limit text.
inline constexpr bool IsModelMessage(int message)
{
    return message >= kMsgTemperatureBelowMinimum && message <= kMsgValueNotFinite;
}
