#include "controls/TabOrder.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

void SetTabChain(const std::vector<QWidget*>& controls)
{
    for (std::size_t i = 1; i < controls.size(); ++i)
        QWidget::setTabOrder(controls[i - 1], controls[i]);
}

void TabStopOnChecked(QWidget* window)
{
    for (QRadioButton* radio : window->findChildren<QRadioButton*>()) {
        if (!radio->autoExclusive() || !radio->isChecked())
            continue;
        for (QRadioButton* sibling : radio->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
            if (sibling->autoExclusive())
                sibling->setFocusPolicy(sibling == radio ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

std::vector<QWidget*> TabChain(QWidget* root)
{
    std::vector<QWidget*> chain;
    for (QWidget* w = root->nextInFocusChain(); w != root; w = w->nextInFocusChain()) {
        // Inside the root and in its window: a child window's controls
        // have a chain of their own.
        if (!root->isAncestorOf(w) || !w->isEnabled() || !w->isVisibleTo(root) || !(w->focusPolicy() & Qt::TabFocus))
            continue;
        chain.push_back(w);
    }
    return chain;
}

namespace {
bool IsWritableBox(const QWidget* w)
{
    if (const auto* line = qobject_cast<const QLineEdit*>(w))
        return !line->isReadOnly();
    if (const auto* text = qobject_cast<const QPlainTextEdit*>(w))
        return !text->isReadOnly();
    return false;
}
} // namespace

QWidget* FocusFirstInput(QWidget* window)
{
    TabStopOnChecked(window);
    const std::vector<QWidget*> chain = TabChain(window);
    QWidget* chosen = nullptr;
    for (QWidget* w : chain)
        if (IsWritableBox(w)) {
            chosen = w;
            break;
        }
    if (chosen == nullptr)
        for (QWidget* w : chain)
            if (!qobject_cast<QPushButton*>(w)) {
                chosen = w;
                break;
            }
    if (chosen == nullptr && !chain.empty())
        chosen = chain.front();
    if (chosen != nullptr)
        chosen->setFocus(Qt::TabFocusReason);
    return chosen;
}
