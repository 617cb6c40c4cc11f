#include "pages/CParaWodnaPage.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "base/NumberText.h"
#include "controls/HelpControls.h"
#include "pages/SteamTable.h"
#include "units/CUnitField.h"

using namespace ParaIds;

namespace {

constexpr std::size_t kTemperature = RowOf(kSteamTable, "temperature");
constexpr std::size_t kPressure = RowOf(kSteamTable, "pressure");
constexpr std::size_t kDryness = RowOf(kSteamTable, "dryness");
constexpr std::size_t kWaterVolume = RowOf(kSteamTable, "water_volume");
constexpr std::size_t kHeatOfVaporisation = RowOf(kSteamTable, "heat_of_vaporisation");

const MediumPageControls kControls = {
    IDC_PARAMETERS, IDC_PROPERTIES, IDC_INITIAL_TEXT, IDC_FINAL_TEXT, IDC_STORE_INITIAL,
    IDC_STORE_FINAL, IDC_FLOW,      IDC_ENERGY,       "Stan końco&wy",
};

// The start state of every regime but the superheated one.
constexpr double kStartTemperature = 273.15;            // K
constexpr double kStartSuperheatedTemperature = 800;    // K
constexpr double kStartSuperheatedPressure = 1000000;   // Pa

} // namespace

CParaWodnaPage::CParaWodnaPage(IAnalysisHost* host, QWidget* parent) : CMediumPage(host, kControls, parent)
{
    auto* regimes = new QGroupBox(QStringLiteral("Para wodna"), this);
    auto* regimeLayout = new QHBoxLayout(regimes);
    const struct {
        unsigned id;
        const char* caption;
        int regime;
    } kRegimes[] = {
        {IDC_WET, "&Mokra", CPara::kWet},
        {IDC_SATURATED, "&Nasycona", CPara::kSaturated},
        {IDC_SUPERHEATED, "&Przegrzana", CPara::kSuperheated},
    };
    for (const auto& r : kRegimes) {
        auto* button = new CRadioButtonEx(r.id, QString::fromUtf8(r.caption), regimes);
        m_regimeButtons[r.regime] = button;
        regimeLayout->addWidget(button);
        const int regime = r.regime;
        connect(button, &QAbstractButton::clicked, this, [this, regime] { SelectRegime(regime); });
    }
    LeftColumn()->insertWidget(0, regimes);

    BindModel(kSteamTable, m_para);
    SetOutputsReadOnly(true);
    OnInitDialog();
}

void CParaWodnaPage::OnInitDialog()
{
    FillUnits();
    m_regimeButtons[CPara::kWet]->setChecked(true);
    m_para.SetRegime(CPara::kWet);
    m_para.SetDryness(1);
    m_para.SetTemperature(kStartTemperature);
    m_para.SetMassFlow(1);
    for (std::size_t i = 0; i < FieldCount(); ++i)
        if (kSteamTable[i].IsTyped())
            Field(i).Show(FieldValue(i));  // every field in its SI unit: "%g" of the model's value
    ShowProperties(kMsgNone);
    WriteControls();
}

void CParaWodnaPage::ShowWetLines(bool dryness, bool drynessEnabled, bool wetOutputsEnabled)
{
    CUnitField& x = Field(kDryness);
    for (QWidget* control : {static_cast<QWidget*>(x.Edit()), static_cast<QWidget*>(x.UnitCombo()),
                             static_cast<QWidget*>(FieldLabel(kDryness))}) {
        control->setVisible(dryness);
        control->setEnabled(drynessEnabled);
    }
    for (std::size_t field : {kWaterVolume, kHeatOfVaporisation})
        for (QWidget* control : {static_cast<QWidget*>(FieldLabel(field)), static_cast<QWidget*>(Field(field).Edit()),
                                 static_cast<QWidget*>(Field(field).UnitCombo())})
            control->setEnabled(wetOutputsEnabled);
}

void CParaWodnaPage::SelectRegime(int regime)
{
    if (regime < CPara::kWet || regime > CPara::kSuperheated)
        return;
    m_regimeButtons[regime]->setChecked(true);
    m_para.SetRegime(regime);
    switch (regime) {
    case CPara::kWet:
        ShowWetLines(true, true, true);
        m_para.SetDryness(1);
        m_para.SetTemperature(kStartTemperature);
        break;
    case CPara::kSaturated: {
        // Typed over, as the user would: the dryness handler runs with 1.
        // The line shows (also after the superheated regime hid it), disabled.
        QLineEdit* x = Field(kDryness).Edit();
        ShowWetLines(true, true, true);
        x->selectAll();
        x->insert(QStringLiteral("1"));
        ShowWetLines(true, false, true);
        m_para.SetTemperature(kStartTemperature);
        break;
    }
    default:
        ShowWetLines(false, true, false);
        m_para.SetTemperature(kStartSuperheatedTemperature);
        m_para.SetPressure(kStartSuperheatedPressure);
        break;
    }
    Field(kTemperature).Show(m_para.GetTemperature());
    Field(kPressure).Show(m_para.GetPressure());
    Field(kDryness).Show(m_para.GetDryness());
    // The setters' results do not count: a regime always starts accepted.
    ShowProperties(kMsgNone);
    ShowModelMessage(kMsgNone);
    WriteControls();
}

void CParaWodnaPage::ShowSaturationValue(std::size_t field)
{
    const double value = FieldValue(field);
    if (value > 0)
        Field(field).Show(value);
    else
        Field(field).Blank();
}

void CParaWodnaPage::InputChanged(std::size_t field, double si)
{
    const int message = SetInput(field, si);
    if (m_para.GetRegime() != CPara::kSuperheated) {
        if (field == kTemperature)
            ShowSaturationValue(kPressure);
        else if (field == kPressure)
            ShowSaturationValue(kTemperature);
    }
    ShowModelMessage(message);
    ShowProperties(message);
}

StoredState CParaWodnaPage::CurrentState() const
{
    // The model's values, unrounded; steam gives the energy analysis no
    // temperature.
    StoredState state;
    state.massFlow = m_para.GetMassFlow();
    state.enthalpy = m_para.GetEnthalpy();
    return state;
}

CMediumPage::FlowMedium CParaWodnaPage::FlowMediumOf() const
{
    return FlowMedium::OfVolume("pary wodnej", m_para.GetSpecificVolume(), m_para.GetKinematicViscosity(),
                                m_para.GetMassFlow());
}

QString CParaWodnaPage::StateHeading() const { return QString::fromUtf8(SteamRegimeName(m_para.GetRegime())); }
