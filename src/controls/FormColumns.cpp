#include "controls/FormColumns.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>

void SetNumberBoxWidth(QLineEdit* edit)
{
    // The text's width plus what the style puts around a line edit's text.
    QStyleOptionFrame option;
    option.initFrom(edit);
    const QSize text(edit->fontMetrics().horizontalAdvance(QStringLiteral("-1.23457e+06")),
                     edit->fontMetrics().height());
    const QSize box = edit->style()->sizeFromContents(QStyle::CT_LineEdit, &option, text + QSize(8, 4), edit);
    edit->setMinimumWidth(box.width());
}

void AlignGridColumns(const std::vector<QGridLayout*>& grids, int columns)
{
    for (int column = 0; column < columns; ++column) {
        int widest = 0;
        for (QGridLayout* grid : grids) {
            grid->setColumnMinimumWidth(column, 0);
            for (int i = 0; i < grid->count(); ++i) {
                int row = 0, col = 0, rowSpan = 0, colSpan = 0;
                grid->getItemPosition(i, &row, &col, &rowSpan, &colSpan);
                if (col != column || colSpan != 1)
                    continue;
                QLayoutItem* item = grid->itemAt(i);
                if (item->widget() != nullptr && item->widget()->isHidden())
                    continue;
                // The least each cell needs: a box wider than that takes
                // its room from the column's stretch, not from here.
                widest = std::max(widest, item->minimumSize().width());
            }
        }
        for (QGridLayout* grid : grids)
            grid->setColumnMinimumWidth(column, widest);
    }
}

void SetParagraph(QLabel* label)
{
    constexpr int kCharactersPerLine = 40;
    label->setWordWrap(true);
    label->setMinimumWidth(label->fontMetrics().averageCharWidth() * kCharactersPerLine);
    // At its narrowest it is at its tallest: the dialog's least height
    // then holds every line however narrow the window gets.
    label->setMinimumHeight(label->heightForWidth(label->minimumWidth()));
}
