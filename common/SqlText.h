#pragma once

#include <QString>

// Search texts in LIKE comparisons: what the user types is matched literally.
namespace SqlText {

// "%" + text + "%", with the LIKE wildcards and the escape character escaped by "\".
QString likeContains(const QString &text);

// Adds ESCAPE '\' after every "LIKE :param" of a statement that has none.
QString withLikeEscape(const QString &statement);

} // namespace SqlText
