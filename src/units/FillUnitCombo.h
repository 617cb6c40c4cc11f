// Filling a combo box with quantity or unit names from the string table.
#pragma once

class QComboBox;

// Sorted style of a combo box: a combo whose insertPolicy() is
// QComboBox::InsertAlphabetically is sorted; FillUnitCombo then places
// every name in Polish alphabetical order (the same on every machine,
// whatever locales it has). Any other policy keeps the order of the ids.
// Unit lists are never sorted (their position is the unit index); the
// quantity lists are.
void MakeComboSorted(QComboBox* combo);
bool IsComboSorted(const QComboBox* combo);

// Fills combo from the string table:
//  1. removes all items;
//  2. for id = base + step, base + 2 step, ... while id < end, adds the
//     string of id when it exists and is not empty (sorted combo: at its
//     alphabetical place; otherwise appended);
//  3. gives each such item the id as its data (Qt::UserRole, an int): the
//     item whose text equals the string, an exact match first, else the
//     first match ignoring case;
//  4. selects the item at position selection (none when out of range).
// (N, N + 100, 1, 0) lists the units of quantity N; (900, 4100, 100, 0) the
// 31 convertible quantities. A step of 0 or less adds nothing.
// The combo sends no change signal while it is filled: like a selection set
// by the program, a fill runs no selection handler.
void FillUnitCombo(QComboBox* combo, int base, int end, int step, int selection);

// The units of a quantity, the SI unit selected: (quantity, quantity + 100, 1, 0).
void FillUnitsOf(QComboBox* combo, int quantity);
// The 31 convertible quantities, the first selected.
void FillQuantityCombo(QComboBox* combo);
