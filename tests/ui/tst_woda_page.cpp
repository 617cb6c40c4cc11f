#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWhatsThis>
#include <QtTest>
#include <cmath>
#include <functional>
#include <vector>

#include "analysis/AnalysisIds.h"
#include "analysis/CAnalizaEnergiiDlg.h"
#include "analysis/CAnalizaPrzeplywuDlg.h"
#include "app/CSplashWnd.h"
#include "app/CZentaroTabbedDlg.h"
#include "base/NumberText.h"
#include "controls/ContextHelp.h"
#include "controls/HelpControls.h"
#include "controls/UiString.h"
#include "pages/CWodaPage.h"
#include "pages/PageIds.h"
#include "PageTestSupport.h"
#include "WidgetTestSupport.h"

using namespace WodaIds;

namespace {

CGroupBoxEx* Properties(QWidget& w) { return Ctrl<CGroupBoxEx>(w, IDC_PROPERTIES); }

const unsigned kOutputs[] = {IDC_DENSITY,      IDC_EXPANSION,         IDC_SPECIFIC_HEAT,       IDC_ENTHALPY,
                             IDC_CONDUCTIVITY, IDC_DYNAMIC_VISCOSITY, IDC_KINEMATIC_VISCOSITY, IDC_SURFACE_TENSION,
                             IDC_PRANDTL};
const unsigned kOutputUnits[] = {
    IDC_DENSITY_UNIT,      IDC_EXPANSION_UNIT,         IDC_SPECIFIC_HEAT_UNIT,       IDC_ENTHALPY_UNIT,
    IDC_CONDUCTIVITY_UNIT, IDC_DYNAMIC_VISCOSITY_UNIT, IDC_KINEMATIC_VISCOSITY_UNIT, IDC_SURFACE_TENSION_UNIT,
    IDC_PRANDTL_UNIT};
const unsigned kNeedProperties[] = {IDC_STORE_INITIAL, IDC_STORE_FINAL, IDC_FLOW};

// The twelve state lines of a fresh page, worked out by hand from the water
// fits at 0 °C (t = 0 leaves the constant terms; the expansion is minus the
// density's linear term over the density).
QString FreshStateText()
{
    return Lines({
        "Temperatura 273.15 K",
        "Ciśnienie 100000 Pa",
        "Strumień masy 1 kg/s",
        "Gęstość 999.732 kg/m^3",
        "Rozszerzalność objętościowa -7.93713e-05 1/K",
        "Ciepło właściwe 4214 J/(kg K)",
        "Entalpia 59.47 J/kg",
        "Przewodność cieplna 0.5687 W/(m K)",
        "Lepkość dynamiczna 0.00179676 Pa*s",
        "Lepkość kinematyczna 1.79725e-06 m^2/s",
        "Napięcie powierzchniowe 0.075687 N/m",
        "Liczba Prandtla 13.2979 bez miana",
    });
}

// What the modal analyses do when opened: the test sets it.
auto& g_modal = Answers().modal;
auto& g_questions = Answers().questions;
auto& g_answer = Answers().answer;

} // namespace

class TestWodaPage : public QObject {
    Q_OBJECT

    CZentaroTabbedDlg* m_sheet = nullptr;
    CWodaPage* m_page = nullptr;

private slots:
    void initTestCase() { InstallPageTestHooks(SystemDecimalSeparator()); }
    void cleanupTestCase() { RemovePageTestHooks(); }
    void init()
    {
        m_sheet = ShowSheetAt(&CZentaroTabbedDlg::WodaPage, m_page);
        QVERIFY(QTest::qWaitForWindowExposed(m_sheet));
    }
    void cleanup()
    {
        delete m_sheet;
        m_sheet = nullptr;
    }

