// The controls that pages and dialogs are built from. Each explains itself:
// F1 while it has the focus shows its help popup at the mouse pointer, as
// does a "What's This" click on it (Shift+F1 or the caption's "?", see
// EnableWhatsThis); most also answer a right click with the popup at the
// click (the edit box keeps its own context menu, the spin control has none).
//
// Every control gets its control id as the first constructor argument:
// CtrlId() returns it, ControlIdOf(widget) reads it from any widget, and the
// widget's objectName is "ctrl<id>" (tests: findChild<CEditEx*>("ctrl1118")).
// The popup shown is the one of HelpIdOf(id); ids without a pair give 0.
//
// The button family: CButtonEx (push button), CRadioButtonEx, CCheckBoxEx
// and CGroupBoxEx share the help behaviour and the colours.
//
// Colours: SetColors(background, text) and ResetColors() on the edit box,
// the buttons and the list box. Computed fields take the result look:
// read-only, button-face background, blue text (SetResultLook).
#pragma once

#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStyleOption>
#include <QWidget>

class QToolButton;

// The system colours the controls start from.
QColor SysWindowColor();      // background of edit and list boxes
QColor SysWindowTextColor();  // text of every control
QColor SysButtonFaceColor();  // background of buttons and of computed fields
inline QColor ResultTextColor() { return QColor(0, 0, 255); }
// The background of an edit box: the button face while it is read-only
// (the look of every read-only box, in every page and dialog), else the
// window colour.
QColor ReadOnlyLookBackground(bool readOnly);

// Control id and help handling, shared by all the controls.
class CHelpControl {
public:
    unsigned CtrlId() const { return m_ctrlId; }

protected:
    CHelpControl(QWidget* self, unsigned controlId);
    // True when the event was a help request, now handled.
    bool HelpEvent(QWidget* self, QEvent* event, bool rightClickPopup) const;

private:
    unsigned m_ctrlId;
};

// Colour state: a background and a text colour put into the widget's palette.
class CColorControl {
public:
    QColor BackgroundColor() const { return m_background; }
    QColor TextColor() const { return m_text; }

protected:
    CColorControl(QPalette::ColorRole backgroundRole, QPalette::ColorRole textRole)
        : m_backgroundRole(backgroundRole), m_textRole(textRole)
    {
    }
    // The colours the control starts with; its palette stays inherited.
    void StoreColors(const QColor& background, const QColor& text)
    {
        m_background = background;
        m_text = text;
    }
    void ApplyColors(QWidget* self, const QColor& background, const QColor& text);

private:
    QPalette::ColorRole m_backgroundRole;
    QPalette::ColorRole m_textRole;
    QColor m_background;
    QColor m_text;
};

class CEditEx : public QLineEdit, public CHelpControl, public CColorControl {
    Q_OBJECT
public:
    // The filter starts on; the decimal separator is DecimalSeparator() at
    // construction.
    explicit CEditEx(unsigned controlId, QWidget* parent = nullptr);

    void SetColors(const QColor& background, const QColor& text);
    void ResetColors();  // window colour, window-text colour
    // Read-only with the result colours, or editable with the normal ones.
    // setReadOnly alone gives the read-only look (ReadOnlyLookBackground).
    void SetResultLook(bool result);

    // The number filter acts on typed characters only: digits, '+', '-',
    // 'E', 'e' pass; ',' and '.' both type the decimal separator; anything
    // else typed is dropped. Paste, cut, undo and text set by the program
    // pass whole. Both return the previous state.
    bool FilterOn();
    bool FilterOff();
    bool IsFilterOn() const { return m_filter; }
    char Separator() const { return m_separator; }

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    QString Filtered(const QString& typed) const;

    bool m_filter = true;
    char m_separator;
};

// A multi-line edit box (the state texts of the medium pages): the help of
// an edit box and its character filter, which a page switches off before it
// writes free text into the box. Keeps its own context menu; read-only, it
// takes the read-only look.
class CMultiEditEx : public QPlainTextEdit, public CHelpControl, public CColorControl {
    Q_OBJECT
public:
    explicit CMultiEditEx(unsigned controlId, QWidget* parent = nullptr);
    bool FilterOn();
    bool FilterOff();
    bool IsFilterOn() const { return m_filter; }

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool m_filter = true;
    char m_separator;
};

