// Must not compile: a logic library reaches no widget header, not even
// through Qt's root include folder.
#include <QtWidgets/QWidget>
