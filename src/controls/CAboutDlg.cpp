#include "controls/CAboutDlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "base/BuildInfo.h"

CAboutDlg::CAboutDlg(QWidget* parent) : CDialog(parent)
{
    setWindowTitle(QStringLiteral("Informacje - Zentaro"));
    auto* layout = new QGridLayout(this);
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("icon"));
    icon->setPixmap(QPixmap(QStringLiteral(":/images/zentaro-128.png")).scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    layout->addWidget(icon, 0, 0, 3, 1, Qt::AlignTop);
    auto* name = new QLabel(QStringLiteral("Zentaro Wersja %1\nZentaro").arg(QLatin1String(kZentaroVersion)), this);
    name->setObjectName(QStringLiteral("version"));
    layout->addWidget(name, 0, 1);
    auto* credits = new QLabel(QStringLiteral("Kalkulator inżyniera instalacji grzewczych, wentylacyjnych i klimatyzacyjnych.\n"
                                              "Właściwości wody, pary wodnej i wilgotnego powietrza.\n"
                                              "Zespół Zentaro, 2026."),
                               this);
    credits->setObjectName(QStringLiteral("credits"));
    layout->addWidget(credits, 1, 1);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    layout->addWidget(ok, 0, 2, Qt::AlignTop);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
