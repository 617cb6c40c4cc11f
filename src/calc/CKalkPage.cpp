#include "calc/CKalkPage.h"

#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QFontMetricsF>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "base/NumberText.h"
#include "base/StringTable.h"
#include "calc/CTapeList.h"
#include "calc/KalkIcons.h"
#include "controls/ContextHelp.h"
#include "controls/HelpControls.h"
#include "controls/Modal.h"
#include "controls/UiString.h"
#include "units/FillUnitCombo.h"
#include "units/Units.h"

namespace {

int g_flashMilliseconds = 100;

constexpr int kIdsClipboardOpen = 11102;
constexpr int kIdsClipboardEmpty = 11103;
constexpr int kIdsClipboardWrite = 11104;

// Draws the tape lines with one tab stop, as the list box of the template
// does; the tab stop is 10 dialog units of the page's own font.
class CTapeDelegate : public QStyledItemDelegate {
public:
    CTapeDelegate(QObject* parent, qreal tabStop) : QStyledItemDelegate(parent), m_tabStop(tabStop) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem opt(option);
        initStyleOption(&opt, index);
        const QString text = opt.text;
        opt.text.clear();
        const QWidget* widget = opt.widget;
        QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

        painter->save();
        const bool selected = (opt.state & QStyle::State_Selected) != 0;
        painter->setPen(opt.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter->setFont(opt.font);
        QTextOption textOption(Qt::AlignLeft | Qt::AlignVCenter);
        textOption.setWrapMode(QTextOption::NoWrap);
        textOption.setTabStopDistance(m_tabStop);
        painter->drawText(QRectF(opt.rect).adjusted(2, 0, 0, 0), text, textOption);
        painter->restore();
    }

private:
    qreal m_tabStop;
};

bool IsTapeKey(int id)
{
    return (id >= kIdPi && id <= kIdClearAll) || (id >= kIdCloseBracket && id <= kIdFunction24);
}

} // namespace

void CKalkPage::SetFlashDuration(int milliseconds) { g_flashMilliseconds = milliseconds < 0 ? 0 : milliseconds; }

int CKalkPage::FlashDuration() { return g_flashMilliseconds; }

CKalkPage::CKalkPage(QWidget* parent) : QWidget(parent)
{
    m_flashTimer.setSingleShot(true);
    connect(&m_flashTimer, &QTimer::timeout, this, &CKalkPage::NextFlash);
    BuildControls();
    OnInitDialog();
    // The accelerators see every key before the control with the focus.
    qApp->installEventFilter(this);
}

CKalkPage::~CKalkPage()
{
    if (qApp != nullptr)
        qApp->removeEventFilter(this);
}

