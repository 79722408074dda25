#pragma once
// Localising a window by the language ids its controls carry.
//
// The ids stand where the original windows kept them:
// - the form and every control: the "langTag" property (Controls.h, SetLangTag);
// - a menu item (QAction, also a QMenu's menuAction()): "langTag", or a
//   numeric caption, which the first run moves into "langTag";
// - a tab of a QTabBar (also the bar inside a QTabWidget): tabData(i) holds
//   the caption's id, tabToolTip(i) a numeric tool tip;
// - a toolbar button (a QAction whose parent is a QToolBar): its numeric tool tip;
// - any other control: the number at the start of "langTag" sets the caption
//   of a button, check box, radio button or group box, the number at the start
//   of its tool tip sets the tool tip.
// Tool-tip ids are kept in the property "langTipTag" once replaced, so the
// tips follow a later language switch as the captions do.
class QFont;
class QWidget;

void LoadFormLanguage(QWidget* form);
// `base` in the font of the current language (language texts 20 and 21),
// the font LoadFormLanguage gives a form. A window born in it finds no font
// to change when it is localised.
QFont LanguageFont(QFont base);
