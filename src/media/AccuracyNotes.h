// Accuracy notes: what the fits of a model compute less accurately in its
// current state, and by how much. Each note is a string-table id of a
// one-line text; the figures in the texts and the bounds of the states that
// get them come from the measured accuracy in docs/accuracy.md, whose test
// checks that every measured state past a note's threshold carries it.
//
// A model whose last input was refused (no properties, or properties of an
// earlier state) gets no notes: there is nothing shown to qualify.
#pragma once

#include <vector>

class CWoda;
class CPara;
class CPowietrze;

inline constexpr int kNoteWaterExpansion = 11201;          // beta below 16 °C
inline constexpr int kNoteSaturatedViscosity = 11202;      // wet and saturated steam, always
inline constexpr int kNoteWetLowPressure = 11203;          // boiling water's enthalpy below 1500 Pa
inline constexpr int kNoteSaturatedVolume = 11204;         // v'' above 25 bar
inline constexpr int kNoteSaturatedHighPressure = 11205;   // r, h', h'', v' above 75 bar
inline constexpr int kNoteSuperheatedNearCritical = 11206; // above 170 bar, below 440 °C
inline constexpr int kNoteAirBelowFreezing = 11207;        // dew point or wet bulb below 0 °C
inline constexpr int kNoteAirHotDryWetBulb = 11208;        // wet bulb in hot dry air
inline constexpr int kNoteAirViscosity = 11209;            // viscosity of very humid air

std::vector<int> AccuracyNotes(const CWoda& water);
std::vector<int> AccuracyNotes(const CPara& steam);
std::vector<int> AccuracyNotes(const CPowietrze& air);
