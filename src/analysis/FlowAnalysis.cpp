#include "analysis/FlowAnalysis.h"

#include <bit>
#include <cmath>
#include <cstdint>

#include "analysis/FrictionFactor.h"
#include "base/NumberText.h"

template <class Make>
const std::string& FlowAnalysis::CachedText::Get(double newValue, double newScale, Make make)
{
    const char sep = DecimalSeparator();
    const auto bits = [](double x) { return std::bit_cast<std::uint64_t>(x); };
    if (!valid || bits(newValue) != bits(value) || bits(newScale) != bits(scale) || sep != separator) {
        text = make();
        value = newValue;
        scale = newScale;
        separator = sep;
        valid = true;
    }
    return text;
}

void FlowAnalysis::SetMedium(double rho, double nu, double massFlow)
{
    m_rho = rho;
    m_nu = nu;
    m_M = massFlow;
}

void FlowAnalysis::Open()
{
    m_factor.fill(1);
    m_mode = FlowMode::Flow;
    m_shape = DuctShape::Round;
    m_characteristic = FlowCharacteristic::DN;

    m_V = m_M / m_rho;
    m_F = m_V / m_w; // w as the last use left it
    m_p = 2;
    m_L = std::sqrt(m_F + m_F);
    m_H = m_L * 0.5;
    m_D = std::sqrt(m_F * 4 / kFlowPi);
    m_m = m_M;
    m_t = 1;
    m_l = 1;
    m_k = 1e-05;

    HydraulicStep();
    FrictionStep();
    m_R = m_lambda * m_w * m_w * m_rho / (m_Rh * 8);
    m_dpL = m_R;
    m_zeta = 1;
    m_Z = m_w * m_w * m_rho * 0.5;
}

void FlowAnalysis::FlowStep()
{
    if (m_mode == FlowMode::Flow) {
        m_V = m_w * m_F;
        m_M = m_V * m_rho;
        m_m = m_M * m_t;
    } else if (m_mode == FlowMode::Velocity) {
        m_w = m_V / m_F;
    }
}

void FlowAnalysis::SectionFromFlow()
{
    m_F = m_V / m_w;
    m_D = std::sqrt(m_F * 4 / kFlowPi);
    m_L = std::sqrt(m_p * m_F);
    m_H = m_L / m_p;
}

void FlowAnalysis::HydraulicStep()
{
    if (m_shape == DuctShape::Round)
        m_Rh = m_F / (m_D * kFlowPi);
    else
        m_Rh = m_F / (2 * (m_L + m_H));
    m_Re = m_w * 4 * m_Rh / m_nu;
    m_eps = m_k / (m_Rh * 4);
}

void FlowAnalysis::FrictionStep() { m_lambda = FrictionFactor(m_Re, m_eps); }

void FlowAnalysis::LossStep()
{
    m_R = m_lambda * m_w * m_w * m_rho / (m_Rh * 8);
    m_dpL = m_R * m_l;
    m_Z = m_w * m_zeta * m_w * m_rho * 0.5;
}

void FlowAnalysis::HydraulicFrictionLoss()
{
    HydraulicStep();
    FrictionStep();
    LossStep();
}

void FlowAnalysis::SidesFromArea()
{
    m_L = std::sqrt(m_p * m_F);
    m_H = m_L / m_p;
}

void FlowAnalysis::SetMode(FlowMode mode)
{
    m_mode = mode;
    SelectDN();
}

void FlowAnalysis::SelectDN()
{
    m_characteristic = FlowCharacteristic::DN;
    m_shape = DuctShape::Round;
    HydraulicFrictionLoss();
}

void FlowAnalysis::SelectLxH()
{
    m_characteristic = FlowCharacteristic::LxH;
    m_shape = DuctShape::Rectangular;
    HydraulicFrictionLoss();
}

void FlowAnalysis::SelectF(DuctShape shape, double proportion)
{
    m_characteristic = FlowCharacteristic::F;
    if (shape == DuctShape::Round) {
        m_shape = DuctShape::Round;
    } else {
        m_p = proportion;
        SidesFromArea();
        m_shape = DuctShape::Rectangular;
    }
    HydraulicFrictionLoss();
}

double& FlowAnalysis::Ref(FlowField field)
{
    switch (field) {
    case FlowField::MassFlow: return m_M;
    case FlowField::VolumeFlow: return m_V;
    case FlowField::Diameter: return m_D;
    case FlowField::SideL: return m_L;
    case FlowField::SideH: return m_H;
    case FlowField::Area: return m_F;
    case FlowField::Velocity: return m_w;
    case FlowField::Time: return m_t;
    case FlowField::Mass: return m_m;
    case FlowField::UnitLoss: return m_R;
    case FlowField::DuctLength: return m_l;
    case FlowField::LinearLoss: return m_dpL;
    case FlowField::ZetaSum: return m_zeta;
    case FlowField::LocalLoss: return m_Z;
    }
    return m_R;
}

double FlowAnalysis::Value(FlowField field) const { return const_cast<FlowAnalysis*>(this)->Ref(field); }

bool FlowAnalysis::OnEdit(FlowField field, std::string_view text)
{
    const double x = ParseNumber(text);
    // Σζ is dimensionless: the number as typed.
    return OnValue(field, field == FlowField::ZetaSum ? x : x * Factor(field));
}

