#pragma once

#include <QString>

// Where "Info" finds its texts: beside the program first (the build folder, or a copy run from
// wherever it was unpacked), then in the data folder of an installed program, which is named
// relative to the program's folder so that any install prefix works. A text found in neither is
// opened beside the program all the same: saying it is missing is the editor's business.
QString InfoTextPath(const QString& programDir, const QString& fileName);
