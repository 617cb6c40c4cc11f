#include "analysis/CAnalizaPrzeplywuDlg.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "analysis/AnalysisHost.h"
#include "analysis/AnalysisIds.h"
#include "analysis/CKsztaltPrzewoduDlg.h"
#include "analysis/CKvDlg.h"
#include "base/NumberText.h"
#include "controls/ContextHelp.h"
#include "controls/FormColumns.h"
#include "controls/HelpControls.h"
#include "controls/HelpIds.h"
#include "controls/TabOrder.h"
#include "units/CUnitField.h"
#include "units/Quantities.h"

using namespace PrzeplywIds;

namespace {

QString Text(const std::string& s) { return QString::fromStdString(s); }

// Writes a label only when it differs, so that nothing repaints for nothing.
void WriteText(QLabel* label, const QString& text)
{
    if (label->text() != text)
        label->setText(text);
}

constexpr unsigned kFlowTemplate = 133;

} // namespace

void FillSizeList(QListWidget* list, DuctShape shape)
{
    list->clear();
    for (std::string_view name : SizeListNames(shape))
        list->addItem(QString::fromUtf8(name.data(), static_cast<int>(name.size())));
}

CAnalizaPrzeplywuDlg::CAnalizaPrzeplywuDlg(IAnalysisHost* host, QWidget* parent)
    : CDialog(parent), m_host(host), m_exchange(new CFieldExchange(this))
{
    setWindowTitle(QStringLiteral("Analiza przepływu"));
    EnableWhatsThis(this);
    BuildForm();
}

CAnalizaPrzeplywuDlg::~CAnalizaPrzeplywuDlg() = default;

