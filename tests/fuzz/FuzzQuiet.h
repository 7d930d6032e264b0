#pragma once

#include <QtGlobal>

// The readers log every box and record; a fuzzer run must stay quiet.
inline void silenceQtMessages()
{
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
}
