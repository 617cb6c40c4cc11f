// The humid-air page on the real widgets: its two input modes, the
// barometric-pressure slider, the dew point and wet bulb below the model's
// range, the dry-air flows it hands to the energy analysis, and the
// accuracy notes under the properties. What all medium pages share (Enter,
// message colours, the state boxes' filter) is tested on the water page.
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QtTest>
#include <cmath>
#include <functional>
#include <vector>

#include "analysis/AnalysisIds.h"
#include "analysis/CAnalizaEnergiiDlg.h"
#include "analysis/CAnalizaPrzeplywuDlg.h"
#include "analysis/CRoznicaStrumieniDlg.h"
#include "app/CSplashWnd.h"
#include "app/CZentaroTabbedDlg.h"
#include "base/NumberText.h"
#include "controls/HelpControls.h"
#include "controls/UiString.h"
#include "media/AccuracyNotes.h"
#include "pages/CPowietrzePage.h"
#include "pages/PageIds.h"
#include "PageTestSupport.h"
#include "WidgetTestSupport.h"

using namespace PowietrzeIds;

namespace {

QString Caption(QWidget& w) { return Ctrl<QGroupBox>(w, IDC_PROPERTIES)->title(); }
QSlider* Barometer(QWidget& w) { return Ctrl<QSlider>(w, IDC_BAROMETER); }
QString BarometerLabel(QWidget& w) { return Ctrl<QLabel>(w, IDC_BAROMETER_TEXT)->text(); }
QLabel* Notes(QWidget& w) { return Ctrl<QLabel>(w, MediumIds::IDC_ACCURACY_NOTES); }
QString G(double value) { return QString::fromStdString(FormatG(value)); }

const unsigned kOutputs[] = {
    IDC_ENTHALPY, IDC_SPECIFIC_VOLUME,   IDC_VAPOUR_PRESSURE,    IDC_DEW_POINT,
    IDC_WET_BULB, IDC_DYNAMIC_VISCOSITY, IDC_KINEMATIC_VISCOSITY,
};
// What a message disables.
const unsigned kNeedProperties[] = {
    IDC_STORE_INITIAL,   IDC_STORE_FINAL,         IDC_FLOW,
    IDC_ENTHALPY_UNIT,   IDC_SPECIFIC_VOLUME_UNIT, IDC_VAPOUR_PRESSURE_UNIT,
    IDC_DEW_POINT_UNIT,  IDC_WET_BULB_UNIT,        IDC_DYNAMIC_VISCOSITY_UNIT,
    IDC_KINEMATIC_VISCOSITY_UNIT,
};


// The slider moved by the user, one key at a time.
void SlideTo(QWidget& w, int position)
{
    QSlider* slider = Barometer(w);
    slider->setFocus();
    while (slider->value() > position)
        QTest::keyClick(slider, Qt::Key_Left);
    while (slider->value() < position)
        QTest::keyClick(slider, Qt::Key_Right);
}

auto& g_modal = Answers().modal;
auto& g_questions = Answers().questions;
auto& g_answer = Answers().answer;

} // namespace

class TestPowietrzePage : public QObject {
    Q_OBJECT

    CZentaroTabbedDlg* m_sheet = nullptr;
    CPowietrzePage* m_page = nullptr;

    void ExpectProperties(bool shown) { ::ExpectProperties(*m_page, kOutputs, kNeedProperties, shown); }

private slots:
    void initTestCase() { InstallPageTestHooks(SeparatorFromEnvironment()); }
    void cleanupTestCase() { RemovePageTestHooks(); }
    void init()
    {
        m_sheet = ShowSheetAt(&CZentaroTabbedDlg::PowietrzePage, m_page);
        QVERIFY(QTest::qWaitForWindowExposed(m_sheet));
    }
    void cleanup()
    {
        delete m_sheet;
        m_sheet = nullptr;
    }

