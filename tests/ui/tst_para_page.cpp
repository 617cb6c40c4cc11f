// The steam page on the real widgets: its regimes, the saturation line that
// ties temperature and pressure, its messages and its state text. What all
// medium pages share (message colours, the state boxes' filter, the flow
// question's texts) is tested on the water page.
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <functional>
#include <vector>

#include "analysis/AnalysisIds.h"
#include "analysis/CAnalizaEnergiiDlg.h"
#include "analysis/CAnalizaPrzeplywuDlg.h"
#include "app/CSplashWnd.h"
#include "app/CZentaroTabbedDlg.h"
#include "base/NumberText.h"
#include "controls/HelpControls.h"
#include "pages/CParaWodnaPage.h"
#include "pages/PageIds.h"
#include "PageTestSupport.h"
#include "WidgetTestSupport.h"

using namespace ParaIds;

namespace {

QString Caption(QWidget& w) { return Ctrl<QGroupBox>(w, IDC_PROPERTIES)->title(); }

const unsigned kOutputs[] = {
    IDC_ENTHALPY, IDC_STEAM_VOLUME, IDC_WATER_VOLUME, IDC_HEAT_OF_VAPORISATION, IDC_DYNAMIC_VISCOSITY,
    IDC_KINEMATIC_VISCOSITY,
};
// What a message disables: the state and flow buttons and the output units.
const unsigned kNeedProperties[] = {
    IDC_STORE_INITIAL,     IDC_STORE_FINAL,          IDC_FLOW,
    IDC_ENTHALPY_UNIT,     IDC_STEAM_VOLUME_UNIT,    IDC_WATER_VOLUME_UNIT,
    IDC_HEAT_OF_VAPORISATION_UNIT, IDC_DYNAMIC_VISCOSITY_UNIT, IDC_KINEMATIC_VISCOSITY_UNIT,
};


auto& g_modal = Answers().modal;
auto& g_questions = Answers().questions;
auto& g_answer = Answers().answer;

} // namespace

class TestParaPage : public QObject {
    Q_OBJECT

    CZentaroTabbedDlg* m_sheet = nullptr;
    CParaWodnaPage* m_page = nullptr;

    void ExpectProperties(bool shown) { ::ExpectProperties(*m_page, kOutputs, kNeedProperties, shown); }

private slots:
    void initTestCase() { InstallPageTestHooks(SeparatorFromEnvironment()); }
    void cleanupTestCase() { RemovePageTestHooks(); }
    void init()
    {
        m_sheet = ShowSheetAt(&CZentaroTabbedDlg::ParaWodnaPage, m_page);
        QVERIFY(QTest::qWaitForWindowExposed(m_sheet));
    }
    void cleanup()
    {
        delete m_sheet;
        m_sheet = nullptr;
    }

    void freshPageAndItsStateText()
    {
        CParaWodnaPage& p = *m_page;
        QVERIFY(Ctrl<QRadioButton>(p, IDC_WET)->isChecked());
        QCOMPARE(TextOf(p, IDC_TEMPERATURE), Num("273.15"));
        QCOMPARE(TextOf(p, IDC_PRESSURE), Num("610.89"));
        QCOMPARE(TextOf(p, IDC_DRYNESS), QStringLiteral("1"));
        QCOMPARE(TextOf(p, IDC_MASS_FLOW), QStringLiteral("1"));
        QCOMPARE(Caption(p), QStringLiteral("Właściwości"));
        QCOMPARE(Ctrl<QGroupBox>(p, IDC_PARAMETERS)->title(), QStringLiteral("Parametry"));
        QCOMPARE(Ctrl<QLabel>(p, IDC_DRYNESS_LABEL)->text(), QStringLiteral("&Suchość"));
        QVERIFY(!Button(p, IDC_ENERGY)->isEnabled());
        for (unsigned id : kOutputs)
            QVERIFY(Edit(p, id)->isReadOnly());
        ExpectProperties(true);

        ClickButton(p, IDC_STORE_INITIAL);
        QCOMPARE(p.StateText(StateSlot::Initial),
                 Lines({"Para nasycona mokra", "Temperatura 273.15 K", "Ciśnienie 610.89 Pa", "Suchość 1 bez miana",
                        "Strumień masy 1 kg/s", "Entalpia 2.50498e+06 J/kg", "Objętość właściwa 211.599 m^3/kg",
                        "Objętość właściwa 0.0010075 m^3/kg", "Ciepło parowania 2.48762e+06 J/kg",
                        "Lepkość dynamiczna 7.38977e-06 Pa*s", "Lepkość kinematyczna 0.00156366 m^2/s"}));
        QVERIFY(!Button(p, IDC_ENERGY)->isEnabled());
        // The model's enthalpy, not the six digits shown.
        QCOMPARE(p.Stored(StateSlot::Initial).enthalpy, p.Model().GetEnthalpy());
        QVERIFY(Ctrl<QPlainTextEdit>(p, IDC_INITIAL_TEXT)
                    ->toPlainText()
                    .startsWith(QStringLiteral("Para nasycona mokra\n")));
    }

