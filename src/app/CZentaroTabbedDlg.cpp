#include "app/CZentaroTabbedDlg.h"

#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QtMath>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
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

namespace {

// What a tab shows until its page is built: nothing, but it asks for the
// room the largest page takes, so that the window has its final size from
// the start and does not grow when a page first appears. The room is
// counted in the font's units, as the pages' texts set their size.
class CPageStandIn : public QWidget {
public:
    using QWidget::QWidget;

    QSize sizeHint() const override { return Room(kHintWidth, kHintHeight); }
    QSize minimumSizeHint() const override { return Room(kMinimumWidth, kMinimumHeight); }

private:
    // In average letter widths and line heights.
    static constexpr double kHintWidth = 118.5;
    static constexpr double kHintHeight = 40.0;
    static constexpr double kMinimumWidth = 112.0;
    static constexpr double kMinimumHeight = 33.2;

    QSize Room(double letters, double lines) const
    {
        const QFontMetricsF metrics(font());
        static const QString kLetters = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
        const double letter = metrics.horizontalAdvance(kLetters) / double(kLetters.size());
        return QSize(qCeil(letters * letter), qCeil(lines * metrics.height()));
    }
};

} // namespace

CZentaroTabbedDlg::CZentaroTabbedDlg(const QString& caption, QWidget* parent, int firstPage) : QDialog(parent)
{
    setWindowTitle(caption);
    setWindowIcon(ZentaroIcon());
    // The caption's "?" and Shift+F1: a click then explains the control.
    EnableWhatsThis(this);
    setWindowFlag(Qt::WindowMinimizeButtonHint, true);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("tabs"));
    for (const QString& title : {QStringLiteral("Kalkulator"), QStringLiteral("Jednostki miar"), QStringLiteral("Woda"),
                                 QStringLiteral("Para wodna"), QStringLiteral("Wilgotne powietrze")})
        m_tabs->addTab(new CPageStandIn, title);
    // First, so that whoever else listens to the tabs finds the page built.
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int index) {
        if (index >= 0 && index < kTabCount)
            EnsurePage(index);
    });

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
    m_tabs->setCurrentIndex(firstPage);
    EnsurePage(m_tabs->currentIndex());
}

CZentaroTabbedDlg::~CZentaroTabbedDlg() = default;

QWidget* CZentaroTabbedDlg::MakePage(int index)
{
    switch (index) {
    case kKalkTab:
        return m_kalkPage = new CKalkPage(m_tabs);
    case kJednostkiTab:
        return m_jednostkiPage = new CJednostkiPage(m_tabs);
    case kWodaTab:
        return m_wodaPage = new CWodaPage(this, m_tabs);
    case kParaWodnaTab:
        return m_paraWodnaPage = new CParaWodnaPage(this, m_tabs);
    default:
        return m_powietrzePage = new CPowietrzePage(this, m_tabs);
    }
}

QWidget& CZentaroTabbedDlg::EnsurePage(int index)
{
    if (m_pages[index] != nullptr)
        return *m_pages[index];
    QWidget* page = MakePage(index);
    m_pages[index] = page;

    // The page goes on the tab in front of its stand-in, which then goes:
    // the current tab stays what it was, and whoever listens to the tabs
    // hears of no change.
    {
        const QSignalBlocker quiet(m_tabs);
        QWidget* standIn = m_tabs->widget(index);
        const bool shown = m_tabs->currentIndex() == index;
        m_tabs->insertTab(index, page, m_tabs->tabText(index));
        if (shown)
            m_tabs->setCurrentIndex(index);
        m_tabs->removeTab(index + 1);
        standIn->deleteLater();
    }

    // A page built now stands after the buttons in the order of Tab; the
    // buttons go back to the end, after every page, as when all were built
    // at start.
    QWidget* last = previousInFocusChain();
    while (last != this && last->focusPolicy() == Qt::NoFocus)
        last = last->previousInFocusChain();
    if (last != this && last != m_finish && last != m_menuButton) {
        QWidget::setTabOrder(last, m_finish);
        if (m_menuButton != nullptr)
            QWidget::setTabOrder(m_finish, m_menuButton);
    }
    return *page;
}

CKalkPage& CZentaroTabbedDlg::KalkPage()
{
    EnsurePage(kKalkTab);
    return *m_kalkPage;
}

CJednostkiPage& CZentaroTabbedDlg::JednostkiPage()
{
    EnsurePage(kJednostkiTab);
    return *m_jednostkiPage;
}

CWodaPage& CZentaroTabbedDlg::WodaPage()
{
    EnsurePage(kWodaTab);
    return *m_wodaPage;
}

CParaWodnaPage& CZentaroTabbedDlg::ParaWodnaPage()
{
    EnsurePage(kParaWodnaTab);
    return *m_paraWodnaPage;
}

CPowietrzePage& CZentaroTabbedDlg::PowietrzePage()
{
    EnsurePage(kPowietrzeTab);
    return *m_powietrzePage;
}

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
