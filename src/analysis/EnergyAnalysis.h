// The arithmetic of the energy analysis: heat power from mass flow and
// enthalpy change, energy over a time, and (for water) the temperature
// change with a constant specific heat. SI units throughout.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

inline constexpr double kWaterSpecificHeat = 4186.0; // J/(kg K)

enum class EnergyField {
    MassFlow,         // M, kg/s
    HeatPower,        // Q, W
    EnthalpyDiff,     // Δh, J/kg
    FinalEnthalpy,    // h2, J/kg
    TemperatureDiff,  // ΔT, K
    FinalTemperature, // T2, K (temperature field: display and input pairs)
    Time,             // t, s
    Energy,           // E, J
};
inline constexpr int kEnergyFieldCount = 8;

// What the "Oblicz" buttons make the result.
enum class EnergyMode { MassFlow = 1, HeatPower = 2, Enthalpy = 3 };

// Which mass flow the analysis uses when the two states differ.
enum MassStreamChoice { kInitialStream = 0, kFinalStream = 1, kStreamDifference = 2 };

// A temperature conversion x' = multiplier × x + offset.
struct LinearPair {
    double multiplier = 1;
    double offset = 0;
};

class EnergyAnalysis {
public:
    // Hand-over from a medium page: the stored initial and final states
    // (kg/s, J/kg, K; temperatures 0 and 0 mean "not known"). When the
    // flows differ, askChoice is called for which one to use. Returns the
    // choice taken (kInitialStream for equal flows).
    int SetStates(double m1, double h1, double t1, double m2, double h2, double t2,
                  const std::function<int()>& askChoice);
    double GetMassFlow() const { return m_M; }
    bool TemperaturesShown() const { return m_temperaturesShown; }

    // The opening: mode 1, unit factors reset, Q = Δh × M, t = 1, E = Q.
    void Open();
    // A click of a mode button changes the roles only.
    void SetMode(EnergyMode mode) { m_mode = mode; }
    EnergyMode Mode() const { return m_mode; }

    // The user's edit of a field's text (parsed in the field's unit).
    void OnEdit(EnergyField field, std::string_view text);
    // The same with the text already parsed into SI.
    void OnValue(EnergyField field, double si);

    void SetFactor(EnergyField field, double factor);
    double Factor(EnergyField field) const { return m_factor[static_cast<int>(field)]; }
    // The pairs of the final temperature field: K to shown unit, and back.
    void SetTemperaturePairs(LinearPair display, LinearPair input);

    std::string FieldText(EnergyField field) const;
    double Value(EnergyField field) const;
    bool IsInput(EnergyField field) const;

private:
    double& Ref(EnergyField field);
    void EnthalpyFromPower();
    void FlowOrPowerFromEnthalpy();

    double m_M = 1, m_Q = 1, m_h1 = 1, m_h2 = 1, m_dh = 1, m_T1 = 1, m_T2 = 1, m_dT = 1, m_t = 1, m_E = 1;
    bool m_temperaturesShown = true;
    EnergyMode m_mode = EnergyMode::MassFlow;
    std::array<double, kEnergyFieldCount> m_factor{1, 1, 1, 1, 1, 1, 1, 1};
    LinearPair m_display, m_input;
};
