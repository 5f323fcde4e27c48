#pragma once

// What screen readers need beyond what the widgets give by themselves.

class QAbstractItemView;
class QWidget;

// Every combo box of `window` that a label names is called by that label, not by the entry it shows.
// Run again after the labels change language.
void NameBoxesByLabels(QWidget* window);

// The Menu key and Shift+F10 open the view's context menu at its current row, as a right click there
// does.
void OpenContextMenuFromKeyboard(QAbstractItemView* view);

// A window of the class `className` (a plain QWidget with its own frame) is told to screen readers as a
// window, as dialogs and main windows are.
void TellAsWindow(const char* className);