    void saturationLineTiesTemperatureAndPressure()
    {
        CParaWodnaPage& p = *m_page;
        Choose(p, IDC_TEMPERATURE_UNIT, QStringLiteral("st C"));
        QCOMPARE(TextOf(p, IDC_TEMPERATURE), Num("0"));
        Type(p, IDC_TEMPERATURE, QStringLiteral("100"));
        QCOMPARE(TextOf(p, IDC_PRESSURE), QStringLiteral("101348"));
        QCOMPARE(p.Model().GetTemperature(), 373.15);
        QCOMPARE(TextOf(p, IDC_ENTHALPY), QString::fromStdString(FormatG(p.Model().GetEnthalpy())));
        QVERIFY(std::abs(p.Model().GetEnthalpy() - 2675848.1) < 0.05);

        // The pressure rewrites the temperature, in the unit it is shown in.
        Choose(p, IDC_PRESSURE_UNIT, QStringLiteral("bar"));
        Type(p, IDC_PRESSURE, Num("10"));
        QCOMPARE(TextOf(p, IDC_TEMPERATURE), QString::fromStdString(FormatG(p.Model().GetTemperature() - 273.15)));
        QVERIFY(std::abs(p.Model().GetTemperature() - 453.03) < 0.05);

        // Off the line the other box stays empty; the message names the limit.
        Type(p, IDC_PRESSURE, Num("300"));
        QVERIFY(TextOf(p, IDC_TEMPERATURE).isEmpty());
        QCOMPARE(Caption(p), Num("Ciśnienie wyższe od ciśnienia krytycznego    22.06 MPa"));
        ExpectProperties(false);
        Choose(p, IDC_TEMPERATURE_UNIT, QStringLiteral("K"));
        Type(p, IDC_TEMPERATURE, QStringLiteral("700"));
        QVERIFY(TextOf(p, IDC_PRESSURE).isEmpty());
        QCOMPARE(Caption(p), Num("Temperatura wyższa od temperatury krytycznej   647.14 K"));
        // Text that is not a number reads as 0 K.
        Paste(p, IDC_TEMPERATURE, QStringLiteral("abc"));
        QCOMPARE(Caption(p), Num("Temperatura niższa od temperatury minimalnej   273.15 K"));
        Type(p, IDC_TEMPERATURE, QStringLiteral("400"));
        QCOMPARE(Caption(p), QStringLiteral("Właściwości"));
        // Shown in bar; about 245.8 kPa by the steam tables.
        QCOMPARE(TextOf(p, IDC_PRESSURE), QString::fromStdString(FormatG(p.Model().GetPressure() / 100000)));
        QVERIFY(std::abs(p.Model().GetPressure() - 245770) < 500);
        ExpectProperties(true);
    }

    void drynessMessageHasNoLimitText()
    {
        CParaWodnaPage& p = *m_page;
        Type(p, IDC_DRYNESS, Num("1.5"));
        QCOMPARE(Caption(p), QStringLiteral("Suchość poza zakresem 0 - 1"));
        QCOMPARE(Ctrl<CGroupBoxEx>(p, IDC_PROPERTIES)->TextColor(), QColor(255, 0, 0));
        ExpectProperties(false);
        Type(p, IDC_DRYNESS, Num("0.5"));
        QCOMPARE(Caption(p), QStringLiteral("Właściwości"));
        ExpectProperties(true);
        QCOMPARE(p.Model().GetDryness(), 0.5);
        QCOMPARE(TextOf(p, IDC_STEAM_VOLUME), QString::fromStdString(FormatG(p.Model().GetSpecificVolume())));
        QVERIFY(p.Model().GetSpecificVolume() < 106);
    }

