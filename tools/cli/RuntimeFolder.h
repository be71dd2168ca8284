#pragma once

#include <QByteArray>

#include <sys/types.h>

namespace cli {

// The private runtime folder for a run without a session ($XDG_RUNTIME_DIR
// unset): TEMP/runtime-UID, made with mode 0700 when it is missing. Empty
// unless it is a real folder (not a link) owned by uid with mode 0700: the
// temporary folder is shared, and another user may have made the name first
// or pointed it somewhere else.
QByteArray PrivateRuntimeFolder(const QByteArray& tempDir, uid_t uid);

} // namespace cli