    void freshPageAndItsStateText()
    {
        CPowietrzePage& p = *m_page;
        QCOMPARE(TextOf(p, IDC_TEMPERATURE), Num("293.15"));
        QCOMPARE(TextOf(p, IDC_HUMIDITY), QStringLiteral("60"));
        QCOMPARE(TextOf(p, IDC_MASS_FLOW), QStringLiteral("1"));
        QVERIFY(Ctrl<QRadioButton>(p, IDC_HUMIDITY_MODE)->isChecked());
        QCOMPARE(Ctrl<QRadioButton>(p, IDC_HUMIDITY_MODE)->text(), QStringLiteral("&Wilgotność względna"));
        QCOMPARE(Ctrl<QRadioButton>(p, IDC_MOISTURE_MODE)->text(), QStringLiteral("&Zawartość wilgoci"));
        QVERIFY(!Edit(p, IDC_HUMIDITY)->isReadOnly());
        QVERIFY(Edit(p, IDC_MOISTURE)->isReadOnly());
        for (unsigned id : kOutputs)
            QVERIFY(Edit(p, id)->isReadOnly());
        QCOMPARE(Barometer(p)->minimum(), 0);
        QCOMPARE(Barometer(p)->maximum(), 80);
        QCOMPARE(Barometer(p)->tickInterval(), 8);
        QCOMPARE(Barometer(p)->value(), 40);
        QCOMPARE(BarometerLabel(p), QStringLiteral("    1000 hPa"));
        QCOMPARE(Caption(p), QStringLiteral("Właściwości"));
        QVERIFY(!Button(p, IDC_ENERGY)->isEnabled());
        ExpectProperties(true);
        QVERIFY(Notes(p)->isHidden());

        // Eleven lines, no heading, no barometric pressure.
        ClickButton(p, IDC_STORE_INITIAL);
        QCOMPARE(p.StateText(StateSlot::Initial),
                 Lines({"Temperatura 293.15 K", "Wilgotność 60 %", "Strumień masy 1 kg/s", "Entalpia 42578 J/kg",
                        "Zawartość wilgoci 0.00885149 kg/kg", "Objętość właściwa 0.846899 m^3/kg",
                        "Ciśnienie cząstkowe 1403.1 Pa", "Temperatura punktu rosy 285.16 K",
                        "Temperatura termometru mokrego 288.225 K", "Lepkość dynamiczna 1.81594e-05 Pa*s",
                        "Lepkość kinematyczna 1.53792e-05 m^2/s"}));
        QVERIFY(!Button(p, IDC_ENERGY)->isEnabled());
    }

    void thirtyDegreesAtFiftyPercent()
    {
        CPowietrzePage& p = *m_page;
        Choose(p, IDC_TEMPERATURE_UNIT, QStringLiteral("st C"));
        QCOMPARE(TextOf(p, IDC_TEMPERATURE), Num("20"));
        Type(p, IDC_TEMPERATURE, QStringLiteral("30"));
        Type(p, IDC_HUMIDITY, QStringLiteral("50"));
        QCOMPARE(TextOf(p, IDC_MOISTURE), Num("0.0134916"));
        QCOMPARE(TextOf(p, IDC_ENTHALPY), Num("64661.7"));
        QCOMPARE(TextOf(p, IDC_SPECIFIC_VOLUME), Num("0.878191"));
        QCOMPARE(TextOf(p, IDC_VAPOUR_PRESSURE), Num("2123.01"));
        QCOMPARE(TextOf(p, IDC_DEW_POINT), Num("291.599"));
        QCOMPARE(TextOf(p, IDC_WET_BULB), Num("295.042"));
        QCOMPARE(TextOf(p, IDC_HUMIDITY), QStringLiteral("50"));
    }

    void veryDryAirHasNoDewPoint()
    {
        CPowietrzePage& p = *m_page;
        Type(p, IDC_TEMPERATURE, Num("263.15"));
        Type(p, IDC_HUMIDITY, QStringLiteral("20"));
        QCOMPARE(p.Model().GetDewPoint(), 0.0);
        QCOMPARE(TextOf(p, IDC_DEW_POINT), Num("< 253.15"));
        QVERIFY(!Combo(p, IDC_DEW_POINT_UNIT)->isEnabled());
        QCOMPARE(TextOf(p, IDC_WET_BULB), Num("260.478"));
        QVERIFY(Combo(p, IDC_WET_BULB_UNIT)->isEnabled());
        QCOMPARE(Caption(p), QStringLiteral("Właściwości"));
        // It is no error: the state can be stored, with the text as shown.
        QVERIFY(Button(p, IDC_STORE_INITIAL)->isEnabled());
        ClickButton(p, IDC_STORE_INITIAL);
        QVERIFY(p.StateText(StateSlot::Initial).contains(Num("Temperatura punktu rosy < 253.15 K\r\n")));

        // In "st C" the bound reads "< -20"; a dew point in range enables the unit again.
        Type(p, IDC_HUMIDITY, QStringLiteral("80"));
        QVERIFY(Combo(p, IDC_DEW_POINT_UNIT)->isEnabled());
        Choose(p, IDC_DEW_POINT_UNIT, QStringLiteral("st C"));
        QCOMPARE(TextOf(p, IDC_DEW_POINT), G(p.Model().GetDewPoint() - 273.15));
        Type(p, IDC_HUMIDITY, QStringLiteral("20"));
        QCOMPARE(TextOf(p, IDC_DEW_POINT), QStringLiteral("< -20"));
        QVERIFY(!Combo(p, IDC_DEW_POINT_UNIT)->isEnabled());

        // After a message, an accepted state without a dew point leaves its unit disabled.
        Type(p, IDC_HUMIDITY, QStringLiteral("120"));
        Type(p, IDC_HUMIDITY, QStringLiteral("20"));
        QVERIFY(!Combo(p, IDC_DEW_POINT_UNIT)->isEnabled());
        QVERIFY(Combo(p, IDC_WET_BULB_UNIT)->isEnabled());
    }

