#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace platform::gui {

// File names and stored texts are bytes, not necessarily UTF-8: a folder may
// be named in Latin-1, a settings file written by hand. Qt's own decoding
// turns every byte that starts no valid UTF-8 sequence into U+FFFD, which
// cannot be turned back. These two keep such a byte as the lone surrogate
// U+DC80 to U+DCFF, so that a text shown in a box goes back to the very
// bytes it came from, and the rest of the text stays editable around it.

// The text for `bytes`: valid UTF-8 decoded as QFile::decodeName does, each
// other byte kept as its surrogate.
QString TextFromSystemBytes(std::string_view bytes);

// The bytes of `text`: each kept surrogate back to its byte, everything
// else encoded as QFile::encodeName does.
std::string SystemBytesFromText(const QString& text);

}  // namespace platform::gui
