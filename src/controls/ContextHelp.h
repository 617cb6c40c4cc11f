// Context help: popups for single controls and help topics for windows.
//
// Every help popup goes through ShowHelpPopup and every help topic through
// OpenHelpTopic; tests set a hook to see what was asked for, where.
#pragma once

#include <QPoint>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

class QEvent;

// Control ids. Each help control carries its id from construction (see
// HelpControls.h); any other widget can be given one. The id is kept as the
// dynamic property "ctrlId", and the widget is named "ctrl<id>", so tests
// find a control with findChild<QWidget*>("ctrl1118").
void SetControlId(QWidget* widget, unsigned controlId);
unsigned ControlIdOf(const QObject* object);  // 0 when none
QString ControlObjectName(unsigned controlId);

struct HelpPopupRequest {
    QPointer<QWidget> window;  // the window that asked
    unsigned controlId = 0;
    unsigned helpId = 0;       // HelpIdOf(controlId)
    QPoint point;              // global (screen) coordinates
};
using HelpPopupHook = std::function<void(const HelpPopupRequest&)>;

// Shows the popup text of HelpIdOf(controlId) at the global point. With a
// hook set, the hook gets the request instead.
void ShowHelpPopup(QWidget* window, unsigned controlId, const QPoint& globalPoint);
void SetHelpPopupHook(HelpPopupHook hook);

struct HelpTopicRequest {
    QPointer<QWidget> window;
    unsigned contextId = 0;  // 0x20000 + template number; 0 for the contents
};
using HelpTopicHook = std::function<void(const HelpTopicRequest&)>;

// Opens the help window at the topic of a context id (HelpTopicId(template)
// in HelpIds.h), or at the contents for 0. "Pomoc" buttons call this (or the
// sheet's ShowHelpTopic, which comes here). With a hook set, the hook gets
// the request instead.
void OpenHelpTopic(QWidget* window, unsigned contextId);
void SetHelpTopicHook(HelpTopicHook hook);

// The help handling shared by the help controls: F1 (popup at the mouse
// pointer), the "What's This" click (Shift+F1 or the caption's "?"; popup
// at the click) and, when rightClickPopup is set, the context menu (popup
// at the click). Returns true when the event was a help request and has
// been handled.
bool HandleControlHelpEvent(QWidget* control, unsigned controlId, QEvent* event, bool rightClickPopup);

// For a page or dialog that answers the help requests its plain controls
// pass on to it (F1 or a "What's This" click on a widget that does not take
// them itself): call it from the page's event(); the popup is for the
// control id of the widget asked about (or its nearest ancestor with one).
bool HandleParentHelpEvent(QWidget* page, QEvent* event);

// Lets Shift+F1 start the "What's This" mode in a window and shows the "?"
// button in its caption where the window manager offers one.
void EnableWhatsThis(QWidget* window);