bool FlowAnalysis::OnValue(FlowField field, double si)
{
    if (field == FlowField::UnitLoss)
        return false;
    if (field == FlowField::ZetaSum) {
        m_zeta = si;
        m_Z = m_w * m_zeta * m_w * m_rho * 0.5;
        return true;
    }
    const double factor = Factor(field);
    Ref(field) = si;

    const bool section = m_mode == FlowMode::Section;
    switch (field) {
    case FlowField::Diameter:
        m_F = m_D * kFlowPi * m_D * 0.25;
        SidesFromArea();
        FlowStep();
        HydraulicFrictionLoss();
        break;
    case FlowField::Area:
        m_D = std::sqrt(m_F * 4 / kFlowPi);
        SidesFromArea();
        FlowStep();
        HydraulicFrictionLoss();
        break;
    case FlowField::SideH:
    case FlowField::SideL:
        if (section) {
            // The area is the result of the flows: a side fixes the other.
            if (field == FlowField::SideH)
                m_L = m_F / m_H;
            else
                m_H = m_F / m_L;
        } else {
            m_F = m_L * m_H;
            m_D = std::sqrt(m_F * 4 / kFlowPi);
            FlowStep();
        }
        HydraulicFrictionLoss();
        break;
    case FlowField::Velocity:
        // A velocity of zero or below would divide the section by zero.
        if (!(m_w > 0))
            m_w = 1e-08 * factor;
        if (m_mode == FlowMode::Flow)
            FlowStep();
        else if (section)
            SectionFromFlow();
        HydraulicFrictionLoss();
        break;
    case FlowField::MassFlow:
    case FlowField::VolumeFlow:
        if (field == FlowField::MassFlow)
            m_V = m_M / m_rho;
        else
            m_M = m_rho * m_V;
        m_m = m_M * m_t;
        if (m_mode == FlowMode::Velocity)
            m_w = m_V / m_F;
        else if (section)
            SectionFromFlow();
        HydraulicFrictionLoss();
        break;
    case FlowField::Time: m_m = m_t * m_M; break;
    case FlowField::Mass: m_t = m_m / m_M; break;
    case FlowField::DuctLength: m_dpL = m_l * m_R; break;
    case FlowField::LinearLoss: m_l = m_dpL / m_R; break;
    case FlowField::LocalLoss: m_zeta = (m_Z + m_Z) / (m_w * m_w * m_rho); break;
    case FlowField::UnitLoss:
    case FlowField::ZetaSum: break;
    }
    return true;
}

bool FlowAnalysis::OnSizeSelected(int index)
{
    if (m_mode == FlowMode::Section)
        return false;
    if (index >= 0) {
        const DuctGeometry g = SizeGeometry(m_shape, index);
        m_D = g.D;
        m_F = g.F;
        m_L = g.L;
        m_H = g.H;
        FlowStep();
    }
    HydraulicFrictionLoss();
    return true;
}

void FlowAnalysis::OnRoughness(int position)
{
    m_k = position / 100000.0;
    m_eps = m_k / (m_Rh * 4);
    FrictionStep();
    LossStep();
}

void FlowAnalysis::AcceptKvZeta(double zeta)
{
    // The field shows six digits, and what it shows is what is used.
    m_zeta = ParseNumber(FormatG(zeta));
    m_Z = m_w * m_zeta * m_w * m_rho * 0.5;
}

void FlowAnalysis::SetFactor(FlowField field, double factor)
{
    if (field == FlowField::ZetaSum)
        return;
    if (field == FlowField::SideL || field == FlowField::SideH) {
        m_factor[Index(FlowField::SideL)] = factor;
        m_factor[Index(FlowField::SideH)] = factor;
        return;
    }
    m_factor[Index(field)] = factor;
}

const std::string& FlowAnalysis::FieldText(FlowField field) const
{
    const double value = Value(field);
    const double factor = field == FlowField::ZetaSum ? 1.0 : Factor(field);
    return m_fieldTexts[Index(field)].Get(value, factor, [&] { return FormatG(value / factor); });
}

bool FlowAnalysis::IsInput(FlowField field) const
{
    const bool section = m_mode == FlowMode::Section;
    switch (field) {
    case FlowField::MassFlow:
    case FlowField::VolumeFlow: return m_mode != FlowMode::Flow;
    case FlowField::Velocity: return m_mode != FlowMode::Velocity;
    case FlowField::Diameter: return m_characteristic == FlowCharacteristic::DN && !section;
    case FlowField::SideL:
    case FlowField::SideH: return m_characteristic == FlowCharacteristic::LxH;
    case FlowField::Area: return m_characteristic == FlowCharacteristic::F && !section;
    case FlowField::UnitLoss: return false;
    default: return true;
    }
}

const std::string& FlowAnalysis::HydraulicRadiusText() const
{
    return m_staticTexts[0].Get(m_Rh, 0, [&] { return "Promień hydrauliczny " + FormatG(m_Rh * 1000) + " mm"; });
}

const std::string& FlowAnalysis::RelativeRoughnessText() const
{
    return m_staticTexts[1].Get(m_eps, 0, [&] { return "Chropowatość wzg. " + FormatG(m_eps); });
}

const std::string& FlowAnalysis::RoughnessText() const
{
    return m_staticTexts[2].Get(m_k, 0, [&] { return FormatG(m_k * 1000) + " mm"; });
}

const std::string& FlowAnalysis::ReynoldsText() const
{
    return m_staticTexts[3].Get(m_Re, 0, [&] {
        if (m_Re < 2320)
            return "Przepływ laminarny\nLiczba Reynoldsa\n" + AlignLeft(FormatFixed(m_Re, 0), 10);
        return "Przepływ burzliwy\nLiczba Reynoldsa\n" + AlignLeft(FormatFixed(m_Re, 0), 10);
    });
}

const std::string& FlowAnalysis::FrictionText() const
{
    return m_staticTexts[4].Get(m_lambda, 0, [&] { return "Współczynnik oporów liniowych " + FormatG(m_lambda); });
}
