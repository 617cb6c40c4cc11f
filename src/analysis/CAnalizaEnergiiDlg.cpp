#include "analysis/CAnalizaEnergiiDlg.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "analysis/AnalysisHost.h"
#include "analysis/AnalysisIds.h"
#include "analysis/CRoznicaStrumieniDlg.h"
#include "controls/ContextHelp.h"
#include "controls/FormColumns.h"
#include "controls/HelpControls.h"
#include "controls/HelpIds.h"
#include "controls/TabOrder.h"
#include "units/CUnitField.h"
#include "units/Quantities.h"

using namespace EnergiaIds;

namespace {

QString Text(const std::string& s) { return QString::fromStdString(s); }

constexpr unsigned kEnergyTemplate = 134;

bool IsTemperatureField(EnergyField field)
{
    return field == EnergyField::TemperatureDiff || field == EnergyField::FinalTemperature;
}

} // namespace

CAnalizaEnergiiDlg::CAnalizaEnergiiDlg(IAnalysisHost* host, QWidget* parent)
    : CDialog(parent), m_host(host), m_exchange(new CFieldExchange(this))
{
    setWindowTitle(QStringLiteral("Analiza energii"));
    EnableWhatsThis(this);
    BuildForm();
}

void CAnalizaEnergiiDlg::BuildForm()
{
    struct FieldRow {
        EnergyField field;
        unsigned edit;
        unsigned combo;
        int quantity;
    };
    static constexpr FieldRow kRows[] = {
        {EnergyField::MassFlow, IDC_MASS_FLOW, IDC_MASS_FLOW_UNIT, kQuantityMassFlow},
        {EnergyField::HeatPower, IDC_HEAT_POWER, IDC_HEAT_POWER_UNIT, kQuantityPower},
        {EnergyField::EnthalpyDiff, IDC_ENTHALPY_DIFF, IDC_ENTHALPY_DIFF_UNIT, kQuantityEnthalpy},
        {EnergyField::FinalEnthalpy, IDC_FINAL_ENTHALPY, IDC_FINAL_ENTHALPY_UNIT, kQuantityEnthalpy},
        {EnergyField::TemperatureDiff, IDC_TEMPERATURE_DIFF, IDC_TEMPERATURE_DIFF_UNIT, kQuantityTemperatureDifference},
        {EnergyField::FinalTemperature, IDC_FINAL_TEMPERATURE, IDC_FINAL_TEMPERATURE_UNIT, kQuantityTemperature},
        {EnergyField::Time, IDC_TIME, IDC_TIME_UNIT, kQuantityTime},
        {EnergyField::Energy, IDC_ENERGY, IDC_ENERGY_UNIT, kQuantityEnergy},
    };
    for (const FieldRow& s : kRows) {
        auto* edit = new CEditEx(s.edit, this);
        SetNumberBoxWidth(edit);
        auto* combo = new CComboBoxExt(s.combo, this);
        CUnitField& unit = m_exchange->AddField(edit, combo, s.quantity, FieldRole::Input);
        m_fields.push_back({s.field, &unit});
        const EnergyField field = s.field;
        m_exchange->OnInputChange(unit, [this, field](double si) { OnValue(field, si); });
        m_exchange->OnUserSelect(combo, [this, field] { OnUnitChanged(field); });
    }
    auto row = [this](QGridLayout* grid, int r, QLabel* label, EnergyField field) {
        Field& f = FieldOf(field);
        label->setBuddy(f.unit->Edit());
        grid->addWidget(label, r, 0);
        grid->addWidget(f.unit->Edit(), r, 1);
        grid->addWidget(f.unit->UnitCombo(), r, 2);
    };

    auto* modeBox = new QGroupBox(QStringLiteral("Oblicz"), this);
    auto* modeLayout = new QHBoxLayout(modeBox);
    m_modeButtons[0] = new CRadioButtonEx(IDC_COMPUTE_FLOW, QStringLiteral("&Strumień"), modeBox);
    m_modeButtons[1] = new CRadioButtonEx(IDC_COMPUTE_POWER, QStringLiteral("&Moc cieplną"), modeBox);
    m_modeButtons[2] = new CRadioButtonEx(IDC_COMPUTE_ENTHALPY, QStringLiteral("&Entalpię"), modeBox);
    for (int i = 0; i < 3; ++i) {
        modeLayout->addWidget(m_modeButtons[i]);
        const auto mode = static_cast<EnergyMode>(i + 1);
        connect(m_modeButtons[i], &QAbstractButton::clicked, this, [this, mode] { OnModeClicked(mode); });
    }
    modeLayout->addStretch(1);

    auto* powerGrid = new QGridLayout;
    row(powerGrid, 0, new QLabel(QStringLiteral("Strumień m&asy"), this), EnergyField::MassFlow);
    row(powerGrid, 1, new QLabel(QStringLiteral("Mo&c cieplna"), this), EnergyField::HeatPower);

    auto* enthalpyBox = new QGroupBox(QStringLiteral("Entalpia"), this);
    auto* enthalpyGrid = new QGridLayout(enthalpyBox);
    m_temperatureDiffLabel = new CStaticEx(IDC_TEMPERATURE_DIFF_LABEL, QStringLiteral("Róż&nica temperatury"), this);
    m_finalTemperatureLabel = new CStaticEx(IDC_FINAL_TEMPERATURE_LABEL, QStringLiteral("&Temperatura końcowa"), this);
    row(enthalpyGrid, 0, new QLabel(QStringLiteral("&Różnica entalpii"), this), EnergyField::EnthalpyDiff);
    row(enthalpyGrid, 1, new QLabel(QStringLiteral("Enta&lpia końcowa"), this), EnergyField::FinalEnthalpy);
    row(enthalpyGrid, 2, m_temperatureDiffLabel, EnergyField::TemperatureDiff);
    row(enthalpyGrid, 3, m_finalTemperatureLabel, EnergyField::FinalTemperature);

    auto* energyBox = new QGroupBox(QStringLiteral("Energia"), this);
    auto* energyGrid = new QGridLayout(energyBox);
    row(energyGrid, 0, new QLabel(QStringLiteral("C&zas "), this), EnergyField::Time);
    row(energyGrid, 1, new QLabel(QStringLiteral("E&nergia"), this), EnergyField::Energy);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    SetControlId(ok, 1);
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Anuluj"), this);
    SetControlId(cancel, 2);
    cancel->setAutoDefault(false);
    auto* help = new QPushButton(QStringLiteral("Pomoc"), this);
    SetControlId(help, 9);
    help->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, &CAnalizaEnergiiDlg::OnHelp);

    // The modes first, the fields below in one column of boxes, the
    // buttons at the foot.
    auto* top = new QVBoxLayout(this);
    top->addWidget(modeBox);
    top->addLayout(powerGrid);
    top->addWidget(enthalpyBox);
    top->addWidget(energyBox);
    top->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    top->addLayout(buttons);
    // The free grid of the flow and the power has no frame: its boxes stand
    // where the framed ones' do.
    const QMargins frame = enthalpyGrid->contentsMargins();
    powerGrid->setContentsMargins(frame.left() + 1, 0, frame.right() + 1, 0);
    m_grids = {powerGrid, enthalpyGrid, energyGrid};

    std::vector<QWidget*> chain{m_modeButtons[0], m_modeButtons[1], m_modeButtons[2]};
    for (const Field& f : m_fields) {
        chain.push_back(f.unit->Edit());
        chain.push_back(f.unit->UnitCombo());
    }
    chain.insert(chain.end(), {ok, cancel, help});
    SetTabChain(chain);
}

