#pragma once
// The per-user settings of the program ("showWelcome", "noInfoBreakpoint"): read each time they are
// needed and written at once, as the text "1" or "0".

#include <QString>

namespace velmo {

/// Where the settings live: the registry key HKCU\Software\Velmo on Windows; elsewhere the [Velmo]
/// section of Velmo.ini in the user's config folder.
QString UbicacionAjustes();

/// A stored value read as an integer (text or number); non-zero is true. A missing value, or a text
/// that is not a number, gives `porDefecto`.
bool LeeAjuste(const QString& nombre, bool porDefecto);

/// Writes "1" or "0" and flushes it to storage at once.
void EscribeAjuste(const QString& nombre, bool valor);

} // namespace velmo
