#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QtTest>
#include <cmath>
#include <functional>

#include "analysis/AnalysisIds.h"
#include "analysis/CAnalizaEnergiiDlg.h"
#include "analysis/CAnalizaPrzeplywuDlg.h"
#include "analysis/CKsztaltPrzewoduDlg.h"
#include "analysis/CKvDlg.h"
#include "analysis/CRoznicaStrumieniDlg.h"
#include "app/CZentaroTabbedDlg.h"
#include "base/NumberText.h"
#include "controls/ContextHelp.h"
#include "controls/UiString.h"
#include "units/Units.h"
#include "WidgetTestSupport.h"

namespace {


// Answers for modal children, by dialog type; the analyses themselves open
// without a loop so that the test drives them.
std::function<int(CDialog&)> g_child;

int AnswerModal(CDialog& dialog)
{
    if (qobject_cast<CAnalizaPrzeplywuDlg*>(&dialog) || qobject_cast<CAnalizaEnergiiDlg*>(&dialog)) {
        dialog.show();
        return QDialog::Accepted;
    }
    if (!g_child)
        qFatal("unexpected modal dialog %s", dialog.metaObject()->className());
    return g_child(dialog);
}

std::vector<QString> g_messages;

} // namespace

class TestAnalysisDialogs : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        SetDecimalSeparator(SystemDecimalSeparator());
        CDialog::SetModalHook(AnswerModal);
        SetMessageHook([](const MessageRequest& r) {
            g_messages.push_back(r.text);
            return QMessageBox::Ok;
        });
    }
    void init()
    {
        g_child = nullptr;
        g_messages.clear();
    }

    void flowFirstOpening()
    {
        CAnalizaPrzeplywuDlg dlg(nullptr);
        dlg.SetCaption(QStringLiteral("Analiza przepływu dla wody o gęstości 1000 kg/m^3."));
        dlg.SetMedium(1000, 1e-06, 1);
        QCOMPARE(dlg.DoModal(), int(QDialog::Accepted));
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Analiza przepływu dla wody o gęstości 1000 kg/m^3."));
        QCOMPARE(TextOf(dlg, PrzeplywIds::IDC_VOLUME_FLOW), Num("0.001"));
        QCOMPARE(TextOf(dlg, PrzeplywIds::IDC_DIAMETER), Num("0.0356825"));
        QCOMPARE(TextOf(dlg, PrzeplywIds::IDC_SIDE_L), Num("0.0447214"));
        QCOMPARE(TextOf(dlg, PrzeplywIds::IDC_SIDE_H), Num("0.0223607"));
        QCOMPARE(TextOf(dlg, PrzeplywIds::IDC_UNIT_LOSS), Num("327.371"));
        QCOMPARE(TextOf(dlg, PrzeplywIds::IDC_LINEAR_LOSS), Num("327.371"));
        QCOMPARE(TextOf(dlg, PrzeplywIds::IDC_ZETA_SUM), QStringLiteral("1"));
        QCOMPARE(TextOf(dlg, PrzeplywIds::IDC_LOCAL_LOSS), QStringLiteral("500"));
        QCOMPARE(TextOf(dlg, PrzeplywIds::IDC_MASS), QStringLiteral("1"));
        QCOMPARE(Ctrl<QLabel>(dlg, PrzeplywIds::IDC_RADIUS_TEXT)->text(),
                 "Promień hydrauliczny " + Num("8.92062") + " mm");
        QCOMPARE(Ctrl<QLabel>(dlg, PrzeplywIds::IDC_RELATIVE_TEXT)->text(), "Chropowatość wzg. " + Num("0.00028025"));
        QCOMPARE(Ctrl<QLabel>(dlg, PrzeplywIds::IDC_REYNOLDS_TEXT)->text(),
                 QStringLiteral("Przepływ burzliwy\nLiczba Reynoldsa\n35682     "));
        QCOMPARE(Ctrl<QLabel>(dlg, PrzeplywIds::IDC_FRICTION_TEXT)->text(),
                 "Współczynnik oporów liniowych " + Num("0.0233628"));
        QCOMPARE(Ctrl<QLabel>(dlg, PrzeplywIds::IDC_ROUGHNESS_TEXT)->text(), Num("0.01") + " mm");

        auto* list = Ctrl<QListWidget>(dlg, PrzeplywIds::IDC_SIZES);
        QCOMPARE(list->count(), 50);
        QCOMPARE(list->currentRow(), 4);
        QCOMPARE(list->item(4)->text(), QStringLiteral("32 1 1/4\" (42,4 x 2,9)"));
        auto* slider = Ctrl<QSlider>(dlg, PrzeplywIds::IDC_ROUGHNESS_SLIDER);
        QCOMPARE(slider->minimum(), 1);
        QCOMPARE(slider->maximum(), 1000);
        QCOMPARE(slider->value(), 1);
        QCOMPARE(slider->tickInterval(), 100);

        // Roles of mode 1 with DN.
        QVERIFY(Edit(dlg, PrzeplywIds::IDC_MASS_FLOW)->isReadOnly());
        QVERIFY(Edit(dlg, PrzeplywIds::IDC_VOLUME_FLOW)->isReadOnly());
        QVERIFY(!Edit(dlg, PrzeplywIds::IDC_VELOCITY)->isReadOnly());
        QVERIFY(!Edit(dlg, PrzeplywIds::IDC_DIAMETER)->isReadOnly());
        QVERIFY(Edit(dlg, PrzeplywIds::IDC_AREA)->isReadOnly());
        QVERIFY(Edit(dlg, PrzeplywIds::IDC_UNIT_LOSS)->isReadOnly());
        QCOMPARE(Edit(dlg, PrzeplywIds::IDC_MASS_FLOW)->palette().color(QPalette::Text), QColor(0, 0, 255));
        QVERIFY(Ctrl<QRadioButton>(dlg, PrzeplywIds::IDC_COMPUTE_FLOW)->isChecked());
        QVERIFY(Ctrl<QRadioButton>(dlg, PrzeplywIds::IDC_DN)->isChecked());
        QCOMPARE(Ctrl<QComboBox>(dlg, PrzeplywIds::IDC_DIAMETER_UNIT)->currentIndex(), 0);
        QCOMPARE(Ctrl<QComboBox>(dlg, PrzeplywIds::IDC_DIAMETER_UNIT)->currentText(), QStringLiteral("m"));

        // Typing a diameter recomputes everything else at once.
        Type(dlg, PrzeplywIds::IDC_DIAMETER, Num("0.1"));
        QCOMPARE(TextOf(dlg, PrzeplywIds::IDC_DIAMETER), Num("0.1"));
        QCOMPARE(dlg.Analysis().Value(FlowField::Diameter), 0.1);
        QCOMPARE(TextOf(dlg, PrzeplywIds::IDC_AREA), Num("0.00785398"));
        QCOMPARE(list->currentRow(), 23); // "100 (Went)"
        QCOMPARE(dlg.GetMassFlow(), 1000 * 0.1 * 3.1415926535 * 0.1 * 0.25);
    }

    void flowVelocityAndUnits()
    {
        CAnalizaPrzeplywuDlg dlg(nullptr);
        dlg.SetMedium(1000, 1e-06, 1);
        dlg.DoModal();
        Type(dlg, PrzeplywIds::IDC_VELOCITY, QStringLiteral("0"));
        QCOMPARE(dlg.Analysis().Value(FlowField::Velocity), 1e-08);
        Type(dlg, PrzeplywIds::IDC_VELOCITY, QStringLiteral("-5"));
        QCOMPARE(dlg.Analysis().Value(FlowField::Velocity), 1e-08);
        QCOMPARE(TextOf(dlg, PrzeplywIds::IDC_VELOCITY), QStringLiteral("-5")); // the typed box keeps its text
        Choose(dlg, PrzeplywIds::IDC_VELOCITY_UNIT, QStringLiteral("km/h"));
        QCOMPARE(dlg.Analysis().Value(FlowField::Velocity), 1e-08); // a unit changes no value
        Type(dlg, PrzeplywIds::IDC_VELOCITY, QStringLiteral("0"));
        const double kmh =
            UnitFactor(kQuantityVelocity, Ctrl<QComboBox>(dlg, PrzeplywIds::IDC_VELOCITY_UNIT)->currentIndex());
        QCOMPARE(dlg.Analysis().Value(FlowField::Velocity), 1e-08 * kmh);

        Type(dlg, PrzeplywIds::IDC_DIAMETER, Num("0.1"));
        Choose(dlg, PrzeplywIds::IDC_DIAMETER_UNIT, QStringLiteral("mm"));
        QCOMPARE(TextOf(dlg, PrzeplywIds::IDC_DIAMETER), QStringLiteral("100"));
        QCOMPARE(dlg.Analysis().Value(FlowField::Diameter), 0.1);
        Choose(dlg, PrzeplywIds::IDC_DIAMETER_UNIT, QStringLiteral("m"));
        QCOMPARE(TextOf(dlg, PrzeplywIds::IDC_DIAMETER), Num("0.1"));
        Choose(dlg, PrzeplywIds::IDC_DIAMETER_UNIT, QStringLiteral("mm"));
        // L and H share one unit combo.
        Choose(dlg, PrzeplywIds::IDC_SIDES_UNIT, QStringLiteral("mm"));
        QCOMPARE(TextOf(dlg, PrzeplywIds::IDC_SIDE_L),
                 QString::fromStdString(FormatG(dlg.Analysis().Value(FlowField::SideL) * 1000)));
        QCOMPARE(TextOf(dlg, PrzeplywIds::IDC_SIDE_H),
                 QString::fromStdString(FormatG(dlg.Analysis().Value(FlowField::SideH) * 1000)));

        // The next opening shows metres again; a typed velocity carries over.
        Choose(dlg, PrzeplywIds::IDC_VELOCITY_UNIT, QStringLiteral("m/s"));
        Type(dlg, PrzeplywIds::IDC_VELOCITY, QStringLiteral("2"));
        dlg.SetMedium(1000, 1e-06, 1);
        dlg.DoModal();
        QCOMPARE(Ctrl<QComboBox>(dlg, PrzeplywIds::IDC_DIAMETER_UNIT)->currentIndex(), 0);
        QCOMPARE(TextOf(dlg, PrzeplywIds::IDC_VELOCITY), QStringLiteral("2"));
        QCOMPARE(TextOf(dlg, PrzeplywIds::IDC_AREA), Num("0.0005"));
    }

    void flowSectionModeWithSides()
    {
        CAnalizaPrzeplywuDlg dlg(nullptr);
        dlg.SetMedium(1000, 1e-06, 1);
        dlg.DoModal();
        Ctrl<QRadioButton>(dlg, PrzeplywIds::IDC_COMPUTE_AREA)->click();
        QVERIFY(!Ctrl<QRadioButton>(dlg, PrzeplywIds::IDC_F)->isEnabled());
        QVERIFY(Edit(dlg, PrzeplywIds::IDC_DIAMETER)->isReadOnly());
        QVERIFY(!Edit(dlg, PrzeplywIds::IDC_MASS_FLOW)->isReadOnly());
        Ctrl<QRadioButton>(dlg, PrzeplywIds::IDC_LXH)->click();
        QCOMPARE(Ctrl<QListWidget>(dlg, PrzeplywIds::IDC_SIZES)->count(), 59);
        QVERIFY(!Edit(dlg, PrzeplywIds::IDC_SIDE_L)->isReadOnly());
        Type(dlg, PrzeplywIds::IDC_VOLUME_FLOW, Num("0.02"));
        QCOMPARE(TextOf(dlg, PrzeplywIds::IDC_AREA), Num("0.02"));
        Type(dlg, PrzeplywIds::IDC_SIDE_H, Num("0.1"));
        QCOMPARE(TextOf(dlg, PrzeplywIds::IDC_SIDE_L), Num("0.2"));
        Type(dlg, PrzeplywIds::IDC_SIDE_L, Num("0.4"));
        QCOMPARE(TextOf(dlg, PrzeplywIds::IDC_SIDE_H), Num("0.05"));

        // In this mode a pick in the list only moves the highlight.
        auto* list = Ctrl<QListWidget>(dlg, PrzeplywIds::IDC_SIZES);
        list->setCurrentRow(30);
        QCOMPARE(list->currentRow(), 30);
        QCOMPARE(TextOf(dlg, PrzeplywIds::IDC_SIDE_L), Num("0.4"));
        QCOMPARE(dlg.Analysis().Value(FlowField::SideL), 0.4);

        // Back to mode 1: DN checked again, the flows are results.
        Ctrl<QRadioButton>(dlg, PrzeplywIds::IDC_COMPUTE_FLOW)->click();
        QVERIFY(Ctrl<QRadioButton>(dlg, PrzeplywIds::IDC_DN)->isChecked());
        QVERIFY(Ctrl<QRadioButton>(dlg, PrzeplywIds::IDC_F)->isEnabled());
        QCOMPARE(list->count(), 50);
        QVERIFY(Edit(dlg, PrzeplywIds::IDC_VOLUME_FLOW)->isReadOnly());
    }

    void flowAreaWithShapeDialog()
    {
        CAnalizaPrzeplywuDlg dlg(nullptr);
        dlg.SetMedium(1000, 1e-06, 1);
        dlg.DoModal();
        double offered = 0;
        g_child = [&](CDialog& d) {
            auto* shape = qobject_cast<CKsztaltPrzewoduDlg*>(&d);
            if (!shape)
                qFatal("shape dialog expected");
            offered = shape->Proportion();
            Ctrl<QRadioButton>(d, KsztaltIds::IDC_RECTANGULAR)->click();
            Type(d, KsztaltIds::IDC_PROPORTION, QStringLiteral("3"));
            Ctrl<QPushButton>(d, 1)->click();
            return d.result();
        };
        Ctrl<QRadioButton>(dlg, PrzeplywIds::IDC_F)->click();
        QCOMPARE(offered, 2.0);
        QVERIFY(!Edit(dlg, PrzeplywIds::IDC_AREA)->isReadOnly());
        QVERIFY(Edit(dlg, PrzeplywIds::IDC_DIAMETER)->isReadOnly());
        QCOMPARE(Ctrl<QListWidget>(dlg, PrzeplywIds::IDC_SIZES)->count(), 59);
        Type(dlg, PrzeplywIds::IDC_AREA, Num("0.03"));
        QCOMPARE(TextOf(dlg, PrzeplywIds::IDC_SIDE_L), Num("0.3"));
        QCOMPARE(TextOf(dlg, PrzeplywIds::IDC_SIDE_H), Num("0.1"));
        QCOMPARE(Ctrl<QLabel>(dlg, PrzeplywIds::IDC_RADIUS_TEXT)->text(),
                 "Promień hydrauliczny " + Num("37.5") + " mm");
        Type(dlg, PrzeplywIds::IDC_AREA, Num("0.12"));
        QCOMPARE(TextOf(dlg, PrzeplywIds::IDC_SIDE_L), Num("0.6"));
        QCOMPARE(TextOf(dlg, PrzeplywIds::IDC_SIDE_H), Num("0.2"));
        QVERIFY(Ctrl<QRadioButton>(dlg, PrzeplywIds::IDC_F)->isChecked());

        // Esc in the shape dialog: the round choice it opened with.
        g_child = [&](CDialog& d) {
            offered = qobject_cast<CKsztaltPrzewoduDlg*>(&d)->Proportion();
            return int(QDialog::Rejected);
        };
        Ctrl<QRadioButton>(dlg, PrzeplywIds::IDC_F)->click();
        QCOMPARE(offered, 3.0);
        QCOMPARE(Ctrl<QListWidget>(dlg, PrzeplywIds::IDC_SIZES)->count(), 50);
        QCOMPARE(dlg.Analysis().Shape(), DuctShape::Round);

        // DN after a rectangle keeps D: Rh = D / 4.
        Ctrl<QRadioButton>(dlg, PrzeplywIds::IDC_DN)->click();
        QVERIFY(qFuzzyCompare(dlg.Analysis().HydraulicRadius(), dlg.Analysis().Value(FlowField::Diameter) / 4));
        QCOMPARE(Ctrl<QListWidget>(dlg, PrzeplywIds::IDC_SIZES)->count(), 50);
    }

    void flowSizeListAndSlider()
    {
        CAnalizaPrzeplywuDlg dlg(nullptr);
        dlg.SetMedium(1000, 1e-06, 1);
        dlg.DoModal();
        Ctrl<QRadioButton>(dlg, PrzeplywIds::IDC_LXH)->click();
        auto* list = Ctrl<QListWidget>(dlg, PrzeplywIds::IDC_SIZES);
        QCOMPARE(list->item(7)->text(), QStringLiteral("125 x 200"));
        list->setCurrentRow(7);
        QCOMPARE(TextOf(dlg, PrzeplywIds::IDC_SIDE_L), Num("0.125"));
        QCOMPARE(TextOf(dlg, PrzeplywIds::IDC_SIDE_H), Num("0.2"));
        QCOMPARE(TextOf(dlg, PrzeplywIds::IDC_VOLUME_FLOW), Num("0.025"));
        QCOMPARE(list->currentRow(), 4); // the earlier entry of the same area
        list->setCurrentRow(6);
        QCOMPARE(list->currentRow(), 6);

        // A click on the highlighted entry still picks it.
        Type(dlg, PrzeplywIds::IDC_SIDE_L, Num("0.1"));
        Type(dlg, PrzeplywIds::IDC_SIDE_H, Num("0.251"));
        QCOMPARE(list->currentRow(), 4);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(4)).center());
        QCOMPARE(TextOf(dlg, PrzeplywIds::IDC_SIDE_H), Num("0.25"));
        QCOMPARE(dlg.Analysis().Value(FlowField::Area), 0.1 * 0.25);

        auto* slider = Ctrl<QSlider>(dlg, PrzeplywIds::IDC_ROUGHNESS_SLIDER);
        slider->setValue(1000);
        QCOMPARE(Ctrl<QLabel>(dlg, PrzeplywIds::IDC_ROUGHNESS_TEXT)->text(), QStringLiteral("10 mm"));
        QCOMPARE(dlg.Analysis().RelativeRoughness(), 0.01 / (4 * dlg.Analysis().HydraulicRadius()));
    }

    void flowKvButton()
    {
        CAnalizaPrzeplywuDlg dlg(nullptr);
        dlg.SetMedium(1000, 1e-06, 1);
        dlg.DoModal();
        Type(dlg, PrzeplywIds::IDC_DIAMETER, Num("0.1"));
        QString density, kvShown, zetaAfter400;
        g_child = [&](CDialog& d) {
            if (!qobject_cast<CKvDlg*>(&d))
                qFatal("Kv dialog expected");
            density = Ctrl<QLabel>(d, KvIds::IDC_DENSITY_TEXT)->text();
            kvShown = TextOf(d, KvIds::IDC_KV);
            Type(d, KvIds::IDC_KV, QStringLiteral("400"));
            zetaAfter400 = TextOf(d, KvIds::IDC_ZETA);
            Type(d, KvIds::IDC_ZETA, Num("1.23456789"));
            return int(QDialog::Accepted);
        };
        Ctrl<QPushButton>(dlg, PrzeplywIds::IDC_KV)->click();
        QCOMPARE(density, QStringLiteral("Gęstość czynnika: 1000 kg/m^3"));
        QCOMPARE(kvShown, Num("399.859"));
        QCOMPARE(zetaAfter400, Num("0.999297"));
        QCOMPARE(TextOf(dlg, PrzeplywIds::IDC_ZETA_SUM), Num("1.23457"));
        QCOMPARE(dlg.Analysis().Value(FlowField::ZetaSum), 1.23457);
        QCOMPARE(TextOf(dlg, PrzeplywIds::IDC_LOCAL_LOSS), QString::fromStdString(FormatG(1.23457 * 500)));

        // Cancel changes nothing; a zero sum shows an infinite Kv.
        Type(dlg, PrzeplywIds::IDC_ZETA_SUM, QStringLiteral("0"));
        g_child = [&](CDialog& d) {
            kvShown = TextOf(d, KvIds::IDC_KV);
            Type(d, KvIds::IDC_KV, QStringLiteral("1"));
            return int(QDialog::Rejected);
        };
        Ctrl<QPushButton>(dlg, PrzeplywIds::IDC_KV)->click();
        QCOMPARE(kvShown, QStringLiteral("inf"));
        QCOMPARE(dlg.Analysis().Value(FlowField::ZetaSum), 0.0);
    }

    void flowBadInputsPrintLikeTheCLibrary()
    {
        CAnalizaPrzeplywuDlg dlg(nullptr);
        dlg.SetMedium(1000, 1e-06, 1);
        dlg.DoModal();
        Type(dlg, PrzeplywIds::IDC_DIAMETER, QStringLiteral("0"));
        QVERIFY(TextOf(dlg, PrzeplywIds::IDC_UNIT_LOSS).endsWith(QStringLiteral("nan")));
        QVERIFY(Ctrl<QLabel>(dlg, PrzeplywIds::IDC_RADIUS_TEXT)->text().endsWith(QStringLiteral("nan mm")));
        Type(dlg, PrzeplywIds::IDC_DIAMETER, QStringLiteral("1e400"));
        QCOMPARE(TextOf(dlg, PrzeplywIds::IDC_AREA), QStringLiteral("inf"));
        // Pasted garbage reads as its number prefix, the rest of the box stays.
        Edit(dlg, PrzeplywIds::IDC_DIAMETER)->selectAll();
        Edit(dlg, PrzeplywIds::IDC_DIAMETER)->insert(Num("0.2abc"));
        QCOMPARE(dlg.Analysis().Value(FlowField::Diameter), 0.2);
        QCOMPARE(TextOf(dlg, PrzeplywIds::IDC_DIAMETER), Num("0.2abc"));
        Type(dlg, PrzeplywIds::IDC_DIAMETER, Num("0.05"));
        QVERIFY(std::isfinite(dlg.Analysis().Value(FlowField::UnitLoss)));
    }

    void shapeDialogValidates()
    {
        CKsztaltPrzewoduDlg shape;
        const auto tryProportion = [&](const QString& text) {
            shape.SetProportion(2);
            shape.DoModal();
            Ctrl<QRadioButton>(shape, KsztaltIds::IDC_RECTANGULAR)->click();
            Type(shape, KsztaltIds::IDC_PROPORTION, text);
            shape.setResult(-1);
            Ctrl<QPushButton>(shape, 1)->click();
            return shape.result();
        };
        g_child = [](CDialog&) { return 0; };
        QCOMPARE(tryProportion(QStringLiteral("0")), int(QDialog::Accepted));
        QCOMPARE(shape.Proportion(), 0.0);
        QCOMPARE(tryProportion(QStringLiteral("100")), int(QDialog::Accepted));
        QVERIFY(g_messages.empty());
        QCOMPARE(tryProportion(Num("100.5")), -1);
        QCOMPARE(tryProportion(QStringLiteral("-1")), -1);
        QCOMPARE(g_messages.size(), size_t(2));
        QCOMPARE(g_messages[0], QStringLiteral("Proszę podać liczbę z zakresu od 0 do 100."));
        QCOMPARE(tryProportion(QStringLiteral("abc")), -1);
        QCOMPARE(tryProportion(QStringLiteral("")), -1);
        QCOMPARE(g_messages.back(), QStringLiteral("Proszę podać liczbę."));
        QCOMPARE(shape.Proportion(), 2.0); // refused texts are never stored

        // Opening: proportion printed, the round button checked, edit disabled.
        shape.SetProportion(2);
        shape.DoModal();
        QCOMPARE(TextOf(shape, KsztaltIds::IDC_PROPORTION), QStringLiteral("2"));
        QVERIFY(Ctrl<QRadioButton>(shape, KsztaltIds::IDC_ROUND)->isChecked());
        QVERIFY(!Edit(shape, KsztaltIds::IDC_PROPORTION)->isEnabled());
        QCOMPARE(shape.Choice(), 0);
        Ctrl<QRadioButton>(shape, KsztaltIds::IDC_RECTANGULAR)->click();
        QCOMPARE(shape.Choice(), 1);
        Ctrl<QRadioButton>(shape, KsztaltIds::IDC_ROUND)->click();
        QCOMPARE(shape.Choice(), 0);
        QVERIFY(Edit(shape, KsztaltIds::IDC_PROPORTION)->isEnabled());
    }

    void energyWaterExample()
    {
        CAnalizaEnergiiDlg dlg(nullptr);
        g_child = [](CDialog&) -> int { qFatal("no difference dialog for equal flows"); };
        QCOMPARE(dlg.SetStates(1, 83900, 293.15, 1, 167500, 313.15), 0);
        dlg.DoModal();
        QCOMPARE(TextOf(dlg, EnergiaIds::IDC_MASS_FLOW), QStringLiteral("1"));
        QCOMPARE(TextOf(dlg, EnergiaIds::IDC_ENTHALPY_DIFF), QStringLiteral("83600"));
        QCOMPARE(TextOf(dlg, EnergiaIds::IDC_TEMPERATURE_DIFF), QStringLiteral("20"));
        QCOMPARE(TextOf(dlg, EnergiaIds::IDC_FINAL_TEMPERATURE), Num("313.15"));
        QCOMPARE(TextOf(dlg, EnergiaIds::IDC_HEAT_POWER), QStringLiteral("83600"));
        QCOMPARE(TextOf(dlg, EnergiaIds::IDC_TIME), QStringLiteral("1"));
        QCOMPARE(TextOf(dlg, EnergiaIds::IDC_ENERGY), QStringLiteral("83600"));
        QVERIFY(Edit(dlg, EnergiaIds::IDC_MASS_FLOW)->isReadOnly());
        QVERIFY(!Edit(dlg, EnergiaIds::IDC_HEAT_POWER)->isReadOnly());
        QVERIFY(Edit(dlg, EnergiaIds::IDC_FINAL_TEMPERATURE)->isEnabled());

        Type(dlg, EnergiaIds::IDC_ENTHALPY_DIFF, QStringLiteral("41860"));
        QCOMPARE(TextOf(dlg, EnergiaIds::IDC_TEMPERATURE_DIFF), QStringLiteral("10"));
        QCOMPARE(TextOf(dlg, EnergiaIds::IDC_FINAL_TEMPERATURE), Num("303.15"));
        QCOMPARE(TextOf(dlg, EnergiaIds::IDC_FINAL_ENTHALPY), QStringLiteral("125760"));
        QCOMPARE(dlg.GetMassFlow(), 83600 / 41860.0);

        Ctrl<QRadioButton>(dlg, EnergiaIds::IDC_COMPUTE_POWER)->click();
        QVERIFY(Edit(dlg, EnergiaIds::IDC_HEAT_POWER)->isReadOnly());
        Type(dlg, EnergiaIds::IDC_MASS_FLOW, QStringLiteral("2"));
        QCOMPARE(TextOf(dlg, EnergiaIds::IDC_HEAT_POWER), QStringLiteral("83720"));
        QCOMPARE(TextOf(dlg, EnergiaIds::IDC_ENERGY), QStringLiteral("83720"));

        // The final temperature in "st C": shown as such, typed as such.
        Ctrl<QRadioButton>(dlg, EnergiaIds::IDC_COMPUTE_FLOW)->click();
        Choose(dlg, EnergiaIds::IDC_FINAL_TEMPERATURE_UNIT, QStringLiteral("st C"));
        QCOMPARE(TextOf(dlg, EnergiaIds::IDC_FINAL_TEMPERATURE), QStringLiteral("30"));
        Type(dlg, EnergiaIds::IDC_FINAL_TEMPERATURE, QStringLiteral("40"));
        QCOMPARE(dlg.Analysis().Value(EnergyField::FinalTemperature), 313.15);
        QCOMPARE(TextOf(dlg, EnergiaIds::IDC_TEMPERATURE_DIFF), QStringLiteral("20"));
    }

    void energyWithoutTemperaturesAndStreamChoice()
    {
        CAnalizaEnergiiDlg dlg(nullptr);
        int asked = 0;
        bool initialChecked = false;
        g_child = [&](CDialog& d) {
            if (!qobject_cast<CRoznicaStrumieniDlg*>(&d))
                qFatal("difference dialog expected");
            ++asked;
            initialChecked = Ctrl<QRadioButton>(d, RoznicaIds::IDC_INITIAL_STREAM)->isChecked();
            Ctrl<QRadioButton>(d, RoznicaIds::IDC_STREAM_DIFFERENCE)->click();
            return int(QDialog::Rejected); // Esc
        };
        QCOMPARE(dlg.SetStates(2, 2.6e6, 0, 3, 2.8e6, 0), 2);
        QCOMPARE(asked, 1);
        QVERIFY(initialChecked);
        QCOMPARE(dlg.GetMassFlow(), 1.0);
        dlg.DoModal();
        QVERIFY(!Edit(dlg, EnergiaIds::IDC_TEMPERATURE_DIFF)->isEnabled());
        QVERIFY(!Edit(dlg, EnergiaIds::IDC_FINAL_TEMPERATURE)->isEnabled());
        QVERIFY(!Ctrl<QComboBox>(dlg, EnergiaIds::IDC_TEMPERATURE_DIFF_UNIT)->isEnabled());
        QVERIFY(!Ctrl<QComboBox>(dlg, EnergiaIds::IDC_FINAL_TEMPERATURE_UNIT)->isEnabled());
        QVERIFY(!Ctrl<QLabel>(dlg, EnergiaIds::IDC_TEMPERATURE_DIFF_LABEL)->isEnabled());
        QVERIFY(!Ctrl<QLabel>(dlg, EnergiaIds::IDC_FINAL_TEMPERATURE_LABEL)->isEnabled());
        QCOMPARE(TextOf(dlg, EnergiaIds::IDC_HEAT_POWER), QStringLiteral("200000"));
        const QString hiddenText = TextOf(dlg, EnergiaIds::IDC_FINAL_TEMPERATURE);
        Type(dlg, EnergiaIds::IDC_ENTHALPY_DIFF, QStringLiteral("100000"));
        QCOMPARE(TextOf(dlg, EnergiaIds::IDC_FINAL_TEMPERATURE), hiddenText); // not rewritten while hidden

        // Equal flows: no question whatever was chosen last time.
        QCOMPARE(dlg.SetStates(2, 0, 293.15, 2, 4186, 294.15), 0);
        QCOMPARE(asked, 1);
        dlg.DoModal();
        QVERIFY(Edit(dlg, EnergiaIds::IDC_FINAL_TEMPERATURE)->isEnabled());
        QVERIFY(Ctrl<QLabel>(dlg, EnergiaIds::IDC_FINAL_TEMPERATURE_LABEL)->isEnabled());
        QCOMPARE(TextOf(dlg, EnergiaIds::IDC_FINAL_TEMPERATURE), Num("294.15"));
    }

    void helpTopicsAndPopups()
    {
        std::vector<unsigned> topics;
        std::vector<unsigned> popups;
        SetHelpTopicHook([&](const HelpTopicRequest& r) { topics.push_back(r.contextId); });
        SetHelpPopupHook([&](const HelpPopupRequest& r) { popups.push_back(r.helpId); });
        CAnalizaPrzeplywuDlg flow(nullptr);
        flow.SetMedium(1000, 1e-06, 1);
        flow.DoModal();
        Ctrl<QPushButton>(flow, 9)->click();
        CAnalizaEnergiiDlg energy(nullptr);
        energy.SetStates(1, 0, 0, 1, 1, 0);
        energy.DoModal();
        Ctrl<QPushButton>(energy, 9)->click();
        QCOMPARE(topics, (std::vector<unsigned>{0x20085, 0x20086}));

        Edit(flow, PrzeplywIds::IDC_VELOCITY)->setFocus();
        QTest::keyClick(Edit(flow, PrzeplywIds::IDC_VELOCITY), Qt::Key_F1);
        // A right click on "Kv" arrives as a context menu request.
        QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(2, 2), QPoint(2, 2));
        QApplication::sendEvent(Ctrl<QWidget>(flow, PrzeplywIds::IDC_KV), &menu);
        SetHelpTopicHook({});
        SetHelpPopupHook({});
        QCOMPARE(popups, (std::vector<unsigned>{0x8085044Du, 0x808504A1u}));
    }

    void sheetOwnsTheAnalyses()
    {
        CZentaroTabbedDlg sheet(QStringLiteral("Zentaro"));
        CAnalizaPrzeplywuDlg& flow = sheet.FlowDialog();
        flow.SetMedium(1000, 1e-06, 1);
        flow.DoModal();
        Type(flow, PrzeplywIds::IDC_VELOCITY, QStringLiteral("2"));
        flow.reject();
        flow.SetMedium(1000, 1e-06, 1);
        flow.DoModal();
        QCOMPARE(TextOf(flow, PrzeplywIds::IDC_AREA), Num("0.0005"));

        // The sheet's own shape dialog answers the "F" button.
        g_child = [&](CDialog& d) {
            if (&d != &sheet.DuctShapeDialog())
                qFatal("the sheet's shape dialog expected");
            return int(QDialog::Rejected);
        };
        Ctrl<QRadioButton>(flow, PrzeplywIds::IDC_F)->click();
        g_child = [&](CDialog& d) {
            if (&d != &sheet.MassStreamDialog())
                qFatal("the sheet's difference dialog expected");
            Ctrl<QRadioButton>(d, RoznicaIds::IDC_FINAL_STREAM)->click();
            return int(QDialog::Accepted);
        };
        QCOMPARE(sheet.EnergyDialog().SetStates(1, 0, 0, 4, 1000, 0), 1);
        QCOMPARE(sheet.EnergyDialog().GetMassFlow(), 4.0);
    }
};

QTEST_MAIN(TestAnalysisDialogs)
#include "tst_analysis_dialogs.moc"
