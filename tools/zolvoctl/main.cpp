// zolvoctl: the command-line companion of the Zolvo program, for support,
// scripting and checks.
#include "ConfigJson.h"
#include "DeviceVerbs.h"
#include "LoadSave.h"
#include "ProgramFolder.h"
#include "ServeVerb.h"
#include "StorePictureLists.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>
#include <exception>
#include <functional>
#include <map>
#include <string>

namespace {

constexpr const char* usage =
    "usage: zolvoctl <verb> [options]\n"
    "  show [--dir DIR]     print the configuration as JSON\n"
    "  resave [--dir DIR]   load and save the configuration (creates missing files)\n"
    "  locations            print the built-in location table as JSON\n"
    "  texts                print the text catalogue as JSON\n"
    "  send [--dir DIR]     send scenes, sun table and timer program to the Zolvo\n"
    "  compare [--dir DIR]  whether the Zolvo holds the tables of the configuration (exit 0 same, 1 different)\n"
    "  switch ROOM APPLIANCE on|off|dim N [--dir DIR]\n"
    "                       switch one appliance (ROOM and APPLIANCE 0..15, N 1..16)\n"
    "  scene N [--dir DIR]  run scene N (0..15) on the Zolvo\n"
    "  update-firmware [--dir DIR]\n"
    "                       update an outdated Zolvo to the built-in firmware\n"
    "  serve [--dir DIR] [--port N]\n"
    "                       run the web service (default port 8080, 0 = any free port) until SIGINT or SIGTERM;\n"
    "                       holds DIR/.zolvo.lock, so it never runs on a folder the desktop program has open\n"
    "DIR is the folder of the data files; by default the folder of this program.\n";

struct Options {
    QString dir;
    QStringList positional;
    std::map<QString, QString> values; // "--name VALUE" options other than --dir
};

// Parses the options after the verb; false on anything unknown.
bool parseOptions(
    const QStringList& args, bool takesDir, bool takesPositional, const QStringList& valueOptions, Options& options)
{
    for (int i = 0; i < args.size(); ++i) {
        if (takesDir && args[i] == QLatin1String("--dir") && i + 1 < args.size()) {
            options.dir = args[++i];
        } else if (takesDir && args[i].startsWith(QLatin1String("--dir="))) {
            options.dir = args[i].mid(6);
        } else if (valueOptions.contains(args[i]) && i + 1 < args.size()) {
            options.values[args[i]] = args[i + 1];
            ++i;
        } else if (takesPositional && !args[i].startsWith(QLatin1String("--"))) {
            options.positional.append(args[i]);
        } else {
            std::fprintf(stderr, "zolvoctl: unknown argument \"%s\"\n", qPrintable(args[i]));
            return false;
        }
    }
    if (options.dir.isEmpty())
        options.dir = programFolder();
    return true;
}

void print(const Json& json)
{
    std::puts(json.dump(2).c_str());
}

bool folderExists(const QString& dir)
{
    if (QDir(dir).exists())
        return true;
    std::fprintf(stderr, "zolvoctl: the folder \"%s\" does not exist\n", qPrintable(dir));
    return false;
}

// Damaged picture-list files were kept aside; the user hears of it.
void printWarnings(const TLoadSave& store)
{
    if (const StorePictureLists* pictures = store.pictures())
        for (const QString& warning : pictures->warnings())
            std::fprintf(stderr, "zolvoctl: %s\n", qPrintable(warning));
}

int show(const Options& options)
{
    if (!folderExists(options.dir))
        return 1;
    const TLoadSave store(options.dir);
    printWarnings(store);
    print(configurationJson(store));
    return 0;
}

int resave(const Options& options)
{
    if (!folderExists(options.dir))
        return 1;
    TLoadSave store(options.dir);
    printWarnings(store);
    store.SaveCfg();
    return 0;
}

int locations(const Options&)
{
    print(locationsJson());
    return 0;
}

int texts(const Options&)
{
    print(textsJson());
    return 0;
}

int serve(const Options& options)
{
    const auto port = options.values.find(QStringLiteral("--port"));
    return serveVerb(options.dir, port == options.values.end() ? QString() : port->second);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty() || args[0] == QLatin1String("--help") || args[0] == QLatin1String("-h")) {
        std::fputs(usage, args.isEmpty() ? stderr : stdout);
        return args.isEmpty() ? 2 : 0;
    }
    const QString verb = args.takeFirst();

    struct Verb {
        bool takesDir;
        bool takesPositional;
        std::function<int(const Options&)> run;
        QStringList valueOptions = {};
    };
    const std::map<QString, Verb> verbs = {
        {QStringLiteral("show"), {true, false, show}},
        {QStringLiteral("resave"), {true, false, resave}},
        {QStringLiteral("locations"), {false, false, locations}},
        {QStringLiteral("texts"), {false, false, texts}},
        {QStringLiteral("send"), {true, false, [](const Options& o) { return sendVerb(o.dir); }}},
        {QStringLiteral("compare"), {true, false, [](const Options& o) { return compareVerb(o.dir); }}},
        {QStringLiteral("switch"), {true, true, [](const Options& o) { return switchVerb(o.dir, o.positional); }}},
        {QStringLiteral("scene"), {true, true, [](const Options& o) { return sceneVerb(o.dir, o.positional); }}},
        {QStringLiteral("update-firmware"), {true, false, [](const Options& o) { return updateFirmwareVerb(o.dir); }}},
        {QStringLiteral("serve"), {true, false, serve, {QStringLiteral("--port")}}},
    };
    const auto found = verbs.find(verb);
    if (found == verbs.end()) {
        std::fprintf(stderr, "zolvoctl: unknown verb \"%s\"\n%s", qPrintable(verb), usage);
        return 2;
    }
    Options options;
    if (!parseOptions(args, found->second.takesDir, found->second.takesPositional, found->second.valueOptions, options))
        return 2;
    try {
        return found->second.run(options);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "zolvoctl: %s\n", error.what());
        return 1;
    }
}
