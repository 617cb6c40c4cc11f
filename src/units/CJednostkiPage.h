#pragma once

#include <QString>
#include <QWidget>

#include "controls/HandlerBlock.h"

class QLabel;
class CButtonEx;
class CComboBoxExt;
class CEditEx;
class CTabTextLabel;

// The unit converter: one of the 31 quantities, a value in a source unit,
// its equivalent in a target unit, and the comment on that quantity's
// units. Converts on every edit of the value, on every change of either
// unit, on "&Oblicz" and on Enter anywhere on the page.
class CJednostkiPage : public QWidget {
    Q_OBJECT
public:
    explicit CJednostkiPage(QWidget* parent = nullptr);

    CComboBoxExt* QuantityCombo() const { return m_quantityCombo; }
    CEditEx* ValueEdit() const { return m_valueEdit; }
    CComboBoxExt* FromUnitCombo() const { return m_fromCombo; }
    CEditEx* ResultEdit() const { return m_resultEdit; }
    CComboBoxExt* ToUnitCombo() const { return m_toCombo; }
    CTabTextLabel* CommentStatic() const { return m_comment; }
    CButtonEx* ConvertButton() const { return m_convertButton; }
    CButtonEx* CopyButton() const { return m_copyButton; }

    double Value() const { return m_value; }
    double Result() const { return m_result; }
    int QuantityIndexValue() const { return m_quantityIndex; }

    void SelectQuantity();
    void Convert();
    void CopyResult();

protected:
    // Help asked for on the two labels: the page answers it.
    bool event(QEvent* event) override;

private:
    void OnInitDialog();
    void ShowComment();
    // Moves the texts between the members and the edit boxes: true reads
    // them, false writes those that differ, inside a guard, so a text the
    // page writes runs no handler.
    void UpdateData(bool saveAndValidate);
    int SelectedQuantity() const;

    double m_value = 1;
    double m_result = 1;
    int m_toUnit = 0;
    int m_fromUnit = 0;
    int m_quantityIndex = 0;
    QString m_resultText;
    QString m_valueText;
    CHandlerBlock m_writes;

    QLabel* m_quantityLabel = nullptr;
    CComboBoxExt* m_quantityCombo = nullptr;
    CEditEx* m_valueEdit = nullptr;
    CComboBoxExt* m_fromCombo = nullptr;
    QLabel* m_equalsLabel = nullptr;
    CEditEx* m_resultEdit = nullptr;
    CComboBoxExt* m_toCombo = nullptr;
    CTabTextLabel* m_comment = nullptr;
    CButtonEx* m_convertButton = nullptr;
    CButtonEx* m_copyButton = nullptr;
};
