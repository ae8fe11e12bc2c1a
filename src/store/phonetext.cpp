// The parts of phonenumber.h that need no phone library of their own: names, reasons,
// digits, notes, the stored region and what a text holds by its characters alone. Linked into every program,
// so that the window's forwarders and the phone module share them.
#include "store/phonenumber.h"

#include <QCoreApplication>
#include <QSettings>

namespace {

const char kRegionKey[] = "phone/region";

bool IsDialCharacter(QChar c)
{
    switch (c.toLower().unicode()) {
    case ',': case ';': case 'p': case 'w': case '#': case '*':
        return true;
    default:
        return false;
    }
}

} // namespace

PhoneKind PhoneTextKind(const QString &text, QString *body)
{
    const QString trimmed = text.trimmed();
    // "tel:" (the URI form that contact exports use) is no part of the number.
    const QString rest = trimmed.startsWith(QLatin1String("tel:"), Qt::CaseInsensitive) ? trimmed.mid(4) : trimmed;
    if (body)
        *body = rest;
    if (trimmed.isEmpty())
        return PhoneKind::Empty;
    bool letters = false;
    bool digits = false;
    bool others = false;
    for (QChar c : rest) {
        if (IsDialCharacter(c))
            return PhoneKind::DialCharacters;
        letters = letters || c.isLetter();
        digits = digits || c.isDigit();
        // The library skips what it does not know; a number is only rewritten when every
        // character is part of it, so nothing (a byte held from the file, a mark) is lost.
        others = others || !(c.isDigit() || c.isLetter() || c.isSpace() || QStringView(u"+-./()").contains(c));
    }
    if (letters)
        return PhoneKind::Letters;
    if (others)
        return PhoneKind::OtherCharacters;
    return digits ? PhoneKind::Valid : PhoneKind::NotANumber;
}

bool PhoneFormatFromName(const QString &name, PhoneFormat *format)
{
    for (PhoneFormat f : {PhoneFormat::International, PhoneFormat::E164, PhoneFormat::National, PhoneFormat::AsIs})
        if (name == PhoneFormatName(f)) {
            *format = f;
            return true;
        }
    return false;
}

QString PhoneFormatName(PhoneFormat format)
{
    switch (format) {
    case PhoneFormat::International: return QStringLiteral("international");
    case PhoneFormat::E164: return QStringLiteral("e164");
    case PhoneFormat::National: return QStringLiteral("national");
    case PhoneFormat::AsIs: break;
    }
    return QStringLiteral("as-is");
}

QString PhoneKeptReason(const PhoneReading &reading)
{
    switch (reading.kind) {
    case PhoneKind::Empty:
    case PhoneKind::Valid:
        break;
    case PhoneKind::DialCharacters:
        return QCoreApplication::translate("PhoneReason", "holds pause or tone characters");
    case PhoneKind::Letters:
        return QCoreApplication::translate("PhoneReason", "holds letters");
    case PhoneKind::OtherCharacters:
        return QCoreApplication::translate("PhoneReason", "holds characters that are no part of a number");
    case PhoneKind::NoRegion:
        return QCoreApplication::translate("PhoneReason", "has no country code and no region is set");
    case PhoneKind::NotANumber:
        return QCoreApplication::translate("PhoneReason", "is not a phone number");
    case PhoneKind::NotValid:
        return reading.region.isEmpty() ? QCoreApplication::translate("PhoneReason", "is not a valid number")
                                        : QCoreApplication::translate("PhoneReason", "is not a valid number for %1").arg(reading.region);
    }
    return QString();
}

bool PhoneFilterKeyMatches(const QString &key, const QString &typed)
{
    const QString digits = PhoneDigits(typed);
    if (digits.size() < 3)
        return false;
    if (key.contains(digits))
        return true;
    // A typed country code: "+39 06…" or "0039 06…" starts the international digits.
    const QString text = typed.trimmed();
    QString international;
    if (text.startsWith(QLatin1Char('+')))
        international = digits;
    else if (text.startsWith(QLatin1String("00")))
        international = digits.mid(2);
    return !international.isEmpty() && key.startsWith(international);
}

QString PhoneDigits(const QString &text)
{
    QString digits;
    digits.reserve(text.size());
    for (QChar c : text)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits.append(c);
    return digits;
}

QString StoredPhoneRegion()
{
    return QSettings().value(QLatin1String(kRegionKey)).toString();
}

void StorePhoneRegion(const QString &region)
{
    QSettings settings;
    if (region.isEmpty())
        settings.remove(QLatin1String(kRegionKey));
    else
        settings.setValue(QLatin1String(kRegionKey), region);
}

QStringList PhoneNotes(const QString &phone, const QString &region, int sameAs, int possibly)
{
    QStringList notes;
    const PhoneReading reading = ReadPhone(phone, region);
    if (reading.kind != PhoneKind::Empty && reading.kind != PhoneKind::Valid)
        notes.append(QCoreApplication::translate("PhoneReason", "\"%1\" %2: kept as typed").arg(phone, PhoneKeptReason(reading)));
    if (sameAs >= 0)
        notes.append(QCoreApplication::translate("PhoneReason", "same number as record %1").arg(QString::number(sameAs + 1)));
    else if (possibly >= 0)
        notes.append(QCoreApplication::translate("PhoneReason", "possibly the same number as record %1").arg(QString::number(possibly + 1)));
    return notes;
}
