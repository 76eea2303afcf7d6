#include "UpdateFlash.h"

#include "FirmwareImage.h"
#include "Language.h"
#include "MyDevFunctions.h"

#include <algorithm>

namespace {

// The sum of an erased application flash (0x7000 bytes of 0xFF), most
// significant byte first.
constexpr std::uint8_t erasedSum0 = 0x6F;
constexpr std::uint8_t erasedSum1 = 0x90;
constexpr std::uint8_t erasedSum2 = 0x00;
static_assert(flashSize * 0xFF == (std::size_t {erasedSum0} << 16 | std::size_t {erasedSum1} << 8 | erasedSum2));

constexpr std::size_t blockSize = 64; // data bytes in one report
static_assert(flashPageSize == 2 * blockSize);

std::uint8_t lowByte(std::size_t value)
{
    return static_cast<std::uint8_t>(value & 0xFF);
}
std::uint8_t highByte(std::size_t value)
{
    return static_cast<std::uint8_t>(value >> 8 & 0xFF);
}

} // namespace

QString updatingLabel(const QString& productString)
{
    return gettext(txtOpwaarderen1) + productString + gettext(txtOpwaarderen2) + sDevicename + u' ' + firmwareversion;
}

TUpdateFlash::TUpdateFlash(UpdateView& view)
    : NewDevName(sDevicename)
    , progbuf(flashSize + 1, 0xFF)
    , flashbuf(flashSize + 1, 0xFF)
    , _view(view)
{
}

TUpdateFlash::TUpdateFlash(UpdateView& view, QStringList hexLines)
    : TUpdateFlash(view)
{
    _hexLines = std::move(hexLines);
}

void TUpdateFlash::updatefirmware()
{
    if (_started)
        return;
    _started = true;
    _state = State::Updating;
    ZolvoConnected = true;

    ParsedImage image;
    {
        const QStringList hexlines = _hexLines ? *_hexLines : builtInHexLines();
        image = readbuf(hexlines, flashSize);
    }
    progbuf = std::move(image.progbuf);
    _view.setCaption(gettext(txtFUopwaarderen) + NewDevName);
    if (image.error) {
        fail(gettext(*image.error));
        return;
    }
    updateprog();
}

void TUpdateFlash::updateprog()
{
    _view.setGaugeMax(static_cast<int>(flashSize));
    _view.enableQuit(false);

    std::optional<QString> failure;
    {
        const DeviceExchange wholeUpdate;
        SendtoDev(makeCommand(Cmd::EnterUpdateMode));
        SendtoDev(makeCommand(Cmd::EnterUpdateMode));
        _view.setLabel2(gettext(txtFUwissen) + heldProductString());
        _view.setGaugeProgress(0);
        _view.repaint();

        if (!Eraseflash()) {
            failure = gettext(txtFUfoutwissen);
        } else {
            _view.showGauge(true);
            _view.setLabel2(gettext(txtFUprog) + NewDevName);
            _view.setGaugeProgress(0);
            _view.repaint();
            progflash();
            if (const auto address = firstDifference()) {
                failure = gettext(txtFUcontrFout) +
                    QStringLiteral("%1").arg(static_cast<qulonglong>(*address), 4, 16, QChar(u'0')).toUpper();
            } else {
                reprog = true;
                SendtoDev(makeCommand(Cmd::LeaveUpdateMode));
            }
        }
    }
    // The message box waits for the user: the device is let go first.
    if (failure) {
        fail(*failure);
        return;
    }

    _view.showGauge(false);
    _view.setLabel1(gettext(txtFUrecon) + sDevicename + QStringLiteral("...."));
    _view.setLabel2(QString());
    _view.repaint();
    ZolvoConnected = false;
    _state = State::Waiting;
}

bool TUpdateFlash::Eraseflash()
{
    SendtoDev(makeCommand(Cmd::EraseFlash));
    return sumflash(erasedSum0, erasedSum1, erasedSum2);
}