    void humidityAboveAHundredPercent()
    {
        CPowietrzePage& p = *m_page;
        Type(p, IDC_HUMIDITY, QStringLiteral("120"));
        QCOMPARE(Caption(p), QStringLiteral("Wilgotność względna wyższa od 100 %"));
        QCOMPARE(Ctrl<CGroupBoxEx>(p, IDC_PROPERTIES)->TextColor(), QColor(255, 0, 0));
        QVERIFY(TextOf(p, IDC_MOISTURE).isEmpty());
        QCOMPARE(TextOf(p, IDC_HUMIDITY), QStringLiteral("120"));
        ExpectProperties(false);
        Type(p, IDC_HUMIDITY, QStringLiteral("60"));
        QCOMPARE(Caption(p), QStringLiteral("Właściwości"));
        QCOMPARE(TextOf(p, IDC_MOISTURE), Num("0.00885149"));
        ExpectProperties(true);
    }

    void sliderSetsThePressureAndTheBoilingLimit()
    {
        CPowietrzePage& p = *m_page;
        // Until the slider first moves the model takes air up to 1073.15 K.
        Type(p, IDC_TEMPERATURE, QStringLiteral("400"));
        QCOMPARE(Caption(p), QStringLiteral("Właściwości"));
        QVERIFY(std::abs(p.Model().GetMoistureContent() - 0.933) < 0.0005);

        Type(p, IDC_TEMPERATURE, QStringLiteral("372"));
        SlideTo(p, 0);
        QCOMPARE(p.Model().GetBarometricPressure(), 96000.0);
        QCOMPARE(BarometerLabel(p), QStringLiteral("     960 hPa"));
        QCOMPARE(Caption(p), Num("Temperatura wyższa od temperatury maksymalnej   371.64 K"));
        QVERIFY(TextOf(p, IDC_MOISTURE).isEmpty());
        ExpectProperties(false);
        QCOMPARE(TextOf(p, IDC_TEMPERATURE), QStringLiteral("372"));

        SlideTo(p, 40);
        QCOMPARE(BarometerLabel(p), QStringLiteral("    1000 hPa"));
        QCOMPARE(Caption(p), QStringLiteral("Właściwości"));
        ExpectProperties(true);
        QCOMPARE(TextOf(p, IDC_ENTHALPY), G(p.Model().GetEnthalpy()));

        // From now on the boiling temperature at the pressure is the limit.
        Type(p, IDC_TEMPERATURE, QStringLiteral("400"));
        QCOMPARE(Caption(p), Num("Temperatura wyższa od temperatury maksymalnej   372.78 K"));
        SlideTo(p, 80);
        QCOMPARE(BarometerLabel(p), QStringLiteral("    1040 hPa"));
        QCOMPARE(p.Model().GetBarometricPressure(), 104000.0);
    }

