#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

// The connections the HTTP host is serving: how many there are, since it
// serves a fixed number at once, and by when each must have what it waits
// for. The socket timeouts only bound the wait for each byte, so a client
// that trickles its request could hold a place for ever; a watch thread
// shuts down the socket of a connection whose time is up.
class ConnectionRegistry {
public:
    using TimePoint = std::chrono::steady_clock::time_point;

    // One place, given back when the ticket goes.
    class Ticket {
    public:
        ~Ticket();
        Ticket(const Ticket&) = delete;
        Ticket& operator=(const Ticket&) = delete;
        void setDeadline(TimePoint deadline);
        // Whether the connection has been shut down (its time was up, or
        // the host stops): what it still reads is cut short.
        bool closed() const;

    private:
        friend class ConnectionRegistry;
        Ticket(ConnectionRegistry& registry, std::uint64_t id);
        ConnectionRegistry& _registry;
        std::uint64_t _id;
    };

    explicit ConnectionRegistry(int capacity);
    ~ConnectionRegistry();
    ConnectionRegistry(const ConnectionRegistry&) = delete;
    ConnectionRegistry& operator=(const ConnectionRegistry&) = delete;

    // A place for the connected socket `fd`, due by `deadline`; nullptr when
    // every place is taken. The ticket must go before the socket is closed.
    std::unique_ptr<Ticket> admit(int fd, TimePoint deadline);
    // Shuts down every connection being served, and each one admitted later.
    void closeAll();
    int count() const;

private:
    struct Entry {
        int fd;
        TimePoint deadline;
        bool shutDown = false;
    };

    void setDeadline(std::uint64_t id, TimePoint deadline);
    bool closed(std::uint64_t id) const;
    void release(std::uint64_t id);
    void watch();
    static void shutDown(Entry& entry);

    const int _capacity;
    mutable std::mutex _mutex;
    std::condition_variable _wake;
    std::map<std::uint64_t, Entry> _entries;
    std::uint64_t _nextId = 1;
    TimePoint _nextCheck = TimePoint::max();
    bool _closing = false;
    bool _ending = false;
    std::thread _watcher;
};
