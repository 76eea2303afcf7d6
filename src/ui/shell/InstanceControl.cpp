#include "InstanceControl.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSaveFile>
#include <QThread>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

TadpInstanceControl* ThisOnce = nullptr;

const QByteArray activateRequest = "activate\n";
const QByteArray activatedAnswer = "activated\n";
constexpr int answerWaitMs = 2000;
// A copy that is ending may still hold its slot for a moment.
constexpr int endingCopyWaitMs = 5000;

} // namespace

TadpInstanceControl::TadpInstanceControl(QObject* parent)
    : QObject(parent)
{
    if (ThisOnce)
        throw EInstanceControl("Only one copy of this component can be dropped on a form!");
    ThisOnce = this;
}

TadpInstanceControl::~TadpInstanceControl()
{
    release();
    ThisOnce = nullptr;
}

QString TadpInstanceControl::slotFolder()
{
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(QString::fromLocal8Bit(runtime)).isDir())
        return QString::fromLocal8Bit(runtime) + QStringLiteral("/zolvo");
    return QDir::tempPath() + QStringLiteral("/zolvo-%1").arg(::getuid());
}

QString TadpInstanceControl::instanceKey(const QString& executablePath)
{
    const QString canonical = QFileInfo(executablePath).canonicalFilePath();
    const QString path = canonical.isEmpty() ? QFileInfo(executablePath).absoluteFilePath() : canonical;
    return QString::fromLatin1(QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha256).toHex().left(32));
}

QString TadpInstanceControl::socketPath(const QString& executablePath, std::uint32_t slot)
{
    return QStringLiteral("%1/%2-%3.socket").arg(slotFolder(), instanceKey(executablePath)).arg(slot);
}

QString TadpInstanceControl::slotPath(std::uint32_t slot, const char* suffix) const
{
    return QStringLiteral("%1/%2-%3.%4").arg(slotFolder(), fMappingName).arg(slot).arg(QLatin1String(suffix));
}

bool TadpInstanceControl::Loaded(const QString& executablePath)
{
    if (!Enabled || MaxInstances == 0)
        return true;
    fMappingName = instanceKey(executablePath);

    const QByteArray folder = QFile::encodeName(slotFolder());
    if (::mkdir(folder.constData(), 0700) != 0 && errno != EEXIST)
        throw EInstanceControl("cannot create the folder " + folder.toStdString() + ": " + std::strerror(errno));

    for (std::uint32_t slot = 0; slot < MaxInstances; ++slot)
        if (takeSlot(slot))
            return true;

    if (OnMaxInstancesReached)
        OnMaxInstancesReached(this);
    if (askRunningCopy())
        return false;
    // No answer: the copy holding the slot is ending (a restart) or has just
    // ended. Wait for its slot rather than refuse the start.
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < endingCopyWaitMs) {
        for (std::uint32_t slot = 0; slot < MaxInstances; ++slot)
            if (takeSlot(slot))
                return true;
        QThread::msleep(50);
    }
    return false;
}

bool TadpInstanceControl::takeSlot(std::uint32_t slot)
{
    const QByteArray lockPath = QFile::encodeName(slotPath(slot, "lock"));
    const int fd = ::open(lockPath.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        throw EInstanceControl("cannot open " + lockPath.toStdString() + ": " + std::strerror(errno));
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    fMappingHandle = fd;
    fRemoveMe = true;
    _slot = slot;
    serveActivations();
    // The copy that registered last is the one a later start brings forward.
    QSaveFile last(slotPath(0, "last"));
    if (last.open(QIODevice::WriteOnly)) {
        last.write(QByteArray::number(slot));
        last.commit();
    }
    return true;
}

void TadpInstanceControl::serveActivations()
{
    const QString name = slotPath(_slot, "socket");
    QLocalServer::removeServer(name); // left behind by a copy that crashed; we hold the slot now
    _server = std::make_unique<QLocalServer>();
    _server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!_server->listen(name))
        return; // the slot still admits this copy; later copies just cannot bring it forward
    connect(_server.get(), &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = _server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (!socket->canReadLine())
                    return;
                if (socket->readLine() == activateRequest) {
                    socket->write(activatedAnswer);
                    socket->flush();
                    emit activationRequested();
                }
                socket->disconnectFromServer();
            });
        }
    });
}

bool TadpInstanceControl::askRunningCopy()
{
    std::uint32_t slot = 0;
    QFile last(slotPath(0, "last"));
    if (last.open(QIODevice::ReadOnly))
        slot = last.readAll().toUInt();
    if (slot >= MaxInstances)
        slot = 0;
    QLocalSocket socket;
    socket.connectToServer(slotPath(slot, "socket"));
    if (!socket.waitForConnected(answerWaitMs))
        return false;
    socket.write(activateRequest);
    socket.flush();
    QElapsedTimer waited;
    waited.start();
    while (!socket.canReadLine() && socket.state() == QLocalSocket::ConnectedState && waited.elapsed() < answerWaitMs)
        socket.waitForReadyRead(answerWaitMs - int(waited.elapsed()));
    return socket.canReadLine() && socket.readLine() == activatedAnswer;
}

void TadpInstanceControl::release()
{
    if (_server) {
        _server->close();
        _server.reset();
    }
    if (fMappingHandle >= 0)
        ::close(fMappingHandle);
    fMappingHandle = -1;
    fRemoveMe = false;
}
