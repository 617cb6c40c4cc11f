#include "analysis/CKsztaltPrzewoduDlg.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "analysis/AnalysisIds.h"
#include "base/NumberText.h"
#include "base/StringTable.h"
#include "controls/ContextHelp.h"
#include "controls/FormColumns.h"
#include "controls/HelpControls.h"
#include "controls/TabOrder.h"
#include "controls/UiString.h"

using namespace KsztaltIds;

CKsztaltPrzewoduDlg::CKsztaltPrzewoduDlg(QWidget* parent) : CDialog(parent)
{
    setWindowTitle(QStringLiteral("Niejednoznaczność kształtu"));
    EnableWhatsThis(this);
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(QStringLiteral("Pole przekroju poprzecznego przewodu nie określa jednoznacznie kształtu "
                                           "przewodu koniecznego do obliczenia promienia hydraulicznego - określ "
                                           "kształt przewodu:"),
                            this);
    SetParagraph(text);
    m_round = new CRadioButtonEx(IDC_ROUND, QStringLiteral("Przewód &okrągły"), this);
    m_rectangular = new CRadioButtonEx(IDC_RECTANGULAR, QStringLiteral("Przewód &prostokątny"), this);
    m_label = new CStaticEx(IDC_PROPORTION_LABEL, QStringLiteral("&Proporcja L / H"), this);
    m_edit = new CEditEx(IDC_PROPORTION, this);
    m_label->setBuddy(m_edit);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    SetControlId(ok, 1);
    ok->setDefault(true);

    auto* proportion = new QHBoxLayout;
    proportion->addWidget(m_label);
    proportion->addWidget(m_edit);
    layout->addWidget(text);
    layout->addWidget(m_round);
    layout->addWidget(m_rectangular);
    layout->addLayout(proportion);
    layout->addWidget(ok, 0, Qt::AlignRight);

    connect(m_round, &QRadioButton::clicked, this, [this] { m_choice = 0; });
    connect(m_rectangular, &QRadioButton::clicked, this, [this] {
        m_label->setEnabled(true);
        m_edit->setEnabled(true);
        m_choice = 1;
    });
    connect(ok, &QPushButton::clicked, this, &CKsztaltPrzewoduDlg::OnOK);
}

void CKsztaltPrzewoduDlg::OnInitDialog()
{
    m_edit->FilterOn();
    m_edit->setText(QString::fromStdString(FormatG(m_proportion, 15)));
    m_round->setChecked(true);
    m_label->setEnabled(false);
    m_edit->setEnabled(false);
    m_choice = 0;
    FocusFirstInput(this);
}

void CKsztaltPrzewoduDlg::OnOK()
{
    // A single number with blanks around it at most.
    const std::string text = m_edit->text().toStdString();
    const std::size_t begin = text.find_first_not_of(" \t");
    const std::string trimmed =
        begin == std::string::npos ? std::string() : text.substr(begin, text.find_last_not_of(" \t") - begin + 1);
    const std::size_t length = NumberPrefixLength(trimmed, DecimalSeparator());
    if (trimmed.empty() || length != trimmed.size()) {
        ShowMessageBox(this, {windowTitle(), UiString(kIdsNumberExpected), QMessageBox::Warning, QMessageBox::Ok});
        m_edit->setFocus();
        m_edit->selectAll();
        return;
    }
    const double value = ParseNumber(trimmed);
    if (!(value >= 0 && value <= 100)) {
        const QString message = UiString(kIdsNumberOutOfRange).replace(QStringLiteral("%1"), QStringLiteral("0"))
                                    .replace(QStringLiteral("%2"), QStringLiteral("100"));
        ShowMessageBox(this, {windowTitle(), message, QMessageBox::Warning, QMessageBox::Ok});
        m_edit->setFocus();
        m_edit->selectAll();
        return;
    }
    m_proportion = value;
    accept();
}
