#include "units/CJednostkiPage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "base/NumberText.h"
#include "base/StringTable.h"
#include "controls/ContextHelp.h"
#include "controls/HelpControls.h"
#include "controls/UiString.h"
#include "units/CTabTextLabel.h"
#include "units/FillUnitCombo.h"
#include "units/JednostkiIds.h"
#include "units/Units.h"

using namespace JednostkiIds;

CJednostkiPage::CJednostkiPage(QWidget* parent) : QWidget(parent)
{
    m_quantityLabel = new QLabel(QStringLiteral("&Wybierz miary"), this);
    m_quantityCombo = new CComboBoxExt(IDC_QUANTITY, this);
    MakeComboSorted(m_quantityCombo);
    m_quantityLabel->setBuddy(m_quantityCombo);
    m_valueEdit = new CEditEx(IDC_VALUE, this);
    m_fromCombo = new CComboBoxExt(IDC_FROM_UNIT, this);
    m_equalsLabel = new QLabel(QStringLiteral("równe jest"), this);
    m_resultEdit = new CEditEx(IDC_RESULT, this);
    m_resultEdit->setReadOnly(true);
    m_toCombo = new CComboBoxExt(IDC_TO_UNIT, this);
    m_comment = new CTabTextLabel(IDC_COMMENT, QStringLiteral("Komentarz:"), this);
    m_convertButton = new CButtonEx(IDC_CONVERT, QStringLiteral("&Oblicz"), this);
    m_copyButton = new CButtonEx(IDC_COPY, QStringLiteral("&Kopiuj"), this);
    // Enter belongs to this page (the shortcut below), not to whichever
    // button of the sheet would otherwise be its default.
    m_convertButton->setAutoDefault(false);
    m_copyButton->setAutoDefault(false);

    // Tab order follows the rows.
    auto* grid = new QGridLayout;
    grid->addWidget(m_quantityLabel, 0, 0, 1, 2);
    grid->addWidget(m_quantityCombo, 1, 0, 1, 2);
    grid->addWidget(m_valueEdit, 2, 0);
    grid->addWidget(m_fromCombo, 2, 1);
    grid->addWidget(m_equalsLabel, 3, 0, 1, 2);
    grid->addWidget(m_resultEdit, 4, 0);
    grid->addWidget(m_toCombo, 4, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_convertButton);
    buttons->addWidget(m_copyButton);
    buttons->addStretch(1);

    auto* top = new QHBoxLayout;
    top->addLayout(grid, 1);
    top->addLayout(buttons);

    // The page keeps its own modest width in the top left corner of a
    // larger sheet instead of stretching its boxes across it.
    auto* layout = new QVBoxLayout;
    auto* outer = new QHBoxLayout(this);
    outer->addLayout(layout);
    outer->addStretch(1);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addWidget(m_comment);
    // Room for the longest comment, so the page keeps its size whichever
    // quantity it shows.
    QSize room = m_comment->SizeFor(m_comment->text());
    for (int q = kQuantityFirst; q <= kQuantityLast; q += kQuantityStep)
        room = room.expandedTo(m_comment->SizeFor(QString::fromStdString(QuantityComment(q))));
    m_comment->setMinimumSize(room);
    layout->addStretch(1);

    // Enter anywhere on the page converts and leaves the focus where it is.
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* enter = new QShortcut(QKeySequence(key), this);
        enter->setContext(Qt::WidgetWithChildrenShortcut);
        connect(enter, &QShortcut::activated, this, &CJednostkiPage::Convert);
    }

    // The program's own writes hold these controls' signals.
    for (QWidget* control : std::initializer_list<QWidget*>{m_quantityCombo, m_valueEdit, m_fromCombo, m_resultEdit,
                                                            m_toCombo})
        m_writes.AddControl(control);
    connect(m_quantityCombo, &QComboBox::currentIndexChanged, this, &CJednostkiPage::SelectQuantity);
    for (QComboBox* unit : {m_fromCombo, m_toCombo})
        connect(unit, &QComboBox::currentIndexChanged, this, &CJednostkiPage::Convert);
    connect(m_valueEdit, &QLineEdit::textChanged, this, &CJednostkiPage::Convert);
    connect(m_convertButton, &QPushButton::clicked, this, &CJednostkiPage::Convert);
    connect(m_copyButton, &QPushButton::clicked, this, &CJednostkiPage::CopyResult);

    OnInitDialog();
}

bool CJednostkiPage::event(QEvent* event)
{
    return HandleParentHelpEvent(this, event) || QWidget::event(event);
}

void CJednostkiPage::UpdateData(bool saveAndValidate)
{
    const CHandlerBlock::Guard guard(m_writes);
    if (saveAndValidate) {
        m_valueText = m_valueEdit->text();
        m_resultText = m_resultEdit->text();
    } else {
        // Only texts that differ, so the caret of the box being typed in
        // stays where it is.
        if (m_valueEdit->text() != m_valueText)
            m_valueEdit->setText(m_valueText);
        if (m_resultEdit->text() != m_resultText)
            m_resultEdit->setText(m_resultText);
    }
}

int CJednostkiPage::SelectedQuantity() const
{
    bool ok = false;
    const int number = m_quantityCombo->currentData().toInt(&ok);
    return ok ? number : 0;
}

void CJednostkiPage::ShowComment()
{
    // A comment that fails to load leaves the text as it was.
    const std::string& comment = LoadText(kCommentBase + m_quantityIndex);
    if (m_quantityIndex >= 0 && !comment.empty())
        m_comment->setText(QString::fromUtf8(comment));
}

void CJednostkiPage::OnInitDialog()
{
    m_value = 1;
    m_result = 1;
    m_valueText = m_resultText = QString::fromStdString(FormatG(1));
    m_quantityIndex = m_fromUnit = m_toUnit = 0;
    UpdateData(false);

    {
        const CHandlerBlock::Guard guard(m_writes);
        FillQuantityCombo(m_quantityCombo);
        const int quantity = SelectedQuantity();
        m_quantityIndex = QuantityIndex(quantity);
        FillUnitsOf(m_fromCombo, quantity);
        FillUnitsOf(m_toCombo, quantity);
    }
    ShowComment();
}

void CJednostkiPage::SelectQuantity()
{
    const int quantity = SelectedQuantity();
    m_quantityIndex = QuantityIndex(quantity);

    {
        const CHandlerBlock::Guard guard(m_writes);
        FillUnitsOf(m_fromCombo, quantity);
        FillUnitsOf(m_toCombo, quantity);
    }
    m_fromUnit = m_toUnit = 0;
    ShowComment();

    m_value = 1;
    m_result = 1;
    m_valueText = m_resultText = QString::fromStdString(FormatG(1));
    UpdateData(false);
}

void CJednostkiPage::Convert()
{
    UpdateData(true);
    m_value = ParseNumber(m_valueText.toStdString());
    m_fromUnit = m_fromCombo->currentIndex();
    m_toUnit = m_toCombo->currentIndex();
    m_result = ConvertUnits(SelectedQuantity(), m_fromUnit, m_toUnit, m_value);
    m_resultText = QString::fromStdString(FormatG(m_result));
    UpdateData(false);
}

void CJednostkiPage::CopyResult()
{
    UpdateData(true);
    // The edit box's own copy: the result exactly as shown, with the
    // decimal separator in force.
    m_resultEdit->selectAll();
    m_resultEdit->copy();
    m_resultEdit->deselect();
    m_resultEdit->home(false);
}