    void moistureContentModeKeepsTheTypedText()
    {
        CPowietrzePage& p = *m_page;
        ClickButton(p, IDC_MOISTURE_MODE);
        QVERIFY(Edit(p, IDC_HUMIDITY)->isReadOnly());
        QVERIFY(!Edit(p, IDC_MOISTURE)->isReadOnly());
        // Nothing is shown anew on the switch itself.
        QCOMPARE(TextOf(p, IDC_HUMIDITY), QStringLiteral("60"));

        Type(p, IDC_MOISTURE, Num("0.01"));
        QCOMPARE(TextOf(p, IDC_MOISTURE), Num("0.01"));
        QCOMPARE(TextOf(p, IDC_HUMIDITY), Num("67.6613"));
        Type(p, IDC_TEMPERATURE, Num("293.15"));
        QCOMPARE(TextOf(p, IDC_MOISTURE), Num("0.0099999"));
        QCOMPARE(TextOf(p, IDC_HUMIDITY), Num("67.6607"));

        // In this mode a message empties the relative humidity instead, and
        // a temperature too low is below the dew point.
        Type(p, IDC_TEMPERATURE, QStringLiteral("250"));
        QCOMPARE(Caption(p), Num("Temperatura niższa od punktu rosy   253.15 K"));
        QVERIFY(TextOf(p, IDC_HUMIDITY).isEmpty());
        QCOMPARE(TextOf(p, IDC_MOISTURE), Num("0.0099999"));

        // Back to the relative humidity: its box is written in again.
        Type(p, IDC_TEMPERATURE, Num("293.15"));
        ClickButton(p, IDC_HUMIDITY_MODE);
        QVERIFY(!Edit(p, IDC_HUMIDITY)->isReadOnly());
        QVERIFY(Edit(p, IDC_MOISTURE)->isReadOnly());
        QCOMPARE(p.Model().GetRelativeHumidity(), ParseNumber(Num("67.6607").toStdString()));
    }

    void modeSwitchThatTheModelRefusesShowsItsMessage()
    {
        CPowietrzePage& p = *m_page;
        Type(p, IDC_HUMIDITY, QStringLiteral("0"));
        QCOMPARE(TextOf(p, IDC_MOISTURE), QStringLiteral("0"));
        // The moisture content box holds 0, which the model stores less
        // 1e-07 and refuses: no output may stand as valid.
        ClickButton(p, IDC_MOISTURE_MODE);
        QCOMPARE(Caption(p), QStringLiteral("Zawartość wilgoci mniejsza od 0 kg/kg"));
        ExpectProperties(false);
    }

    void accuracyNotesFollowTheState()
    {
        CPowietrzePage& p = *m_page;
        const QString belowFreezing = UiString(kNoteAirBelowFreezing);
        Type(p, IDC_TEMPERATURE, Num("275.15"));
        Type(p, IDC_HUMIDITY, QStringLiteral("50"));
        QVERIFY(!Notes(p)->isHidden());
        QCOMPARE(Notes(p)->text(), belowFreezing);
        // In the normal colours, not the message's red; the message line is untouched.
        QCOMPARE(Notes(p)->palette().color(QPalette::WindowText), SysWindowTextColor());
        QCOMPARE(Caption(p), QStringLiteral("Właściwości"));
        QVERIFY(Notes(p)->parentWidget() == &p);

        // Warmer air: the dew point crosses 0 °C and the note goes.
        Type(p, IDC_TEMPERATURE, Num("293.15"));
        QVERIFY(Notes(p)->isHidden());
        QVERIFY(Notes(p)->text().isEmpty());
        // Humid air past 60 g/kg: another note.
        Type(p, IDC_TEMPERATURE, Num("343.15"));
        QVERIFY(!Notes(p)->isHidden());
        QVERIFY(Notes(p)->text().contains(UiString(kNoteAirViscosity)));
        // Nothing shown, nothing to qualify.
        Type(p, IDC_HUMIDITY, QStringLiteral("120"));
        QVERIFY(Notes(p)->isHidden());
    }

