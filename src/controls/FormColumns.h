// Field rows (label | edit box | unit) in group boxes stacked one above
// another: their boxes line up, and a box is as wide as a typical number.
#pragma once

#include <QString>
#include <vector>

class QGridLayout;
class QLabel;
class QLineEdit;

// Gives a number box the width of a typical number, "-1.23457e+06"; a
// longer text scrolls inside the box.
void SetNumberBoxWidth(QLineEdit* edit);

// Gives each of the first `columns` columns of the grids, at least, the
// least width its widest cell needs in any of them, so that the columns of the stacked groups
// line up. Measure again (call again) when the cells' contents changed.
void AlignGridColumns(const std::vector<QGridLayout*>& grids, int columns = 3);

// A paragraph of a small dialog (its text set): wrapped, never narrower
// than about forty characters a line and never lower than all its lines
// need at that width, so that no window size cuts it.
void SetParagraph(QLabel* label);