class CComboBoxExt : public QComboBox, public CHelpControl {
    Q_OBJECT
public:
    explicit CComboBoxExt(unsigned controlId, QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;
};

class CListBoxEx : public QListWidget, public CHelpControl, public CColorControl {
    Q_OBJECT
public:
    explicit CListBoxEx(unsigned controlId, QWidget* parent = nullptr);

    void SetColors(const QColor& background, const QColor& text);
    void ResetColors();  // window colour, window-text colour

protected:
    bool event(QEvent* event) override;
};

class CSliderCtrlEx : public QSlider, public CHelpControl {
    Q_OBJECT
public:
    // Horizontal, tick marks below.
    explicit CSliderCtrlEx(unsigned controlId, QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;
};

// An up-down control: two arrow buttons that step a position within a
// range and write it into a buddy edit box, as if the user typed it there
// (the buddy's textEdited and textChanged both fire). The arrow keys step
// it while it has the focus.
class CSpinButtonCtrlEx : public QWidget, public CHelpControl {
    Q_OBJECT
public:
    explicit CSpinButtonCtrlEx(unsigned controlId, QWidget* parent = nullptr);

    void SetRange(int lower, int upper);
    int Lower() const { return m_lower; }
    int Upper() const { return m_upper; }
    // The position; with a buddy, the buddy's number when it holds one in range.
    int GetPos() const;
    // Sets the position (clamped) and writes it into the buddy; no signal.
    void SetPos(int position);
    void SetBuddy(QLineEdit* buddy);
    QLineEdit* Buddy() const { return m_buddy; }

    QToolButton* UpButton() const { return m_up; }
    QToolButton* DownButton() const { return m_down; }

    // One step up (+1) or down (-1), as an arrow click does.
    void Step(int delta);

signals:
    // The user moved the position (arrow click or key).
    void PositionChanged(int position);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void WriteBuddy(bool asUser);

    QToolButton* m_up;
    QToolButton* m_down;
    QLineEdit* m_buddy = nullptr;
    int m_lower = 0;
    int m_upper = 100;
    int m_pos = 0;
};

class CStaticEx : public QLabel, public CHelpControl {
    Q_OBJECT
public:
    explicit CStaticEx(unsigned controlId, const QString& text = QString(), QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;
};

// The button family. Push buttons paint their face in the background
// colour; radio and check buttons fill their area with it, group boxes
// their caption only.
class CButtonEx : public QPushButton, public CHelpControl, public CColorControl {
    Q_OBJECT
public:
    explicit CButtonEx(unsigned controlId, const QString& text = QString(), QWidget* parent = nullptr);

    void SetColors(const QColor& background, const QColor& text);
    void ResetColors();  // button-face colour, window-text colour

protected:
    bool event(QEvent* event) override;
};

class CRadioButtonEx : public QRadioButton, public CHelpControl, public CColorControl {
    Q_OBJECT
public:
    explicit CRadioButtonEx(unsigned controlId, const QString& text = QString(), QWidget* parent = nullptr);

    void SetColors(const QColor& background, const QColor& text);
    void ResetColors();

protected:
    bool event(QEvent* event) override;
};

class CCheckBoxEx : public QCheckBox, public CHelpControl, public CColorControl {
    Q_OBJECT
public:
    explicit CCheckBoxEx(unsigned controlId, const QString& text = QString(), QWidget* parent = nullptr);

    void SetColors(const QColor& background, const QColor& text);
    void ResetColors();

protected:
    bool event(QEvent* event) override;
};

// A group box's colours touch its caption only: the text in the text
// colour on a patch of the background colour. The frame, its inside and
// whatever lies in it keep their own palettes.
class CGroupBoxEx : public QGroupBox, public CHelpControl, public CColorControl {
    Q_OBJECT
public:
    explicit CGroupBoxEx(unsigned controlId, const QString& title = QString(), QWidget* parent = nullptr);

    void SetColors(const QColor& background, const QColor& text);
    void ResetColors();
    // What the box paints with: its own palette, but for the caption's
    // colour once SetColors has set one.
    QStyleOptionGroupBox PaintOption() const;
    bool HasCaptionColors() const { return m_captionColors; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_captionColors = false;
};