void CKalkPage::BuildControls()
{
    m_list = new CTapeList(kIdTapeList, this);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_list->setUniformItemSizes(true);
    m_list->setMinimumHeight(180);

    auto key = [this](int id) {
        auto* button = new CButtonEx(static_cast<unsigned>(id), QString(), this);
        const QString caption = KalkKeyCaption(id);
        button->setAccessibleName(caption);
        button->setToolTip(caption);
        button->setAutoDefault(false);
        button->setMinimumSize(40, 28);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        m_buttons[id] = button;
        connect(button, &QPushButton::clicked, this, [this, id] { OnCommand(id); });
        return button;
    };

    // Keypad: brackets and clearing, digits, operators.
    auto* keypad = new QGridLayout;
    const int rows[5][5] = {
        {kIdFunction0, kIdCloseBracket, kIdBackspace, kIdClearAll, kIdClear},
        {kIdDigit0 + 7, kIdDigit0 + 8, kIdDigit0 + 9, kIdDivide, kIdPi},
        {kIdDigit0 + 4, kIdDigit0 + 5, kIdDigit0 + 6, kIdMultiply, kIdExp},
        {kIdDigit0 + 1, kIdDigit0 + 2, kIdDigit0 + 3, kIdSubtract, kIdSign},
        {kIdDigit0, kIdSeparator, kIdResult, kIdAdd, kIdInfo},
    };
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 5; ++c)
            keypad->addWidget(key(rows[r][c]), r, c);

    // Functions, three to a row in the order of their numbers' families.
    auto* functions = new QGridLayout;
    const int functionRows[8][3] = {
        {kIdReciprocal, kIdSqrt, kIdCubeRoot}, {kIdSquare, kIdPower, kIdRoot}, {kIdTenPower, kIdEPower, kIdLog},
        {kIdLn, kIdAToB, kIdBToA},             {kIdSin, kIdCos, kIdTan},      {kIdArcsin, kIdArccos, kIdArctan},
        {kIdSinh, kIdCosh, kIdTanh},           {kIdArsinh, kIdArcosh, kIdArtanh},
    };
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 3; ++c)
            functions->addWidget(key(functionRows[r][c]), r, c);

    m_exponentEdit = new CEditEx(kIdExponentY, this);
    auto* exponentLabel = new QLabel(QStringLiteral("Wykładnik potęgi  y"), this);
    exponentLabel->setBuddy(m_exponentEdit);

    m_deg = new CRadioButtonEx(kIdDeg, QStringLiteral("Deg"), this);
    m_rad = new CRadioButtonEx(kIdRad, QStringLiteral("Rad"), this);
    m_grad = new CRadioButtonEx(kIdGrad, QStringLiteral("Grad"), this);
    m_angleGroup = new QButtonGroup(this);
    m_angleGroup->setExclusive(true);
    for (CRadioButtonEx* radio : {m_deg, m_rad, m_grad}) {
        m_angleGroup->addButton(radio, static_cast<int>(radio->CtrlId()));
        const int id = static_cast<int>(radio->CtrlId());
        connect(radio, &QAbstractButton::clicked, this, [this, id] { ChooseAngle(id); });
    }

    m_fixBox = new CCheckBoxEx(kIdFix, QStringLiteral("Fix"), this);
    connect(m_fixBox, &QAbstractButton::clicked, this, [this] { ToggleFix(true); });
    m_decimalsEdit = new CEditEx(kIdDecimals, this);
    m_decimalsEdit->setMaximumWidth(48);
    m_decimalsSpin = new CSpinButtonCtrlEx(kIdDecimalsSpin, this);
    m_decimalsSpin->SetBuddy(m_decimalsEdit);

    m_quantityCombo = new CComboBoxExt(kIdQuantity, this);
    MakeComboSorted(m_quantityCombo);
    m_unitACombo = new CComboBoxExt(kIdUnitA, this);
    m_unitBCombo = new CComboBoxExt(kIdUnitB, this);
    auto* labelA = new QLabel(QStringLiteral("A"), this);
    auto* labelB = new QLabel(QStringLiteral("B"), this);
    labelA->setBuddy(m_unitACombo);
    labelB->setBuddy(m_unitBCombo);

    auto* settings = new QGridLayout;
    settings->addWidget(exponentLabel, 0, 0, 1, 2);
    settings->addWidget(m_exponentEdit, 0, 2, 1, 2);
    auto* angles = new QHBoxLayout;
    angles->addWidget(m_deg);
    angles->addWidget(m_rad);
    angles->addWidget(m_grad);
    angles->addStretch(1);
    settings->addLayout(angles, 1, 0, 1, 4);
    auto* format = new QHBoxLayout;
    format->addWidget(m_fixBox);
    format->addWidget(m_decimalsEdit);
    format->addWidget(m_decimalsSpin);
    format->addStretch(1);
    format->addWidget(key(kIdCopy));
    format->addWidget(key(kIdPaste));
    settings->addLayout(format, 2, 0, 1, 4);
    settings->addWidget(m_quantityCombo, 3, 0, 1, 4);
    settings->addWidget(labelA, 4, 0);
    settings->addWidget(m_unitACombo, 4, 1, 1, 3);
    settings->addWidget(labelB, 5, 0);
    settings->addWidget(m_unitBCombo, 5, 1, 1, 3);
    settings->setColumnStretch(3, 1);

    auto* right = new QVBoxLayout;
    right->addLayout(functions, 1);
    auto* left = new QVBoxLayout;
    left->addLayout(keypad, 1);
    left->addLayout(settings);

    auto* lower = new QHBoxLayout;
    lower->addLayout(left, 5);
    lower->addLayout(right, 3);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(lower);

    for (QWidget* control : std::initializer_list<QWidget*>{m_list, m_decimalsEdit, m_exponentEdit, m_quantityCombo,
                                                            m_unitACombo, m_unitBCombo})
        m_writes.AddControl(control);
    connect(m_list, &QListWidget::currentRowChanged, this, &CKalkPage::ListSelectionChanged);
    connect(m_list, &QListWidget::itemSelectionChanged, this, &CKalkPage::KeepCursorSelected);
    connect(m_decimalsEdit, &QLineEdit::textChanged, this, &CKalkPage::DecimalsChanged);
    connect(m_exponentEdit, &QLineEdit::textChanged, this, &CKalkPage::ExponentChanged);
    connect(m_quantityCombo, &QComboBox::currentIndexChanged, this, &CKalkPage::QuantityChanged);
    for (QComboBox* unit : {m_unitACombo, m_unitBCombo})
        connect(unit, &QComboBox::currentIndexChanged, this, &CKalkPage::UnitsChanged);
}

