#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "analysis/FlowAnalysis.h"
#include "analysis/FrictionFactor.h"
#include "analysis/KvRelation.h"
#include "base/NumberText.h"

namespace {

constexpr double kPi = 3.1415926535;

class SeparatorGuard {
public:
    explicit SeparatorGuard(char separator) : m_saved(DecimalSeparator()) { SetDecimalSeparator(separator); }
    ~SeparatorGuard() { SetDecimalSeparator(m_saved); }

private:
    char m_saved;
};

// The analysis as the water page opens it: rho 1000, nu 1e-6, M 1 kg/s.
FlowAnalysis OpenedForWater()
{
    FlowAnalysis flow;
    flow.SetMedium(1000, 1e-06, 1);
    flow.Open();
    return flow;
}

} // namespace

TEST(FrictionFactor, LaminarBelow2320TurbulentFromIt)
{
    EXPECT_DOUBLE_EQ(FrictionFactor(1000, 0), 0.064);
    EXPECT_DOUBLE_EQ(FrictionFactor(1000, 0.5), 0.064);
    EXPECT_DOUBLE_EQ(FrictionFactor(2319.9, 0), 64 / 2319.9);
    EXPECT_NEAR(FrictionFactor(2320, 0), 0.0471535, 5e-8);
    EXPECT_NEAR(FrictionFactor(1e5, 0), 0.0179898, 5e-8);
    EXPECT_NEAR(FrictionFactor(1e5, 0.001), 0.0221564, 5e-8);
}

TEST(FrictionFactor, SolvesColebrookAcrossTheWholeTurbulentRange)
{
    for (double re = 2320; re <= 1e9; re *= 1.7) {
        for (double eps : {0.0, 1e-6, 1e-4, 1e-3, 0.01, 0.05, 0.2, 1.0}) {
            const double lambda = FrictionFactor(re, eps);
            ASSERT_TRUE(std::isfinite(lambda)) << re << " " << eps;
            ASSERT_GT(lambda, 0) << re << " " << eps;
            // Colebrook-White residual, relative to 1/sqrt(lambda).
            const double lhs = 1 / std::sqrt(lambda);
            const double rhs = -2 * std::log10(2.51 / (re * std::sqrt(lambda)) + eps / 3.72);
            EXPECT_NEAR(lhs, rhs, 2e-3 * lhs) << re << " " << eps;
        }
    }
}

TEST(FrictionFactor, BadInputsEndWithoutHanging)
{
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_TRUE(std::isnan(FrictionFactor(std::nan(""), 0)));
    EXPECT_TRUE(std::isnan(FrictionFactor(1e5, std::nan(""))));
    EXPECT_TRUE(std::isnan(FrictionFactor(1e5, -1)));
    EXPECT_EQ(FrictionFactor(0, 0), inf);             // laminar 64/0
    EXPECT_DOUBLE_EQ(FrictionFactor(-10, 0), -6.4);   // laminar, negative
    EXPECT_TRUE(std::isnan(FrictionFactor(inf, 0)));
    EXPECT_TRUE(std::isnan(FrictionFactor(inf, inf)));
    // Absurd roughness still ends with a finite value.
    EXPECT_TRUE(std::isfinite(FrictionFactor(1e300, 1e300)));
    EXPECT_TRUE(std::isfinite(FrictionFactor(2320, 1e300)));
}

