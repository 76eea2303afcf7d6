// zolvo-virtual-device: the stand-in Zolvo on a Unix-domain socket, and its
// control client. See README.md next to this file.

#include "FirmwareImage.h"
#include "VirtualZolvo.h"
#include "VirtualZolvoServer.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <poll.h>
#include <pthread.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr int replyTimeoutMs = 5000;

void usage()
{
    std::cerr << "usage:\n"
                 "  zolvo-virtual-device serve --socket PATH [--release 2.8] [--product-id 0x0802] [--product TEXT]\n"
                 "  zolvo-virtual-device ctl --socket PATH VERB\n"
                 "    VERB: plug | unplug | identity --release X --product-id Y | dump | trace | clear-trace\n";
}

// "--name value" pairs and the words that are not options.
struct Arguments {
    std::map<std::string, std::string> options;
    std::vector<std::string> words;
    bool valid = true;
};

Arguments parseArguments(int argc, char** argv, int first)
{
    Arguments parsed;
    for (int i = first; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--", 0) == 0) {
            if (i + 1 >= argc) {
                parsed.valid = false;
                break;
            }
            parsed.options[arg] = argv[++i];
        } else {
            parsed.words.push_back(arg);
        }
    }
    return parsed;
}

int serve(const Arguments& args)
{
    const auto socket = args.options.find("--socket");
    if (socket == args.options.end() || !args.words.empty()) {
        usage();
        return 2;
    }
    VirtualZolvo::Identity identity;
    for (const auto& [name, value] : args.options) {
        if (name == "--release") {
            const auto release = parseReleaseNumber(value);
            if (!release) {
                std::cerr << "bad release: " << value << " (use 2.8 or 0x0208)\n";
                return 2;
            }
            identity.releaseNumber = *release;
        } else if (name == "--product-id") {
            const auto productId = parseProductId(value);
            if (!productId) {
                std::cerr << "bad product id: " << value << " (use 0x0802)\n";
                return 2;
            }
            identity.productId = *productId;
        } else if (name == "--product") {
            identity.productString = QString::fromStdString(value);
        } else if (name != "--socket") {
            std::cerr << "unknown option: " << name << "\n";
            return 2;
        }
    }

    ParsedImage image = readbuf(builtInHexLines());
    if (image.error) {
        std::cerr << "the built-in firmware image does not parse\n";
        return 1;
    }
    image.progbuf.resize(flashSize);

    // The signals are taken by sigwait below, never delivered to the server thread.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    VirtualZolvo device(image.progbuf, identity);
    VirtualZolvoServer server(device, socket->second);
    std::string error;
    if (!server.start(&error)) {
        std::cerr << error << "\n";
        return 1;
    }
    std::cout << "serving " << socket->second << std::endl;
    int received = 0;
    sigwait(&stopSignals, &received);
    server.stop();
    return 0;
}

// The request line for a control verb; nullopt on bad usage.
std::optional<std::string> controlLine(const Arguments& args)
{
    if (args.words.size() != 1)
        return std::nullopt;
    const std::string& verb = args.words.front();
    if (verb == "identity") {
        const auto release = args.options.find("--release");
        const auto productId = args.options.find("--product-id");
        if (release == args.options.end() || productId == args.options.end() || args.options.size() != 3)
            return std::nullopt;
        return "identity " + release->second + " " + productId->second;
    }
    if (args.options.size() != 1)
        return std::nullopt;
    if (verb == "plug" || verb == "unplug" || verb == "dump" || verb == "trace" || verb == "clear-trace")
        return verb;
    return std::nullopt;
}

// Reads one line; false when the server closed or did not answer in time.
bool readLine(int fd, std::string& buffer, std::string& line)
{
    for (;;) {
        const std::size_t end = buffer.find('\n');
        if (end != std::string::npos) {
            line = buffer.substr(0, end);
            buffer.erase(0, end + 1);
            return true;
        }
        pollfd p {fd, POLLIN, 0};
        if (poll(&p, 1, replyTimeoutMs) <= 0)
            return false;
        char chunk[4096];
        const ssize_t n = recv(fd, chunk, sizeof(chunk), 0);
        if (n <= 0)
            return false;
        buffer.append(chunk, static_cast<std::size_t>(n));
    }
}

int control(const Arguments& args)
{
    const auto socket = args.options.find("--socket");
    const std::optional<std::string> request = args.valid ? controlLine(args) : std::nullopt;
    if (socket == args.options.end() || !request) {
        usage();
        return 2;
    }
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    if (socket->second.size() >= sizeof(address.sun_path)) {
        std::cerr << "socket path too long\n";
        return 1;
    }
    std::memcpy(address.sun_path, socket->second.c_str(), socket->second.size() + 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0 || connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) {
        std::cerr << "no virtual device at " << socket->second << ": " << std::strerror(errno) << "\n";
        if (fd >= 0)
            close(fd);
        return 1;
    }
    const std::string out = *request + "\n";
    int status = 0;
    std::string buffer;
    std::string line;
    if (::send(fd, out.data(), out.size(), MSG_NOSIGNAL) != static_cast<ssize_t>(out.size())) {
        std::cerr << "could not send to " << socket->second << "\n";
        status = 1;
    } else if (*request == "trace") {
        while ((status = readLine(fd, buffer, line) ? 0 : 1) == 0 && line != "end")
            std::cout << line << "\n";
    } else if (!readLine(fd, buffer, line)) {
        status = 1;
    } else {
        std::cout << line << "\n";
        status = line.rfind("error", 0) == 0 ? 1 : 0;
    }
    if (status != 0 && line.rfind("error", 0) != 0)
        std::cerr << "no answer from " << socket->second << "\n";
    close(fd);
    return status;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    const Arguments args = parseArguments(argc, argv, 2);
    if (command == "serve" && args.valid)
        return serve(args);
    if (command == "ctl")
        return control(args);
    usage();
    return 2;
}
