#include "pages/CWodaPage.h"

#include "base/NumberText.h"
#include "base/StringTable.h"
#include "pages/WaterTable.h"
#include "units/CUnitField.h"

using namespace WodaIds;

namespace {

constexpr std::size_t kEnthalpy = RowOf(kWaterTable, "enthalpy");
constexpr std::size_t kDensity = RowOf(kWaterTable, "density");
constexpr std::size_t kKinematicViscosity = RowOf(kWaterTable, "kinematic_viscosity");

const MediumPageControls kControls = {
    IDC_PARAMETERS, IDC_PROPERTIES, IDC_INITIAL_TEXT, IDC_FINAL_TEXT, IDC_STORE_INITIAL,
    IDC_STORE_FINAL, IDC_FLOW,      IDC_ENERGY,       "Stan k&ońcowy",
};

} // namespace

CWodaPage::CWodaPage(IAnalysisHost* host, QWidget* parent) : CMediumPage(host, kControls, parent)
{
    BindModel(kWaterTable, m_woda);
    OnInitDialog();
}

void CWodaPage::OnInitDialog()
{
    FillUnits();
    m_woda.SetTemperature(273.15);
    m_woda.SetPressure(100000);
    m_woda.SetMassFlow(1);
    for (std::size_t i = 0; i < FieldCount(); ++i)
        if (kWaterTable[i].IsTyped())
            Field(i).Show(FieldValue(i));
    ShowProperties(kMsgNone);
    WriteControls();
}

StoredState CWodaPage::CurrentState() const
{
    StoredState state;
    state.massFlow = m_woda.GetMassFlow();
    // The enthalpy as shown (and as the user may have typed it), not the
    // model's full precision: the energy analysis works from what was seen.
    state.enthalpy = Field(kEnthalpy).Parse();
    state.temperature = m_woda.GetTemperature();
    return state;
}

CMediumPage::FlowMedium CWodaPage::FlowMediumOf() const
{
    FlowMedium medium;
    medium.massFlow = m_woda.GetMassFlow();
    // Density and viscosity as the boxes show them, typed values included.
    medium.density = Field(kDensity).Parse();
    medium.kinematicViscosity = Field(kKinematicViscosity).Parse();
    medium.caption =
        QString::fromStdString("Analiza przepływu dla wody o gęstości " + FormatG(medium.density) + " kg/m^3.");
    return medium;
}