TEST(FlowAnalysis, FirstOpeningWithWater)
{
    SeparatorGuard dot('.');
    FlowAnalysis flow = OpenedForWater();
    EXPECT_DOUBLE_EQ(flow.Value(FlowField::VolumeFlow), 0.001);
    EXPECT_DOUBLE_EQ(flow.Value(FlowField::Area), 0.001);
    EXPECT_NEAR(flow.Value(FlowField::Diameter), 0.0356825, 5e-8);
    EXPECT_NEAR(flow.Value(FlowField::SideL), 0.0447214, 5e-8);
    EXPECT_NEAR(flow.Value(FlowField::SideH), 0.0223607, 5e-8);
    EXPECT_EQ(flow.HydraulicRadiusText(), "Promień hydrauliczny 8.92062 mm");
    EXPECT_EQ(flow.RelativeRoughnessText(), "Chropowatość wzg. 0.00028025");
    EXPECT_EQ(flow.ReynoldsText(), "Przepływ burzliwy\nLiczba Reynoldsa\n35682     ");
    EXPECT_NEAR(flow.Lambda(), 0.0233628, 5e-8);
    EXPECT_EQ(flow.FrictionText(), "Współczynnik oporów liniowych 0.0233628");
    EXPECT_EQ(flow.FieldText(FlowField::UnitLoss), "327.371");
    EXPECT_EQ(flow.FieldText(FlowField::LinearLoss), "327.371");
    EXPECT_EQ(flow.Value(FlowField::DuctLength), 1);
    EXPECT_EQ(flow.Value(FlowField::ZetaSum), 1);
    EXPECT_EQ(flow.Value(FlowField::LocalLoss), 500);
    EXPECT_EQ(flow.Value(FlowField::Time), 1);
    EXPECT_EQ(flow.Value(FlowField::Mass), 1);
    EXPECT_EQ(flow.RoughnessText(), "0.01 mm");
    EXPECT_EQ(flow.NearestSize(), 4);
    EXPECT_EQ(flow.Mode(), FlowMode::Flow);
    EXPECT_EQ(flow.Characteristic(), FlowCharacteristic::DN);
    EXPECT_FALSE(flow.IsInput(FlowField::MassFlow));
    EXPECT_TRUE(flow.IsInput(FlowField::Diameter));
    EXPECT_FALSE(flow.IsInput(FlowField::Area));
    EXPECT_FALSE(flow.IsInput(FlowField::UnitLoss));
}

TEST(FlowAnalysis, TextsFollowTheDecimalSeparator)
{
    SeparatorGuard comma(',');
    FlowAnalysis flow = OpenedForWater();
    EXPECT_EQ(flow.HydraulicRadiusText(), "Promień hydrauliczny 8,92062 mm");
    EXPECT_EQ(flow.RoughnessText(), "0,01 mm");
    EXPECT_EQ(flow.FieldText(FlowField::UnitLoss), "327,371");
    // Typing with a comma reads the comma.
    flow.SetMode(FlowMode::Velocity);
    flow.OnEdit(FlowField::MassFlow, "0,5");
    EXPECT_DOUBLE_EQ(flow.Value(FlowField::MassFlow), 0.5);
    flow.OnRoughness(1000);
    EXPECT_EQ(flow.RoughnessText(), "10 mm");
}

TEST(FlowAnalysis, LaminarHeadingAndNonFiniteTexts)
{
    SeparatorGuard dot('.');
    FlowAnalysis flow;
    flow.SetMedium(1000, 1, 1); // viscous: laminar
    flow.Open();
    EXPECT_EQ(flow.ReynoldsText().rfind("Przepływ laminarny\nLiczba Reynoldsa\n", 0), 0u);
    EXPECT_EQ(flow.ReynoldsText().size(), std::string("Przepływ laminarny\nLiczba Reynoldsa\n").size() + 10);

    // A zero diameter: divisions by zero give infinities and NaN, printed
    // as the C library prints them, and nothing hangs.
    flow.OnEdit(FlowField::Diameter, "0");
    EXPECT_EQ(flow.Value(FlowField::Area), 0);
    // 0/0 has its sign bit set on this machine; printf shows "-nan" too.
    EXPECT_TRUE(flow.FieldText(FlowField::UnitLoss).ends_with("nan"));
    EXPECT_TRUE(flow.HydraulicRadiusText().ends_with("nan mm"));
    // A negative side: the square root of a negative area.
    flow.SelectLxH();
    flow.OnEdit(FlowField::SideH, "1");
    flow.OnEdit(FlowField::SideL, "-3");
    EXPECT_TRUE(flow.FieldText(FlowField::Diameter).ends_with("nan"));
    flow.SelectDN();
    flow.OnEdit(FlowField::Diameter, "0.1");
    EXPECT_TRUE(std::isfinite(flow.Value(FlowField::UnitLoss)));
}

