#include "pages/CMediumPage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QShortcut>
#include <QVBoxLayout>
#include <utility>

#include "analysis/AnalysisHost.h"
#include "analysis/CAnalizaEnergiiDlg.h"
#include "analysis/CAnalizaPrzeplywuDlg.h"
#include "base/NumberText.h"
#include "controls/ContextHelp.h"
#include "controls/HelpControls.h"
#include "controls/Modal.h"
#include "controls/TabOrder.h"
#include "controls/UiString.h"
#include "media/Messages.h"
#include "pages/PageIds.h"
#include "units/CUnitField.h"

namespace {

const QColor kMessageColor(255, 0, 0);
const QString kPropertiesCaption = QStringLiteral("Właściwości");

} // namespace

CMediumPage::CMediumPage(IAnalysisHost* host, const MediumPageControls& controls, QWidget* parent)
    : QWidget(parent), m_host(host), m_exchange(new CFieldExchange(this))
{
    // The frames first, so that every control lies above them. The
    // parameters' frame is a plain one: it explains nothing itself, and a
    // right click on it does nothing.
    m_parameters = new QGroupBox(QStringLiteral("Parametry"), this);
    SetControlId(m_parameters, controls.parameters);
    m_properties = new CGroupBoxEx(controls.properties, kPropertiesCaption, this);

    m_storeInitial = new CButtonEx(controls.storeInitial, QStringLiteral("St&an początkowy"), this);
    m_initialBox = new CMultiEditEx(controls.initialText, this);
    m_storeFinal = new CButtonEx(controls.storeFinal, QString::fromUtf8(controls.finalCaption), this);
    m_finalBox = new CMultiEditEx(controls.finalText, this);
    m_flow = new CButtonEx(controls.flow, QStringLiteral("P&rzepływ..."), this);
    m_energy = new CButtonEx(controls.energy, QStringLiteral("&Energia..."), this);
    m_energy->setEnabled(false);
    m_initialBox->setAccessibleName(QStringLiteral("Stan początkowy"));
    m_finalBox->setAccessibleName(QStringLiteral("Stan końcowy"));
    for (CMultiEditEx* box : {m_initialBox, m_finalBox}) {
        box->setReadOnly(true);
        // One line of the state is one line on screen: a line wider than
        // the box scrolls sideways, it never breaks inside a value.
        box->setLineWrapMode(QPlainTextEdit::NoWrap);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->setTabChangesFocus(true);
        box->setMinimumHeight(box->fontMetrics().lineSpacing() * 6);
        m_exchange->AddControl(box);
    }
    for (CButtonEx* button : {m_storeInitial, m_storeFinal, m_flow, m_energy})
        button->setAutoDefault(false);

    QLayout* parameters = Framed(m_parameters, m_inputGrid);
    QLayout* properties = Framed(m_properties, m_outputGrid);
    m_inputGrid->setColumnStretch(1, 1);
    m_outputGrid->setColumnStretch(1, 1);

    // Above: the parameters with the analyses' buttons beside the
    // properties. Below, across the page, the two state boxes, each under
    // the button that stores it: wide enough for their lines.
    auto* analyses = new QHBoxLayout;
    analyses->addWidget(m_flow);
    analyses->addWidget(m_energy);
    analyses->addStretch(1);
    m_analyses = analyses;
    // The accuracy notes under the properties, in the normal text colour:
    // they qualify values that are shown, they refuse nothing.
    m_notesLabel = new QLabel(this);
    SetControlId(m_notesLabel, MediumIds::IDC_ACCURACY_NOTES);
    m_notesLabel->setWordWrap(true);
    m_notesLabel->setHidden(true);
    // As wide as the properties, however long a note: it wraps, it never
    // widens the column.
    QSizePolicy notesPolicy(QSizePolicy::Ignored, QSizePolicy::Minimum);
    notesPolicy.setHeightForWidth(true);
    m_notesLabel->setSizePolicy(notesPolicy);
    auto* rightColumn = new QVBoxLayout;
    rightColumn->addLayout(properties, 1);
    rightColumn->addWidget(m_notesLabel);

    m_leftColumn = new QVBoxLayout;
    m_leftColumn->addLayout(parameters);
    m_leftColumn->addLayout(analyses);
    m_leftColumn->addStretch(1);
    auto* upper = new QHBoxLayout;
    upper->addLayout(m_leftColumn, 1);
    upper->addLayout(rightColumn, 1);

    auto* states = new QGridLayout;
    states->addWidget(m_storeInitial, 0, 0, Qt::AlignLeft);
    states->addWidget(m_initialBox, 1, 0);
    states->addWidget(m_storeFinal, 0, 1, Qt::AlignLeft);
    states->addWidget(m_finalBox, 1, 1);
    states->setRowStretch(1, 1);

    auto* outer = new QVBoxLayout(this);
    outer->addLayout(upper);
    outer->addLayout(states, 1);

    // Enter belongs to the page and does nothing here: it neither presses
    // the button with the focus nor reaches a default button of the sheet.
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* enter = new QShortcut(QKeySequence(key), this);
        enter->setContext(Qt::WidgetWithChildrenShortcut);
    }

    connect(m_storeInitial, &QPushButton::clicked, this, [this] { StoreState(StateSlot::Initial); });
    connect(m_storeFinal, &QPushButton::clicked, this, [this] { StoreState(StateSlot::Final); });
    connect(m_flow, &QPushButton::clicked, this, &CMediumPage::OpenFlowAnalysis);
    connect(m_energy, &QPushButton::clicked, this, &CMediumPage::OpenEnergyAnalysis);
}

