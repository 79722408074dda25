// Must not compile: a logic library has no widget include folder.
#include <QWidget>
