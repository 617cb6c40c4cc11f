#include "pages/CWodaPage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QShortcut>
#include <QVBoxLayout>
#include <cmath>
#include <iterator>
#include <utility>

#include "analysis/CAnalizaEnergiiDlg.h"
#include "analysis/CAnalizaPrzeplywuDlg.h"
#include "app/CZentaroTabbedDlg.h"
#include "controls/ContextHelp.h"
#include "controls/HelpControls.h"
#include "controls/Modal.h"
#include "controls/UiString.h"
#include "units/CUnitField.h"

namespace {

// Field indexes, in the order of the state text.
enum : int {
    kTemperature,
    kPressure,
    kMassFlow,
    kDensity,
    kExpansion,
    kSpecificHeat,
    kEnthalpy,
    kConductivity,
    kDynamicViscosity,
    kKinematicViscosity,
    kSurfaceTension,
    kPrandtl,
    kFieldCount,
    kFirstOutput = kDensity,
};

// A message number at or above this stands for a rejected input.
constexpr int kFirstMessage = 11000;

const QColor kMessageColor(255, 0, 0);

struct FieldRow {
    unsigned edit;
    unsigned combo;
    const char* label;
    int quantity;
    int stateName;  // string id of the name in the state text; 0: the Prandtl line
    double (CWoda::*value)() const;
};

const FieldRow kRows[] = {
    {1064, 1065, "&Temperatura wody", 3100, 3100, &CWoda::GetTemperature},
    {1073, 1075, "&Ciśnienie wody", 1900, 1900, &CWoda::GetPressure},
    {1078, 1081, "&Strumień masy", 1500, 1500, &CWoda::GetMassFlow},
    {1008, 1009, "&Gęstość", 2000, 2000, &CWoda::GetDensity},
    {1010, 1011, "&Rozszerzalność obj.", 3200, 3200, &CWoda::GetExpansion},
    {1012, 1013, "&Ciepło właściwe", 2600, 2600, &CWoda::GetSpecificHeat},
    {1066, 1067, "&Entalpia", 2500, 2500, &CWoda::GetEnthalpy},
    {1016, 1018, "&Przewodność cieplna", 2700, 2700, &CWoda::GetConductivity},
    {1068, 1069, "Lepkość &dynamiczna", 2200, 2200, &CWoda::GetDynamicViscosity},
    {1070, 1071, "Lepkość &kinematyczna", 2100, 2100, &CWoda::GetKinematicViscosity},
    {1026, 1027, "&Napięcie powierzchniowe", 3300, 3300, &CWoda::GetSurfaceTension},
    {1028, 1029, "&Liczba Prandtla", 9900, 0, &CWoda::GetPrandtl},
};
static_assert(std::size(kRows) == kFieldCount);

} // namespace

CWodaPage::CWodaPage(CZentaroTabbedDlg* sheet, QWidget* parent)
    : QWidget(parent), m_sheet(sheet), m_exchange(new CFieldExchange(this))
{
    BuildForm();

    // Enter belongs to the page and does nothing here: it neither presses
    // the button with the focus nor reaches a default button of the sheet.
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* enter = new QShortcut(QKeySequence(key), this);
        enter->setContext(Qt::WidgetWithChildrenShortcut);
    }

    OnInitDialog();
}

CWodaPage::~CWodaPage() = default;

namespace {

// A group box drawn behind its controls, which stay children of the page:
// the red message caption then colours the caption alone, not the labels.
QGridLayout* Framed(QGridLayout* outer, int row, int column, int rowSpan, CGroupBoxEx* box)
{
    box->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);  // a long message must not widen the page
    outer->addWidget(box, row, column, rowSpan, 1);
    auto* inner = new QGridLayout;
    inner->setContentsMargins(10, box->fontMetrics().height() + 8, 10, 8);
    outer->addLayout(inner, row, column, rowSpan, 1);
    return inner;
}

} // namespace

