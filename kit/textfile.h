#pragma once

class QByteArray;
class QString;

namespace textfile {

// Replaces the file's content with text in the locale's encoding, atomically:
// a crash or a full disk leaves either the old or the new content. True only
// when the new content is in place.
bool writeAtomically(const QString &path, const QString &text);
// The same for bytes written as they are.
bool writeAtomically(const QString &path, const QByteArray &bytes);

} // namespace textfile