bool TUpdateFlash::sumflash(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2)
{
    Report answer {};
    if (!requestFromDev(makeCommand(Cmd::FlashChecksum), answer))
        return false;
    return answer[1] == b0 && answer[2] == b1 && answer[3] == b2;
}

void TUpdateFlash::progflash()
{
    std::fill(flashbuf.begin(), flashbuf.end(), 0xFF);
    int pagesWithData = 0;
    for (std::size_t addr = 0; addr < flashSize; addr += flashPageSize)
        pagesWithData += AllFF(addr) ? 0 : 1;
    _view.setGaugeMax(pagesWithData);

    int progress = 0;
    for (std::size_t addr = 0; addr < flashSize; addr += flashPageSize) {
        ProgPage(addr);
        progress = std::min(progress + 1, pagesWithData);
        _view.setGaugeProgress(progress);
    }
}

bool TUpdateFlash::AllFF(std::size_t addr) const
{
    if (addr >= progbuf.size())
        return true;
    const auto begin = progbuf.begin() + static_cast<std::ptrdiff_t>(addr);
    const auto end = progbuf.begin() + static_cast<std::ptrdiff_t>(std::min(addr + flashPageSize, progbuf.size()));
    return std::all_of(begin, end, [](std::uint8_t b) { return b == 0xFF; });
}

bool TUpdateFlash::pageInside(std::size_t addr) const
{
    const std::size_t end = addr + flashPageSize;
    return end <= flashSize && end <= progbuf.size() && end <= flashbuf.size();
}

void TUpdateFlash::ProgPage(std::size_t addr)
{
    if (AllFF(addr) || !pageInside(addr))
        return;
    SendtoDev(makeCommand(Cmd::ProgramPage, {lowByte(addr), highByte(addr)}));
    for (std::size_t block = 0; block < 2; ++block) {
        Report data {};
        const std::size_t from = addr + block * blockSize;
        std::copy_n(progbuf.begin() + static_cast<std::ptrdiff_t>(from), blockSize, data.begin() + 1);
        SendtoDev(data);
    }
    ReadPage(addr);
}

void TUpdateFlash::ReadPage(std::size_t addr)
{
    if (!pageInside(addr))
        return;
    SendtoDev(makeCommand(Cmd::SetReadAddress, {lowByte(addr), highByte(addr)}));
    for (std::size_t block = 0; block < 2; ++block) {
        const std::size_t from = addr + block * blockSize;
        Report answer {};
        if (requestFromDev(makeCommand(Cmd::ReadFlashBlock), answer)) {
            std::copy_n(answer.begin() + 1, blockSize, flashbuf.begin() + static_cast<std::ptrdiff_t>(from));
        } else {
            for (std::size_t i = from; i < from + blockSize; ++i)
                flashbuf[i] = static_cast<std::uint8_t>(~progbuf[i]);
        }
    }
}

std::optional<std::size_t> TUpdateFlash::firstDifference() const
{
    const std::size_t end = std::min({flashSize, flashbuf.size(), progbuf.size()});
    for (std::size_t addr = 0; addr < end; ++addr) {
        if (flashbuf[addr] != progbuf[addr])
            return addr;
    }
    return std::nullopt;
}

bool TUpdateFlash::verifyflash() const
{
    return !firstDifference();
}

void TUpdateFlash::fail(const QString& text)
{
    // Not connected: the device may still be in update mode, where the
    // ordinary commands mean something else.
    ZolvoConnected = false;
    _view.errorBox(text);
    _view.showGauge(false);
    _view.setLabel2(text);
    _view.enableQuit(true);
    _view.repaint();
    reprog = false;
    _state = State::Failed;
}

void TUpdateFlash::deviceReturned()
{
    _view.setLabel1(sDevicename + gettext(txtOpgewaardeerd1));
    _view.setLabel2(gettext(txtOpgewaardeerd2));
    _view.enableQuit(true);
    _view.repaint();
    _state = State::Done;
}

void TUpdateFlash::waitTimedOut()
{
    if (_state == State::Waiting)
        _view.enableQuit(true);
}

void TUpdateFlash::quitClick()
{
    reprog = false;
}
