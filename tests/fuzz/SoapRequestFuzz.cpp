// Arbitrary bytes as the body of a SOAP call to the web module, with no
// device and an empty store in a temporary folder: every answer is a
// well-formed SOAP document with status 200 (a response or a fault).
#include "LoadSave.h"
#include "WebModule.h"

#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

bool wellFormed(const std::string& document)
{
    QXmlStreamReader reader(QByteArray::fromStdString(document));
    while (!reader.atEnd())
        reader.readNext();
    return !reader.hasError();
}

void prepareStore()
{
    static QTemporaryDir folder;
    if (!folder.isValid())
        std::abort();
    TLoadSave::setDataFolder(folder.path());
    TLoadSave::instance();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const bool prepared = (prepareStore(), true);
    (void)prepared;

    WebRequest request;
    request.method = "POST";
    request.path = "/soap/Ivantlo";
    request.body.assign(reinterpret_cast<const char*>(data), size);
    request.baseUrl = "http://localhost:8080";
    const HttpAnswer answer = handleWebRequest(request);
    if (answer.status != 200 || answer.contentType != "text/xml; charset=\"utf-8\"" || !wellFormed(answer.body))
        std::abort();
    return 0;
}
