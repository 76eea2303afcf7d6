#pragma once

#include "VirtualZolvo.h"

#include <atomic>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

// Serves one VirtualZolvo on a Unix-domain stream socket, on a thread of its
// own. The line protocol is described in README.md next to this file.
// The server takes the device's change listener while it runs.
class VirtualZolvoServer {
public:
    VirtualZolvoServer(VirtualZolvo& device, std::string socketPath);
    ~VirtualZolvoServer();
    VirtualZolvoServer(const VirtualZolvoServer&) = delete;
    VirtualZolvoServer& operator=(const VirtualZolvoServer&) = delete;

    // Binds and starts serving; false with `error` set when that fails
    // (path too long, another server on it, ...).
    bool start(std::string* error = nullptr);
    void stop();

    const std::string& socketPath() const { return _socketPath; }

private:
    struct Client {
        std::string input;
        std::string output;
        bool opened = false; // holds the device open: closed when it unplugs
        bool watching = false; // receives "changed"
        bool dead = false; // closed at the end of this round of the loop
    };
    struct ChangeQueue;

    void run();
    void acceptClient();
    bool readClient(int fd, Client& client);
    void handleLine(int fd, Client& client, const std::string& line);
    void send(int fd, Client& client, const std::string& line);
    bool flush(int fd, Client& client);
    void processChanges();
    void reapClients();

    VirtualZolvo& _device;
    std::string _socketPath;
    int _listenFd = -1;
    int _wakeRead = -1;
    std::thread _thread;
    std::atomic<bool> _stopping {false};
    std::map<int, Client> _clients;
    // Shared with the device's change listener, which may outlive a stop()
    // by one call on another thread.
    std::shared_ptr<ChangeQueue> _queue;
};