TEST(FlowAnalysis, VelocityNotAboveZeroBecomesTiny)
{
    FlowAnalysis flow = OpenedForWater();
    flow.OnEdit(FlowField::Velocity, "0");
    EXPECT_EQ(flow.Value(FlowField::Velocity), 1e-08);
    flow.OnEdit(FlowField::Velocity, "-5");
    EXPECT_EQ(flow.Value(FlowField::Velocity), 1e-08);
    flow.OnEdit(FlowField::Velocity, "");
    EXPECT_EQ(flow.Value(FlowField::Velocity), 1e-08);
    flow.OnEdit(FlowField::Velocity, "nan");
    EXPECT_EQ(flow.Value(FlowField::Velocity), 1e-08);
    flow.SetFactor(FlowField::Velocity, 0.27777777); // km/h
    flow.OnEdit(FlowField::Velocity, "-");
    EXPECT_EQ(flow.Value(FlowField::Velocity), 1e-08 * 0.27777777);
    flow.OnEdit(FlowField::Velocity, "36");
    EXPECT_DOUBLE_EQ(flow.Value(FlowField::Velocity), 36 * 0.27777777);
    // Mode 1: the flows follow the velocity.
    EXPECT_DOUBLE_EQ(flow.Value(FlowField::VolumeFlow), 36 * 0.27777777 * 0.001);
}

TEST(FlowAnalysis, VelocityCarriesOverToTheNextOpening)
{
    FlowAnalysis flow = OpenedForWater();
    flow.OnEdit(FlowField::Velocity, "2");
    flow.SetMedium(1000, 1e-06, 1);
    flow.Open();
    EXPECT_EQ(flow.Value(FlowField::Velocity), 2);
    EXPECT_DOUBLE_EQ(flow.Value(FlowField::Area), 0.0005);
    EXPECT_EQ(flow.Factor(FlowField::Velocity), 1);
}

TEST(FlowAnalysis, SectionModeWithSides)
{
    FlowAnalysis flow = OpenedForWater();
    flow.SetMode(FlowMode::Section);
    EXPECT_FALSE(flow.IsInput(FlowField::Diameter));
    EXPECT_TRUE(flow.IsInput(FlowField::MassFlow));
    flow.SelectLxH();
    EXPECT_TRUE(flow.IsInput(FlowField::SideL));
    EXPECT_FALSE(flow.IsInput(FlowField::Area));
    // F = 0.02 m² from the flow: V = 0.02 m³/s at 1 m/s.
    flow.OnEdit(FlowField::VolumeFlow, "0.02");
    EXPECT_DOUBLE_EQ(flow.Value(FlowField::Area), 0.02);
    flow.OnEdit(FlowField::SideH, "0.1");
    EXPECT_DOUBLE_EQ(flow.Value(FlowField::SideL), 0.2);
    flow.OnEdit(FlowField::SideL, "0.4");
    EXPECT_DOUBLE_EQ(flow.Value(FlowField::SideH), 0.05);
    EXPECT_DOUBLE_EQ(flow.HydraulicRadius(), 0.02 / (2 * 0.45));
    EXPECT_DOUBLE_EQ(flow.Value(FlowField::Area), 0.02);
    // A pick in the list recomputes nothing in this mode.
    EXPECT_FALSE(flow.OnSizeSelected(30));
    EXPECT_DOUBLE_EQ(flow.Value(FlowField::SideL), 0.4);
}

TEST(FlowAnalysis, SectionModeWithDiameterFollowsTheMassFlow)
{
    FlowAnalysis flow = OpenedForWater();
    flow.SetMode(FlowMode::Section);
    const double re = flow.Reynolds();
    flow.OnEdit(FlowField::MassFlow, "4");
    EXPECT_DOUBLE_EQ(flow.Value(FlowField::VolumeFlow), 0.004);
    EXPECT_DOUBLE_EQ(flow.Value(FlowField::Area), 0.004);
    EXPECT_DOUBLE_EQ(flow.Value(FlowField::Diameter), std::sqrt(0.004 * 4 / kPi));
    EXPECT_DOUBLE_EQ(flow.Value(FlowField::SideL), std::sqrt(2 * 0.004));
    EXPECT_DOUBLE_EQ(flow.HydraulicRadius(), flow.Value(FlowField::Diameter) / 4);
    EXPECT_NEAR(flow.Reynolds(), 2 * re, 1e-6 * re);
    EXPECT_DOUBLE_EQ(flow.Value(FlowField::Mass), 4);
}

