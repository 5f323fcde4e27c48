#pragma once

// What screen readers need beyond what the widgets give by themselves.

class QAbstractItemView;
class QWidget;

// Installs the program's own accessible interfaces. Qt asks the factory installed last first, so this
// runs once the application object has installed Qt's own, and before the first window is made: an
// interface once made is kept.
void InstallAccessibility();

// Every combo box of `window` that a label names is called by that label, not by the entry it shows
// (which screen readers hear as its value). Run again after the labels change language.
void NameBoxesByLabels(QWidget* window);

// Shift+F10 opens the view's context menu at its current row, as the Menu key (which Qt handles itself)
// and a right click there do.
void OpenContextMenuFromKeyboard(QAbstractItemView* view);

// A window of the class `className` (a plain QWidget with its own frame) is told to screen readers as a
// window, as dialogs and main windows are.
void TellAsWindow(const char* className);