void CKalkPage::OnInitDialog()
{
    CHandlerBlock::Guard guard(m_writes);
    // The data exchange writes y (still 0) into its field.
    m_exponentEdit->setText(QString::fromStdString(FormatG(m_exponentY)));

    // "Fixedsys" is not a font here; a monospaced one of the same size.
    QFont display(QStringLiteral("DejaVu Sans Mono"));
    display.setStyleHint(QFont::TypeWriter);
    display.setFixedPitch(true);
    display.setPointSize(12);
    m_list->setFont(display);
    const qreal dialogUnit = QFontMetricsF(font()).averageCharWidth() / 4.0;
    m_list->setItemDelegate(new CTapeDelegate(m_list, 10 * dialogUnit));
    m_list->SetColors(QColor(128, 128, 128), QColor(0, 255, 0));

    m_fixBox->setChecked(true);
    m_tape.SetFix(true);

    // Function pictures are wider: they all share the size at which the
    // widest of them fits, as tall as the digits.
    for (auto& [id, button] : m_buttons) {
        button->setIcon(KalkKeyIcon(id));
        const bool function = id > kIdFunction0 && id <= kIdFunction24;
        button->setIconSize(QSize(function ? 56 : 34, 20));
    }

    FillQuantityCombo(m_quantityCombo);
    const int quantity = m_quantityCombo->currentData().toInt();
    FillUnitsOf(m_unitACombo, quantity);
    FillUnitsOf(m_unitBCombo, quantity);
    const auto [multiplier, offset] = SelectedConversion();
    m_tape.SetConversion(multiplier, offset);

    m_exponentY = 1.0;
    m_exponentEdit->setText(QString::fromStdString(FormatG(m_exponentY)));
    m_tape.SetExponentY(m_exponentY);

    m_deg->setChecked(true);
    m_tape.SetAngleMode(AngleMode::Deg);

    m_decimalsSpin->SetRange(0, 11);
    m_decimalsSpin->SetPos(5);
    m_tape.StoreDecimals(m_decimalsSpin->GetPos());
    Refresh();
}

CButtonEx* CKalkPage::Button(int controlId) const
{
    const auto it = m_buttons.find(controlId);
    return it != m_buttons.end() ? it->second : nullptr;
}

CRadioButtonEx* CKalkPage::AngleButton(int controlId) const
{
    switch (controlId) {
    case kIdDeg: return m_deg;
    case kIdRad: return m_rad;
    case kIdGrad: return m_grad;
    default: return nullptr;
    }
}

bool CKalkPage::event(QEvent* event)
{
    return HandleParentHelpEvent(this, event) || QWidget::event(event);
}

