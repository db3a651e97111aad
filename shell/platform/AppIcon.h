#pragma once
#include <QIcon>

namespace zodiac {

// The application's own icon, drawn for it and built in as a resource.
QIcon ApplicationIcon();

} // namespace zodiac