    void regimesStartWhereTheyStart()
    {
        CParaWodnaPage& p = *m_page;
        Type(p, IDC_TEMPERATURE, QStringLiteral("400"));
        Type(p, IDC_DRYNESS, Num("0.3"));
        ClickButton(p, IDC_SATURATED);
        QCOMPARE(p.Model().GetRegime(), int(CPara::kSaturated));
        QCOMPARE(TextOf(p, IDC_DRYNESS), QStringLiteral("1"));
        QVERIFY(Edit(p, IDC_DRYNESS)->isVisible());
        QVERIFY(!Edit(p, IDC_DRYNESS)->isEnabled());
        QVERIFY(!Combo(p, IDC_DRYNESS_UNIT)->isEnabled());
        QVERIFY(!Ctrl<QLabel>(p, IDC_DRYNESS_LABEL)->isEnabled());
        QCOMPARE(TextOf(p, IDC_TEMPERATURE), Num("273.15"));
        QCOMPARE(TextOf(p, IDC_PRESSURE), Num("610.89"));
        QCOMPARE(p.Model().GetDryness(), 1.0);

        // A message stands; the superheated regime starts accepted at 800 K
        // and 1 MPa, without the wet-only lines.
        Type(p, IDC_PRESSURE, QStringLiteral("1"));
        QVERIFY(Caption(p) != QStringLiteral("Właściwości"));
        ClickButton(p, IDC_SUPERHEATED);
        QCOMPARE(Caption(p), QStringLiteral("Właściwości"));
        QCOMPARE(TextOf(p, IDC_TEMPERATURE), QStringLiteral("800"));
        QCOMPARE(TextOf(p, IDC_PRESSURE), QStringLiteral("1e+06"));
        for (unsigned id : {IDC_DRYNESS, IDC_DRYNESS_UNIT, IDC_DRYNESS_LABEL})
            QVERIFY(!Ctrl<QWidget>(p, id)->isVisible());
        for (unsigned id : {IDC_WATER_VOLUME, IDC_HEAT_OF_VAPORISATION}) {
            QCOMPARE(TextOf(p, id), QStringLiteral("0"));
            QVERIFY(!Edit(p, id)->isEnabled());
        }
        QVERIFY(!Ctrl<QLabel>(p, IDC_WATER_VOLUME_LABEL)->isEnabled());
        QVERIFY(!Ctrl<QLabel>(p, IDC_HEAT_OF_VAPORISATION_LABEL)->isEnabled());

        // Back to saturated: the dryness line shows again, disabled at 1.
        ClickButton(p, IDC_SATURATED);
        QVERIFY(Edit(p, IDC_DRYNESS)->isVisible());
        QVERIFY(!Edit(p, IDC_DRYNESS)->isEnabled());
        QVERIFY(Edit(p, IDC_WATER_VOLUME)->isEnabled());
        QVERIFY(TextOf(p, IDC_WATER_VOLUME) != QStringLiteral("0"));
        // And wet: everything enabled again.
        ClickButton(p, IDC_WET);
        QVERIFY(Edit(p, IDC_DRYNESS)->isEnabled());
        QCOMPARE(TextOf(p, IDC_DRYNESS), QStringLiteral("1"));
        QCOMPARE(p.Model().GetRegime(), int(CPara::kWet));
    }

    void superheatedMessagesLeaveTheTemperature()
    {
        CParaWodnaPage& p = *m_page;
        ClickButton(p, IDC_SUPERHEATED);
        Type(p, IDC_PRESSURE, QStringLiteral("4e+07"));
        QCOMPARE(Caption(p), Num("Ciśnienie wyższe od ciśnienia maksymalnego    30.00 MPa"));
        QCOMPARE(TextOf(p, IDC_TEMPERATURE), QStringLiteral("800"));
        ExpectProperties(false);
        Type(p, IDC_TEMPERATURE, Num("473.15"));
        Type(p, IDC_PRESSURE, QStringLiteral("2e+06"));
        QCOMPARE(Caption(p), Num("Ciśnienie wyższe od ciśnienia nasycenia  1553.80 kPa"));
        QCOMPARE(TextOf(p, IDC_TEMPERATURE), Num("473.15"));
        Type(p, IDC_PRESSURE, QStringLiteral("1e+06"));
        QCOMPARE(Caption(p), QStringLiteral("Właściwości"));
        ExpectProperties(true);

        // Eight lines: no dryness, water volume or heat of vaporisation.
        ClickButton(p, IDC_STORE_FINAL);
        const QString text = p.StateText(StateSlot::Final);
        QCOMPARE(text.count(QStringLiteral("\r\n")), 8);
        QVERIFY(text.startsWith(
            Num("Para przegrzana\r\nTemperatura 473.15 K\r\nCiśnienie 1e+06 Pa\r\nStrumień masy 1 kg/s\r\n")));
        QVERIFY(!text.contains(QStringLiteral("Suchość")));
        QVERIFY(!text.contains(QStringLiteral("Ciepło parowania")));
        QCOMPARE(text.count(QStringLiteral("Objętość właściwa")), 1);
        QVERIFY(text.endsWith(QStringLiteral(" m^2/s\r\n")));
    }

