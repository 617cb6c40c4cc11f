#include "analysis/CRoznicaStrumieniDlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "analysis/AnalysisIds.h"
#include "controls/ContextHelp.h"
#include "controls/FormColumns.h"
#include "controls/HelpControls.h"
#include "controls/TabOrder.h"

using namespace RoznicaIds;

CRoznicaStrumieniDlg::CRoznicaStrumieniDlg(QWidget* parent) : CDialog(parent)
{
    setWindowTitle(QStringLiteral("Różnica strumieni masy"));
    EnableWhatsThis(this);
    auto* layout = new QVBoxLayout(this);
    auto* text1 = new QLabel(
        QStringLiteral("Strumień masy stanu początkowego jest różny od strumienia masy stanu końcowego."), this);
    auto* text2 = new QLabel(QStringLiteral("Dla wilgotnego powietrza dotyczy to strumienia suchego gazu.\n\n"
                                            "Wybierz wartość strumienia masy do obliczeń:"),
                             this);
    SetParagraph(text1);
    SetParagraph(text2);
    m_initial = new CRadioButtonEx(IDC_INITIAL_STREAM, QStringLiteral("&Strumień stanu początkowego"), this);
    m_final = new CRadioButtonEx(IDC_FINAL_STREAM, QStringLiteral("S&trumień stanu końcowego"), this);
    m_difference = new CRadioButtonEx(IDC_STREAM_DIFFERENCE, QStringLiteral("&Różnica strumieni"), this);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    SetControlId(ok, 1);
    ok->setDefault(true);
    layout->addWidget(text1);
    layout->addWidget(text2);
    layout->addWidget(m_initial);
    layout->addWidget(m_final);
    layout->addWidget(m_difference);
    layout->addWidget(ok, 0, Qt::AlignRight);

    connect(m_initial, &QRadioButton::clicked, this, [this] { m_choice = 0; });
    connect(m_final, &QRadioButton::clicked, this, [this] { m_choice = 1; });
    connect(m_difference, &QRadioButton::clicked, this, [this] { m_choice = 2; });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void CRoznicaStrumieniDlg::OnInitDialog()
{
    m_initial->setChecked(true);
    m_choice = 0;
    FocusFirstInput(this);
}