    void freshPage()
    {
        CWodaPage& p = *m_page;
        QCOMPARE(TextOf(p, IDC_TEMPERATURE), Num("273.15"));
        QCOMPARE(TextOf(p, IDC_PRESSURE), QStringLiteral("100000"));
        QCOMPARE(TextOf(p, IDC_MASS_FLOW), QStringLiteral("1"));
        QCOMPARE(TextOf(p, IDC_DENSITY), Num("999.732"));
        QCOMPARE(TextOf(p, IDC_PRANDTL), Num("13.2979"));
        for (unsigned combo :
             {IDC_TEMPERATURE_UNIT, IDC_PRESSURE_UNIT, IDC_MASS_FLOW_UNIT, IDC_DENSITY_UNIT, IDC_EXPANSION_UNIT,
              IDC_SPECIFIC_HEAT_UNIT, IDC_ENTHALPY_UNIT, IDC_CONDUCTIVITY_UNIT, IDC_DYNAMIC_VISCOSITY_UNIT,
              IDC_KINEMATIC_VISCOSITY_UNIT, IDC_SURFACE_TENSION_UNIT, IDC_PRANDTL_UNIT})
            QCOMPARE(Combo(p, combo)->currentIndex(), 0);
        QCOMPARE(Combo(p, IDC_TEMPERATURE_UNIT)->currentText(), QStringLiteral("K"));
        QCOMPARE(Combo(p, IDC_PRANDTL_UNIT)->currentText(), QStringLiteral("bez miana"));
        QCOMPARE(Properties(p)->title(), QStringLiteral("Właściwości"));
        QCOMPARE(Ctrl<QGroupBox>(p, IDC_PARAMETERS)->title(), QStringLiteral("Parametry"));
        QVERIFY(!Button(p, IDC_ENERGY)->isEnabled());
        for (unsigned id : kNeedProperties)
            QVERIFY(Button(p, id)->isEnabled());
        QVERIFY(Ctrl<QPlainTextEdit>(p, IDC_INITIAL_TEXT)->toPlainText().isEmpty());
        QVERIFY(Ctrl<QPlainTextEdit>(p, IDC_FINAL_TEXT)->toPlainText().isEmpty());
        // The outputs are writable on this page.
        for (unsigned id : kOutputs)
            QVERIFY(!Edit(p, id)->isReadOnly());
        QVERIFY(!p.IsStored(StateSlot::Initial));
        QVERIFY(!p.IsStored(StateSlot::Final));
    }

    void rejectedTemperatureAndItsRecovery()
    {
        CWodaPage& p = *m_page;
        Type(p, IDC_TEMPERATURE, Num("423.16"));
        QCOMPARE(Properties(p)->title(), Num("Temperatura wyższa od temperatury maksymalnej   423.15 K"));
        QCOMPARE(Properties(p)->TextColor(), QColor(255, 0, 0));
        QCOMPARE(Properties(p)->BackgroundColor(), SysButtonFaceColor());
        // Only the caption turns red, not the labels inside the frame.
        QVERIFY(Properties(p)->findChildren<QWidget*>().isEmpty());
        for (unsigned id : kOutputs)
            QVERIFY2(TextOf(p, id).isEmpty(), qPrintable(QString::number(id)));
        for (unsigned id : kNeedProperties)
            QVERIFY(!Button(p, id)->isEnabled());
        for (unsigned id : kOutputUnits)
            QVERIFY(!Combo(p, id)->isEnabled());
        // The inputs stay usable, so the user can mend the value.
        QVERIFY(Edit(p, IDC_TEMPERATURE)->isEnabled());
        QVERIFY(Combo(p, IDC_TEMPERATURE_UNIT)->isEnabled());
        QCOMPARE(TextOf(p, IDC_TEMPERATURE), Num("423.16"));

        // Back at the limit: accepted.
        QTest::keyClick(Edit(p, IDC_TEMPERATURE), Qt::Key_Backspace);
        QTest::keyClick(Edit(p, IDC_TEMPERATURE), '5');
        QCOMPARE(Properties(p)->title(), QStringLiteral("Właściwości"));
        QCOMPARE(Properties(p)->TextColor(), SysWindowTextColor());
        QCOMPARE(TextOf(p, IDC_DENSITY), Num("916.825"));  // 150 °C
        for (unsigned id : kNeedProperties)
            QVERIFY(Button(p, id)->isEnabled());
        for (unsigned id : kOutputUnits)
            QVERIFY(Combo(p, id)->isEnabled());
    }