TEST(FlowAnalysis, AreaCharacteristicWithRectangleThenBackToDN)
{
    FlowAnalysis flow = OpenedForWater();
    flow.OnEdit(FlowField::Diameter, FormatG(std::sqrt(0.03 * 4 / kPi)));
    flow.SelectF(DuctShape::Rectangular, 3);
    flow.OnEdit(FlowField::Area, "0.03");
    EXPECT_EQ(flow.Characteristic(), FlowCharacteristic::F);
    EXPECT_TRUE(flow.IsInput(FlowField::Area));
    EXPECT_FALSE(flow.IsInput(FlowField::Diameter));
    EXPECT_DOUBLE_EQ(flow.Value(FlowField::SideL), 0.3);
    EXPECT_DOUBLE_EQ(flow.Value(FlowField::SideH), 0.1);
    EXPECT_DOUBLE_EQ(flow.HydraulicRadius(), 0.0375);
    flow.OnEdit(FlowField::Area, "0.12");
    EXPECT_DOUBLE_EQ(flow.Value(FlowField::SideL), 0.6);
    EXPECT_DOUBLE_EQ(flow.Value(FlowField::SideH), 0.2);
    EXPECT_EQ(flow.NearestSize(), FindNearestSize(DuctShape::Rectangular, 0.12));

    flow.SelectDN();
    EXPECT_EQ(flow.Shape(), DuctShape::Round);
    EXPECT_DOUBLE_EQ(flow.HydraulicRadius(), flow.Value(FlowField::Diameter) / 4);
    EXPECT_DOUBLE_EQ(flow.Value(FlowField::Diameter), std::sqrt(0.12 * 4 / kPi));

    // The round choice keeps D as it is.
    flow.SelectF(DuctShape::Round, 5);
    EXPECT_EQ(flow.Proportion(), 3);
    EXPECT_DOUBLE_EQ(flow.Value(FlowField::Diameter), std::sqrt(0.12 * 4 / kPi));
}

TEST(FlowAnalysis, SizePickSetsTheGeometryAndTheFlow)
{
    FlowAnalysis flow = OpenedForWater();
    flow.SelectLxH();
    ASSERT_TRUE(flow.OnSizeSelected(7)); // "125 x 200"
    EXPECT_EQ(flow.Value(FlowField::SideL), 0.125);
    EXPECT_EQ(flow.Value(FlowField::SideH), 0.2);
    EXPECT_DOUBLE_EQ(flow.Value(FlowField::VolumeFlow), 0.025);
    EXPECT_DOUBLE_EQ(flow.Value(FlowField::MassFlow), 25);
    EXPECT_EQ(flow.NearestSize(), 4); // the earlier entry of equal area
    // Mode 2: the velocity follows.
    flow.SetMode(FlowMode::Velocity);
    ASSERT_TRUE(flow.OnSizeSelected(9)); // round DN 100
    EXPECT_DOUBLE_EQ(flow.Value(FlowField::Velocity), 0.025 / flow.Value(FlowField::Area));
    EXPECT_TRUE(flow.OnSizeSelected(-1));
}

TEST(FlowAnalysis, UnitFactorsChangeTextsNotValues)
{
    SeparatorGuard dot('.');
    FlowAnalysis flow = OpenedForWater();
    flow.OnEdit(FlowField::Diameter, "0.1");
    flow.SetFactor(FlowField::Diameter, 0.001);
    EXPECT_EQ(flow.FieldText(FlowField::Diameter), "100");
    EXPECT_EQ(flow.Value(FlowField::Diameter), 0.1);
    flow.SetFactor(FlowField::Diameter, 1);
    EXPECT_EQ(flow.FieldText(FlowField::Diameter), "0.1");
    // L and H share one unit.
    flow.SetFactor(FlowField::SideH, 0.01);
    EXPECT_EQ(flow.Factor(FlowField::SideL), 0.01);
    // Σζ has no unit at all.
    flow.SetFactor(FlowField::ZetaSum, 1000);
    EXPECT_EQ(flow.FieldText(FlowField::ZetaSum), "1");
    flow.OnEdit(FlowField::ZetaSum, "2");
    EXPECT_EQ(flow.Value(FlowField::LocalLoss), 1000);
    flow.Open();
    EXPECT_EQ(flow.Factor(FlowField::Diameter), 1);
}