void CWodaPage::BuildForm()
{
    // The frames first, so that every control lies above them.
    m_parameters = new CGroupBoxEx(IDC_PARAMETERS, QStringLiteral("Parametry"), this);
    m_properties = new CGroupBoxEx(IDC_PROPERTIES, QStringLiteral("Właściwości"), this);

    auto* outer = new QGridLayout;
    QGridLayout* inputs = Framed(outer, 0, 0, 1, m_parameters);
    QGridLayout* outputs = Framed(outer, 0, 1, 2, m_properties);

    for (int i = 0; i < kFieldCount; ++i) {
        const FieldRow& row = kRows[i];
        auto* edit = new CEditEx(row.edit, this);
        // Wide enough for the longest "%g" text, -1.23457e-308.
        edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("-1.23457e-308")) + 12);
        auto* combo = new CComboBoxExt(row.combo, this);
        auto* label = new QLabel(QString::fromUtf8(row.label), this);
        label->setBuddy(edit);
        const FieldRole role = i < kFirstOutput ? FieldRole::Input : FieldRole::Output;
        CUnitField& field = m_exchange->AddField(edit, combo, row.quantity, role);
        m_fields[i] = &field;

        QGridLayout* grid = i < kFirstOutput ? inputs : outputs;
        const int line = i < kFirstOutput ? i : i - kFirstOutput;
        grid->addWidget(label, line, 0);
        grid->addWidget(edit, line, 1);
        grid->addWidget(combo, line, 2);

        const auto value = row.value;
        m_exchange->OnUnitChange(field, [this, value] { return (m_woda.*value)(); });
        if (role == FieldRole::Input)
            m_exchange->OnInputChange(field, [this, i](double si) { OnInput(i, si); });
    }
    outputs->setRowStretch(kFieldCount - kFirstOutput, 1);
    inputs->setColumnStretch(1, 1);
    outputs->setColumnStretch(1, 1);

    // The two state boxes, each under the button that stores it.
    m_storeInitial = new CButtonEx(IDC_STORE_INITIAL, QStringLiteral("St&an początkowy"), this);
    m_initialBox = new CMultiEditEx(IDC_INITIAL_TEXT, this);
    m_storeFinal = new CButtonEx(IDC_STORE_FINAL, QStringLiteral("Stan k&ońcowy"), this);
    m_finalBox = new CMultiEditEx(IDC_FINAL_TEXT, this);
    m_flow = new CButtonEx(IDC_FLOW, QStringLiteral("P&rzepływ..."), this);
    m_energy = new CButtonEx(IDC_ENERGY, QStringLiteral("&Energia..."), this);
    m_energy->setEnabled(false);
    m_initialBox->setAccessibleName(QStringLiteral("Stan początkowy"));
    m_finalBox->setAccessibleName(QStringLiteral("Stan końcowy"));
    for (CMultiEditEx* box : {m_initialBox, m_finalBox}) {
        box->setReadOnly(true);
        // A vertical scroll bar only: long lines wrap.
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->setTabChangesFocus(true);
        box->setMinimumHeight(box->fontMetrics().lineSpacing() * 6);
        m_exchange->AddControl(box);
    }
    for (CButtonEx* button : {m_storeInitial, m_storeFinal, m_flow, m_energy})
        button->setAutoDefault(false);

    auto* states = new QGridLayout;
    states->addWidget(m_storeInitial, 0, 0);
    states->addWidget(m_initialBox, 1, 0);
    states->addWidget(m_storeFinal, 0, 1);
    states->addWidget(m_finalBox, 1, 1);
    auto* analyses = new QHBoxLayout;
    analyses->addWidget(m_flow);
    analyses->addWidget(m_energy);
    analyses->addStretch(1);
    states->addLayout(analyses, 2, 0, 1, 2);
    states->setRowStretch(1, 1);
    outer->addLayout(states, 1, 0);
    outer->setColumnStretch(0, 1);
    outer->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(outer);

    connect(m_storeInitial, &QPushButton::clicked, this, [this] { StoreState(State::Initial); });
    connect(m_storeFinal, &QPushButton::clicked, this, [this] { StoreState(State::Final); });
    connect(m_flow, &QPushButton::clicked, this, &CWodaPage::OpenFlowAnalysis);
    connect(m_energy, &QPushButton::clicked, this, &CWodaPage::OpenEnergyAnalysis);
}

bool CWodaPage::event(QEvent* event) { return HandleParentHelpEvent(this, event) || QWidget::event(event); }

void CWodaPage::OnInitDialog()
{
    for (CUnitField* field : m_fields)
        field->FillUnits();
    m_woda.SetTemperature(273.15);
    m_woda.SetPressure(100000);
    m_woda.SetMassFlow(1);
    Field(kTemperature).text = UiNumber(m_woda.GetTemperature());
    Field(kPressure).text = UiNumber(m_woda.GetPressure());
    Field(kMassFlow).text = UiNumber(m_woda.GetMassFlow());
    ShowProperties(0);
    WriteControls();
}

void CWodaPage::OnInput(int field, double si)
{
    if (field == kMassFlow) {
        m_woda.SetMassFlow(si);  // never rejected, nothing else to show
        return;
    }
    int message = 0;
    if (std::isnan(si)) {
        // A pasted "nan" lies within no range, yet the model would take it
        // silently and keep properties of another temperature: reject it.
        message = kIdsNumberExpected;
    } else {
        message = field == kTemperature ? m_woda.SetTemperature(si) : m_woda.SetPressure(si);
    }
    ShowModelMessage(message);
    ShowProperties(message);
}