    void lastEditedInputOwnsTheMessageLine()
    {
        CWodaPage& p = *m_page;
        Type(p, IDC_TEMPERATURE, QStringLiteral("500"));
        QVERIFY(TextOf(p, IDC_DENSITY).isEmpty());
        // An accepted pressure clears the temperature message and shows the
        // properties of the last accepted temperature (273.15 K).
        Type(p, IDC_PRESSURE, QStringLiteral("200000"));
        QCOMPARE(Properties(p)->title(), QStringLiteral("Właściwości"));
        QCOMPARE(TextOf(p, IDC_DENSITY), Num("999.732"));
        QCOMPARE(p.Model().GetPressure(), 200000.0);
        // And the reverse: a pressure message cleared by a temperature.
        Type(p, IDC_PRESSURE, QStringLiteral("2e7"));
        QCOMPARE(Properties(p)->title(), QStringLiteral("Ciśnienie wyższe od ciśnienia maksymalnego    10 MPa"));
        QCOMPARE(p.Model().GetPressure(), 200000.0);
        Type(p, IDC_TEMPERATURE, QStringLiteral("300"));
        QCOMPARE(Properties(p)->title(), QStringLiteral("Właściwości"));
        QVERIFY(!TextOf(p, IDC_DENSITY).isEmpty());
    }

    void textThatIsNotANumber()
    {
        CWodaPage& p = *m_page;
        // Pasted garbage and empty boxes read as 0, which the model rejects.
        Paste(p, IDC_TEMPERATURE, QStringLiteral("abc"));
        QCOMPARE(Properties(p)->title(), Num("Temperatura niższa od temperatury minimalnej   273.15 K"));
        Paste(p, IDC_TEMPERATURE, QStringLiteral("300"));
        QCOMPARE(Properties(p)->title(), QStringLiteral("Właściwości"));
        Type(p, IDC_PRESSURE, QString());
        QCOMPARE(Properties(p)->title(), QStringLiteral("Ciśnienie niższe od ciśnienia minimalnego   100 kPa"));
        Paste(p, IDC_PRESSURE, QStringLiteral("-"));
        QCOMPARE(Properties(p)->title(), QStringLiteral("Ciśnienie niższe od ciśnienia minimalnego   100 kPa"));
        // The model refuses an infinity with a message of its own, no limit.
        Paste(p, IDC_TEMPERATURE, QStringLiteral("1e999"));
        QCOMPARE(Properties(p)->title(), QStringLiteral("Wartość nie jest liczbą skończoną"));
        Paste(p, IDC_TEMPERATURE, QStringLiteral("-inf"));
        QCOMPARE(Properties(p)->title(), QStringLiteral("Wartość nie jest liczbą skończoną"));

        // A NaN is refused the same way; the model keeps its last accepted
        // state.
        Paste(p, IDC_TEMPERATURE, QStringLiteral("350"));
        const double density = p.Model().GetDensity();
        Paste(p, IDC_TEMPERATURE, QStringLiteral("nan"));
        QCOMPARE(Properties(p)->title(), QStringLiteral("Wartość nie jest liczbą skończoną"));
        QCOMPARE(Properties(p)->TextColor(), QColor(255, 0, 0));
        QVERIFY(TextOf(p, IDC_DENSITY).isEmpty());
        QVERIFY(!Button(p, IDC_STORE_INITIAL)->isEnabled());
        QCOMPARE(p.Model().GetTemperature(), 350.0);
        QCOMPARE(p.Model().GetDensity(), density);
        Paste(p, IDC_PRESSURE, QStringLiteral("NaN"));
        QCOMPARE(Properties(p)->title(), QStringLiteral("Wartość nie jest liczbą skończoną"));
        Paste(p, IDC_PRESSURE, QStringLiteral("100000"));
        QCOMPARE(Properties(p)->title(), QStringLiteral("Właściwości"));
        QCOMPARE(TextOf(p, IDC_DENSITY), QString::fromStdString(FormatG(density)));

        // A mass flow is never rejected, not even a negative one.
        Type(p, IDC_MASS_FLOW, QStringLiteral("-2"));
        QCOMPARE(p.Model().GetMassFlow(), -2.0);
        QCOMPARE(Properties(p)->title(), QStringLiteral("Właściwości"));
    }