    void energyAnalysisWorksWithTheDryAir()
    {
        CPowietrzePage& p = *m_page;
        ClickButton(p, IDC_STORE_INITIAL);
        ClickButton(p, IDC_STORE_FINAL);
        QVERIFY(Button(p, IDC_ENERGY)->isEnabled());
        const double x1 = p.Model().GetMoistureContent();
        QCOMPARE(p.Stored(StateSlot::Initial).massFlow, 1 / (1 + x1));
        QCOMPARE(G(p.Stored(StateSlot::Initial).massFlow), Num("0.991226"));

        // Equal flows: the initial stream, no question. The dry-air flow
        // goes in, no temperatures; the flow typed comes back as humid air.
        double given = 0;
        bool temperatures = true;
        g_modal = [&](CDialog& dialog) {
            auto* energy = qobject_cast<CAnalizaEnergiiDlg*>(&dialog);
            if (!energy)
                qFatal("not the energy analysis");
            given = energy->GetMassFlow();
            temperatures = energy->Analysis().TemperaturesShown();
            dialog.show();
            Ctrl<QAbstractButton>(dialog, EnergiaIds::IDC_COMPUTE_POWER)->click();
            Type(dialog, EnergiaIds::IDC_MASS_FLOW, QStringLiteral("2"));
            dialog.hide();
            return int(QDialog::Accepted);
        };
        ClickButton(p, IDC_ENERGY);
        QCOMPARE(given, 1 / (1 + x1));
        QVERIFY(!temperatures);
        QCOMPARE(p.Model().GetMassFlow(), 2 * (1 + x1));
        QCOMPARE(TextOf(p, IDC_MASS_FLOW), G(2 * (1 + x1)));

        // Different flows: the final stream chosen comes back with the
        // final state's moisture, the difference as it is.
        Type(p, IDC_TEMPERATURE, Num("303.15"));
        Type(p, IDC_MASS_FLOW, QStringLiteral("3"));
        ClickButton(p, IDC_STORE_FINAL);
        const double x2 = p.Model().GetMoistureContent();
        for (unsigned choice : {RoznicaIds::IDC_FINAL_STREAM, RoznicaIds::IDC_STREAM_DIFFERENCE}) {
            given = 0;
            g_modal = [&](CDialog& dialog) {
                if (qobject_cast<CRoznicaStrumieniDlg*>(&dialog)) {
                    Ctrl<QRadioButton>(dialog, choice)->click();
                    return int(QDialog::Accepted);
                }
                given = static_cast<CAnalizaEnergiiDlg&>(dialog).GetMassFlow();
                return int(QDialog::Accepted);
            };
            ClickButton(p, IDC_ENERGY);
            if (choice == RoznicaIds::IDC_FINAL_STREAM) {
                QCOMPARE(given, 3 / (1 + x2));
                QCOMPARE(p.Model().GetMassFlow(), given * (1 + x2));
            } else {
                QCOMPARE(p.Model().GetMassFlow(), given);
            }
        }
    }

    void flowAnalysisAsksOnlyWhenTheFlowChanged()
    {
        CPowietrzePage& p = *m_page;
        ClickButton(p, IDC_STORE_INITIAL);
        Type(p, IDC_TEMPERATURE, Num("303.15"));
        ClickButton(p, IDC_STORE_FINAL);

        QString caption;
        double density = 0;
        double viscosity = 0;
        double massFlow = 0;
        g_modal = [&](CDialog& dialog) {
            auto* flow = qobject_cast<CAnalizaPrzeplywuDlg*>(&dialog);
            if (!flow)
                qFatal("not the flow analysis");
            caption = flow->m_caption;
            density = flow->Analysis().Density();
            viscosity = flow->Analysis().KinematicViscosity();
            massFlow = flow->GetMassFlow();
            return int(QDialog::Accepted);
        };
        const double v = p.Model().GetSpecificVolume();
        ClickButton(p, IDC_FLOW);
        QCOMPARE(caption, QStringLiteral("Analiza przepływu dla powietrza wilgotnego o objętości właściwej ") + G(v)
                              + QStringLiteral(" m^3/kg."));
        QCOMPARE(density, 1 / v);
        QCOMPARE(viscosity, p.Model().GetKinematicViscosity());
        QCOMPARE(massFlow, 1.0);
        // Both states hold this humid flow's dry air: nothing to ask.
        QVERIFY(g_questions.empty());

        g_modal = [&](CDialog& dialog) {
            dialog.show();
            Type(dialog, PrzeplywIds::IDC_VELOCITY, QStringLiteral("2"));
            dialog.hide();
            return int(QDialog::Accepted);
        };
        g_answer = QMessageBox::Yes;
        ClickButton(p, IDC_FLOW);
        QCOMPARE(g_questions.size(), std::size_t(1));
        const double m = p.Model().GetMassFlow();
        QVERIFY(m != 1);
        QCOMPARE(p.Stored(StateSlot::Final).massFlow, m / (1 + p.Model().GetMoistureContent()));
        QVERIFY(p.StateText(StateSlot::Final).contains(QStringLiteral("Strumień masy ") + G(m) + QStringLiteral(" kg/s\r\n")));
    }
};

QTEST_MAIN(TestPowietrzePage)
#include "tst_powietrze_page.moc"
