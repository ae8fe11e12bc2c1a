#include "cli/recordjson.h"

#include "store/fields.h"

#include <QJsonArray>

namespace {

QJsonObject CoordToJson(const GpsCoord &c)
{
    return QJsonObject{{QStringLiteral("deg"), int(c.deg)},
                       {QStringLiteral("min"), int(c.min)},
                       {QStringLiteral("sec"), int(c.sec)},
                       {QStringLiteral("hund"), int(c.hund)},
                       {QStringLiteral("negative"), qint64(c.negative)}};
}

template <size_t N>
QString Hex(const std::array<uint8_t, N> &bytes)
{
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char *>(bytes.data()), int(N)).toHex());
}

template <size_t N>
QJsonArray Texts(const std::array<QString, N> &texts)
{
    QJsonArray a;
    for (const QString &t : texts)
        a.append(t);
    return a;
}

template <size_t N>
QJsonArray Numbers(const std::array<uint32_t, N> &values)
{
    QJsonArray a;
    for (uint32_t v : values)
        a.append(qint64(v));
    return a;
}

} // namespace

QJsonObject RecordToJson(int slot, const AgendaRecord &r)
{
    const NavData &n = r.nav;
    QJsonObject object{
        {QStringLiteral("slot"), slot},
        {QStringLiteral("recType"), qint64(r.recType)},
        {QStringLiteral("owner"), qint64(r.owner)},
        {QStringLiteral("simPos"), int(r.simPos)},
        {QStringLiteral("voiceIndex"), int(r.voiceIndex)},
        {QStringLiteral("navFlags"), qint64(n.navFlags)},
        {QStringLiteral("lon"), CoordToJson(n.lon)},
        {QStringLiteral("lat"), CoordToJson(n.lat)},
        {QStringLiteral("postalType"), qint64(n.postalType)},
        {QStringLiteral("posCode"), Hex(n.posCode)},
        {QStringLiteral("posRoad1"), Hex(n.posRoad1)},
        {QStringLiteral("posRoad2"), Hex(n.posRoad2)},
        {QStringLiteral("posNumb"), qint64(n.posNumb)},
        {QStringLiteral("poiCat"), int(n.poiCat)},
        {QStringLiteral("poiFac0"), qint64(n.poiFac0)},
        {QStringLiteral("poiFac1"), qint64(n.poiFac1)},
        {QStringLiteral("cdQuarter"), qint64(n.cdQuarter)},
        {QStringLiteral("cdYear"), qint64(n.cdYear)},
        {QStringLiteral("cdCid"), qint64(n.cdCid)},
        {QStringLiteral("phoneWord"), int(r.phoneWord)},
        {QStringLiteral("phone"), Texts(r.phone)},
        {QStringLiteral("phoneType"), Numbers(r.phoneType)},
        {QStringLiteral("emailWord"), int(r.emailWord)},
        {QStringLiteral("email"), Texts(r.email)},
        {QStringLiteral("emailType"), Numbers(r.emailType)},
        {QStringLiteral("acpType"), qint64(r.acpType)},
        {QStringLiteral("acpDate1"), Hex(r.acpDate1)},
        {QStringLiteral("acpDate2"), Hex(r.acpDate2)},
    };
    // The single texts by their field-table keys; phones and e-mails are arrays above, the
    // GPS position is the coordinates above.
    for (const RecordField &f : Fields()) {
        const bool single = f.id != FieldId::Record && f.id != FieldId::Gps
                            && (f.id < FieldId::Phone1 || f.id > FieldId::Email5);
        if (single)
            object.insert(QLatin1String(f.key), f.read(r));
    }
    return object;
}
