#pragma once

#include <QString>

// Builds collection files as older versions of the program wrote them.
namespace SchemaHistory {

// A file at `version` (1..7) holding one routine, one equipment item and one sequence.
// With `breakUpgrade`, a version-1 file whose routines already have `evaluation`.
bool writeFile(const QString &path, int version, bool breakUpgrade = false);

} // namespace SchemaHistory
