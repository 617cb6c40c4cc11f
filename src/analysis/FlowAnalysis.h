// The arithmetic of the flow analysis: pipe and duct sizing from mass flow,
// volume flow, velocity and cross-section; hydraulic radius, Reynolds
// number, friction factor, linear and local pressure losses. The dialog
// maps its controls onto this class; everything here is in SI units.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "analysis/SizeCatalogue.h"

// The unit-bound fields of the analysis.
enum class FlowField {
    MassFlow,     // M, kg/s
    VolumeFlow,   // V, m³/s
    Diameter,     // D, m
    SideL,        // L, m
    SideH,        // H, m
    Area,         // F, m²
    Velocity,     // w, m/s
    Time,         // t, s
    Mass,         // m, kg
    UnitLoss,     // R, Pa/m (always a result)
    DuctLength,   // l, m
    LinearLoss,   // ΔpL, Pa
    ZetaSum,      // Σζ, dimensionless (no unit factor)
    LocalLoss,    // Z, Pa
};
inline constexpr int kFlowFieldCount = 14;

// What the "Oblicz" buttons make the result.
enum class FlowMode { Flow = 1, Velocity = 2, Section = 3 };

// How the cross-section is entered: diameter, sides, or the bare area.
enum class FlowCharacteristic { DN, LxH, F };

class FlowAnalysis {
public:
    // Hand-over from a medium page: density kg/m³, kinematic viscosity
    // m²/s, mass flow kg/s.
    void SetMedium(double rho, double nu, double massFlow);
    double GetMassFlow() const { return m_M; }

    // The opening: mode 1, round DN, unit factors 1, and the whole chain
    // computed from the medium and the velocity left by the last use.
    void Open();

    // A click of a mode button: roles change, then everything the "DN"
    // button does. Values keep.
    void SetMode(FlowMode mode);
    // The "DN" and "L x H" buttons.
    void SelectDN();
    void SelectLxH();
    // The "F" button, once the duct shape has been chosen: round keeps D,
    // rectangular derives the sides from the area with the proportion.
    void SelectF(DuctShape shape, double proportion);

    // The user's edit of a field's text (parsed in the field's unit).
    // Returns false for a field that has no edit handler (R).
    bool OnEdit(FlowField field, std::string_view text);
    // The same with the text already parsed into SI (Σζ: the number as
    // typed).
    bool OnValue(FlowField field, double si);

    // A pick in the size list (-1: nothing selected). Returns false in the
    // section mode, where a pick recomputes nothing.
    bool OnSizeSelected(int index);

    // The roughness slider, positions 1 to 1000 (0.01 mm to 10 mm).
    void OnRoughness(int position);

    // The Kv dialog's Σζ, taken through its six-digit text as the field
    // shows it.
    void AcceptKvZeta(double zeta);

    // Unit factor of a field (SI units per shown unit); L and H share one.
    void SetFactor(FlowField field, double factor);
    double Factor(FlowField field) const { return m_factor[Index(field)]; }

    // A field's text as the refresh writes it. Texts are kept until their
    // value, unit or decimal separator changes (a keystroke changes only
    // some of them); a reference stays valid until the next call for the
    // same text.
    const std::string& FieldText(FlowField field) const;
    double Value(FlowField field) const;
    // Whether the user types the field (else it is a result).
    bool IsInput(FlowField field) const;

    // The five texts beside the fields.
    const std::string& HydraulicRadiusText() const;   // "Promień hydrauliczny %g mm"
    const std::string& RelativeRoughnessText() const; // "Chropowatość wzg. %g"
    const std::string& RoughnessText() const;         // "%g mm"
    const std::string& ReynoldsText() const;          // regime, "Liczba Reynoldsa", Re
    const std::string& FrictionText() const;          // "Współczynnik oporów liniowych %g"
    // The catalogue entry the size list highlights.
    int NearestSize() const { return FindNearestSize(m_shape, m_F); }

    FlowMode Mode() const { return m_mode; }
    FlowCharacteristic Characteristic() const { return m_characteristic; }
    DuctShape Shape() const { return m_shape; }
    double Proportion() const { return m_p; }
    double Density() const { return m_rho; }
    double KinematicViscosity() const { return m_nu; }
    double HydraulicRadius() const { return m_Rh; }
    double RelativeRoughness() const { return m_eps; }
    double Roughness() const { return m_k; }
    double Reynolds() const { return m_Re; }
    double Lambda() const { return m_lambda; }

    // The recomputation steps, public for the command-line tool.
    void FlowStep();
    void SectionFromFlow();
    void HydraulicStep();
    void FrictionStep();
    void LossStep();

private:
    // A printed number, kept while what it was printed from is the same to
    // the bit (0 and -0 print differently, so == would not do).
    struct CachedText {
        bool valid = false;
        double value = 0, scale = 0;
        char separator = 0;
        std::string text;
        template <class Make> const std::string& Get(double value, double scale, Make make);
    };

    static int Index(FlowField field) { return static_cast<int>(field); }
    double& Ref(FlowField field);
    void HydraulicFrictionLoss();
    void SidesFromArea();

    double m_rho = 1, m_nu = 1, m_M = 1, m_V = 1, m_w = 1, m_F = 1, m_D = 1;
    double m_L = 1, m_H = 1, m_p = 2, m_t = 1, m_m = 1, m_l = 1, m_R = 1, m_dpL = 1;
    double m_Rh = 0, m_k = 1e-05, m_eps = 1e-05, m_Re = 0, m_lambda = 0, m_zeta = 0, m_Z = 1;
    FlowMode m_mode = FlowMode::Flow;
    FlowCharacteristic m_characteristic = FlowCharacteristic::DN;
    DuctShape m_shape = DuctShape::Round;
    std::array<double, kFlowFieldCount> m_factor{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    mutable std::array<CachedText, kFlowFieldCount> m_fieldTexts;
    mutable std::array<CachedText, 5> m_staticTexts;
};
