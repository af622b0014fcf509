#pragma once

#include <QString>

// What a window says when the collection cannot be read or written.
namespace StoreMessages {

inline const QString WriteError = QStringLiteral("Impossibilité d'écrire dans le fichier Vorelis choisi !!");
inline const QString ReadError = QStringLiteral("Erreur de lecture de la collection.");

} // namespace StoreMessages