    void analysesTakeTheModelsValues()
    {
        CParaWodnaPage& p = *m_page;
        ClickButton(p, IDC_STORE_INITIAL);
        Type(p, IDC_TEMPERATURE, QStringLiteral("400"));
        ClickButton(p, IDC_STORE_FINAL);
        QVERIFY(Button(p, IDC_ENERGY)->isEnabled());

        // The energy analysis gets the stored enthalpies and no temperatures.
        double dh = 0;
        bool temperatures = true;
        g_modal = [&](CDialog& dialog) {
            auto* energy = qobject_cast<CAnalizaEnergiiDlg*>(&dialog);
            if (!energy)
                qFatal("not the energy analysis");
            dh = energy->Analysis().Value(EnergyField::EnthalpyDiff);
            temperatures = energy->Analysis().TemperaturesShown();
            return int(QDialog::Rejected);
        };
        ClickButton(p, IDC_ENERGY);
        QCOMPARE(dh, p.Stored(StateSlot::Final).enthalpy - p.Stored(StateSlot::Initial).enthalpy);
        QVERIFY(!temperatures);

        // The flow analysis: the steam's own volume, density 1 / v; a new
        // mass flow on OK, then the question, and Yes stores the final state.
        QString caption;
        double density = 0;
        double viscosity = 0;
        g_modal = [&](CDialog& dialog) {
            auto* flow = qobject_cast<CAnalizaPrzeplywuDlg*>(&dialog);
            if (!flow)
                qFatal("not the flow analysis");
            caption = flow->m_caption;
            density = flow->Analysis().Density();
            viscosity = flow->Analysis().KinematicViscosity();
            dialog.show();
            Type(dialog, PrzeplywIds::IDC_VELOCITY, QStringLiteral("2"));
            dialog.hide();
            return int(QDialog::Accepted);
        };
        g_answer = QMessageBox::Yes;
        const double v = p.Model().GetSpecificVolume();
        ClickButton(p, IDC_FLOW);
        QCOMPARE(caption, QStringLiteral("Analiza przepływu dla pary wodnej o objętości właściwej ")
                              + QString::fromStdString(FormatG(v)) + QStringLiteral(" m^3/kg."));
        QCOMPARE(density, 1 / v);
        QCOMPARE(viscosity, p.Model().GetKinematicViscosity());
        const double massFlow = p.Model().GetMassFlow();
        QVERIFY(massFlow != 1);
        QCOMPARE(TextOf(p, IDC_MASS_FLOW), QString::fromStdString(FormatG(massFlow)));
        QCOMPARE(g_questions.size(), std::size_t(1));
        QCOMPARE(p.Stored(StateSlot::Final).massFlow, massFlow);
        QCOMPARE(p.Stored(StateSlot::Initial).massFlow, 1.0);
        QVERIFY(p.StateText(StateSlot::Final).contains(QStringLiteral("Strumień masy ") + TextOf(p, IDC_MASS_FLOW)));

        // A regime change keeps the stored states.
        ClickButton(p, IDC_SUPERHEATED);
        QVERIFY(p.IsStored(StateSlot::Initial));
        QVERIFY(Button(p, IDC_ENERGY)->isEnabled());
    }

    void enterDoesNothing()
    {
        CParaWodnaPage& p = *m_page;
        for (unsigned id : {IDC_TEMPERATURE, IDC_DRYNESS}) {
            Edit(p, id)->setFocus();
            QTest::keyClick(Edit(p, id), Qt::Key_Return);
            QTest::keyClick(Edit(p, id), Qt::Key_Enter);
        }
        Button(p, IDC_STORE_INITIAL)->setFocus();
        QTest::keyClick(Button(p, IDC_STORE_INITIAL), Qt::Key_Return);
        QVERIFY(!p.IsStored(StateSlot::Initial));
        QVERIFY(m_sheet->isVisible());
        QCOMPARE(TextOf(p, IDC_TEMPERATURE), Num("273.15"));
    }
};

QTEST_MAIN(TestParaPage)
#include "tst_para_page.moc"
