#include "ProgAktie.h"

#include "Clock.h"
#include "Language.h"

#include <QLocale>

#include <array>
#include <cstdio>

namespace {

constexpr std::array<int, 13> MaandDagen = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31, 31};

std::string twoDigits(int value)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%.2d", value);
    return buffer;
}

std::string threeDigits(int value)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%.3d", value);
    return buffer;
}

// Up to 15 significant digits, no trailing zeros, the locale's separator.
std::string timeStampText(double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    std::string text = buffer;
    const QString separator = QLocale::system().decimalPoint();
    if (const auto dot = text.find('.'); dot != std::string::npos && separator != ".")
        text.replace(dot, 1, separator.toStdString());
    return text;
}

QString number(int value)
{
    return QString::number(value);
}

} // namespace

int maandDagen(int maand)
{
    return maand >= 1 && maand <= 13 ? MaandDagen[static_cast<std::size_t>(maand - 1)] : 0;
}

ProgAktie::ProgAktie()
    : randomNr(Clock::now())
{
}

std::shared_ptr<ProgAktie> ProgAktie::clone() const
{
    auto copy = std::make_shared<ProgAktie>(*this);
    copy->randomNr = Clock::now();
    return copy;
}

bool ProgAktie::validDate() const
{
    if (DagDatum > weekdaysFlag || Maand < 1 || Maand > 13)
        return true;
    return maandDagen(Maand) >= DagDatum;
}

bool ProgAktie::valid() const
{
    return Ruimte != -1 && Apparaat != -1 && Maand != 0 && (Uur != noClockTime || ZonOffset != 0) && DagDatum != 0 &&
        (OnOffDim != notChosen || IsCombinatie()) && validDate();
}

std::uint8_t ProgAktie::getCombiNr() const
{
    return IsCombinatie() ? static_cast<std::uint8_t>(Ruimte - firstSceneRuimte) : 0;
}

std::uint8_t ProgAktie::tabelflags() const
{
    std::uint8_t flags = 0;
    if (ZonOffset != 0)
        flags |= 1;
    if (IsCombinatie())
        flags |= 2;
    return flags;
}

std::string ProgAktie::getIndex() const
{
    const int dayKey = DagDatum <= weekdaysFlag ? DagDatum : 255 - DagDatum;
    return twoDigits(Ruimte) + twoDigits(Apparaat) + twoDigits(Maand) + threeDigits(dayKey) + twoDigits(Uur) +
        twoDigits(Minuut) + timeStampText(randomNr);
}

QString ProgAktie::maandStr(int language) const
{
    if (Maand >= 1 && Maand <= 12)
        return gettext(static_cast<TextRow>(txtJanuari + Maand - 1), language);
    if (Maand == everyMonth)
        return gettext(txtElkeMaand, language);
    return gettext(txtMaand, language);
}

QString ProgAktie::dagDatumStr(int language) const
{
    if (DagDatum == 0)
        return gettext(txtDagDatum, language);
    if (DagDatum < weekdaysFlag)
        return number(DagDatum);
    static constexpr TextRow weekdays[7] = {txtZo, txtMa, txtDi, txtWo, txtDo, txtVr, txtZa};
    QString text;
    for (int bit = 0; bit < 7; ++bit)
        if (DagDatum & (1 << bit))
            text += gettext(weekdays[bit], language);
    return text;
}

QString ProgAktie::tijdStr(int language) const
{
    if (ZonOffset >= 1 && ZonOffset <= 59)
        return number(zonOp - ZonOffset) + gettext(txtVoorZonOp, language);
    if (ZonOffset == zonOp)
        return gettext(txtZonOp, language);
    if (ZonOffset >= 61 && ZonOffset <= 119)
        return number(ZonOffset - zonOp) + gettext(txtNaZonOp, language);
    if (ZonOffset >= 121 && ZonOffset <= 179)
        return number(zonOnder - ZonOffset) + gettext(txtVoorZonOnder, language);
    if (ZonOffset == zonOnder)
        return gettext(txtZonOnder, language);
    if (ZonOffset >= 181 && ZonOffset <= 239)
        return number(ZonOffset - zonOnder) + gettext(txtNaZonOnder, language);

    if (Uur == noClockTime)
        return gettext(txtTijd, language);
    const QString hour = QString::fromStdString(twoDigits(Uur));
    const QString minute = QString::fromStdString(twoDigits(Minuut));
    if (!RandomB)
        return hour + ':' + minute;
    const int endHour = Uur + 1 > 23 ? 0 : Uur + 1;
    return gettext(txtTussen1, language) + hour + ':' + minute + gettext(txtTussen2, language) +
        QString::fromStdString(twoDigits(endHour)) + ':' + minute;
}

QString ProgAktie::OnOffDimStr(int language) const
{
    if (IsCombinatie())
        return gettext(txtUitvoeren, language);
    if (OnOffDim == 0)
        return gettext(txtUit, language);
    if (OnOffDim <= 16)
        return gettext(txtDim, language) + number(OnOffDim);
    if (OnOffDim == on)
        return gettext(txtAan, language);
    if (OnOffDim == notChosen)
        return '<' + gettext(txtProgSelAktie, language) + '>';
    if (OnOffDim <= 21)
        return gettext(txtWakeUp, language) + ' ' + number((OnOffDim - notChosen) * 10);
    return QString();
}

QString ProgAktie::maandStr() const
{
    return maandStr(currentLanguage());
}
QString ProgAktie::dagDatumStr() const
{
    return dagDatumStr(currentLanguage());
}
QString ProgAktie::tijdStr() const
{
    return tijdStr(currentLanguage());
}
QString ProgAktie::OnOffDimStr() const
{
    return OnOffDimStr(currentLanguage());
}
