// The control classes the analysis dialogs are built from. Until the
// context-help controls are in the tree, plain stand-ins with the same
// interface keep the dialogs building.
#pragma once

#if __has_include("controls/HelpControls.h")
#include "controls/HelpControls.h"
#else
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QString>

#include "base/NumberText.h"

inline QColor ResultTextColor() { return QColor(0, 0, 255); }

template <class Base>
class CStandIn : public Base {
public:
    explicit CStandIn(unsigned controlId, QWidget* parent = nullptr) : Base(parent), m_id(controlId)
    {
        this->setObjectName(QStringLiteral("ctrl%1").arg(controlId));
    }
    CStandIn(unsigned controlId, const QString& text, QWidget* parent = nullptr) : CStandIn(controlId, parent)
    {
        this->setText(text);
    }
    unsigned CtrlId() const { return m_id; }

private:
    unsigned m_id;
};

class CEditEx : public CStandIn<QLineEdit> {
public:
    using CStandIn::CStandIn;
    void SetResultLook(bool result)
    {
        setReadOnly(result);
        QPalette p = palette();
        p.setColor(QPalette::Base, result ? p.color(QPalette::Button) : p.color(QPalette::Window).lighter(200));
        p.setColor(QPalette::Text, result ? ResultTextColor() : p.color(QPalette::WindowText));
        setPalette(p);
    }
    bool FilterOn() { return true; }
};
class CComboBoxExt : public CStandIn<QComboBox> { public: using CStandIn::CStandIn; };
class CListBoxEx : public CStandIn<QListWidget> { public: using CStandIn::CStandIn; };
class CStaticEx : public CStandIn<QLabel> { public: using CStandIn::CStandIn; };
class CButtonEx : public CStandIn<QPushButton> { public: using CStandIn::CStandIn; };
class CRadioButtonEx : public CStandIn<QRadioButton> { public: using CStandIn::CStandIn; };
class CSliderCtrlEx : public CStandIn<QSlider> {
public:
    explicit CSliderCtrlEx(unsigned controlId, QWidget* parent = nullptr) : CStandIn(controlId, parent)
    {
        setOrientation(Qt::Horizontal);
        setTickPosition(QSlider::TicksBelow);
    }
};
#endif
