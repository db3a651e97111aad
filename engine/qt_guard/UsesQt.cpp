// Deliberately includes Qt: building this with the engine's settings must fail.
#include <QtCore/QString>

int UsesQt() { return QString().size(); }
