#include "analysis/EnergyAnalysis.h"

#include <cmath>

#include "base/NumberText.h"

int EnergyAnalysis::SetStates(double m1, double h1, double t1, double m2, double h2, double t2,
                              const std::function<int()>& askChoice)
{
    m_temperaturesShown = !(t1 == 0 && t2 == 0);
    int choice = kInitialStream;
    if (m1 == m2) {
        m_M = m1;
    } else {
        choice = askChoice ? askChoice() : kInitialStream;
        if (choice == kFinalStream)
            m_M = m2;
        else if (choice == kStreamDifference)
            m_M = std::fabs(m1 - m2);
        else {
            choice = kInitialStream;
            m_M = m1;
        }
    }
    m_h2 = h2;
    m_h1 = h1;
    m_T1 = t1;
    m_T2 = t2;
    m_dh = h2 - h1;
    m_dT = t2 - t1;
    return choice;
}

void EnergyAnalysis::Open()
{
    m_factor.fill(1);
    m_display = {};
    m_input = {};
    m_mode = EnergyMode::MassFlow;
    m_Q = m_dh * m_M;
    m_t = 1;
    m_E = m_Q;
}

double& EnergyAnalysis::Ref(EnergyField field)
{
    switch (field) {
    case EnergyField::MassFlow: return m_M;
    case EnergyField::HeatPower: return m_Q;
    case EnergyField::EnthalpyDiff: return m_dh;
    case EnergyField::FinalEnthalpy: return m_h2;
    case EnergyField::TemperatureDiff: return m_dT;
    case EnergyField::FinalTemperature: return m_T2;
    case EnergyField::Time: return m_t;
    case EnergyField::Energy: return m_E;
    }
    return m_E;
}

double EnergyAnalysis::Value(EnergyField field) const { return const_cast<EnergyAnalysis*>(this)->Ref(field); }

// Mode 3: the enthalpy (and the temperature) follow from Q and M.
void EnergyAnalysis::EnthalpyFromPower()
{
    m_dh = m_Q / m_M;
    m_dT = m_dh / kWaterSpecificHeat;
    m_h2 = m_dh + m_h1;
    m_T2 = m_dT + m_T1;
}

// After an enthalpy change: mode 1 gives the flow, mode 2 the power.
void EnergyAnalysis::FlowOrPowerFromEnthalpy()
{
    if (m_mode == EnergyMode::MassFlow) {
        m_M = m_Q / m_dh;
    } else if (m_mode == EnergyMode::HeatPower) {
        m_Q = m_dh * m_M;
        m_E = m_Q * m_t;
    }
}

void EnergyAnalysis::OnEdit(EnergyField field, std::string_view text)
{
    const double x = ParseNumber(text);
    if (field == EnergyField::FinalTemperature)
        OnValue(field, m_input.multiplier * x + m_input.offset);
    else
        OnValue(field, x * Factor(field));
}

void EnergyAnalysis::OnValue(EnergyField field, double si)
{
    Ref(field) = si;

    switch (field) {
    case EnergyField::MassFlow:
        if (m_mode == EnergyMode::HeatPower) {
            m_Q = m_M * m_dh;
            m_E = m_Q * m_t;
        } else if (m_mode == EnergyMode::Enthalpy) {
            EnthalpyFromPower();
        }
        break;
    case EnergyField::HeatPower:
        m_E = m_Q * m_t;
        if (m_mode == EnergyMode::MassFlow)
            m_M = m_Q / m_dh;
        else if (m_mode == EnergyMode::Enthalpy)
            EnthalpyFromPower();
        break;
    case EnergyField::EnthalpyDiff:
        m_h2 = m_dh + m_h1;
        m_dT = m_dh / kWaterSpecificHeat;
        m_T2 = m_dT + m_T1;
        FlowOrPowerFromEnthalpy();
        break;
    case EnergyField::FinalEnthalpy:
        m_dh = m_h2 - m_h1;
        m_dT = m_dh / kWaterSpecificHeat;
        m_T2 = m_dT + m_T1;
        FlowOrPowerFromEnthalpy();
        break;
    case EnergyField::TemperatureDiff:
        m_dh = m_dT * kWaterSpecificHeat;
        m_T2 = m_dT + m_T1;
        m_h2 = m_dh + m_h1;
        FlowOrPowerFromEnthalpy();
        break;
    case EnergyField::FinalTemperature:
        m_dT = m_T2 - m_T1;
        m_dh = m_dT * kWaterSpecificHeat;
        m_h2 = m_dh + m_h1;
        FlowOrPowerFromEnthalpy();
        break;
    case EnergyField::Time: m_E = m_t * m_Q; break;
    case EnergyField::Energy: m_t = m_E / m_Q; break;
    }
}

void EnergyAnalysis::SetFactor(EnergyField field, double factor)
{
    if (field != EnergyField::FinalTemperature)
        m_factor[static_cast<int>(field)] = factor;
}

void EnergyAnalysis::SetTemperaturePairs(LinearPair display, LinearPair input)
{
    m_display = display;
    m_input = input;
}

std::string EnergyAnalysis::FieldText(EnergyField field) const
{
    if (field == EnergyField::FinalTemperature)
        return FormatG(m_display.multiplier * m_T2 + m_display.offset);
    return FormatG(Value(field) / Factor(field));
}

bool EnergyAnalysis::IsInput(EnergyField field) const
{
    switch (field) {
    case EnergyField::MassFlow: return m_mode != EnergyMode::MassFlow;
    case EnergyField::HeatPower: return m_mode != EnergyMode::HeatPower;
    case EnergyField::EnthalpyDiff:
    case EnergyField::FinalEnthalpy:
    case EnergyField::TemperatureDiff:
    case EnergyField::FinalTemperature: return m_mode != EnergyMode::Enthalpy;
    default: return true;
    }
}
