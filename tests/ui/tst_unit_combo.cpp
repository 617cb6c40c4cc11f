#include <QComboBox>
#include <QSignalSpy>
#include <QtTest>

#include "base/NumberText.h"
#include "controls/UiString.h"
#include "units/FillUnitCombo.h"
#include "units/Quantities.h"

class TestUnitCombo : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { SetDecimalSeparator(SystemDecimalSeparator()); }

    void sortedQuantityListInPolishOrderWithNumbers()
    {
        QComboBox combo;
        MakeComboSorted(&combo);
        QVERIFY(IsComboSorted(&combo));
        FillUnitCombo(&combo, kQuantityFirst - kQuantityStep, kQuantityLast + kQuantityStep, kQuantityStep, 0);
        const QStringList expected = {
            "Ciepło właściwe", "Ciśnienie", "Czas", "Długość", "Dyfuzyjność cieplna", "Energia", "Entalpia",
            "Gęstość", "Jednostkowa strata ciśnienia", "Kąt płaski", "Lepkość dynamiczna", "Lepkość kinematyczna",
            "Masa", "Moc", "Moment", "Napięcie powierzchniowe", "Objętość", "Objętość właściwa",
            "Pole powierzchni", "Prędkość", "Prędkość kątowa", "Przewodność cieplna",
            "Rozszerzalność objętościowa", "Różnica temperatury", "Siła", "Strumień masy", "Strumień objętości",
            "Temperatura", "Współczynnik przejmowania ciepła", "Współczynnik przenikania ciepła",
            "Zawartość wilgoci"};
        QStringList names;
        for (int i = 0; i < combo.count(); ++i)
            names << combo.itemText(i);
        QCOMPARE(names, expected);
        QCOMPARE(combo.currentIndex(), 0);
        // The number travels as item data, never as a position.
        QCOMPARE(combo.itemData(0).toInt(), kQuantitySpecificHeat);
        QCOMPARE(combo.itemData(combo.findText("Długość")).toInt(), kQuantityLength);
        QCOMPARE(combo.itemData(combo.findText("Temperatura")).toInt(), kQuantityTemperature);
        QCOMPARE(combo.itemData(combo.findText("Zawartość wilgoci")).toInt(), kQuantityMoistureContent);
        QVERIFY(combo.findText("Procent") < 0);
        QVERIFY(combo.findText("Wielkość bezwymiarowa") < 0);
    }

    void unsortedListKeepsIdOrder()
    {
        QComboBox combo;
        FillUnitCombo(&combo, kQuantityFirst - kQuantityStep, kQuantityLast + kQuantityStep, kQuantityStep, 2);
        QCOMPARE(combo.count(), 31);
        QCOMPARE(combo.itemText(0), QStringLiteral("Długość"));
        QCOMPARE(combo.currentIndex(), 2);
        QCOMPARE(combo.currentData().toInt(), kQuantityVolume);
    }

    void unitListsInUnitOrder()
    {
        QComboBox combo;
        FillUnitCombo(&combo, kQuantityTemperature, kQuantityTemperature + kQuantityStep, 1, 0);
        QCOMPARE(combo.count(), 4);
        QCOMPARE(combo.itemText(0), QStringLiteral("K"));
        QCOMPARE(combo.itemText(1), QStringLiteral("st C"));
        QCOMPARE(combo.itemText(2), QStringLiteral("st F"));
        QCOMPARE(combo.itemText(3), QStringLiteral("st Rank"));
        QCOMPARE(combo.itemData(3).toInt(), 3104);
        QCOMPARE(combo.currentIndex(), 0);

        // Refilling replaces the old items.
        FillUnitCombo(&combo, kQuantityDimensionless, kQuantityDimensionless + kQuantityStep, 1, 0);
        QCOMPARE(combo.count(), 1);
        QCOMPARE(combo.itemText(0), QStringLiteral("bez miana"));
        QCOMPARE(combo.itemData(0).toInt(), 9901);
    }

    void namesEqualButForCaseKeepTheirOwnIds()
    {
        QComboBox combo;
        FillUnitCombo(&combo, kQuantityMass, kQuantityMass + kQuantityStep, 1, 0);
        QCOMPARE(combo.count(), 14);
        QCOMPARE(combo.itemText(1), QStringLiteral("mg"));
        QCOMPARE(combo.itemData(1).toInt(), 1402);
        QCOMPARE(combo.itemText(5), QStringLiteral("Mg"));
        QCOMPARE(combo.itemData(5).toInt(), 1406);
    }

    void fillingSendsNoChangeSignal()
    {
        QComboBox combo;
        FillUnitCombo(&combo, kQuantityLength, kQuantityLength + kQuantityStep, 1, 0);
        QSignalSpy changed(&combo, &QComboBox::currentIndexChanged);
        FillUnitCombo(&combo, kQuantityPressure, kQuantityPressure + kQuantityStep, 1, 3);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(combo.currentText(), QStringLiteral("MPa"));
    }

    void oddArgumentsDoNoHarm()
    {
        QComboBox combo;
        FillUnitCombo(&combo, kQuantityLength, kQuantityLength + kQuantityStep, 1, 99);
        QCOMPARE(combo.count(), 9);
        QCOMPARE(combo.currentIndex(), -1);
        FillUnitCombo(&combo, kQuantityLength, kQuantityLength + kQuantityStep, 0,
                      0); // no step: nothing, no endless loop
        QCOMPARE(combo.count(), 0);
        FillUnitCombo(&combo, kQuantityLength + kQuantityStep, kQuantityLength, 1, 0); // empty range
        QCOMPARE(combo.count(), 0);
        FillUnitCombo(&combo, 2147483600, 2147483647, 40, 0);  // near the top of int
        QCOMPARE(combo.count(), 0);
        FillUnitCombo(nullptr, kQuantityLength, kQuantityLength + kQuantityStep, 1, 0);
    }
};

QTEST_MAIN(TestUnitCombo)
#include "tst_unit_combo.moc"