void CAnalizaPrzeplywuDlg::BuildForm()
{
    struct FieldRow {
        FlowField field;
        unsigned edit;
        unsigned combo;
        int quantity;
    };
    static constexpr FieldRow kRows[] = {
        {FlowField::MassFlow, IDC_MASS_FLOW, IDC_MASS_FLOW_UNIT, kQuantityMassFlow},
        {FlowField::VolumeFlow, IDC_VOLUME_FLOW, IDC_VOLUME_FLOW_UNIT, kQuantityVolumeFlow},
        {FlowField::Diameter, IDC_DIAMETER, IDC_DIAMETER_UNIT, kQuantityLength},
        {FlowField::SideL, IDC_SIDE_L, IDC_SIDES_UNIT, kQuantityLength},
        {FlowField::SideH, IDC_SIDE_H, IDC_SIDES_UNIT, kQuantityLength},
        {FlowField::Area, IDC_AREA, IDC_AREA_UNIT, kQuantityArea},
        {FlowField::Velocity, IDC_VELOCITY, IDC_VELOCITY_UNIT, kQuantityVelocity},
        {FlowField::Time, IDC_TIME, IDC_TIME_UNIT, kQuantityTime},
        {FlowField::Mass, IDC_MASS, IDC_MASS_UNIT, kQuantityMass},
        {FlowField::UnitLoss, IDC_UNIT_LOSS, IDC_UNIT_LOSS_UNIT, kQuantityUnitPressureLoss},
        {FlowField::DuctLength, IDC_DUCT_LENGTH, IDC_DUCT_LENGTH_UNIT, kQuantityLength},
        {FlowField::LinearLoss, IDC_LINEAR_LOSS, IDC_LINEAR_LOSS_UNIT, kQuantityPressure},
        {FlowField::ZetaSum, IDC_ZETA_SUM, IDC_ZETA_SUM_UNIT, kQuantityDimensionless},
        {FlowField::LocalLoss, IDC_LOCAL_LOSS, IDC_LOCAL_LOSS_UNIT, kQuantityPressure},
    };
    CComboBoxExt* sharedSides = nullptr;
    for (const FieldRow& s : kRows) {
        auto* edit = new CEditEx(s.edit, this);
        SetNumberBoxWidth(edit);
        CComboBoxExt* combo = nullptr;
        if (s.field == FlowField::SideH) {
            combo = sharedSides; // one unit list for both sides
        } else {
            combo = new CComboBoxExt(s.combo, this);
            if (s.field == FlowField::SideL)
                sharedSides = combo;
        }
        CUnitField& unit = m_exchange->AddField(edit, combo, s.quantity, FieldRole::Input);
        m_fields.push_back({s.field, &unit});
        const FlowField field = s.field;
        if (field != FlowField::UnitLoss)
            m_exchange->OnInputChange(unit, [this, field](double si) { OnValue(field, si); });
        if (field != FlowField::SideH && field != FlowField::ZetaSum)
            m_exchange->OnUserSelect(combo, [this, field] { OnUnitChanged(field); });
    }

    auto labelled = [this](QGridLayout* grid, int row, const QString& label, FlowField field) {
        Field& f = FieldOf(field);
        auto* l = new QLabel(label, this);
        l->setBuddy(f.unit->Edit());
        grid->addWidget(l, row, 0);
        grid->addWidget(f.unit->Edit(), row, 1);
        grid->addWidget(f.unit->UnitCombo(), row, 2);
    };

    // "Oblicz": what is the result. The modes stand first, in one row.
    auto* modeBox = new QGroupBox(QStringLiteral("Oblicz"), this);
    auto* modeLayout = new QHBoxLayout(modeBox);
    m_modeButtons[0] = new CRadioButtonEx(IDC_COMPUTE_FLOW, QStringLiteral("&Strumień"), modeBox);
    m_modeButtons[1] = new CRadioButtonEx(IDC_COMPUTE_VELOCITY, QStringLiteral("&Prędkość"), modeBox);
    m_modeButtons[2] = new CRadioButtonEx(IDC_COMPUTE_AREA, QStringLiteral("P&ole przekroju"), modeBox);
    for (int i = 0; i < 3; ++i) {
        modeLayout->addWidget(m_modeButtons[i]);
        const auto mode = static_cast<FlowMode>(i + 1);
        connect(m_modeButtons[i], &QAbstractButton::clicked, this, [this, mode] { OnModeClicked(mode); });
    }
    modeLayout->addStretch(1);

    auto* flowBox = new QGroupBox(QStringLiteral("Strumień"), this);
    auto* flowGrid = new QGridLayout(flowBox);
    labelled(flowGrid, 0, QStringLiteral("&masy"), FlowField::MassFlow);
    labelled(flowGrid, 1, QStringLiteral("o&bjętości"), FlowField::VolumeFlow);

    auto* velocityBox = new QGroupBox(QStringLiteral("Prędkość przepływu"), this);
    auto* velocityGrid = new QGridLayout(velocityBox);
    labelled(velocityGrid, 0, QStringLiteral("Pręd&kość"), FlowField::Velocity);

    // The cross-section and the catalogue.
    auto* sectionBox = new QGroupBox(QStringLiteral("Charakterystyka przewodu"), this);
    auto* sectionGrid = new QGridLayout(sectionBox);
    auto* characteristic = new QHBoxLayout;
    m_dn = new CRadioButtonEx(IDC_DN, QStringLiteral("&DN"), sectionBox);
    m_lxh = new CRadioButtonEx(IDC_LXH, QStringLiteral("L &x H"), sectionBox);
    m_f = new CRadioButtonEx(IDC_F, QStringLiteral("&F"), sectionBox);
    characteristic->addWidget(m_dn);
    characteristic->addWidget(m_lxh);
    characteristic->addWidget(m_f);
    characteristic->addStretch(1);
    sectionGrid->addLayout(characteristic, 0, 0, 1, 3);
    labelled(sectionGrid, 1, QStringLiteral("Ś&rednica przewodu"), FlowField::Diameter);
    {
        // Both sides in the column of the other boxes, sharing one unit.
        auto* sides = new QHBoxLayout;
        auto* lLabel = new QLabel(QStringLiteral("&L"), this);
        lLabel->setBuddy(FieldOf(FlowField::SideL).unit->Edit());
        auto* hLabel = new QLabel(QStringLiteral(" x  &H"), this);
        hLabel->setBuddy(FieldOf(FlowField::SideH).unit->Edit());
        sides->addWidget(FieldOf(FlowField::SideL).unit->Edit(), 1);
        sides->addWidget(hLabel);
        sides->addWidget(FieldOf(FlowField::SideH).unit->Edit(), 1);
        sectionGrid->addWidget(lLabel, 2, 0);
        sectionGrid->addLayout(sides, 2, 1);
        sectionGrid->addWidget(FieldOf(FlowField::SideL).unit->UnitCombo(), 2, 2);
    }
    labelled(sectionGrid, 3, QStringLiteral("Pol&e przekroju"), FlowField::Area);
    sectionGrid->addWidget(new QLabel(QStringLiteral("Najbliższy wymiar przewodu"), this), 4, 0, 1, 3);
    m_sizes = new CListBoxEx(IDC_SIZES, this);
    m_sizes->setSelectionMode(QAbstractItemView::SingleSelection);
    m_sizes->setSortingEnabled(false);
    sectionGrid->addWidget(m_sizes, 5, 0, 1, 3);
    sectionGrid->setRowStretch(5, 1);
    connect(m_dn, &QAbstractButton::clicked, this, &CAnalizaPrzeplywuDlg::OnDN);
    connect(m_lxh, &QAbstractButton::clicked, this, &CAnalizaPrzeplywuDlg::OnLxH);
    connect(m_f, &QAbstractButton::clicked, this, &CAnalizaPrzeplywuDlg::OnF);
    m_exchange->AddControl(m_sizes);
    connect(m_sizes, &QListWidget::currentRowChanged, this, &CAnalizaPrzeplywuDlg::OnSizeSelected);
    // A click on the highlighted size changes no row, yet picks that size.
    connect(m_sizes, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { OnSizeSelected(m_sizes->row(item)); });

    auto* massBox = new QGroupBox(QStringLiteral("Masa"), this);
    auto* massGrid = new QGridLayout(massBox);
    labelled(massGrid, 0, QStringLiteral("C&zas przepływu"), FlowField::Time);
    labelled(massGrid, 1, QStringLiteral("M&asa"), FlowField::Mass);

    // Linear losses with the roughness, the regime and the friction factor.
    auto* linearBox = new QGroupBox(QStringLiteral("Liniowe straty ciśnienia"), this);
    auto* linearGrid = new QGridLayout(linearBox);
    m_radiusText = new CStaticEx(IDC_RADIUS_TEXT, QStringLiteral("Promień hydrauliczny"), this);
    m_relativeText = new CStaticEx(IDC_RELATIVE_TEXT, QStringLiteral("Chropowatość względna"), this);
    m_roughnessText = new CStaticEx(IDC_ROUGHNESS_TEXT, QStringLiteral("Chropowatość"), this);
    m_roughnessText->setAlignment(Qt::AlignCenter);
    m_reynoldsText = new CStaticEx(IDC_REYNOLDS_TEXT, QStringLiteral("Przepływ laminarny\nLiczba Reynoldsa\n1234567890"), this);
    m_reynoldsText->setAlignment(Qt::AlignCenter);
    m_frictionText = new CStaticEx(IDC_FRICTION_TEXT, QStringLiteral("Współczynnik oporów liniowych"), this);
    m_slider = new CSliderCtrlEx(IDC_ROUGHNESS_SLIDER, this);
    m_slider->setOrientation(Qt::Horizontal);
    m_slider->setTickPosition(QSlider::TicksBelow);
    m_exchange->AddControl(m_slider);
    connect(m_slider, &QSlider::valueChanged, this, &CAnalizaPrzeplywuDlg::OnRoughness);
    auto* sliderRow = new QHBoxLayout;
    sliderRow->addWidget(new QLabel(QStringLiteral("0,01 mm"), this));
    sliderRow->addWidget(m_roughnessText, 1);
    sliderRow->addWidget(new QLabel(QStringLiteral("10 mm"), this));
    linearGrid->addWidget(m_radiusText, 0, 0, 1, 3);
    linearGrid->addWidget(m_relativeText, 1, 0, 1, 3);
    linearGrid->addLayout(sliderRow, 2, 0, 1, 3);
    linearGrid->addWidget(m_slider, 3, 0, 1, 3);
    linearGrid->addWidget(m_reynoldsText, 4, 0, 1, 3);
    linearGrid->addWidget(m_frictionText, 5, 0, 1, 3);
    labelled(linearGrid, 6, QStringLiteral("&Jedn. str. ciśn."), FlowField::UnitLoss);
    labelled(linearGrid, 7, QStringLiteral("Dł&ugość przew."), FlowField::DuctLength);
    labelled(linearGrid, 8, QStringLiteral("S&trata ciśnienia"), FlowField::LinearLoss);

    auto* localBox = new QGroupBox(QStringLiteral("Miejscowe straty ciśnienia"), this);
    auto* localGrid = new QGridLayout(localBox);
    labelled(localGrid, 0, QStringLiteral("Σζ"), FlowField::ZetaSum);
    // "Kv" stands beside the symbol, so the boxes keep the column.
    auto* kv = new CButtonEx(IDC_KV, QStringLiteral("Kv"), this);
    kv->setAutoDefault(false);
    {
        QLayoutItem* symbol = localGrid->itemAtPosition(0, 0);
        QWidget* label = symbol->widget();
        localGrid->removeItem(symbol);
        delete symbol;
        auto* zeta = new QHBoxLayout;
        zeta->addWidget(label);
        zeta->addStretch(1);
        zeta->addWidget(kv);
        localGrid->addLayout(zeta, 0, 0);
    }
    labelled(localGrid, 1, QStringLiteral("Strata &ciśnienia"), FlowField::LocalLoss);
    connect(kv, &QPushButton::clicked, this, &CAnalizaPrzeplywuDlg::OnKv);

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
    connect(help, &QPushButton::clicked, this, &CAnalizaPrzeplywuDlg::OnHelp);

    // Two columns: what the user sizes on the left (flows, velocity, the
    // cross-section), what follows from it on the right (losses, the mass
    // over a time); the buttons below both, so the window fits a small
    // screen.
    auto* left = new QVBoxLayout;
    left->addWidget(modeBox);
    left->addWidget(flowBox);
    left->addWidget(velocityBox);
    left->addWidget(sectionBox, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(linearBox);
    right->addWidget(localBox);
    right->addWidget(massBox);
    right->addStretch(1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    auto* top = new QVBoxLayout(this);
    top->addLayout(columns, 1);
    top->addLayout(buttons);

    // The edit boxes of a column line up, group by group (measured again
    // at each opening, when the unit lists are filled).
    m_columns = {{flowGrid, velocityGrid, sectionGrid}, {linearGrid, localGrid, massGrid}};

    // Tab goes as the eye does: the modes, then each column top to bottom.
    auto unit = [this](FlowField field) -> std::vector<QWidget*> {
        Field& f = FieldOf(field);
        if (field == FlowField::SideL)
            return {f.unit->Edit()};  // its unit box follows H
        return {f.unit->Edit(), f.unit->UnitCombo()};
    };
    std::vector<QWidget*> chain{m_modeButtons[0], m_modeButtons[1], m_modeButtons[2]};
    auto add = [&chain](const std::vector<QWidget*>& widgets) { chain.insert(chain.end(), widgets.begin(), widgets.end()); };
    for (FlowField field : {FlowField::MassFlow, FlowField::VolumeFlow, FlowField::Velocity})
        add(unit(field));
    add({m_dn, m_lxh, m_f});
    for (FlowField field : {FlowField::Diameter, FlowField::SideL, FlowField::SideH, FlowField::Area})
        add(unit(field));
    add({m_sizes, m_slider});
    for (FlowField field : {FlowField::UnitLoss, FlowField::DuctLength, FlowField::LinearLoss})
        add(unit(field));
    add({kv});
    for (FlowField field : {FlowField::ZetaSum, FlowField::LocalLoss, FlowField::Time, FlowField::Mass})
        add(unit(field));
    add({ok, cancel, help});
    SetTabChain(chain);
}

CAnalizaPrzeplywuDlg::Field& CAnalizaPrzeplywuDlg::FieldOf(FlowField field)
{
    for (Field& f : m_fields)
        if (f.field == field)
            return f;
    return m_fields.front();
}

CKsztaltPrzewoduDlg& CAnalizaPrzeplywuDlg::ShapeDialog()
{
    if (m_host != nullptr)
        return m_host->DuctShapeDialog();
    if (m_ownShapeDialog == nullptr)
        m_ownShapeDialog = new CKsztaltPrzewoduDlg(this);
    return *m_ownShapeDialog;
}

void CAnalizaPrzeplywuDlg::SetMedium(double rho, double nu, double massFlow) { m_flow.SetMedium(rho, nu, massFlow); }

void CAnalizaPrzeplywuDlg::OnInitDialog()
{
    CFieldExchange::Guard guard(*m_exchange);
    if (!m_caption.isEmpty())
        setWindowTitle(m_caption);
    for (Field& f : m_fields) {
        if (f.field == FlowField::SideH)
            f.unit->SelectUnit(0); // its list is L's
        else
            f.unit->FillUnits();
    }
    m_slider->setRange(1, 1000);
    m_slider->setTickInterval(100);
    m_slider->setValue(1);

    m_flow.Open();
    m_modeButtons[0]->setChecked(true);
    m_dn->setChecked(true);
    ApplyMode();
    ApplyCharacteristic();
    FillList(DuctShape::Round);
    m_typing = nullptr;
    RefreshFields(true);
    for (const std::vector<QGridLayout*>& column : m_columns)
        AlignGridColumns(column);
    // Each opening starts in the first box the mode lets the user type in.
    FocusFirstInput(this);
}

void CAnalizaPrzeplywuDlg::FillList(DuctShape shape)
{
    CFieldExchange::Guard guard(*m_exchange);
    FillSizeList(m_sizes, shape);
}

void CAnalizaPrzeplywuDlg::ApplyMode()
{
    const FlowMode mode = m_flow.Mode();
    m_dn->setEnabled(true);
    m_lxh->setEnabled(true);
    m_f->setEnabled(mode != FlowMode::Section);
    m_dn->setChecked(true);
    for (Field& f : m_fields)
        f.unit->Edit()->SetResultLook(!m_flow.IsInput(f.field));
}

void CAnalizaPrzeplywuDlg::ApplyCharacteristic()
{
    for (FlowField field : {FlowField::Diameter, FlowField::SideL, FlowField::SideH, FlowField::Area})
        FieldOf(field).unit->Edit()->SetResultLook(!m_flow.IsInput(field));
}

void CAnalizaPrzeplywuDlg::RefreshFields(bool all)
{
    CFieldExchange::Guard guard(*m_exchange);
    // The box the user is typing in keeps its text and caret.
    QWidget* focus = all ? nullptr : QApplication::focusWidget();
    for (Field& f : m_fields) {
        if (!all && (f.unit->Edit() == m_typing || f.unit->Edit() == focus))
            continue;
        f.unit->text = Text(m_flow.FieldText(f.field));
    }
    WriteText(m_radiusText, Text(m_flow.HydraulicRadiusText()));
    WriteText(m_relativeText, Text(m_flow.RelativeRoughnessText()));
    WriteText(m_roughnessText, Text(m_flow.RoughnessText()));
    WriteText(m_reynoldsText, Text(m_flow.ReynoldsText()));
    WriteText(m_frictionText, Text(m_flow.FrictionText()));
    m_sizes->setCurrentRow(m_flow.NearestSize());
    m_exchange->UpdateData(false);
}

void CAnalizaPrzeplywuDlg::OnModeClicked(FlowMode mode)
{
    if (m_exchange->IsBlocked())
        return;
    m_flow.SetMode(mode);
    ApplyMode();
    FillList(DuctShape::Round);
    ApplyCharacteristic();
    TabStopOnChecked(this);
    RefreshFields();
}

void CAnalizaPrzeplywuDlg::OnDN()
{
    if (m_exchange->IsBlocked())
        return;
    m_flow.SelectDN();
    FillList(DuctShape::Round);
    ApplyCharacteristic();
    TabStopOnChecked(this);
    RefreshFields();
}

void CAnalizaPrzeplywuDlg::OnLxH()
{
    if (m_exchange->IsBlocked())
        return;
    m_flow.SelectLxH();
    FillList(DuctShape::Rectangular);
    ApplyCharacteristic();
    TabStopOnChecked(this);
    RefreshFields();
}

void CAnalizaPrzeplywuDlg::OnF()
{
    if (m_exchange->IsBlocked())
        return;
    // The area alone leaves the shape open: the shape dialog decides it,
    // however it is closed.
    for (FlowField field : {FlowField::Diameter, FlowField::SideL, FlowField::SideH})
        FieldOf(field).unit->Edit()->SetResultLook(true);
    FieldOf(FlowField::Area).unit->Edit()->SetResultLook(false);
    CKsztaltPrzewoduDlg& shape = ShapeDialog();
    shape.SetProportion(m_flow.Proportion());
    shape.DoModal();
    const DuctShape chosen = shape.Choice() == 1 ? DuctShape::Rectangular : DuctShape::Round;
    m_flow.SelectF(chosen, shape.Proportion());
    FillList(chosen);
    ApplyCharacteristic();
    TabStopOnChecked(this);
    RefreshFields();
}

void CAnalizaPrzeplywuDlg::OnValue(FlowField field, double si)
{
    m_flow.OnValue(field, si);
    m_typing = FieldOf(field).unit->Edit();
    RefreshFields();
    m_typing = nullptr;
}

void CAnalizaPrzeplywuDlg::OnUnitChanged(FlowField field)
{
    // The text follows the unit; the value does not change.
    Field& f = FieldOf(field);
    if (!f.unit->SelectUnit(f.unit->UnitCombo()->currentIndex()))
        return;
    m_flow.SetFactor(field, f.unit->Scale().factor);
    f.unit->Show(m_flow.Value(field));
    if (field == FlowField::SideL) {
        Field& h = FieldOf(FlowField::SideH);
        h.unit->SelectUnit(f.unit->UnitCombo()->currentIndex());
        h.unit->Show(m_flow.Value(FlowField::SideH));
    }
    m_exchange->UpdateData(false);
}

void CAnalizaPrzeplywuDlg::OnSizeSelected(int row)
{
    if (m_exchange->IsBlocked())
        return;
    if (m_flow.OnSizeSelected(row))
        RefreshFields();
}

void CAnalizaPrzeplywuDlg::OnRoughness(int position)
{
    if (m_exchange->IsBlocked())
        return;
    m_flow.OnRoughness(position);
    RefreshFields();
}

void CAnalizaPrzeplywuDlg::OnKv()
{
    CKvDlg kv(this);
    kv.SetDensityText(Text("Gęstość czynnika: " + FormatG(m_flow.Density()) + " kg/m^3"));
    kv.SetArea(m_flow.Value(FlowField::Area));
    kv.SetZeta(m_flow.Value(FlowField::ZetaSum));
    if (kv.DoModal() != QDialog::Accepted)
        return;
    m_flow.AcceptKvZeta(kv.Zeta());
    FieldOf(FlowField::ZetaSum).unit->text = Text(FormatG(kv.Zeta()));
    RefreshFields();
}

void CAnalizaPrzeplywuDlg::OnHelp() { OpenHelpTopic(this, HelpTopicId(kFlowTemplate)); }