int CKalkPage::AcceleratorCommand(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers mods =
        event.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const int key = event.key();
    if (mods == Qt::NoModifier || mods == Qt::ShiftModifier) {
        switch (key) {
        case Qt::Key_Backspace: return mods == Qt::NoModifier ? kIdBackspace : 0;
        case Qt::Key_Delete: return mods == Qt::NoModifier ? kIdClearAll : 0;
        case Qt::Key_Escape: return mods == Qt::NoModifier ? kIdClear : 0;
        case Qt::Key_F9: return mods == Qt::NoModifier ? kIdSign : 0;
        case Qt::Key_Return:
        case Qt::Key_Enter: return mods == Qt::NoModifier ? kIdResult : 0;
        default: break;
        }
    }
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        const char letter = static_cast<char>('A' + (key - Qt::Key_A));
        if (mods == Qt::ControlModifier) {
            switch (letter) {
            case 'C': return kIdCopy;
            case 'V': return kIdPaste;
            case 'P': return kIdPi;
            case 'D': return kIdDeg;
            case 'R': return kIdRad;
            case 'G': return kIdGrad;
            case 'S': return kIdSinh;
            case 'O': return kIdCosh;
            case 'T': return kIdTanh;
            default: return 0;
            }
        }
        if (mods == Qt::ShiftModifier) {
            switch (letter) {
            case 'P': return kIdCubeRoot;
            case 'Y': return kIdRoot;
            case 'S': return kIdArcsin;
            case 'O': return kIdArccos;
            case 'T': return kIdArctan;
            default: break; // other capitals are typed characters, none taken
            }
            return 0;
        }
        if (mods == (Qt::ControlModifier | Qt::ShiftModifier)) {
            switch (letter) {
            case 'S': return kIdArsinh;
            case 'O': return kIdArcosh;
            case 'T': return kIdArtanh;
            default: return 0;
            }
        }
    }
    if ((mods & Qt::ControlModifier) && !(mods & Qt::AltModifier))
        return 0;
    const QString text = event.text();
    if (text.size() != 1)
        return 0;
    const char16_t c = text.at(0).unicode();
    if (c >= u'0' && c <= u'9')
        return kIdDigit0 + (c - u'0');
    switch (c) {
    case u'(': return kIdFunction0;
    case u')': return kIdCloseBracket;
    case u'*': return kIdMultiply;
    case u'+': return kIdAdd;
    case u',':
    case u'.': return kIdSeparator;
    case u'-': return kIdSubtract;
    case u'/': return kIdDivide;
    case u'=': return kIdResult;
    case u'@': return kIdSquare;
    case u'a': return kIdAToB;
    case u'b': return kIdBToA;
    case u'd': return kIdTenPower;
    case u'e': return kIdEPower;
    case u'f': return kIdFix;
    case u'i': return kIdInfo;
    case u'l': return kIdLog;
    case u'n': return kIdLn;
    case u'o': return kIdCos;
    case u'p': return kIdSqrt;
    case u'r': return kIdReciprocal;
    case u's': return kIdSin;
    case u't': return kIdTan;
    case u'x': return kIdExp;
    case u'y': return kIdPower;
    default: return 0;
    }
}

int CKalkPage::KeyCommandFor(QObject* watched, const QKeyEvent& key) const
{
    QWidget* focus = QApplication::focusWidget();
    auto* target = qobject_cast<QWidget*>(watched);
    if (!isVisible() || focus == nullptr || target == nullptr || focus->window() != window()
        || target->window() != window())
        return 0;
    const int command = AcceleratorCommand(key);
    // Escape is the C key wherever the focus is in the window while the
    // page is shown (its fields, the tab bar, the window's buttons), so
    // that it never closes the program. The other keys work on the page's
    // own controls, except in the exponent field, where they type text.
    if (command == kIdClear)
        return command;
    const bool onPage = focus == this || isAncestorOf(focus);
    return onPage && focus != m_exponentEdit ? command : 0;
}

bool CKalkPage::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride)
        return QWidget::eventFilter(watched, event);
    const int command = KeyCommandFor(watched, *static_cast<QKeyEvent*>(event));
    if (command == 0)
        return QWidget::eventFilter(watched, event);
    if (type == QEvent::ShortcutOverride) {
        // Ours, not a shortcut of the window's.
        event->accept();
        return true;
    }
    OnCommand(command);
    return true;
}

void CKalkPage::OnCommand(int controlId)
{
    m_tape.StoreDecimals(m_decimalsSpin->GetPos());
    if (IsTapeKey(controlId)) {
        Apply(m_tape.PressButton(controlId));
        return;
    }
    switch (controlId) {
    case kIdCopy: Copy(); break;
    case kIdPaste: Paste(); break;
    case kIdInfo: ShowInfo(); break;
    case kIdFix: ToggleFix(false); break;
    case kIdDeg:
    case kIdRad:
    case kIdGrad: ChooseAngle(controlId); break;
    default: break;
    }
}

