#pragma once

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>

class QLocalServer;

class EInstanceControl : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Admits one running copy per executable path.
//
// Each admitted copy holds an exclusive flock on a slot file named after a
// digest of its executable's canonical path, in a per-user folder, and
// listens on a local socket beside it. A later copy from the same path finds
// every slot taken, asks the copy that registered last to come to the front,
// and is told not to run. The kernel drops the flock of a copy that ends in
// any way, a crash included, so a dead copy never blocks the next start.
// A copy from another folder has other slot files and runs on its own.
class TadpInstanceControl : public QObject {
    Q_OBJECT
public:
    // Throws EInstanceControl when one exists already.
    explicit TadpInstanceControl(QObject* parent = nullptr);
    ~TadpInstanceControl() override;

    bool Enabled = true;
    std::uint32_t MaxInstances = 1;
    // Called when the maximum is reached, before the running copy is asked to come to the front.
    std::function<void(QObject* sender)> OnMaxInstancesReached;

    // The instance check for the program at `executablePath`. True when this
    // copy is admitted; false when it must end (the running copy has been
    // asked to come to the front). Throws EInstanceControl when the slot
    // folder or files cannot be made.
    bool Loaded(const QString& executablePath);

    // Lets go of this copy's slot, so that a copy started now is admitted
    // at once (the restart after a language change).
    void release();

    bool counted() const { return fRemoveMe; }

    // The folder of the slot files (per user; $XDG_RUNTIME_DIR when set).
    static QString slotFolder();
    // The name the copies of one executable share: a digest of its canonical path.
    static QString instanceKey(const QString& executablePath);
    // The socket a copy admitted in `slot` listens on.
    static QString socketPath(const QString& executablePath, std::uint32_t slot = 0);

signals:
    // A later copy from the same path asked this one to come to the front.
    void activationRequested();

private:
    bool takeSlot(std::uint32_t slot);
    bool askRunningCopy();
    void serveActivations();
    QString slotPath(std::uint32_t slot, const char* suffix) const;

    QString fMappingName;
    int fMappingHandle = -1;
    bool fRemoveMe = false;
    std::uint32_t _slot = 0;
    std::unique_ptr<QLocalServer> _server;
};
