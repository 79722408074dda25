#pragma once
// The dialog kit: Qt widgets standing in for the numbered control arrays of
// the original windows.
//
// Names. A control is found at run time by its name and index, as the
// caption helpers and the printed report do ("Combo1", 3). SetControlName
// stores both as properties ("kqName", "kqIndex") and sets the objectName to
// "Combo1_3" (indexed) or "Combo1" (not indexed) so that tools and style
// sheets see the same. Lookups use the properties, so names that contain "_"
// themselves ("ComboDe_CTC_Type") are safe.
//
// Language ids. What the original kept in a control's Tag (the number of its
// language text) is the string property "langTag" (LangTag/SetLangTag).
//
// Visibility. A control's own "Visible" flag is !isHidden(): isVisible() is
// false for every control of a dialog that was never shown.
#include <string>
#include <string_view>

#include <QList>
#include <QObject>
#include <QString>
#include <QWidget>

class QAbstractButton;
class QCheckBox;
class QPushButton;

namespace platform {

// Names `object` (index -1: not part of an array) and returns it.
template <class T>
T* Named(T* object, std::string_view name, int index = -1);
void SetControlName(QObject* object, std::string_view name, int index = -1);

// The name and index given by SetControlName ("" and -1 when unnamed).
std::string ControlName(const QObject* object);
int ControlIndex(const QObject* object);

// The descendant of `form` with this name and index, or nullptr.
QObject* FindControl(const QObject* form, std::string_view name, int index = -1);
template <class T>
T* Control(const QObject* form, std::string_view name, int index = -1) {
    return qobject_cast<T*>(FindControl(form, name, index));
}
// Every member of a control array, in rising index order.
QList<QObject*> ControlArray(const QObject* form, std::string_view name);

// The language id kept on a control (the original Tag), "" when none.
QString LangTag(const QObject* object);
void SetLangTag(QObject* object, const QString& tag);
void SetLangTag(QObject* object, int id);

// The control's own visibility flag.
inline bool IsShown(const QWidget* w) { return !w->isHidden(); }

// Check boxes count 0 clear, 1 set, 2 greyed.
int CheckValue(const QCheckBox* box);
void SetCheckValue(QCheckBox* box, int value);

// A push button for a dialog: never auto-default, so Return in a text box
// does not press it.
QPushButton* NewCommandButton(QWidget* parent, std::string_view name, int index = -1);

// Sets the caption of the form's button `name` when it exists.
void SetButtonCaption(const QObject* form, std::string_view name, const std::string& caption);

template <class T>
T* Named(T* object, std::string_view name, int index) {
    SetControlName(object, name, index);
    return object;
}

}  // namespace platform

// Takes the right-click menu away from a text box; a second call does nothing.
void RidTextMenu(QWidget* box);
// Gives the box its menu back as it was before RidTextMenu; without a
// RidTextMenu before it, does nothing.
void UnRidTextMenu(QWidget* box);
