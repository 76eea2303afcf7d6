#include "ConnectionRegistry.h"

#include <sys/socket.h>

ConnectionRegistry::Ticket::Ticket(ConnectionRegistry& registry, std::uint64_t id)
    : _registry(registry)
    , _id(id)
{
}

ConnectionRegistry::Ticket::~Ticket()
{
    _registry.release(_id);
}

void ConnectionRegistry::Ticket::setDeadline(TimePoint deadline)
{
    _registry.setDeadline(_id, deadline);
}

bool ConnectionRegistry::Ticket::closed() const
{
    return _registry.closed(_id);
}

ConnectionRegistry::ConnectionRegistry(int capacity)
    : _capacity(capacity)
{
    _watcher = std::thread([this] { watch(); });
}

ConnectionRegistry::~ConnectionRegistry()
{
    {
        std::lock_guard lock(_mutex);
        _ending = true;
    }
    _wake.notify_all();
    _watcher.join();
}

std::unique_ptr<ConnectionRegistry::Ticket> ConnectionRegistry::admit(int fd, TimePoint deadline)
{
    std::lock_guard lock(_mutex);
    if (static_cast<int>(_entries.size()) >= _capacity)
        return nullptr;
    const std::uint64_t id = _nextId++;
    Entry& entry = _entries.emplace(id, Entry {fd, deadline}).first->second;
    if (_closing)
        shutDown(entry);
    else if (deadline < _nextCheck)
        _wake.notify_all();
    return std::unique_ptr<Ticket>(new Ticket(*this, id));
}

void ConnectionRegistry::closeAll()
{
    std::lock_guard lock(_mutex);
    _closing = true;
    for (auto& [id, entry] : _entries)
        shutDown(entry);
}

int ConnectionRegistry::count() const
{
    std::lock_guard lock(_mutex);
    return static_cast<int>(_entries.size());
}

void ConnectionRegistry::setDeadline(std::uint64_t id, TimePoint deadline)
{
    std::lock_guard lock(_mutex);
    const auto found = _entries.find(id);
    if (found == _entries.end())
        return;
    found->second.deadline = deadline;
    // Later deadlines need no wake-up: the watcher looks again when it wakes.
    if (deadline < _nextCheck)
        _wake.notify_all();
}

bool ConnectionRegistry::closed(std::uint64_t id) const
{
    std::lock_guard lock(_mutex);
    const auto found = _entries.find(id);
    return found == _entries.end() || found->second.shutDown;
}

void ConnectionRegistry::release(std::uint64_t id)
{
    std::lock_guard lock(_mutex);
    _entries.erase(id);
}

void ConnectionRegistry::watch()
{
    std::unique_lock lock(_mutex);
    while (!_ending) {
        const TimePoint now = std::chrono::steady_clock::now();
        TimePoint next = TimePoint::max();
        for (auto& [id, entry] : _entries) {
            if (entry.shutDown)
                continue;
            if (entry.deadline <= now)
                shutDown(entry);
            else if (entry.deadline < next)
                next = entry.deadline;
        }
        _nextCheck = next;
        if (next == TimePoint::max())
            _wake.wait(lock);
        else
            _wake.wait_until(lock, next);
    }
}

void ConnectionRegistry::shutDown(Entry& entry)
{
    // The connection's thread, blocked in a read or write, sees the end of
    // the stream and finishes; the socket itself stays its to close.
    ::shutdown(entry.fd, SHUT_RDWR);
    entry.shutDown = true;
}
