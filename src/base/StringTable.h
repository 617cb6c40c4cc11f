// The program's texts, addressed by number. One table, compiled in.
#pragma once

#include <string>
#include <vector>

// The text of a string id, UTF-8; empty for an id the table lacks.
const std::string& LoadText(int id);

// Every id the table holds, ascending.
std::vector<int> TextIds();

// The medium pages' question whether to store the final state again.
inline constexpr int kIdsMassFlowChanged = 12001;    // "Wartość strumienia masy czynnika jest różna ..."

// The h-x chart of humid air: its drawing, its status line and its export.
inline constexpr int kIdsChartTitle = 13001;            // "Wykres h-x powietrza wilgotnego, p = %1 hPa"
inline constexpr int kIdsChartMoistureAxis = 13002;     // "x, g/kg"
inline constexpr int kIdsChartTemperatureAxis = 13003;  // "t, °C"
inline constexpr int kIdsChartEnthalpyAxis = 13004;     // "h, kJ/kg"
inline constexpr int kIdsChartVolumeAxis = 13005;       // "v, m³/kg"
inline constexpr int kIdsChartSaturation = 13006;       // "φ = 100 %"
inline constexpr int kIdsChartDewPoint = 13007;         // "punkt rosy %1 °C"
inline constexpr int kIdsChartWetBulb = 13008;          // "term. mokry %1 °C"
inline constexpr int kIdsChartState = 13009;            // "t = %1 °C    φ = %2 % ..."
inline constexpr int kIdsChartFog = 13010;              // "t = %1 °C    x = %2 g/kg: poniżej krzywej nasycenia ..."
inline constexpr int kIdsChartOutside = 13011;          // "Poza zakresem modelu"
inline constexpr int kIdsChartHint = 13012;             // "Wskaż punkt wykresu; kliknięcie ..."
inline constexpr int kIdsChartSave = 13013;             // "Zapisz wykres"
inline constexpr int kIdsChartPngFilter = 13014;        // "Obraz PNG (*.png)"
inline constexpr int kIdsChartSvgFilter = 13015;        // "Rysunek SVG (*.svg)"
inline constexpr int kIdsChartNotSaved = 13016;         // "Nie można zapisać pliku %1"

// Standard messages of number fields.
inline constexpr int kIdsNumberExpected = 61715;     // "Proszę podać liczbę."
inline constexpr int kIdsNumberOutOfRange = 61716;   // "... od %1 do %2."