void CKalkPage::Apply(const KeyEffect& effect)
{
    if (effect.beep) {
        QApplication::beep();
        emit Beeped();
    }
    if (effect.refresh)
        Refresh();
    Flash(effect.flashes);
}

void CKalkPage::Flash(const std::vector<int>& buttons)
{
    if (buttons.empty())
        return;
    // A new key ends the picture of the one before, so the pictures follow
    // the keys and never lag behind a fast typist. The buttons of one key
    // (the closing brackets of "=" and the "=" itself) show in turn.
    m_flashTimer.stop();
    m_flashQueue.assign(buttons.begin(), buttons.end());
    if (FlashDuration() <= 0)
        m_flashQueue.clear();
    NextFlash();
}

void CKalkPage::NextFlash()
{
    if (m_flashing != nullptr) {
        m_flashing->setDown(false);
        m_flashing = nullptr;
    }
    while (!m_flashQueue.empty()) {
        CButtonEx* button = Button(m_flashQueue.front());
        m_flashQueue.pop_front();
        if (button != nullptr) {
            m_flashing = button;
            button->setDown(true);
            m_flashTimer.start(FlashDuration());
            return;
        }
    }
}

void CKalkPage::Refresh()
{
    {
        const CHandlerBlock::Guard guard(m_writes);
        // Only what the keys changed: rows after the kept ones go, changed
        // rows are rewritten and new rows added, each set in one step.
        const DisplayChanges changes = m_tape.TakeDisplayChanges();
        const std::vector<std::string>& lines = m_tape.Lines();
        const int kept = std::min(changes.keptRows, m_list->count());
        if (kept == 0)
            m_list->clear();
        else if (m_list->count() > kept)
            m_list->model()->removeRows(kept, m_list->count() - kept);
        for (const int row : changes.changedRows) {
            if (row >= kept)
                break;
            QListWidgetItem* item = m_list->item(row);
            const QString text = QString::fromStdString(lines[static_cast<std::size_t>(row)]);
            if (item->text() != text)
                item->setText(text);
        }
        if (changes.rowCount > kept) {
            QStringList added;
            added.reserve(changes.rowCount - kept);
            for (int row = kept; row < changes.rowCount; ++row)
                added.append(QString::fromStdString(lines[static_cast<std::size_t>(row)]));
            m_list->addItems(added);
        }
        const int cursor = m_tape.Cursor();
        if (cursor >= 0 && cursor < m_list->count()) {
            m_list->setCurrentRow(cursor);
            m_list->scrollToItem(m_list->item(cursor));
        }
    }
    FocusTape();
}

void CKalkPage::FocusTape()
{
    // The keys go to the tape, except while the user types into the
    // decimals or the exponent field. A hidden page leaves the focus alone.
    if (!isVisible())
        return;
    QWidget* focus = QApplication::focusWidget();
    if (focus != m_decimalsEdit && focus != m_exponentEdit)
        m_list->setFocus(Qt::OtherFocusReason);
}

void CKalkPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // At start and on every return to the tab; before the window is
    // active this makes the tape the widget that gets the focus then.
    FocusTape();
}

void CKalkPage::ListSelectionChanged(int row) { m_tape.Select(row); }

void CKalkPage::KeepCursorSelected()
{
    // A click below the lines or a Ctrl+click on the selected line clears
    // the selection, but the cursor stays: its line stays marked.
    if (m_writes.IsBlocked() || !m_list->selectedItems().isEmpty())
        return;
    const int cursor = m_tape.Cursor();
    if (cursor < 0 || cursor >= m_list->count())
        return;
    const CHandlerBlock::Guard guard(m_writes);
    m_list->setCurrentRow(cursor, QItemSelectionModel::ClearAndSelect);
}

void CKalkPage::ShowPlainMessage(int stringId)
{
    MessageRequest request;
    request.caption = QStringLiteral("Zentaro");
    request.text = UiString(stringId);
    request.icon = QMessageBox::NoIcon;
    request.buttons = QMessageBox::Ok;
    ShowMessageBox(this, request);
}

