// Keyboard order of a window's controls.
#pragma once

#include <QWidget>
#include <vector>

// Tab runs through the controls in the order given (the window's visual
// order: top to bottom, left to right); controls left out keep their place.
void SetTabChain(const std::vector<QWidget*>& controls);

// The controls of a window or a page that Tab reaches, in order: enabled,
// shown with it (whether or not it is shown yet) and taking the focus by Tab.
std::vector<QWidget*> TabChain(QWidget* root);

// Tab stops once in a group of radio buttons, at the one that has or last
// had the focus (the arrow keys move within the group). A window that
// checks a button itself makes the checked one the stop with this.
void TabStopOnChecked(QWidget* window);

// Gives the focus to the first box the user can type in, in Tab order;
// without one, to the first control that takes input (a radio button, a
// list, ...), push buttons last; the checked radio buttons are the stops
// of their groups. The window may still be hidden: the focus is then where
// it opens. Returns the control, or null.
QWidget* FocusFirstInput(QWidget* window);
