// The web service over HTTP on loopback: 32 keep-alive clients at once
// calling getroomcount and apparaatAan (a stand-in Zolvo attached, no device
// delay), beside the same host answering a fixed pre-built response, which
// is what Poco and the clients cost alone. Each reports requests per second
// and the median and 99th percentile latency. Then one client storing and
// fetching a 100 KB JPEG with setImage and getAppImage.
#include "CustomPicture.h"
#include "FirmwareImage.h"
#include "HttpHost.h"
#include "LoadSave.h"
#include "MyDevFunctions.h"
#include "Picture.h"
#include "StorePictureLists.h"
#include "VirtualTransport.h"
#include "VirtualZolvo.h"
#include "VirtualZolvoServer.h"
#include "WebModule.h"

#include <Poco/Net/HTTPClientSession.h>
#include <Poco/Net/HTTPRequest.h>
#include <Poco/Net/HTTPResponse.h>
#include <Poco/StreamCopier.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <jpeglib.h>

#include <algorithm>
#include <atomic>
#include <barrier>
#include <chrono>
#include <cstdio>
#include <random>
#include <thread>

namespace {

constexpr int clients = 32;
constexpr int callsPerClient = 1000;

std::vector<std::uint8_t> builtInFlash()
{
    std::vector<std::uint8_t> flash = readbuf(builtInHexLines()).progbuf;
    flash.resize(flashSize);
    return flash;
}

std::string envelope(const std::string& operation, const std::string& params = {})
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
           "<SOAP-ENV:Envelope xmlns:SOAP-ENV=\"http://schemas.xmlsoap.org/soap/envelope/\">"
           "<SOAP-ENV:Body><NS1:" +
        operation + " xmlns:NS1=\"urn:vantloIntf-Ivantlo\">" + params + "</NS1:" + operation +
        "></SOAP-ENV:Body></SOAP-ENV:Envelope>";
}

struct Call {
    std::string action;
    std::string body;
};

Call soapCall(const std::string& operation, const std::string& params = {})
{
    return {"urn:vantloIntf-Ivantlo#" + operation, envelope(operation, params)};
}

const std::string roomApp00 = "<aRoom>0</aRoom><aApp>0</aApp>";

// One call on a kept-alive session; the status, the answer in `answer`.
int post(Poco::Net::HTTPClientSession& session, const Call& call, std::string& answer)
{
    Poco::Net::HTTPRequest request(
        Poco::Net::HTTPRequest::HTTP_POST, "/soap/Ivantlo", Poco::Net::HTTPMessage::HTTP_1_1);
    request.set("SOAPAction", call.action);
    request.setContentType("text/xml; charset=utf-8");
    request.setContentLength64(static_cast<Poco::Int64>(call.body.size()));
    session.sendRequest(request) << call.body;
    Poco::Net::HTTPResponse response;
    std::istream& in = session.receiveResponse(response);
    answer.clear();
    Poco::StreamCopier::copyToString(in, answer);
    return response.getStatus();
}

std::unique_ptr<Poco::Net::HTTPClientSession> session(std::uint16_t port)
{
    auto s = std::make_unique<Poco::Net::HTTPClientSession>("127.0.0.1", port);
    s->setKeepAlive(true);
    s->setTimeout(Poco::Timespan(30, 0));
    return s;
}

// A noisy colour picture as a JPEG file of at least `bytes` bytes.
QByteArray jpegOfAtLeast(std::size_t bytes)
{
    std::mt19937 random(7);
    for (int height = 64;; height += 16) {
        const int width = 320;
        std::vector<unsigned char> pixels(static_cast<std::size_t>(width) * height * 3);
        for (unsigned char& p : pixels)
            p = static_cast<unsigned char>(random());
        jpeg_compress_struct info {};
        jpeg_error_mgr errors {};
        info.err = jpeg_std_error(&errors);
        jpeg_create_compress(&info);
        unsigned char* out = nullptr;
        unsigned long outSize = 0;
        jpeg_mem_dest(&info, &out, &outSize);
        info.image_width = width;
        info.image_height = static_cast<JDIMENSION>(height);
        info.input_components = 3;
        info.in_color_space = JCS_RGB;
        jpeg_set_defaults(&info);
        jpeg_set_quality(&info, 90, TRUE);
        jpeg_start_compress(&info, TRUE);
        while (info.next_scanline < info.image_height) {
            JSAMPROW row = &pixels[static_cast<std::size_t>(info.next_scanline) * width * 3];
            jpeg_write_scanlines(&info, &row, 1);
        }
        jpeg_finish_compress(&info);
        QByteArray file(reinterpret_cast<const char*>(out), static_cast<qsizetype>(outSize));
        jpeg_destroy_compress(&info);
        std::free(out);
        if (static_cast<std::size_t>(file.size()) >= bytes)
            return file;
    }
}