TEST(FlowAnalysis, SimpleEditsAndTheirInverses)
{
    FlowAnalysis flow = OpenedForWater();
    const double r = flow.Value(FlowField::UnitLoss);
    flow.OnEdit(FlowField::DuctLength, "10");
    EXPECT_DOUBLE_EQ(flow.Value(FlowField::LinearLoss), 10 * r);
    flow.OnEdit(FlowField::LinearLoss, "100");
    EXPECT_DOUBLE_EQ(flow.Value(FlowField::DuctLength), 100 / r);
    flow.OnEdit(FlowField::Time, "3600");
    EXPECT_EQ(flow.Value(FlowField::Mass), 3600);
    flow.OnEdit(FlowField::Mass, "60");
    EXPECT_EQ(flow.Value(FlowField::Time), 60);
    flow.OnEdit(FlowField::LocalLoss, "1000");
    EXPECT_EQ(flow.Value(FlowField::ZetaSum), 2);
    EXPECT_FALSE(flow.OnEdit(FlowField::UnitLoss, "5"));
    EXPECT_EQ(flow.Value(FlowField::UnitLoss), r);
    flow.OnEdit(FlowField::Time, "12abc");
    EXPECT_EQ(flow.Value(FlowField::Time), 12);
}

TEST(FlowAnalysis, RoughnessSlider)
{
    SeparatorGuard dot('.');
    FlowAnalysis flow = OpenedForWater();
    const double rh = flow.HydraulicRadius();
    flow.OnRoughness(1000);
    EXPECT_EQ(flow.RoughnessText(), "10 mm");
    EXPECT_EQ(flow.RelativeRoughness(), 0.01 / (rh * 4));
    EXPECT_EQ(flow.Lambda(), FrictionFactor(flow.Reynolds(), 0.01 / (rh * 4)));
    flow.OnRoughness(1);
    EXPECT_EQ(flow.Roughness(), 1e-05);
}

TEST(FlowAnalysis, KvResultIsRoundedToTheShownDigits)
{
    FlowAnalysis flow = OpenedForWater();
    flow.AcceptKvZeta(1.23456789);
    EXPECT_EQ(flow.Value(FlowField::ZetaSum), 1.23457);
    EXPECT_DOUBLE_EQ(flow.Value(FlowField::LocalLoss), 1.23457 * 500);
}

TEST(KvRelation, BothDirections)
{
    SeparatorGuard dot('.');
    const double f = 0.1 * kPi * 0.1 * 0.25;
    EXPECT_EQ(FormatG(KvFromZeta(1, f)), "399.859");
    EXPECT_EQ(FormatG(ZetaFromKv(400, f)), "0.999297");
    EXPECT_EQ(KvFromZeta(0, f), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ZetaFromKv(0, f), std::numeric_limits<double>::infinity());
    EXPECT_EQ(FormatG(KvFromZeta(0, f)), "inf");
    EXPECT_TRUE(std::isnan(KvFromZeta(-1, f)));
    EXPECT_DOUBLE_EQ(ZetaFromKv(KvFromZeta(2.5, f), f), 2.5);
}

TEST(FlowAnalysis, KeptTextsFollowEveryChangeThatShows)
{
    FlowAnalysis flow = OpenedForWater();
    {
        SeparatorGuard dot('.');
        EXPECT_EQ(flow.FieldText(FlowField::VolumeFlow), "0.001");
        EXPECT_EQ(flow.RoughnessText(), "0.01 mm");
    }
    {
        SeparatorGuard comma(',');
        EXPECT_EQ(flow.FieldText(FlowField::VolumeFlow), "0,001");
        EXPECT_EQ(flow.RoughnessText(), "0,01 mm");
    }
    // 0 and -0 compare equal but print differently.
    flow.OnEdit(FlowField::Diameter, "0");
    EXPECT_EQ(flow.FieldText(FlowField::Diameter), "0");
    flow.OnEdit(FlowField::Diameter, "-0");
    EXPECT_EQ(flow.FieldText(FlowField::Diameter), "-0");
    // NaN never equals itself: still printed, never stale.
    flow.OnEdit(FlowField::Diameter, "nan");
    EXPECT_TRUE(flow.FieldText(FlowField::Diameter).ends_with("nan"));
    flow.OnEdit(FlowField::Diameter, "2");
    EXPECT_EQ(flow.FieldText(FlowField::Diameter), "2");
    flow.SetFactor(FlowField::Diameter, 0.001);
    EXPECT_EQ(flow.FieldText(FlowField::Diameter), "2000");
}
