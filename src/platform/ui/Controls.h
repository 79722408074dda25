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
//
// Lookups. A form built from a control table (FormBuilder.h) keeps an index
// of its controls, so that finding one by name costs no walk over every
// widget; other forms are searched.
#include <stdexcept>
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

// What Ctl throws for a control that is missing or of another kind: a fault
// of the program, never of the user's data.
struct ControlNotFound : std::logic_error {
    using std::logic_error::logic_error;
};
// "no control Combo1(3) on FrmCHEdit" or "Combo1(3) on FrmCHEdit is a
// QLabel, not a QComboBox".
std::string MissingControlText(const QObject* form, std::string_view name, int index, const QObject* found,
                               const char* wanted);
// The control of `form` with this name and index; throws ControlNotFound
// when there is none or it is not a T.
template <class T>
T* Ctl(const QObject* form, std::string_view name, int index = -1) {
    QObject* found = FindControl(form, name, index);
    if (T* control = qobject_cast<T*>(found)) return control;
    throw ControlNotFound(MissingControlText(form, name, index, found, T::staticMetaObject.className()));
}

// Keeps `control` in the form's index under its name and index (the form
// builder does this for every control it makes).
void IndexControl(QObject* form, QObject* control);

// Moves the focus from `from` to the next control of its window's tab order
// that can take it (shown, enabled, taking the focus by Tab), as Tab does.
// False when there is none.
bool FocusNextControl(QWidget* from);

// The language id kept on a control (the original Tag), "" when none.
QString LangTag(const QObject* object);
void SetLangTag(QObject* object, const QString& tag);
void SetLangTag(QObject* object, int id);

// The control's own visibility flag.
inline bool IsShown(const QWidget* w) { return !w->isHidden(); }

// Check boxes count 0 clear, 1 set, 2 greyed. Only the program greys a box:
// a click of the user on a greyed box checks it, and no click greys one.
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
