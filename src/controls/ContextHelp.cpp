#include "controls/ContextHelp.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCursor>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QWhatsThis>

#include "controls/HelpFile.h"
#include "controls/HelpIds.h"

namespace {
HelpPopupHook& PopupHook()
{
    static HelpPopupHook hook;
    return hook;
}
HelpTopicHook& TopicHook()
{
    static HelpTopicHook hook;
    return hook;
}
const char* const kIdProperty = "ctrlId";

bool IsPlainF1(const QKeyEvent* key) { return key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier; }
bool IsShiftF1(const QKeyEvent* key) { return key->key() == Qt::Key_F1 && key->modifiers() == Qt::ShiftModifier; }
} // namespace

void SetControlId(QWidget* widget, unsigned controlId)
{
    widget->setProperty(kIdProperty, controlId);
    widget->setObjectName(ControlObjectName(controlId));
}

unsigned ControlIdOf(const QObject* object)
{
    if (!object)
        return 0;
    const QVariant id = object->property(kIdProperty);
    return id.isValid() ? id.toUInt() : 0;
}

QString ControlObjectName(unsigned controlId) { return QStringLiteral("ctrl%1").arg(controlId); }

void ShowHelpPopup(QWidget* window, unsigned controlId, const QPoint& globalPoint)
{
    HelpPopupRequest request{window, controlId, HelpIdOf(controlId), globalPoint};
    // A popup ends the "What's This" mode, shown or recorded alike.
    if (QWhatsThis::inWhatsThisMode())
        QWhatsThis::leaveWhatsThisMode();
    if (PopupHook()) {
        PopupHook()(request);
        return;
    }
    QWhatsThis::showText(globalPoint, HelpPopupText(request.helpId), window);
}

void SetHelpPopupHook(HelpPopupHook hook) { PopupHook() = std::move(hook); }

void OpenHelpTopic(QWidget* window, unsigned contextId)
{
    if (TopicHook()) {
        TopicHook()({window, contextId});
        return;
    }
    ShowHelpWindow(window, contextId);
}

void SetHelpTopicHook(HelpTopicHook hook) { TopicHook() = std::move(hook); }

bool HandleControlHelpEvent(QWidget* control, unsigned controlId, QEvent* event, bool rightClickPopup)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride: {
        // Claim F1 and Shift+F1 before any shortcut of the window does.
        auto* key = static_cast<QKeyEvent*>(event);
        if (IsPlainF1(key) || IsShiftF1(key)) {
            key->accept();
            return true;
        }
        return false;
    }
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (IsPlainF1(key)) {
            ShowHelpPopup(control, controlId, QCursor::pos());
            return true;
        }
        if (IsShiftF1(key)) {
            QWhatsThis::enterWhatsThisMode();
            return true;
        }
        return false;
    }
    case QEvent::QueryWhatsThis:
        event->accept();
        return true;
    case QEvent::WhatsThis:
        ShowHelpPopup(control, controlId, static_cast<QHelpEvent*>(event)->globalPos());
        return true;
    case QEvent::ContextMenu:
        if (!rightClickPopup)
            return false;
        ShowHelpPopup(control, controlId, static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    default:
        return false;
    }
}

namespace {
unsigned NearestControlId(const QWidget* widget, const QWidget* page)
{
    for (; widget; widget = widget->parentWidget()) {
        if (const unsigned id = ControlIdOf(widget))
            return id;
        if (widget == page)
            break;
    }
    return 0;
}
} // namespace

bool HandleParentHelpEvent(QWidget* page, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (IsShiftF1(key)) {
            QWhatsThis::enterWhatsThisMode();
            return true;
        }
        if (!IsPlainF1(key))
            return false;
        const QWidget* focus = page->focusWidget();
        ShowHelpPopup(page, NearestControlId(focus, page), QCursor::pos());
        return true;
    }
    case QEvent::QueryWhatsThis:
        event->accept();
        return true;
    case QEvent::WhatsThis: {
        auto* help = static_cast<QHelpEvent*>(event);
        const QWidget* child = page->childAt(help->pos());
        ShowHelpPopup(page, NearestControlId(child, page), help->globalPos());
        return true;
    }
    default:
        return false;
    }
}

void EnableWhatsThis(QWidget* window)
{
    window->setWindowFlag(Qt::WindowContextHelpButtonHint, true);
    // Twice would give two actions for Shift+F1, an ambiguous shortcut that
    // then does nothing at all.
    const QString name = QStringLiteral("whatsThisAction");
    if (window->findChild<QAction*>(name, Qt::FindDirectChildrenOnly))
        return;
    QAction* action = QWhatsThis::createAction(window);
    action->setObjectName(name);
    action->setShortcutContext(Qt::WindowShortcut);
    window->addAction(action);
}