CMediumPage::~CMediumPage() = default;

// A group box drawn behind its controls, which stay children of the page:
// the red message caption then colours the caption alone, not the labels.
// The box and the grid of its controls (inner) share the one cell of the
// layout returned.
QLayout* CMediumPage::Framed(QGroupBox* box, QGridLayout*& inner)
{
    box->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);  // a long message must not widen the page
    auto* holder = new QGridLayout;
    holder->addWidget(box, 0, 0);
    inner = new QGridLayout;
    inner->setContentsMargins(10, box->fontMetrics().height() + 8, 10, 8);
    holder->addLayout(inner, 0, 0);
    return holder;
}

void CMediumPage::AddField(unsigned edit, unsigned unitCombo, unsigned labelId, const char* label, int quantity,
                           BoundField bound)
{
    auto* editBox = new CEditEx(edit, this);
    // Wide enough for the longest "%g" text, -1.23457e-308.
    editBox->setMinimumWidth(editBox->fontMetrics().horizontalAdvance(QStringLiteral("-1.23457e-308")) + 12);
    auto* combo = new CComboBoxExt(unitCombo, this);
    const QString text = QString::fromUtf8(label);
    auto* labelText = new QLabel(text, this);
    if (labelId != 0)
        SetControlId(labelText, labelId);  // a label the page enables, disables or hides
    labelText->setBuddy(editBox);
    bound.label = labelText;
    const bool typed = bound.role != PropertyRole::Output;
    bound.unit = &m_exchange->AddField(editBox, combo, quantity, typed ? FieldRole::Input : FieldRole::Output);

    QGridLayout* grid = typed ? m_inputGrid : m_outputGrid;
    int& line = typed ? m_inputLines : m_outputLines;
    grid->addWidget(bound.label, line, 0);
    grid->addWidget(editBox, line, 1);
    grid->addWidget(combo, line, 2);
    ++line;
    // The outputs stay at the top of their frame.
    m_outputGrid->setRowStretch(m_outputLines - 1, 0);
    m_outputGrid->setRowStretch(m_outputLines, 1);

    const std::size_t index = m_fields.size();
    m_fields.push_back(std::move(bound));
    BoundField& field = m_fields.back();
    m_exchange->OnUnitChange(*field.unit, [this, index] { return FieldValue(index); });
    if (field.role == PropertyRole::Carried)
        // Never rejected, nothing else to show.
        m_exchange->OnInputChange(*field.unit, [this, index](double si) { m_fields[index].set(si); });
    else if (field.role == PropertyRole::Input)
        m_exchange->OnInputChange(*field.unit, [this, index](double si) { InputChanged(index, si); });
}

void CMediumPage::OrderTabs()
{
    std::vector<QWidget*> chain;
    const auto fields = [this, &chain](bool typed) {
        for (const BoundField& field : m_fields)
            if ((field.role != PropertyRole::Output) == typed) {
                // A label that is a control (a mode's radio button) comes
                // before the box it stands for.
                if (field.label != nullptr && (field.label->focusPolicy() & Qt::TabFocus))
                    chain.push_back(field.label);
                chain.push_back(field.unit->Edit());
                chain.push_back(field.unit->UnitCombo());
            }
    };
    fields(true);
    chain.insert(chain.end(), m_extraInputs.begin(), m_extraInputs.end());
    chain.insert(chain.end(), {m_flow, m_energy});
    chain.insert(chain.end(), m_extraButtons.begin(), m_extraButtons.end());
    fields(false);
    chain.insert(chain.end(), {m_storeInitial, m_storeFinal, m_initialBox, m_finalBox});
    SetTabChain(chain);
}

