#include "pages/CPowietrzePage.h"

#include <QLabel>
#include <limits>

#include "base/NumberText.h"
#include "controls/ContextHelp.h"
#include "controls/HelpControls.h"
#include "pages/CWykresHxDlg.h"
#include "units/CUnitField.h"

using namespace PowietrzeIds;

namespace {

constexpr std::size_t kTemperature = RowOf(kAirTable, "temperature");
constexpr std::size_t kHumidity = RowOf(kAirTable, "relative_humidity");
constexpr std::size_t kMoisture = RowOf(kAirTable, "moisture_content");
constexpr std::size_t kMassFlow = RowOf(kAirTable, "mass_flow");
constexpr std::size_t kNoField = std::numeric_limits<std::size_t>::max();

const MediumPageControls kControls = {
    IDC_PARAMETERS, IDC_PROPERTIES, IDC_INITIAL_TEXT, IDC_FINAL_TEXT, IDC_STORE_INITIAL,
    IDC_STORE_FINAL, IDC_FLOW,      IDC_ENERGY,       "Stan końcow&y",
};

// The start state: 20 °C at 60 %, 1 kg/s.
constexpr double kStartTemperature = 293.15;  // K
constexpr double kStartHumidity = 60;         // %
constexpr double kStartMassFlow = 1;          // kg/s

} // namespace

CPowietrzePage::CPowietrzePage(IAnalysisHost* host, QWidget* parent)
    : CMediumPage(host, kControls, parent), m_typedField(kNoField)
{
    BindModel(kAirTable, m_air);
    SetOutputsReadOnly(true);
    SetStateOrder(kAirStateOrder);

    // The humidities' labels are the mode buttons.
    const struct {
        unsigned id;
        std::size_t field;
        int mode;
    } kModes[] = {
        {IDC_HUMIDITY_MODE, kHumidity, CPowietrze::kRelativeHumidityMode},
        {IDC_MOISTURE_MODE, kMoisture, CPowietrze::kMoistureContentMode},
    };
    for (const auto& m : kModes) {
        auto* button = new CRadioButtonEx(m.id, QString::fromUtf8(kAirTable[m.field].label), this);
        ReplaceLabel(m.field, button);
        m_modeButtons[m.mode] = button;
        const int mode = m.mode;
        connect(button, &QAbstractButton::clicked, this, [this, mode] { SelectInputMode(mode); });
    }

    auto* barometerLabel = new QLabel(QString::fromUtf8(kBarometerLabel), this);
    m_barometer = new CSliderCtrlEx(IDC_BAROMETER, this);
    barometerLabel->setBuddy(m_barometer);
    m_barometerText = new CStaticEx(IDC_BAROMETER_TEXT, QStringLiteral("960 hPa"), this);
    AddInputLine(barometerLabel, m_barometer, m_barometerText);
    Exchange().AddControl(m_barometer);
    // Each movement, by mouse, key or wheel; the program's own settings of
    // the position run nothing.
    connect(m_barometer, &QSlider::valueChanged, this, [this] {
        if (!Exchange().IsBlocked())
            PressureChanged();
    });

    // Its letter W is also the relative humidity's: Alt+W then moves the
    // focus between the two, and Space or Enter presses the button.
    m_chartButton = new CButtonEx(IDC_CHART, QStringLiteral("&Wykres h-x..."), this);
    m_chartButton->setAutoDefault(false);
    AddAnalysisButton(m_chartButton);
    connect(m_chartButton, &QPushButton::clicked, this, &CPowietrzePage::OpenChart);

    OnInitDialog();
}

void CPowietrzePage::OnInitDialog()
{
    FillUnits();
    {
        const CFieldExchange::Guard hold(Exchange());
        m_barometer->setRange(0, kBarometerPositions);
        m_barometer->setTickInterval(kBarometerTickEvery);
        m_barometer->setPageStep(kBarometerTickEvery);
        m_barometer->setValue(kBarometerStartPosition);
    }
    m_modeButtons[CPowietrze::kRelativeHumidityMode]->setChecked(true);
    Field(kMoisture).Edit()->setReadOnly(true);

    // The model's barometric pressure stays its own 100000 Pa, which the
    // slider's start position stands for.
    m_air.SetMode(CPowietrze::kRelativeHumidityMode);
    m_air.SetTemperatureInMode(kStartTemperature);
    m_air.SetRelativeHumidity(kStartHumidity);
    m_air.SetMassFlow(kStartMassFlow);
    for (std::size_t field : {kTemperature, kHumidity, kMassFlow})
        Field(field).Show(FieldValue(field));  // every field in its SI unit: "%g" of the model's value
    ShowProperties(kMsgNone);
    WriteControls();
}