CAnalizaEnergiiDlg::Field& CAnalizaEnergiiDlg::FieldOf(EnergyField field)
{
    for (Field& f : m_fields)
        if (f.field == field)
            return f;
    return m_fields.front();
}

CRoznicaStrumieniDlg& CAnalizaEnergiiDlg::MassStreamDialog()
{
    if (m_host != nullptr)
        return m_host->MassStreamDialog();
    if (m_ownMassStreamDialog == nullptr)
        m_ownMassStreamDialog = new CRoznicaStrumieniDlg(this);
    return *m_ownMassStreamDialog;
}

int CAnalizaEnergiiDlg::SetStates(double m1, double h1, double t1, double m2, double h2, double t2)
{
    return m_energy.SetStates(m1, h1, t1, m2, h2, t2, [this] {
        CRoznicaStrumieniDlg& choice = MassStreamDialog();
        choice.DoModal(); // Esc too: the choice as the buttons left it
        return choice.Choice();
    });
}

void CAnalizaEnergiiDlg::OnInitDialog()
{
    CFieldExchange::Guard guard(*m_exchange);
    for (Field& f : m_fields)
        f.unit->FillUnits();
    m_modeButtons[0]->setChecked(true);
    m_energy.Open();
    const bool shown = m_energy.TemperaturesShown();
    m_temperatureDiffLabel->setEnabled(shown);
    m_finalTemperatureLabel->setEnabled(shown);
    for (EnergyField field : {EnergyField::TemperatureDiff, EnergyField::FinalTemperature}) {
        FieldOf(field).unit->Edit()->setEnabled(shown);
        FieldOf(field).unit->UnitCombo()->setEnabled(shown);
    }
    ApplyMode();
    m_typing = nullptr;
    RefreshFields(true);
    AlignGridColumns(m_grids);
    FocusFirstInput(this);
}