    void unitChangesShowTheModelValue()
    {
        CWodaPage& p = *m_page;
        Type(p, IDC_TEMPERATURE, QStringLiteral("20"));
        QCOMPARE(p.Model().GetTemperature(), 20.0);  // still "K": rejected
        Choose(p, IDC_TEMPERATURE_UNIT, QStringLiteral("st C"));
        QCOMPARE(TextOf(p, IDC_TEMPERATURE), Num("-253.15"));
        Type(p, IDC_TEMPERATURE, QStringLiteral("20"));
        QCOMPARE(p.Model().GetTemperature(), 293.15);
        QCOMPARE(TextOf(p, IDC_ENTHALPY), Num("83872.2"));
        Choose(p, IDC_ENTHALPY_UNIT, QStringLiteral("kJ/kg"));
        QCOMPARE(TextOf(p, IDC_ENTHALPY), Num("83.8722"));
        Choose(p, IDC_PRESSURE_UNIT, QStringLiteral("MPa"));
        QCOMPARE(TextOf(p, IDC_PRESSURE), Num("0.1"));
        QCOMPARE(p.Model().GetPressure(), 100000.0);
        // A single-unit field ignores the choice.
        Combo(p, IDC_PRANDTL_UNIT)->setCurrentIndex(-1);
        QCOMPARE(TextOf(p, IDC_PRANDTL), Num("6.94185"));
    }

    void storingStates()
    {
        CWodaPage& p = *m_page;
        QTest::mouseClick(Button(p, IDC_STORE_INITIAL), Qt::LeftButton);
        QVERIFY(p.IsStored(StateSlot::Initial));
        QVERIFY(!Button(p, IDC_ENERGY)->isEnabled());
        QCOMPARE(p.StateText(StateSlot::Initial), FreshStateText());
        QString shown = FreshStateText().replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        shown.chop(1);
        QCOMPARE(Ctrl<QPlainTextEdit>(p, IDC_INITIAL_TEXT)->toPlainText(), shown);
        QVERIFY(!Ctrl<CMultiEditEx>(p, IDC_INITIAL_TEXT)->IsFilterOn());
        QVERIFY(Ctrl<CMultiEditEx>(p, IDC_FINAL_TEXT)->IsFilterOn());
        QVERIFY(Ctrl<QPlainTextEdit>(p, IDC_FINAL_TEXT)->toPlainText().isEmpty());

        // The final state, at another temperature and with the enthalpy
        // shown in kJ/kg: the stored enthalpy is the shown one.
        Type(p, IDC_TEMPERATURE, Num("293.15"));
        Choose(p, IDC_ENTHALPY_UNIT, QStringLiteral("kJ/kg"));
        QCOMPARE(TextOf(p, IDC_ENTHALPY), Num("83.8722"));
        QTest::mouseClick(Button(p, IDC_STORE_FINAL), Qt::LeftButton);
        QVERIFY(Button(p, IDC_ENERGY)->isEnabled());
        const StoredState& final = p.Stored(StateSlot::Final);
        QVERIFY(std::abs(final.enthalpy - 83872.2) < 1e-9);
        QVERIFY(final.enthalpy != p.Model().GetEnthalpy());
        QCOMPARE(final.temperature, 293.15);
        QCOMPARE(final.massFlow, 1.0);
        QVERIFY(p.StateText(StateSlot::Final).contains(Num("Entalpia 83.8722 kJ/kg\r\n")));
        const StoredState& initial = p.Stored(StateSlot::Initial);
        QCOMPARE(initial.temperature, 273.15);
        QVERIFY(std::abs(initial.enthalpy - 59.47) < 1e-12);

        // A typed enthalpy is what gets stored, and storing again overwrites.
        Type(p, IDC_ENTHALPY, QStringLiteral("100"));
        QTest::mouseClick(Button(p, IDC_STORE_INITIAL), Qt::LeftButton);
        QCOMPARE(p.Stored(StateSlot::Initial).enthalpy, 100000.0);
        QVERIFY(p.StateText(StateSlot::Initial).startsWith(Num("Temperatura 293.15 K\r\n")));
        QVERIFY(p.StateText(StateSlot::Initial).contains(QStringLiteral("Entalpia 100 kJ/kg\r\n")));
        QVERIFY(Button(p, IDC_ENERGY)->isEnabled());
    }

    void finalStateAloneLeavesEnergyDisabled()
    {
        CWodaPage& p = *m_page;
        QTest::mouseClick(Button(p, IDC_STORE_FINAL), Qt::LeftButton);
        QVERIFY(p.IsStored(StateSlot::Final));
        QVERIFY(!Button(p, IDC_ENERGY)->isEnabled());
        QTest::mouseClick(Button(p, IDC_STORE_INITIAL), Qt::LeftButton);
        QVERIFY(Button(p, IDC_ENERGY)->isEnabled());
    }

