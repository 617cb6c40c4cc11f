// Helpers the widget tests share: numbers as the program prints them,
// controls found by their ids, and the user's typing, pasting and picking.
#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QString>
#include <QWidget>
#include <QtTest>

#include "base/NumberText.h"
#include "controls/ContextHelp.h"

// A number (or a text with numbers) under the separator in force: every
// full stop becomes the separator.
inline QString Num(const char* text)
{
    QString s = QString::fromUtf8(text);
    return s.replace(QLatin1Char('.'), QLatin1Char(DecimalSeparator()));
}

// The control of a window by its id; a missing control ends the test.
template <class T>
T* Ctrl(QWidget& window, unsigned id)
{
    T* w = window.findChild<T*>(ControlObjectName(id));
    if (w == nullptr)
        qFatal("control %u missing", id);
    return w;
}

inline QLineEdit* Edit(QWidget& window, unsigned id) { return Ctrl<QLineEdit>(window, id); }
inline QString TextOf(QWidget& window, unsigned id) { return Edit(window, id)->text(); }

// The user replaces a box's text key by key.
inline void Type(QWidget& window, unsigned id, const QString& text)
{
    QLineEdit* edit = Edit(window, id);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

// The user pastes over a box's whole text (the filter lets paste pass).
inline void Paste(QWidget& window, unsigned id, const QString& text)
{
    QLineEdit* edit = Edit(window, id);
    edit->setFocus();
    edit->selectAll();
    edit->insert(text);
}

// The user picks a unit by its name.
inline void Choose(QWidget& window, unsigned comboId, const QString& unit)
{
    auto* combo = Ctrl<QComboBox>(window, comboId);
    const int index = combo->findText(unit);
    QVERIFY2(index >= 0, qPrintable(unit));
    combo->setCurrentIndex(index);
}

// The user clicks a button where it takes clicks: a radio button only on
// its indicator and text, which need not fill the width a layout gives it.
inline void ClickButton(QWidget& window, unsigned id)
{
    auto* button = Ctrl<QAbstractButton>(window, id);
    QPoint at = button->rect().center();
    if (auto* radio = qobject_cast<QRadioButton*>(button)) {
        QStyleOptionButton option;
        option.initFrom(radio);
        option.text = radio->text();
        at = radio->style()->subElementRect(QStyle::SE_RadioButtonClickRect, &option, radio).center();
    }
    QTest::mouseClick(button, Qt::LeftButton, {}, at);
}