int CPowietrzePage::InputMode() const
{
    return m_modeButtons[CPowietrze::kMoistureContentMode]->isChecked() ? CPowietrze::kMoistureContentMode
                                                                        : CPowietrze::kRelativeHumidityMode;
}

void CPowietrzePage::SelectInputMode(int mode)
{
    if (mode != CPowietrze::kRelativeHumidityMode && mode != CPowietrze::kMoistureContentMode)
        return;
    m_modeButtons[mode]->setChecked(true);
    const bool moisture = mode == CPowietrze::kMoistureContentMode;
    Field(kHumidity).Edit()->setReadOnly(moisture);
    Field(kMoisture).Edit()->setReadOnly(!moisture);

    // The value of the box now written in, as it was last exchanged.
    m_air.SetMode(mode);
    const std::size_t given = moisture ? kMoisture : kHumidity;
    const int message = SetInput(given, Field(given).Parse());
    // The boxes keep their texts until the next change, but what was shown
    // must not stand as valid once the model has refused its new state.
    if (message != kMsgNone) {
        ShowProperties(message);
        ShowModelMessage(message);
        WriteControls();
    }
}

bool CPowietrzePage::IsBeingTyped(std::size_t field) const
{
    return field == m_typedField || Field(field).Edit() == window()->focusWidget();
}

void CPowietrzePage::ShowProperties(int message)
{
    // Whichever humidity is given, the other is rewritten; the box being
    // typed into never is. While a message stands the derived one is blank.
    for (std::size_t field : {kHumidity, kMoisture}) {
        if (message != kMsgNone) {
            if (field == DerivedHumidityRow(InputMode()))
                Field(field).Blank();
        } else if (!IsBeingTyped(field)) {
            Field(field).Show(FieldValue(field));
        }
    }
    CMediumPage::ShowProperties(message);
    m_barometerText->setText(QString::fromStdString(BarometerText(m_air.GetBarometricPressure())));
    m_shown = message;
    emit Shown();
}

void CPowietrzePage::OpenChart()
{
    if (m_chart == nullptr)
        m_chart = new CWykresHxDlg(*this);
    m_chart->FollowPage();
    m_chart->show();
    m_chart->raise();
    m_chart->activateWindow();
}

CWykresHxDlg* CPowietrzePage::ChartWindow() const { return m_chart; }

void CPowietrzePage::TypeState(double temperature, double humidity, double moisture)
{
    TypeInto(kTemperature, temperature);
    if (InputMode() == CPowietrze::kMoistureContentMode)
        TypeInto(kMoisture, moisture);
    else
        TypeInto(kHumidity, humidity);
}

void CPowietrzePage::TypeInto(std::size_t field, double si)
{
    // A user's edit of the whole text: it runs the field's own handler.
    CEditEx* edit = Field(field).Edit();
    edit->selectAll();
    edit->insert(Field(field).Format(si));
}

void CPowietrzePage::InputChanged(std::size_t field, double si)
{
    m_air.SetMode(InputMode());
    m_typedField = field;
    const int message = SetInput(field, si);
    ShowProperties(message);
    ShowModelMessage(message);
    m_typedField = kNoField;
}

void CPowietrzePage::PressureChanged()
{
    // The position alone: the boxes are not read first.
    m_air.SetMode(InputMode());
    const int message = m_air.SetBarometricPressureChecked(BarometricPressureAt(m_barometer->value()));
    ShowProperties(message);
    ShowModelMessage(message);
    WriteControls();
}

StoredState CPowietrzePage::CurrentState() const
{
    // The model's values, unrounded; the flow that goes with the enthalpy
    // is that of the dry air.
    return HumidAirState(m_air.GetMassFlow(), m_air.GetEnthalpy(), m_air.GetMoistureContent());
}

CMediumPage::FlowMedium CPowietrzePage::FlowMediumOf() const
{
    return FlowMedium::OfVolume("powietrza wilgotnego", m_air.GetSpecificVolume(), m_air.GetKinematicViscosity(),
                                m_air.GetMassFlow());
}