    void flowAnalysisTakesTheShownDensity()
    {
        CWodaPage& p = *m_page;
        Type(p, IDC_TEMPERATURE, QStringLiteral("350"));
        Type(p, IDC_DENSITY, QStringLiteral("1000"));
        QString caption;
        double density = 0;
        g_modal = [&](CDialog& dialog) {
            auto* flow = qobject_cast<CAnalizaPrzeplywuDlg*>(&dialog);
            if (!flow)
                qFatal("not the flow analysis");
            caption = flow->m_caption;
            density = flow->Analysis().Density();
            return int(QDialog::Rejected);
        };
        QTest::mouseClick(Button(p, IDC_FLOW), Qt::LeftButton);
        QCOMPARE(caption, QStringLiteral("Analiza przepływu dla wody o gęstości 1000 kg/m^3."));
        QCOMPARE(density, 1000.0);
        QVERIFY(g_questions.empty());  // no states stored: nothing to ask
        QCOMPARE(TextOf(p, IDC_DENSITY), QStringLiteral("1000"));

        // The next display of the properties replaces the typed density.
        Type(p, IDC_TEMPERATURE, QStringLiteral("300"));
        QTest::mouseClick(Button(p, IDC_FLOW), Qt::LeftButton);
        QCOMPARE(caption,
                 QStringLiteral("Analiza przepływu dla wody o gęstości ") + Num("996.68") + QStringLiteral(" kg/m^3."));
    }

    void newMassFlowFromTheFlowAnalysis()
    {
        CWodaPage& p = *m_page;
        QTest::mouseClick(Button(p, IDC_STORE_INITIAL), Qt::LeftButton);
        QTest::mouseClick(Button(p, IDC_STORE_FINAL), Qt::LeftButton);

        // Cancelled with the flow unchanged: no question.
        g_modal = [](CDialog&) { return int(QDialog::Rejected); };
        QTest::mouseClick(Button(p, IDC_FLOW), Qt::LeftButton);
        QVERIFY(g_questions.empty());

        // A doubled velocity doubles the mass flow; OK hands it back.
        double returned = 0;
        g_modal = [&](CDialog& dialog) {
            dialog.show();
            Type(dialog, PrzeplywIds::IDC_VELOCITY, QStringLiteral("2"));
            returned = static_cast<CAnalizaPrzeplywuDlg&>(dialog).GetMassFlow();
            dialog.hide();
            return int(QDialog::Accepted);
        };
        g_answer = QMessageBox::No;
        QTest::mouseClick(Button(p, IDC_FLOW), Qt::LeftButton);
        QVERIFY(returned > 1.5);
        QCOMPARE(p.Model().GetMassFlow(), returned);
        QCOMPARE(TextOf(p, IDC_MASS_FLOW), QString::fromStdString(FormatG(returned)));
        QCOMPARE(g_questions.size(), size_t(1));
        const MessageRequest& question = g_questions.front();
        QCOMPARE(question.caption, QStringLiteral("Informacja"));
        QCOMPARE(question.icon, QMessageBox::Information);
        QCOMPARE(question.buttons, QMessageBox::Yes | QMessageBox::No);
        QVERIFY(question.text.startsWith(QStringLiteral("Wartość strumienia masy czynnika jest różna")));
        QVERIFY(question.text.endsWith(QStringLiteral("\n\nCzy aktualizować stan końcowy czynnika ?")));
        // No keeps the final state.
        QCOMPARE(p.Stored(StateSlot::Final).massFlow, 1.0);
        QVERIFY(p.StateText(StateSlot::Final).contains(QStringLiteral("Strumień masy 1 kg/s\r\n")));

        // Asked again even when cancelled, while the flow still differs;
        // Yes rewrites the final state with the new flow.
        g_questions.clear();
        g_answer = QMessageBox::Yes;
        g_modal = [](CDialog&) { return int(QDialog::Rejected); };
        QTest::mouseClick(Button(p, IDC_FLOW), Qt::LeftButton);
        QCOMPARE(g_questions.size(), size_t(1));
        QCOMPARE(p.Stored(StateSlot::Final).massFlow, returned);
        QVERIFY(
            p.StateText(StateSlot::Final)
                .contains(QStringLiteral("Strumień masy ") + TextOf(p, IDC_MASS_FLOW) + QStringLiteral(" kg/s\r\n")));
        QCOMPARE(p.Stored(StateSlot::Initial).massFlow, 1.0);
    }

