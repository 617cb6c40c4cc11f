#pragma once

#include <QDialog>

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
// reach the analysis dialogs through IAnalysisHost. A dialog is made when it
// is first asked for and kept from then on: none is on screen at start, and
// until its first opening nothing could have changed what it carries.
class CZentaroTabbedDlg : public QDialog, public IAnalysisHost {
    Q_OBJECT
public:
    explicit CZentaroTabbedDlg(const QString& caption, QWidget* parent = nullptr, int firstPage = 0);
    ~CZentaroTabbedDlg() override;

    CKalkPage& KalkPage() { return *m_kalkPage; }
    CJednostkiPage& JednostkiPage() { return *m_jednostkiPage; }
    CWodaPage& WodaPage() { return *m_wodaPage; }
    CParaWodnaPage& ParaWodnaPage() { return *m_paraWodnaPage; }
    CPowietrzePage& PowietrzePage() { return *m_powietrzePage; }
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
    bool m_initialised = false;
};