void CAnalizaEnergiiDlg::ApplyMode()
{
    for (Field& f : m_fields)
        f.unit->Edit()->SetResultLook(!m_energy.IsInput(f.field));
}

void CAnalizaEnergiiDlg::RefreshFields(bool all)
{
    // The box the user is typing in keeps its text and caret.
    QWidget* focus = all ? nullptr : QApplication::focusWidget();
    for (Field& f : m_fields) {
        if (!all && (f.unit->Edit() == m_typing || f.unit->Edit() == focus))
            continue;
        if (IsTemperatureField(f.field) && !m_energy.TemperaturesShown())
            continue;
        f.unit->text = Text(m_energy.FieldText(f.field));
    }
    m_exchange->UpdateData(false);
}

void CAnalizaEnergiiDlg::OnModeClicked(EnergyMode mode)
{
    if (m_exchange->IsBlocked())
        return;
    m_energy.SetMode(mode);
    ApplyMode();
    TabStopOnChecked(this);
}

void CAnalizaEnergiiDlg::OnValue(EnergyField field, double si)
{
    m_energy.OnValue(field, si);
    m_typing = FieldOf(field).unit->Edit();
    RefreshFields();
    m_typing = nullptr;
}

void CAnalizaEnergiiDlg::OnUnitChanged(EnergyField field)
{
    // The text follows the unit; the value does not change.
    Field& f = FieldOf(field);
    if (!f.unit->SelectUnit(f.unit->UnitCombo()->currentIndex()))
        return;
    const FieldScale& scale = f.unit->Scale();
    if (field == EnergyField::FinalTemperature)
        m_energy.SetTemperaturePairs({scale.displayMultiplier, scale.displayOffset},
                                     {scale.inputMultiplier, scale.inputOffset});
    else
        m_energy.SetFactor(field, scale.factor);
    f.unit->Show(m_energy.Value(field));
    m_exchange->UpdateData(false);
}

void CAnalizaEnergiiDlg::OnHelp() { OpenHelpTopic(this, HelpTopicId(kEnergyTemplate)); }

bool CAnalizaEnergiiDlg::event(QEvent* event)
{
    // Help asked of a plain label or box comes here: the dialog answers it.
    if (HandleParentHelpEvent(this, event))
        return true;
    return CDialog::event(event);
}
