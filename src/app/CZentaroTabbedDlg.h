#pragma once

#include <QDialog>
#include <array>

#include "analysis/AnalysisHost.h"

class QTabWidget;
class QPushButton;
class QToolButton;
class QMenu;
class CKalkPage;
class CJednostkiPage;
class CWodaPage;
class CParaWodnaPage;
class CPowietrzePage;

// The main window: five pages on tabs and the one "Zakończ" button. It owns
// the pages and the analysis dialogs for the whole run; pages and dialogs
// reach the analysis dialogs through IAnalysisHost.
//
// What is not on screen is not built yet, which keeps the start small and
// quick. A page is built when its tab is first shown (or when it is asked
// for) and then takes the place of a blank stand-in on its tab, so the tabs
// hold the pages themselves from then on. A page depends on nothing outside
// itself, so built late it starts as it would have at start. A dialog is
// made when it is first asked for and kept from then on: none is on screen
// at start, and until its first opening nothing could have changed what it
// carries.
class CZentaroTabbedDlg : public QDialog, public IAnalysisHost {
    Q_OBJECT
public:
    // The tabs, in order.
    enum PageIndex : int { kKalkTab, kJednostkiTab, kWodaTab, kParaWodnaTab, kPowietrzeTab, kTabCount };

    explicit CZentaroTabbedDlg(const QString& caption, QWidget* parent = nullptr, int firstPage = kKalkTab);
    ~CZentaroTabbedDlg() override;

    // Each builds its page if it is not built yet; the current tab stays.
    CKalkPage& KalkPage();
    CJednostkiPage& JednostkiPage();
    CWodaPage& WodaPage();
    CParaWodnaPage& ParaWodnaPage();
    CPowietrzePage& PowietrzePage();
    bool IsPageBuilt(int index) const { return index >= 0 && index < kTabCount && m_pages[index] != nullptr; }
    CAnalizaPrzeplywuDlg& FlowDialog() override;
    CAnalizaEnergiiDlg& EnergyDialog() override;
    CRoznicaStrumieniDlg& MassStreamDialog() override;
    CKsztaltPrzewoduDlg& DuctShapeDialog() override;

    QTabWidget* Tabs() const { return m_tabs; }
    QPushButton* FinishButton() const { return m_finish; }
    // The about item's menu (absent when string 101 is empty).
    QMenu* AboutMenu() const { return m_aboutMenu; }

    // Opens the about box modally.
    void OnAbout();

    // Help: a context id opens the help window at that topic; 0 opens the
    // contents. The help controls route their requests here.
    void ShowHelpTopic(unsigned contextId);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OnInitDialog();
    // The page of a tab, built (and put on its tab) if need be.
    QWidget& EnsurePage(int index);
    QWidget* MakePage(int index);

    QTabWidget* m_tabs = nullptr;
    QPushButton* m_finish = nullptr;
    QToolButton* m_menuButton = nullptr;
    QMenu* m_aboutMenu = nullptr;
    CKalkPage* m_kalkPage = nullptr;
    CJednostkiPage* m_jednostkiPage = nullptr;
    CWodaPage* m_wodaPage = nullptr;
    CParaWodnaPage* m_paraWodnaPage = nullptr;
    CPowietrzePage* m_powietrzePage = nullptr;
    CAnalizaPrzeplywuDlg* m_flowDlg = nullptr;
    CAnalizaEnergiiDlg* m_energyDlg = nullptr;
    CRoznicaStrumieniDlg* m_massStreamDlg = nullptr;
    CKsztaltPrzewoduDlg* m_ductShapeDlg = nullptr;
    // The built pages by tab; null until built.
    std::array<QWidget*, kTabCount> m_pages{};
    bool m_initialised = false;
};