// The service of one house: the store, a stand-in Zolvo held by the device
// link, and the host with the web module; beside it the baseline host.
struct Service {
    Service()
    {
        TLoadSave::setDataFolder(folder.path());
        store = TLoadSave::instance();
        for (int r = 0; r < 12; ++r)
            store->Ruimtes[r].Omschrijving = "Room";
        Apparaat& lamp = store->Ruimtes[0].Apparaten[0];
        lamp.Omschrijving = "Lamp";
        lamp.Code = 0x21;
        lamp.Afbeelding = 0;
        // The picture setImage replaces and the desktop would show.
        store->pictures()->usedAppimages.append(Picture(pictureListWidth, pictureListHeight));
        server.start();
        holdDevice(transport.open(transport.enumerate().at(0)));
        ZolvoConnected = true;

        if (host.start() || baseline.start())
            std::fprintf(stderr, "web_service_bench: the hosts did not start\n");
    }
    ~Service()
    {
        host.stop();
        baseline.stop();
        releaseDevice();
        ZolvoConnected = false;
        server.stop();
        TLoadSave::destroyInstance();
    }

    // The real answer to getroomcount, built once: the baseline host sends
    // the same bytes without doing anything for them.
    static HttpAnswer prebuiltAnswer()
    {
        static const HttpAnswer answer = [] {
            WebRequest request;
            request.method = "POST";
            request.path = "/soap/Ivantlo";
            request.soapAction = "urn:vantloIntf-Ivantlo#getroomcount";
            request.body = envelope("getroomcount");
            request.baseUrl = "http://127.0.0.1";
            return handleWebRequest(request);
        }();
        return answer;
    }

    QTemporaryDir folder;
    TLoadSave* store = nullptr;
    VirtualZolvo device {builtInFlash()};
    VirtualZolvoServer server {device, folder.filePath("bench.sock").toStdString()};
    VirtualTransport transport {folder.filePath("bench.sock").toStdString()};
    THttpHost host {HttpHostSettings {.port = 0}};
    THttpHost baseline {HttpHostSettings {.port = 0}, [](const WebRequest&) { return prebuiltAnswer(); }};
};

Service* service = nullptr;

// 32 clients, each on its own connection, `callsPerClient` calls each after
// one warm-up call; all start together.
void load(benchmark::State& state, std::uint16_t port, const Call& call)
{
    std::vector<std::vector<double>> latencies(clients);
    std::atomic<int> failures {0};
    double seconds = 0;
    for (auto _ : state) {
        std::barrier ready(clients + 1);
        std::vector<std::thread> threads;
        for (int c = 0; c < clients; ++c) {
            threads.emplace_back([&, c] {
                auto s = session(port);
                std::string answer;
                post(*s, call, answer);
                ready.arrive_and_wait();
                latencies[c].reserve(callsPerClient);
                for (int i = 0; i < callsPerClient; ++i) {
                    const auto start = std::chrono::steady_clock::now();
                    if (post(*s, call, answer) != 200)
                        ++failures;
                    latencies[c].push_back(
                        std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
                }
            });
        }
        ready.arrive_and_wait();
        const auto start = std::chrono::steady_clock::now();
        for (auto& thread : threads)
            thread.join();
        seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.SetIterationTime(seconds);
    }
    std::vector<double> all;
    for (const auto& l : latencies)
        all.insert(all.end(), l.begin(), l.end());
    std::sort(all.begin(), all.end());
    const auto percentile = [&](double p) {
        return all.empty() ? 0 : all[static_cast<std::size_t>(p * (all.size() - 1))];
    };
    state.counters["requests_per_s"] = static_cast<double>(all.size()) / seconds;
    state.counters["p50_us"] = percentile(0.50);
    state.counters["p99_us"] = percentile(0.99);
    state.counters["failures"] = failures.load();
}

void BM_Baseline_FixedResponse(benchmark::State& state)
{
    load(state, service->baseline.port(), soapCall("getroomcount"));
}

void BM_getroomcount(benchmark::State& state)
{
    load(state, service->host.port(), soapCall("getroomcount"));
}

void BM_apparaatAan(benchmark::State& state)
{
    service->device.clearTrace();
    load(state, service->host.port(), soapCall("apparaatAan", roomApp00));
    state.counters["switch_reports"] = static_cast<double>(service->device.trace().size());
}

// One client, one call per iteration: milliseconds per call.
void pictureCalls(benchmark::State& state, const Call& call)
{
    auto s = session(service->host.port());
    std::string answer;
    std::size_t answerBytes = 0;
    int failures = 0;
    for (auto _ : state) {
        if (post(*s, call, answer) != 200 || answer.find("NOERROR") == std::string::npos) {
            if (failures++ == 0)
                std::fprintf(stderr, "%s\n", answer.c_str());
        }
        answerBytes = answer.size();
    }
    state.counters["request_bytes"] = static_cast<double>(call.body.size());
    state.counters["answer_bytes"] = static_cast<double>(answerBytes);
    state.counters["failures"] = failures;
}

const QByteArray& picture()
{
    static const QByteArray jpeg = jpegOfAtLeast(100 * 1024);
    return jpeg;
}

void BM_setImage_100KB(benchmark::State& state)
{
    const std::string base64 = picture().toBase64(QByteArray::Base64Encoding).toStdString();
    pictureCalls(state, soapCall("setImage", roomApp00 + "<aImage>" + base64 + "</aImage>"));
    state.counters["jpeg_bytes"] = static_cast<double>(picture().size());
}

void BM_getAppImage_100KB(benchmark::State& state)
{
    pictureCalls(state, soapCall("getAppImage", roomApp00));
}

BENCHMARK(BM_Baseline_FixedResponse)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_getroomcount)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_apparaatAan)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_setImage_100KB)->Iterations(30)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_getAppImage_100KB)->Iterations(30)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    Service running;
    service = &running;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    service = nullptr;
    return 0;
}
