#include "analysis/CKvDlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "analysis/AnalysisIds.h"
#include "analysis/KvRelation.h"
#include "base/NumberText.h"
#include "controls/ContextHelp.h"
#include "controls/FormColumns.h"
#include "controls/HelpControls.h"
#include "controls/TabOrder.h"

using namespace KvIds;

CKvDlg::CKvDlg(QWidget* parent) : CDialog(parent)
{
    setWindowTitle(QStringLiteral("Przeliczanie Kv"));
    EnableWhatsThis(this);
    auto* layout = new QGridLayout(this);
    auto* text = new QLabel(QStringLiteral("Przeliczanie wartości wspołczynnika przepływu Kv na sumę "
                                           "wspołczynników oporów miejscowych."),
                            this);
    SetParagraph(text);
    m_density = new CStaticEx(IDC_DENSITY_TEXT, QStringLiteral("Gęstość czynnika: 0000"), this);
    m_kvEdit = new CEditEx(IDC_KV, this);
    m_zetaEdit = new CEditEx(IDC_ZETA, this);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    SetControlId(ok, 1);
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Anuluj"), this);
    SetControlId(cancel, 2);

    layout->addWidget(text, 0, 0, 1, 3);
    layout->addWidget(m_density, 1, 0, 1, 3);
    layout->addWidget(new QLabel(QStringLiteral("Wartość  Kv"), this), 2, 0);
    layout->addWidget(m_kvEdit, 2, 1);
    layout->addWidget(new QLabel(QStringLiteral("m^3/h"), this), 2, 2);
    layout->addWidget(new QLabel(QStringLiteral("Wartość Σζ"), this), 3, 0);
    layout->addWidget(m_zetaEdit, 3, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons, 4, 0, 1, 3);

    // textEdited: only the user's edits, never the dialog's own writes.
    connect(m_kvEdit, &QLineEdit::textEdited, this, &CKvDlg::OnKvChanged);
    connect(m_zetaEdit, &QLineEdit::textEdited, this, &CKvDlg::OnZetaChanged);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CKvDlg::SetDensityText(const QString& text) { m_density->setText(text); }

void CKvDlg::OnInitDialog()
{
    m_kvEdit->FilterOn();
    m_zetaEdit->FilterOn();
    m_kv = KvFromZeta(m_zeta, m_area);
    m_zetaEdit->setText(QString::fromStdString(FormatG(m_zeta)));
    m_kvEdit->setText(QString::fromStdString(FormatG(m_kv)));
    FocusFirstInput(this);
}

void CKvDlg::OnKvChanged(const QString& text)
{
    m_kv = ParseNumber(text.toStdString());
    m_zeta = ZetaFromKv(m_kv, m_area);
    m_zetaEdit->setText(QString::fromStdString(FormatG(m_zeta)));
}

void CKvDlg::OnZetaChanged(const QString& text)
{
    m_zeta = ParseNumber(text.toStdString());
    m_kv = KvFromZeta(m_zeta, m_area);
    m_kvEdit->setText(QString::fromStdString(FormatG(m_kv)));
}
