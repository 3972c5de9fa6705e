#include "QuietMessages.h"

#include <QString>
#include <QtGlobal>

namespace Korvel {

namespace {

QtMessageHandler qtHandler = nullptr;

// The headless platform warns that a desktop session's runtime folder is not
// set, which is no news to a script run without a session; other messages pass.
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith("QStandardPaths: XDG_RUNTIME_DIR not set"))
        return;
    qtHandler(type, context, message);
}

} // namespace

void InstallQuietMessages() {
    qtHandler = qInstallMessageHandler(QuietHandler);
}

} // namespace Korvel
