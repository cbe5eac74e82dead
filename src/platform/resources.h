// The program's embedded pictures and help page (resources/kovia.qrc): icons under
// ":/icons/...", the splash, logo and about pictures at ":/splash.svg", ":/logo.svg",
// ":/about.svg", and the help page at ":/help/kovia.html".
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace kovia {

// Registers the embedded resources. The platform is a static library, so the programs
// and the test executables call this once before the first picture is loaded; further
// calls do nothing.
void initKoviaResources();

// An embedded picture (":/logo.svg") rendered at `size` logical pixels, sharp on
// high-density screens. A null pixmap when the resource is missing.
QPixmap resourcePixmap(const QString& path, QSize size);

// The window icon every form carries.
QIcon koviaWindowIcon();

}  // namespace kovia