void CKalkPage::Copy()
{
    const std::optional<std::string> text = m_tape.CopyText();
    if (!text.has_value())
        return;
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) {
        ShowPlainMessage(kIdsClipboardOpen);
        return;
    }
    clipboard->clear();
    const QMimeData* left = clipboard->mimeData();
    if (left != nullptr && left->hasText() && !left->text().isEmpty()) {
        ShowPlainMessage(kIdsClipboardEmpty);
        return;
    }
    const QString value = QString::fromUtf8(*text);
    clipboard->setText(value);
    if (clipboard->text() != value)
        ShowPlainMessage(kIdsClipboardWrite);
}

void CKalkPage::Paste()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) {
        ShowPlainMessage(kIdsClipboardOpen);
        return;
    }
    const QMimeData* data = clipboard->mimeData();
    if (data == nullptr || !data->hasText())
        return;
    Apply(m_tape.Paste(data->text().toStdString()));
}

void CKalkPage::ShowInfo()
{
    MessageRequest request;
    request.caption = QStringLiteral("Zentaro");
    request.text = QString::fromUtf8(m_tape.InfoText());
    request.icon = QMessageBox::Information;
    request.buttons = QMessageBox::Ok;
    ShowMessageBox(this, request);
}

void CKalkPage::ToggleFix(bool fromClick)
{
    // A click has toggled the box already; the key toggles it here.
    if (!fromClick)
        m_fixBox->setChecked(!m_fixBox->isChecked());
    m_tape.StoreDecimals(m_decimalsSpin->GetPos());
    Apply(m_tape.SetFix(m_fixBox->isChecked()));
}

AngleMode CKalkPage::CheckedAngle() const
{
    if (m_deg->isChecked())
        return AngleMode::Deg;
    if (m_rad->isChecked())
        return AngleMode::Rad;
    if (m_grad->isChecked())
        return AngleMode::Grad;
    return AngleMode::None;
}

void CKalkPage::ChooseAngle(int controlId)
{
    if (CRadioButtonEx* radio = AngleButton(controlId))
        radio->setChecked(true);
    m_tape.StoreDecimals(m_decimalsSpin->GetPos());
    Apply(m_tape.SetAngleMode(CheckedAngle()));
}

void CKalkPage::DecimalsChanged()
{
    const int decimals = m_decimalsSpin->GetPos();
    if (isVisible())
        Apply(m_tape.SetDecimals(decimals));
    else
        m_tape.StoreDecimals(decimals);
}

void CKalkPage::ExponentChanged()
{
    // Read as a number field reads: the whole text, blanks aside, must be
    // a number; otherwise the message, and y stays.
    const std::string text = m_exponentEdit->text().trimmed().toStdString();
    const std::size_t length = NumberPrefixLength(text, DecimalSeparator());
    if (length == 0 || length != text.size()) {
        MessageRequest request;
        request.caption = QStringLiteral("Zentaro");
        request.text = UiString(kIdsNumberExpected);
        request.icon = QMessageBox::Warning;
        request.buttons = QMessageBox::Ok;
        ShowMessageBox(this, request);
    } else {
        m_exponentY = ParseNumber(text);
    }
    m_tape.StoreDecimals(m_decimalsSpin->GetPos());
    Apply(m_tape.SetExponentY(m_exponentY));
}

std::pair<double, double> CKalkPage::SelectedConversion() const
{
    bool ok = false;
    const int quantity = m_quantityCombo->currentData().toInt(&ok);
    const ConversionPairResult pair =
        ConversionPair(ok ? quantity : 0, m_unitACombo->currentIndex(), m_unitBCombo->currentIndex());
    return {pair.multiplier, pair.offset};
}

void CKalkPage::QuantityChanged()
{
    const int quantity = m_quantityCombo->currentData().toInt();
    {
        const CHandlerBlock::Guard guard(m_writes);
        FillUnitsOf(m_unitACombo, quantity);
        FillUnitsOf(m_unitBCombo, quantity);
    }
    UnitsChanged();
}

void CKalkPage::UnitsChanged()
{
    const auto [multiplier, offset] = SelectedConversion();
    m_tape.StoreDecimals(m_decimalsSpin->GetPos());
    Apply(m_tape.SetConversion(multiplier, offset));
}
