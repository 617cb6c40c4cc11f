#include "controls/HelpControls.h"

#include <algorithm>
#include <utility>

#include <QApplication>
#include <QHBoxLayout>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QStylePainter>
#include <QToolButton>
#include <QVBoxLayout>

#include "base/NumberText.h"
#include "controls/ContextHelp.h"
#include "controls/EditFilter.h"

QColor SysWindowColor() { return QApplication::palette().color(QPalette::Base); }
QColor SysWindowTextColor() { return QApplication::palette().color(QPalette::Text); }
QColor SysButtonFaceColor() { return QApplication::palette().color(QPalette::Button); }

CHelpControl::CHelpControl(QWidget* self, unsigned controlId) : m_ctrlId(controlId) { SetControlId(self, controlId); }

bool CHelpControl::HelpEvent(QWidget* self, QEvent* event, bool rightClickPopup) const
{
    return HandleControlHelpEvent(self, m_ctrlId, event, rightClickPopup);
}

void CColorControl::ApplyColors(QWidget* self, const QColor& background, const QColor& text)
{
    m_background = background;
    m_text = text;
    // The disabled look stays the style's: a disabled field greys out
    // whatever colours it shows while enabled.
    QPalette palette = self->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, m_backgroundRole, background);
        palette.setColor(group, m_textRole, text);
    }
    self->setPalette(palette);
}

// A read-only box shows the window text on the button face, as a result
// box does without its blue; a writable one on the window colour. Whoever
// switches the state, the look follows.
QColor ReadOnlyLookBackground(bool readOnly) { return readOnly ? SysButtonFaceColor() : SysWindowColor(); }

// ---- CEditEx

CEditEx::CEditEx(unsigned controlId, QWidget* parent)
    : QLineEdit(parent), CHelpControl(this, controlId), CColorControl(QPalette::Base, QPalette::Text),
      m_separator(DecimalSeparator())
{
    StoreColors(SysWindowColor(), SysWindowTextColor());
}

void CEditEx::SetColors(const QColor& background, const QColor& text) { ApplyColors(this, background, text); }

void CEditEx::ResetColors() { ApplyColors(this, SysWindowColor(), SysWindowTextColor()); }

void CEditEx::SetResultLook(bool result)
{
    setReadOnly(result);
    if (result)
        SetColors(SysButtonFaceColor(), ResultTextColor());
    else
        ResetColors();
}

bool CEditEx::FilterOn()
{
    const bool previous = m_filter;
    m_filter = true;
    return previous;
}

bool CEditEx::FilterOff()
{
    const bool previous = m_filter;
    m_filter = false;
    return previous;
}

bool CEditEx::event(QEvent* event)
{
    if (event->type() == QEvent::ReadOnlyChange)
        SetColors(ReadOnlyLookBackground(isReadOnly()), SysWindowTextColor());
    // No right-click popup: the edit box keeps its own context menu.
    return HelpEvent(this, event, false) || QLineEdit::event(event);
}

QString CEditEx::Filtered(const QString& typed) const
{
    QString result;
    for (const char32_t c : typed.toUcs4()) {
        if (const char32_t kept = FilterTypedCharacter(c, m_separator))
            result.append(QChar(static_cast<char16_t>(kept)));
    }
    return result;
}

void CEditEx::keyPressEvent(QKeyEvent* event)
{
    // Only typed characters are filtered: keys without printable text
    // (Backspace, Delete, Enter, arrows) and Ctrl combinations (copy,
    // paste, cut, undo) are editing commands and pass.
    const QString typed = event->text();
    const bool isTyping = !typed.isEmpty() && typed.front().isPrint() &&
                          !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
    if (!m_filter || !isTyping) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QString kept = Filtered(typed);
    if (kept.isEmpty()) {
        event->accept();  // dropped: the box does not change
        return;
    }
    if (kept == typed) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QKeyEvent replaced(event->type(), event->key(), event->modifiers(), kept, event->isAutoRepeat(),
                       static_cast<quint16>(event->count()));
    QLineEdit::keyPressEvent(&replaced);
    event->setAccepted(replaced.isAccepted());
}

