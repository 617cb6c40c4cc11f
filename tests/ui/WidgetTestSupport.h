// Helpers the widget tests share: numbers as the program prints them and
// controls found by their ids.
#pragma once

#include <QLineEdit>
#include <QString>
#include <QWidget>

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
