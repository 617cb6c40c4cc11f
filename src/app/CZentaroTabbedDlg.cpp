#include "app/CZentaroTabbedDlg.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "analysis/CAnalizaEnergiiDlg.h"
#include "analysis/CAnalizaPrzeplywuDlg.h"
#include "analysis/CKsztaltPrzewoduDlg.h"
#include "analysis/CRoznicaStrumieniDlg.h"
#include "app/AppIcon.h"
#include "app/CSplashWnd.h"
#include "calc/CKalkPage.h"
#include "controls/CAboutDlg.h"
#include "controls/ContextHelp.h"
#include "controls/UiString.h"
#include "pages/CParaWodnaPage.h"
#include "pages/CPowietrzePage.h"
#include "pages/CWodaPage.h"
#include "units/CJednostkiPage.h"

CZentaroTabbedDlg::CZentaroTabbedDlg(const QString& caption, QWidget* parent, int firstPage) : QDialog(parent)
{
    setWindowTitle(caption);
    setWindowIcon(ZentaroIcon());
    // The caption's "?" and Shift+F1: a click then explains the control.
    EnableWhatsThis(this);
    setWindowFlag(Qt::WindowMinimizeButtonHint, true);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("tabs"));
    m_kalkPage = new CKalkPage(m_tabs);
    m_jednostkiPage = new CJednostkiPage(m_tabs);
    m_wodaPage = new CWodaPage(this, m_tabs);
    m_paraWodnaPage = new CParaWodnaPage(this, m_tabs);
    m_powietrzePage = new CPowietrzePage(this, m_tabs);
    m_tabs->addTab(m_kalkPage, QStringLiteral("Kalkulator"));
    m_tabs->addTab(m_jednostkiPage, QStringLiteral("Jednostki miar"));
    m_tabs->addTab(m_wodaPage, QStringLiteral("Woda"));
    m_tabs->addTab(m_paraWodnaPage, QStringLiteral("Para wodna"));
    m_tabs->addTab(m_powietrzePage, QStringLiteral("Wilgotne powietrze"));
    m_tabs->setCurrentIndex(firstPage);

    // The one button: it ends the program, as the close box does. It is
    // never the default, so Enter on a page never closes the window.
    m_finish = new QPushButton(this);
    m_finish->setObjectName(QStringLiteral("finish"));
    m_finish->setAutoDefault(false);
    m_finish->setDefault(false);
    connect(m_finish, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_finish);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    layout->addLayout(buttons);

    OnInitDialog();
}

CZentaroTabbedDlg::~CZentaroTabbedDlg() = default;

// The dialogs are children of the sheet, so they go with it.
CAnalizaPrzeplywuDlg& CZentaroTabbedDlg::FlowDialog()
{
    if (m_flowDlg == nullptr)
        m_flowDlg = new CAnalizaPrzeplywuDlg(this, this);
    return *m_flowDlg;
}

CAnalizaEnergiiDlg& CZentaroTabbedDlg::EnergyDialog()
{
    if (m_energyDlg == nullptr)
        m_energyDlg = new CAnalizaEnergiiDlg(this, this);
    return *m_energyDlg;
}

CRoznicaStrumieniDlg& CZentaroTabbedDlg::MassStreamDialog()
{
    if (m_massStreamDlg == nullptr)
        m_massStreamDlg = new CRoznicaStrumieniDlg(this);
    return *m_massStreamDlg;
}

CKsztaltPrzewoduDlg& CZentaroTabbedDlg::DuctShapeDialog()
{
    if (m_ductShapeDlg == nullptr)
        m_ductShapeDlg = new CKsztaltPrzewoduDlg(this);
    return *m_ductShapeDlg;
}

void CZentaroTabbedDlg::OnInitDialog()
{
    // The about item: in a menu at the corner of the tab bar and in the tab
    // bar's context menu, as a window manager menu cannot take it.
    const QString aboutText = UiString(101);
    if (!aboutText.isEmpty()) {
        m_aboutMenu = new QMenu(this);
        m_aboutMenu->addSeparator();
        QAction* about = m_aboutMenu->addAction(aboutText);
        about->setObjectName(QStringLiteral("about"));
        connect(about, &QAction::triggered, this, &CZentaroTabbedDlg::OnAbout);
        m_menuButton = new QToolButton(m_tabs);
        m_menuButton->setObjectName(QStringLiteral("menuButton"));
        m_menuButton->setText(QStringLiteral("\u2630"));
        m_menuButton->setToolTip(QString(aboutText).remove(QLatin1Char('&')));
        m_menuButton->setAutoRaise(true);
        m_menuButton->setPopupMode(QToolButton::InstantPopup);
        m_menuButton->setMenu(m_aboutMenu);
        m_tabs->setCornerWidget(m_menuButton, Qt::TopRightCorner);
        m_tabs->tabBar()->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(m_tabs->tabBar(), &QWidget::customContextMenuRequested, this,
                [this](const QPoint& pos) { m_aboutMenu->popup(m_tabs->tabBar()->mapToGlobal(pos)); });
    }
    m_finish->setText(UiString(102));
}

void CZentaroTabbedDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_initialised) {
        m_initialised = true;
        CSplashWnd::EnableSplash(true);
        CSplashWnd::ShowSplash(this);
    }
}

void CZentaroTabbedDlg::OnAbout()
{
    CAboutDlg about(this);
    about.DoModal();
}

void CZentaroTabbedDlg::ShowHelpTopic(unsigned contextId) { OpenHelpTopic(this, contextId); }
