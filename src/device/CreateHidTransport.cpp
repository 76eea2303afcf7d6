#include "HidTransport.h"

#include "HidrawTransport.h"
#include "VirtualTransport.h"

#include <QByteArray>

std::unique_ptr<HidTransport> createHidTransport()
{
    const QByteArray socket = qgetenv("ZOLVO_VIRTUAL_DEVICE");
    if (!socket.isEmpty())
        return std::make_unique<VirtualTransport>(QString::fromLocal8Bit(socket).toStdString());
    return std::make_unique<HidrawTransport>();
}