void CWodaPage::ShowModelMessage(int message)
{
    const bool rejected = message >= kFirstMessage;
    if (rejected) {
        QString caption = UiString(message);
        if (message != kIdsNumberExpected)
            caption += QString::fromStdString(m_woda.GetLimitText());
        m_properties->setTitle(caption);
        m_properties->SetColors(SysButtonFaceColor(), kMessageColor);
    } else {
        m_properties->setTitle(QStringLiteral("Właściwości"));
        m_properties->ResetColors();
    }
    for (QWidget* control : {static_cast<QWidget*>(m_storeInitial), static_cast<QWidget*>(m_storeFinal),
                             static_cast<QWidget*>(m_flow)})
        control->setEnabled(!rejected);
    for (int i = kFirstOutput; i < kFieldCount; ++i)
        Field(i).UnitCombo()->setEnabled(!rejected);
}

void CWodaPage::ShowProperties(int message)
{
    for (int i = kFirstOutput; i < kFieldCount; ++i) {
        if (message != 0)
            Field(i).Blank();
        else
            Field(i).Show((m_woda.*kRows[i].value)());
    }
}

void CWodaPage::ReadControls() { m_exchange->UpdateData(true); }

void CWodaPage::WriteControls()
{
    m_exchange->UpdateData(false);
    // The state texts end their lines with "\r\n"; the box shows lines.
    const CFieldExchange::Guard hold(*m_exchange);
    for (auto [box, text] : {std::pair{m_initialBox, &m_initialText}, std::pair{m_finalBox, &m_finalText}}) {
        QString shown = *text;
        shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        if (shown.endsWith(QLatin1Char('\n')))
            shown.chop(1);  // no empty line after the last
        if (box->toPlainText() != shown)
            box->setPlainText(shown);
    }
}

QString CWodaPage::UnitText(int index) const { return Field(index).UnitCombo()->currentText(); }

QString CWodaPage::BuildStateText() const
{
    QString text;
    for (int i = 0; i < kFieldCount; ++i) {
        const QString name = kRows[i].stateName ? UiString(kRows[i].stateName) : QStringLiteral("Liczba Prandtla");
        text += name + QLatin1Char(' ') + Field(i).text + QLatin1Char(' ') + UnitText(i) + QStringLiteral("\r\n");
    }
    return text;
}

void CWodaPage::StoreState(State state)
{
    ReadControls();
    const bool initial = state == State::Initial;
    StoredState& slot = initial ? m_initial : m_final;
    slot.massFlow = m_woda.GetMassFlow();
    // The enthalpy as shown (and as the user may have typed it), not the
    // model's full precision: the energy analysis works from what was seen.
    slot.enthalpy = Field(kEnthalpy).Parse();
    slot.temperature = m_woda.GetTemperature();

    (initial ? m_initialStored : m_finalStored) = 1;
    if ((initial ? m_finalStored : m_initialStored) == 1)
        m_energy->setEnabled(true);

    (initial ? m_initialBox : m_finalBox)->FilterOff();
    (initial ? m_initialText : m_finalText) = BuildStateText();
    WriteControls();
}

// A mass flow an analysis hands back on OK.
void CWodaPage::TakeMassFlow(double massFlow)
{
    m_woda.SetMassFlow(massFlow);
    Field(kMassFlow).Show(m_woda.GetMassFlow());
    WriteControls();
}

void CWodaPage::OpenFlowAnalysis()
{
    if (!m_sheet)
        return;
    ReadControls();
    const double massFlow = m_woda.GetMassFlow();
    // Density and viscosity as the boxes show them, typed values included.
    const double density = Field(kDensity).Parse();
    const double viscosity = Field(kKinematicViscosity).Parse();

    CAnalizaPrzeplywuDlg& flow = m_sheet->FlowDialog();
    flow.SetCaption(QString::fromStdString("Analiza przepływu dla wody o gęstości " + FormatG(density) + " kg/m^3."));
    flow.SetMedium(density, viscosity, massFlow);
    if (flow.DoModal() == QDialog::Accepted)
        TakeMassFlow(flow.GetMassFlow());

    const bool bothStored = m_initialStored == 1 && m_finalStored == 1;  // "&Energia..." is enabled
    if (bothStored &&
        (m_woda.GetMassFlow() != m_initial.massFlow || m_woda.GetMassFlow() != m_final.massFlow)) {
        MessageRequest question;
        question.caption = QStringLiteral("Informacja");
        question.text = UiString(12001);
        question.icon = QMessageBox::Information;
        question.buttons = QMessageBox::Yes | QMessageBox::No;
        if (ShowMessageBox(this, question) == QMessageBox::Yes)
            StoreState(State::Final);
    }
}

void CWodaPage::OpenEnergyAnalysis()
{
    if (!m_sheet)
        return;
    ReadControls();
    CAnalizaEnergiiDlg& energy = m_sheet->EnergyDialog();
    energy.SetStates(m_initial.massFlow, m_initial.enthalpy, m_initial.temperature, m_final.massFlow,
                     m_final.enthalpy, m_final.temperature);
    if (energy.DoModal() == QDialog::Accepted)
        TakeMassFlow(energy.GetMassFlow());
}