int CMediumPage::SetInput(std::size_t field, double si) { return m_fields[field].set(si); }

double CMediumPage::FieldValue(std::size_t field) const { return m_fields[field].value(); }

bool CMediumPage::IsRelevant(std::size_t field) const { return m_fields[field].relevant(); }

CUnitField& CMediumPage::Field(std::size_t field) const { return *m_fields[field].unit; }

QWidget* CMediumPage::FieldLabel(std::size_t field) const { return m_fields[field].label; }

void CMediumPage::ReplaceLabel(std::size_t field, QWidget* label)
{
    QWidget*& old = m_fields[field].label;
    QGridLayout* grid = m_fields[field].role == PropertyRole::Output ? m_outputGrid : m_inputGrid;
    int row = 0;
    int column = 0;
    int rowSpan = 0;
    int columnSpan = 0;
    grid->getItemPosition(grid->indexOf(old), &row, &column, &rowSpan, &columnSpan);
    grid->removeWidget(old);
    delete old;
    grid->addWidget(label, row, column, rowSpan, columnSpan);
    old = label;    OrderTabs();
}

void CMediumPage::AddInputLine(QWidget* label, QWidget* control, QWidget* unitColumn)
{
    m_inputGrid->addWidget(label, m_inputLines, 0);
    m_inputGrid->addWidget(control, m_inputLines, 1);
    m_inputGrid->addWidget(unitColumn, m_inputLines, 2);
    ++m_inputLines;    m_extraInputs.push_back(control);
    OrderTabs();
}

void CMediumPage::AddAnalysisButton(QWidget* button)
{
    // Before the stretch that closes the line.
    m_analyses->insertWidget(m_analyses->count() - 1, button);    m_extraButtons.push_back(button);
    OrderTabs();
}

void CMediumPage::SetStateOrder(std::span<const std::size_t> fields)
{
    m_stateOrder.assign(fields.begin(), fields.end());
}

void CMediumPage::SetOutputsReadOnly(bool readOnly)
{
    for (const BoundField& field : m_fields)
        if (field.role == PropertyRole::Output)
            field.unit->Edit()->setReadOnly(readOnly);
}

void CMediumPage::FillUnits()
{
    for (const BoundField& field : m_fields)
        field.unit->FillUnits();
}

bool CMediumPage::event(QEvent* event) { return HandleParentHelpEvent(this, event) || QWidget::event(event); }

void CMediumPage::showEvent(QShowEvent* event)
{
    TabStopOnChecked(this);
    QWidget::showEvent(event);
}

void CMediumPage::InputChanged(std::size_t field, double si)
{
    const int message = SetInput(field, si);
    ShowModelMessage(message);
    ShowProperties(message);
}

void CMediumPage::ShowModelMessage(int message)
{
    const bool rejected = message != kMsgNone;
    if (rejected) {
        QString caption = UiString(message);
        if (IsModelMessage(message))
            caption += QString::fromStdString(m_limitText());
        m_properties->setTitle(caption);
        m_properties->SetColors(SysButtonFaceColor(), kMessageColor);
    } else {
        m_properties->setTitle(kPropertiesCaption);
        m_properties->ResetColors();
    }
    for (CButtonEx* button : {m_storeInitial, m_storeFinal, m_flow})
        button->setEnabled(!rejected);
    // A field whose value may lie below its range keeps the state that
    // ShowProperties gave its unit list, unless a message stands.
    for (const BoundField& field : m_fields)
        if (field.role == PropertyRole::Output && (rejected || field.lowest == 0))
            field.unit->UnitCombo()->setEnabled(!rejected);
}

void CMediumPage::ShowProperties(int message)
{
    for (const BoundField& field : m_fields) {
        if (field.role != PropertyRole::Output)
            continue;
        if (message != kMsgNone) {
            field.unit->Blank();
            continue;
        }
        const double value = field.value();
        if (field.lowest > 0) {
            // 0 is no value: the range's end, in the unit shown, says where it lies.
            const bool below = value == 0;
            field.unit->text = below ? QStringLiteral("< ") + field.unit->Format(field.lowest) : field.unit->Format(value);
            field.unit->UnitCombo()->setEnabled(!below);
        } else {
            field.unit->Show(value);
        }
    }
    ShowNotes(message == kMsgNone);
}

