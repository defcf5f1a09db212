// demo-shop --port N --data DIR [--repeat-window MINUTES] [--fault FAULT]... [--password TEXT]
//           [--charset NAME] [--tls CERT KEY] [--tls-close] [--watch-stdin]
// demo-shop --seed-only --data DIR
// Both take --seed-size ITEMS,CATEGORIES for a generated menu when they seed.
//
// Prints the port it listens on as its first line, then one line per
// request. Ends with exit code 0 on SIGTERM or SIGINT.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <mutex>
#include <pthread.h>
#include <string>
#include <thread>
#include <unistd.h>

#include "faults.h"
#include "form.h"
#include "seed.h"
#include "service.h"
#include "shop_db.h"

using namespace demoshop;

// The stop threads outlive main's scope; they reach the service only
// through this guarded pointer.
static std::mutex g_serviceMutex;
static Service* g_service = nullptr;

static void stopService()
{
    std::lock_guard lock(g_serviceMutex);
    if (g_service)
        g_service->stop();
}

static void usage()
{
    std::cerr
        << "usage: demo-shop --port N --data DIR [--repeat-window MINUTES] [--fault FAULT]... [--password TEXT]\n"
           "                 [--charset NAME] [--tls CERT KEY] [--tls-close] [--watch-stdin]\n"
           "       demo-shop --seed-only --data DIR\n"
           "  --port 0           pick a free port (printed as the first line)\n"
           "  --repeat-window M  refuse a phone number ordered within M minutes (default 30, 0 = never)\n"
           "  --fault FAULT      PATH,kind=status|delay|close|garbage[,status=N][,body=TEXT][,delay_ms=N][,count=K]\n"
           "  --password TEXT    the demo account's password (default demo1234)\n"
           "  --charset NAME     answer and read the shop's forms in NAME (e.g. EUC-KR) instead of UTF-8\n"
           "  --tls CERT KEY     also serve https (PEM files) on the same port; plain http stays\n"
           "  --tls-close        close a connection that opens with a TLS handshake, unanswered (http stays)\n"
           "  --watch-stdin      end when standard input is closed (for test harnesses)\n"
           "  --seed-only        create the shop's data in DIR if missing, then exit\n"
           "  --seed-size I,C    when seeding: I generated items in C categories, each with a picture\n";
}

static bool parseNumber(const char* text, int* out)
{
    if (!isDigits(text) || std::strlen(text) > 9)
        return false;
    *out = std::atoi(text);
    return true;
}

int main(int argc, char** argv)
{
    ServiceOptions options;
    bool havePort = false, watchStdin = false, seedOnly = false;
    SeedSize seedSize;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        auto next = [&]() -> const char* {
            if (i + 1 >= argc) {
                std::cerr << "demo-shop: " << arg << " needs a value\n";
                std::exit(2);
            }
            return argv[++i];
        };
        if (arg == "--port") {
            if (!parseNumber(next(), &options.port) || options.port > 65535) {
                std::cerr << "demo-shop: bad port\n";
                return 2;
            }
            havePort = true;
        } else if (arg == "--data") {
            options.dataDir = next();
        } else if (arg == "--repeat-window") {
            if (!parseNumber(next(), &options.repeatWindowMinutes)) {
                std::cerr << "demo-shop: bad repeat window\n";
                return 2;
            }
        } else if (arg == "--fault") {
            std::string error;
            auto fault = parseFaultText(next(), &error);
            if (!fault) {
                std::cerr << "demo-shop: " << error << "\n";
                return 2;
            }
            options.faults.push_back(*fault);
        } else if (arg == "--password") {
            options.password = next();
        } else if (arg == "--charset") {
            options.charset = next();
        } else if (arg == "--tls") {
            options.tlsCert = next();
            options.tlsKey = next();
        } else if (arg == "--tls-close") {
            options.tlsClose = true;
        } else if (arg == "--seed-size") {
            const std::string value = next();
            const size_t comma = value.find(',');
            if (comma == std::string::npos || !parseNumber(value.substr(0, comma).c_str(), &seedSize.items)
                || !parseNumber(value.substr(comma + 1).c_str(), &seedSize.categories) || seedSize.items < 1
                || seedSize.categories < 1 || seedSize.categories > seedSize.items) {
                std::cerr << "demo-shop: bad seed size (ITEMS,CATEGORIES)\n";
                return 2;
            }
        } else if (arg == "--seed-only") {
            seedOnly = true;
        } else if (arg == "--watch-stdin") {
            watchStdin = true;
        } else if (arg == "--help" || arg == "-h") {
            usage();
            return 0;
        } else {
            std::cerr << "demo-shop: unknown argument " << arg << "\n";
            usage();
            return 2;
        }
    }
    if ((!havePort && !seedOnly) || options.dataDir.empty()) {
        usage();
        return 2;
    }

    // Signals go to one waiting thread only; every thread started from here
    // on inherits the blocked mask.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    std::string error;
    bool seeded = false;
    if (!ensureSeeded(options.dataDir, &seeded, &error, seedSize)) {
        std::cerr << "demo-shop: cannot seed " << options.dataDir << ": " << error << "\n";
        return 1;
    }
    if (seedOnly)
        return 0;
    auto db = ShopDb::open(databasePath(options.dataDir), &error);
    if (!db || !db->createSchema(&error)) {
        std::cerr << "demo-shop: cannot open database: " << error << "\n";
        return 1;
    }

    Service service(options, std::move(db));
    if (!service.bind(&error)) {
        std::cerr << "demo-shop: " << error << "\n";
        return 1;
    }
    std::printf("%d\n", service.port());
    std::fflush(stdout);
    if (seeded)
        std::cerr << "demo-shop: seeded " << options.dataDir << "\n";

    {
        std::lock_guard lock(g_serviceMutex);
        g_service = &service;
    }
    std::thread([stopSignals] {
        int sig = 0;
        sigwait(&stopSignals, &sig);
        stopService();
    }).detach();
    if (watchStdin) {
        std::thread([] {
            char buf[256];
            while (::read(0, buf, sizeof buf) > 0) { }
            stopService();
        }).detach();
    }

    service.run();
    {
        std::lock_guard lock(g_serviceMutex);
        g_service = nullptr;
    }
    std::fflush(stdout);
    return 0;
}