    void energyAnalysisGetsTheStoredStates()
    {
        CWodaPage& p = *m_page;
        QTest::mouseClick(Button(p, IDC_STORE_INITIAL), Qt::LeftButton);
        Type(p, IDC_TEMPERATURE, QStringLiteral("330"));
        QTest::mouseClick(Button(p, IDC_STORE_FINAL), Qt::LeftButton);
        const double h1 = p.Stored(StateSlot::Initial).enthalpy;
        const double h2 = p.Stored(StateSlot::Final).enthalpy;

        double dh = 0;
        g_modal = [&](CDialog& dialog) {
            auto* energy = qobject_cast<CAnalizaEnergiiDlg*>(&dialog);
            if (!energy)
                qFatal("not the energy analysis");
            dh = energy->Analysis().Value(EnergyField::EnthalpyDiff);
            return int(QDialog::Rejected);
        };
        QTest::mouseClick(Button(p, IDC_ENERGY), Qt::LeftButton);
        QVERIFY(std::abs(dh - (h2 - h1)) < 1e-6);
        QCOMPARE(p.Model().GetMassFlow(), 1.0);

        // OK hands a new mass flow back to the page.
        g_modal = [&](CDialog& dialog) {
            dialog.show();
            auto& energy = static_cast<CAnalizaEnergiiDlg&>(dialog);
            // Computing the heat power makes the mass flow an input.
            Ctrl<QAbstractButton>(dialog, EnergiaIds::IDC_COMPUTE_POWER)->click();
            Type(dialog, EnergiaIds::IDC_MASS_FLOW, QStringLiteral("3"));
            if (energy.GetMassFlow() != 3.0)
                qFatal("the typed mass flow did not reach the analysis");
            dialog.hide();
            return int(QDialog::Accepted);
        };
        QTest::mouseClick(Button(p, IDC_ENERGY), Qt::LeftButton);
        QCOMPARE(p.Model().GetMassFlow(), 3.0);
        QCOMPARE(TextOf(p, IDC_MASS_FLOW), QStringLiteral("3"));
    }

    void enterDoesNothing()
    {
        CWodaPage& p = *m_page;
        for (unsigned id : {IDC_TEMPERATURE, IDC_DENSITY}) {
            Edit(p, id)->setFocus();
            QTest::keyClick(Edit(p, id), Qt::Key_Return);
            QTest::keyClick(Edit(p, id), Qt::Key_Enter);
        }
        Button(p, IDC_STORE_INITIAL)->setFocus();
        QTest::keyClick(Button(p, IDC_STORE_INITIAL), Qt::Key_Return);
        QVERIFY(!p.IsStored(StateSlot::Initial));
        QVERIFY(m_sheet->isVisible());
        QCOMPARE(m_sheet->result(), 0);
        QCOMPARE(TextOf(p, IDC_TEMPERATURE), Num("273.15"));
        QCOMPARE(TextOf(p, IDC_DENSITY), Num("999.732"));
    }

    void helpForTheFocusedControl()
    {
        CWodaPage& p = *m_page;
        std::vector<unsigned> asked;
        SetHelpPopupHook([&](const HelpPopupRequest& r) { asked.push_back(r.controlId); });
        Edit(p, IDC_TEMPERATURE)->setFocus();
        QTest::keyClick(Edit(p, IDC_TEMPERATURE), Qt::Key_F1);
        auto* box = Ctrl<QPlainTextEdit>(p, IDC_INITIAL_TEXT);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_F1);
        // Shift+F1 anywhere on the sheet, then a click on a control.
        QTest::keyClick(box, Qt::Key_F1, Qt::ShiftModifier);
        QVERIFY(QWhatsThis::inWhatsThisMode());
        QTest::mouseClick(Combo(p, IDC_KINEMATIC_VISCOSITY_UNIT), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QVERIFY(!QWhatsThis::inWhatsThisMode());
        SetHelpPopupHook({});
        QCOMPARE(asked, (std::vector<unsigned>{IDC_TEMPERATURE, IDC_INITIAL_TEXT, IDC_KINEMATIC_VISCOSITY_UNIT}));
    }
};

QTEST_MAIN(TestWodaPage)
#include "tst_woda_page.moc"
