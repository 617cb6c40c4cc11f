#include "units/FillUnitCombo.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <string>

#include "base/StringTable.h"
#include "units/PolishOrder.h"
#include "units/Quantities.h"

void MakeComboSorted(QComboBox* combo)
{
    combo->setInsertPolicy(QComboBox::InsertAlphabetically);
}

bool IsComboSorted(const QComboBox* combo)
{
    return combo->insertPolicy() == QComboBox::InsertAlphabetically;
}

void FillUnitCombo(QComboBox* combo, int base, int end, int step, int selection)
{
    if (combo == nullptr)
        return;
    const QSignalBlocker blocker(combo);
    combo->clear();
    if (step > 0) {
        const bool sorted = IsComboSorted(combo);
        // 64-bit ids, so a base near INT_MAX cannot wrap round and loop forever.
        for (long long id = static_cast<long long>(base) + step; id < end; id += step) {
            const std::string& text = LoadText(static_cast<int>(id));
            if (text.empty())
                continue;
            int at = combo->count();
            if (sorted) {
                // Binary search for the first item after the new text.
                int lo = 0;
                int hi = combo->count();
                while (lo < hi) {
                    const int mid = (lo + hi) / 2;
                    if (PolishLess(text, combo->itemText(mid).toStdString()))
                        hi = mid;
                    else
                        lo = mid + 1;
                }
                at = lo;
            }
            combo->insertItem(at, QString::fromUtf8(text));
        }
        for (long long id = static_cast<long long>(base) + step; id < end; id += step) {
            const std::string& text = LoadText(static_cast<int>(id));
            if (text.empty())
                continue;
            const QString name = QString::fromUtf8(text);
            // Exact match first: "mg" and "Mg" are two units of mass.
            int item = combo->findText(name, Qt::MatchFixedString | Qt::MatchCaseSensitive);
            if (item < 0)
                item = combo->findText(name, Qt::MatchFixedString);
            if (item >= 0)
                combo->setItemData(item, static_cast<int>(id));
        }
    }
    combo->setCurrentIndex(selection >= 0 && selection < combo->count() ? selection : -1);
}

void FillUnitsOf(QComboBox* combo, int quantity) { FillUnitCombo(combo, quantity, quantity + kQuantityStep, 1, 0); }

void FillQuantityCombo(QComboBox* combo)
{
    FillUnitCombo(combo, kQuantityFirst - kQuantityStep, kQuantityLast + kQuantityStep, kQuantityStep, 0);
}