void CMediumPage::ShowNotes(bool shown)
{
    QStringList lines;
    if (shown && m_notes)
        for (int note : m_notes())
            lines.append(UiString(note));
    m_notesLabel->setText(lines.join(QLatin1Char('\n')));
    m_notesLabel->setHidden(lines.isEmpty());
}

void CMediumPage::ReadControls() { m_exchange->UpdateData(true); }

void CMediumPage::WriteControls()
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

QString CMediumPage::BuildStateText() const
{
    QString text;
    const QString heading = StateHeading();
    if (!heading.isEmpty())
        text += heading + QStringLiteral("\r\n");
    std::vector<std::size_t> order = m_stateOrder;
    if (order.empty())
        for (std::size_t i = 0; i < m_fields.size(); ++i)
            order.push_back(i);
    for (std::size_t index : order) {
        const BoundField& field = m_fields[index];
        if (!field.relevant())
            continue;
        text += field.stateName + QLatin1Char(' ') + field.unit->text + QLatin1Char(' ')
                + field.unit->UnitCombo()->currentText() + QStringLiteral("\r\n");
    }
    return text;
}

void CMediumPage::StoreState(StateSlot slot)
{
    ReadControls();
    m_memory.Store(slot, CurrentState());
    if (m_memory.EnergyAvailable())
        m_energy->setEnabled(true);
    const bool initial = slot == StateSlot::Initial;
    (initial ? m_initialBox : m_finalBox)->FilterOff();
    (initial ? m_initialText : m_finalText) = BuildStateText();
    WriteControls();
    emit StateStored(slot);
}

// A mass flow an analysis hands back on OK.
void CMediumPage::TakeMassFlow(double massFlow)
{
    BoundField& field = m_fields[m_massFlowField];
    field.set(massFlow);
    field.unit->Show(field.value());
    WriteControls();
}

void CMediumPage::OpenFlowAnalysis()
{
    if (m_host == nullptr)
        return;
    ReadControls();
    const FlowMedium medium = FlowMediumOf();
    CAnalizaPrzeplywuDlg& flow = m_host->FlowDialog();
    flow.SetCaption(medium.caption);
    flow.SetMedium(medium.density, medium.kinematicViscosity, medium.massFlow);
    if (flow.DoModal() == QDialog::Accepted)
        TakeMassFlow(flow.GetMassFlow());

    // Asked whatever the dialog's result, while the flow differs.
    if (m_memory.MassFlowDiffers(FieldValue(m_massFlowField))) {
        MessageRequest question;
        question.caption = QStringLiteral("Informacja");
        question.text = UiString(kIdsMassFlowChanged);
        question.icon = QMessageBox::Information;
        question.buttons = QMessageBox::Yes | QMessageBox::No;
        if (ShowMessageBox(this, question) == QMessageBox::Yes)
            StoreState(StateSlot::Final);
    }
}

void CMediumPage::OpenEnergyAnalysis()
{
    if (m_host == nullptr)
        return;
    ReadControls();
    const StoredState& initial = m_memory.Stored(StateSlot::Initial);
    const StoredState& final = m_memory.Stored(StateSlot::Final);
    CAnalizaEnergiiDlg& energy = m_host->EnergyDialog();
    const int stream = energy.SetStates(initial.massFlow, initial.enthalpy, initial.temperature, final.massFlow,
                                        final.enthalpy, final.temperature);
    if (energy.DoModal() == QDialog::Accepted)
        TakeMassFlow(m_memory.MediumMassFlow(stream, energy.GetMassFlow()));
}

CMediumPage::FlowMedium CMediumPage::FlowMedium::OfVolume(const char* medium, double volume,
                                                          double kinematicViscosity, double massFlow)
{
    FlowMedium flow;
    flow.caption = QStringLiteral("Analiza przepływu dla ") + QString::fromUtf8(medium)
                   + QStringLiteral(" o objętości właściwej ") + QString::fromStdString(FormatG(volume))
                   + QStringLiteral(" m^3/kg.");
    flow.density = 1 / volume;
    flow.kinematicViscosity = kinematicViscosity;
    flow.massFlow = massFlow;
    return flow;
}