void CEditEx::inputMethodEvent(QInputMethodEvent* event)
{
    // Text composed by an input method is typed text as well.
    if (!m_filter || event->commitString().isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(Filtered(event->commitString()), event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&filtered);
    event->setAccepted(filtered.isAccepted());
}

// ---- CMultiEditEx

CMultiEditEx::CMultiEditEx(unsigned controlId, QWidget* parent)
    : QPlainTextEdit(parent), CHelpControl(this, controlId), CColorControl(QPalette::Base, QPalette::Text),
      m_separator(DecimalSeparator())
{
    StoreColors(SysWindowColor(), SysWindowTextColor());
}

bool CMultiEditEx::FilterOn() { return std::exchange(m_filter, true); }

bool CMultiEditEx::FilterOff() { return std::exchange(m_filter, false); }

bool CMultiEditEx::event(QEvent* event)
{
    if (event->type() == QEvent::ReadOnlyChange)
        ApplyColors(this, ReadOnlyLookBackground(isReadOnly()), SysWindowTextColor());
    return HelpEvent(this, event, false) || QPlainTextEdit::event(event);
}

void CMultiEditEx::keyPressEvent(QKeyEvent* event)
{
    // As in the one-line box: a typed character the filter drops is eaten;
    // editing keys and Ctrl combinations pass.
    const QString typed = event->text();
    const bool isTyping = !typed.isEmpty() && typed.front().isPrint() &&
                          !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
    if (m_filter && isTyping && !isReadOnly()) {
        QString kept;
        for (const char32_t c : typed.toUcs4())
            if (const char32_t k = FilterTypedCharacter(c, m_separator))
                kept.append(QChar(static_cast<char16_t>(k)));
        if (kept != typed) {
            if (!kept.isEmpty())
                insertPlainText(kept);
            event->accept();
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(event);
}

// ---- CComboBoxExt

CComboBoxExt::CComboBoxExt(unsigned controlId, QWidget* parent) : QComboBox(parent), CHelpControl(this, controlId) {}

bool CComboBoxExt::event(QEvent* event) { return HelpEvent(this, event, true) || QComboBox::event(event); }

// ---- CListBoxEx

CListBoxEx::CListBoxEx(unsigned controlId, QWidget* parent)
    : QListWidget(parent), CHelpControl(this, controlId), CColorControl(QPalette::Base, QPalette::Text)
{
    StoreColors(SysWindowColor(), SysWindowTextColor());
}

void CListBoxEx::SetColors(const QColor& background, const QColor& text) { ApplyColors(this, background, text); }

void CListBoxEx::ResetColors() { ApplyColors(this, SysWindowColor(), SysWindowTextColor()); }

bool CListBoxEx::event(QEvent* event) { return HelpEvent(this, event, true) || QListWidget::event(event); }

// ---- CSliderCtrlEx

CSliderCtrlEx::CSliderCtrlEx(unsigned controlId, QWidget* parent)
    : QSlider(Qt::Horizontal, parent), CHelpControl(this, controlId)
{
    setTickPosition(QSlider::TicksBelow);
}

bool CSliderCtrlEx::event(QEvent* event) { return HelpEvent(this, event, true) || QSlider::event(event); }

// ---- CSpinButtonCtrlEx

CSpinButtonCtrlEx::CSpinButtonCtrlEx(unsigned controlId, QWidget* parent)
    : QWidget(parent), CHelpControl(this, controlId), m_up(new QToolButton(this)), m_down(new QToolButton(this))
{
    setFocusPolicy(Qt::StrongFocus);
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    for (QToolButton* arrow : {m_up, m_down}) {
        arrow->setAutoRepeat(true);
        arrow->setFocusPolicy(Qt::NoFocus);
        arrow->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    }
    m_up->setObjectName(QStringLiteral("up"));
    m_down->setObjectName(QStringLiteral("down"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_up);
    layout->addWidget(m_down);
    connect(m_up, &QToolButton::clicked, this, [this] { Step(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { Step(-1); });
}

void CSpinButtonCtrlEx::SetRange(int lower, int upper)
{
    m_lower = std::min(lower, upper);
    m_upper = std::max(lower, upper);
    m_pos = std::clamp(m_pos, m_lower, m_upper);
}

int CSpinButtonCtrlEx::GetPos() const
{
    if (m_buddy) {
        bool ok = false;
        const int typed = m_buddy->text().trimmed().toInt(&ok);
        if (ok && typed >= m_lower && typed <= m_upper)
            return typed;
    }
    return m_pos;
}

void CSpinButtonCtrlEx::SetPos(int position)
{
    m_pos = std::clamp(position, m_lower, m_upper);
    WriteBuddy(false);
}

void CSpinButtonCtrlEx::SetBuddy(QLineEdit* buddy)
{
    m_buddy = buddy;
    WriteBuddy(false);
}

void CSpinButtonCtrlEx::Step(int delta)
{
    // Steps start from what the buddy shows, as the user may have typed there.
    const int next = std::clamp(GetPos() + delta, m_lower, m_upper);
    const bool moved = next != m_pos;
    m_pos = next;
    WriteBuddy(true);
    if (moved)
        emit PositionChanged(m_pos);
}

void CSpinButtonCtrlEx::WriteBuddy(bool asUser)
{
    if (!m_buddy)
        return;
    // Integers only: no decimal separator is involved.
    const QString text = QString::number(m_pos);
    if (m_buddy->text() == text)
        return;
    if (asUser) {
        // The user's own step: replace the text as typing would, so that
        // handlers of user edits run.
        m_buddy->selectAll();
        m_buddy->insert(text);
    } else {
        m_buddy->setText(text);
    }
}

bool CSpinButtonCtrlEx::event(QEvent* event) { return HelpEvent(this, event, false) || QWidget::event(event); }

void CSpinButtonCtrlEx::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up:
        Step(1);
        break;
    case Qt::Key_Down:
        Step(-1);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

// ---- CStaticEx

CStaticEx::CStaticEx(unsigned controlId, const QString& text, QWidget* parent)
    : QLabel(text, parent), CHelpControl(this, controlId)
{
}

bool CStaticEx::event(QEvent* event) { return HelpEvent(this, event, true) || QLabel::event(event); }

// ---- The button family

CButtonEx::CButtonEx(unsigned controlId, const QString& text, QWidget* parent)
    : QPushButton(text, parent), CHelpControl(this, controlId), CColorControl(QPalette::Button, QPalette::ButtonText)
{
    StoreColors(SysButtonFaceColor(), SysWindowTextColor());
}

void CButtonEx::SetColors(const QColor& background, const QColor& text) { ApplyColors(this, background, text); }

void CButtonEx::ResetColors() { ApplyColors(this, SysButtonFaceColor(), SysWindowTextColor()); }

bool CButtonEx::event(QEvent* event) { return HelpEvent(this, event, true) || QPushButton::event(event); }

namespace {
// Radio and check buttons have no face of their own: the
// background colour fills their area once set, the parent shows through
// once reset.
void FillArea(QWidget* self, bool fill) { self->setAutoFillBackground(fill); }
} // namespace

CRadioButtonEx::CRadioButtonEx(unsigned controlId, const QString& text, QWidget* parent)
    : QRadioButton(text, parent), CHelpControl(this, controlId), CColorControl(QPalette::Window, QPalette::WindowText)
{
    StoreColors(SysButtonFaceColor(), SysWindowTextColor());
}

void CRadioButtonEx::SetColors(const QColor& background, const QColor& text)
{
    ApplyColors(this, background, text);
    FillArea(this, true);
}

void CRadioButtonEx::ResetColors()
{
    ApplyColors(this, SysButtonFaceColor(), SysWindowTextColor());
    FillArea(this, false);
}

bool CRadioButtonEx::event(QEvent* event) { return HelpEvent(this, event, true) || QRadioButton::event(event); }

CCheckBoxEx::CCheckBoxEx(unsigned controlId, const QString& text, QWidget* parent)
    : QCheckBox(text, parent), CHelpControl(this, controlId), CColorControl(QPalette::Window, QPalette::WindowText)
{
    StoreColors(SysButtonFaceColor(), SysWindowTextColor());
}

void CCheckBoxEx::SetColors(const QColor& background, const QColor& text)
{
    ApplyColors(this, background, text);
    FillArea(this, true);
}

void CCheckBoxEx::ResetColors()
{
    ApplyColors(this, SysButtonFaceColor(), SysWindowTextColor());
    FillArea(this, false);
}

bool CCheckBoxEx::event(QEvent* event) { return HelpEvent(this, event, true) || QCheckBox::event(event); }

CGroupBoxEx::CGroupBoxEx(unsigned controlId, const QString& title, QWidget* parent)
    : QGroupBox(title, parent), CHelpControl(this, controlId), CColorControl(QPalette::Window, QPalette::WindowText)
{
    StoreColors(SysButtonFaceColor(), SysWindowTextColor());
}

void CGroupBoxEx::SetColors(const QColor& background, const QColor& text)
{
    StoreColors(background, text);
    m_captionColors = true;
    update();
}

void CGroupBoxEx::ResetColors()
{
    StoreColors(SysButtonFaceColor(), SysWindowTextColor());
    m_captionColors = false;
    update();
}

QStyleOptionGroupBox CGroupBoxEx::PaintOption() const
{
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    if (m_captionColors) {
        // Styles take the caption's colour from one or the other.
        option.textColor = TextColor();
        option.palette.setColor(QPalette::WindowText, TextColor());
    }
    return option;
}

void CGroupBoxEx::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    const QStyleOptionGroupBox option = PaintOption();
    if (m_captionColors && !option.text.isEmpty())
        painter.fillRect(style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this),
                         BackgroundColor());
    painter.drawComplexControl(QStyle::CC_GroupBox, option);
}

bool CGroupBoxEx::event(QEvent* event) { return HelpEvent(this, event, true) || QGroupBox::event(event); }
