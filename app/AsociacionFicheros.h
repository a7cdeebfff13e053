#pragma once
// The ".vlx" file type, written again at every start so that opening an executable from the desktop
// starts the program with that file as its only argument; moving the program and starting it once
// repairs the association. A program installed with its package leaves that to the package.

#include <QString>
#include <QStringList>

namespace velmo {

/// The MIME type given to Velmo executables on desktops that use shared-mime-info.
inline constexpr const char* kTipoMimeVlx = "application/x-velmo-ejecutable";

/// The Exec line of a desktop entry that runs `programa` with one file: the path quoted and escaped
/// by the desktop-entry rules when it holds blanks or reserved characters.
QString LineaExecEscritorio(const QString& programa);

/// True when `programa` (full path) belongs to a system installation: it sits in a "bin" folder whose
/// sibling "share/applications" holds the package's desktop entry, outside the user's own data folder.
bool InstaladoEnElSistema(const QString& programa);

/// Writes the association for the program at `programa` (full path). Returns the files written (empty on
/// platforms that keep it elsewhere). Failures are ignored: a desktop without the association still runs
/// the program. An installed program writes nothing for the user, as its package already registers it,
/// and removes the copies an earlier start wrote for it.
QStringList EscribeAsociacionVlx(const QString& programa);

} // namespace velmo
