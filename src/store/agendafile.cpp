#include "store/agendafile.h"

#include "common/markup.h"
#include "common/prompter.h"
#include "common/safefile.h"
#include "common/textcodec.h"
#include "store/sidecar.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cstring>
#include <memory>

// ---- primitive items ----------------------------------------------------------------

namespace {
constexpr int kReadChunk = 64 * 1024;
}

bool SlotReader::Fill(int need)
{
    if (end_ - pos_ >= need)
        return true;
    if (!device_) {
        ranOut_ = true;
        return false;
    }
    // Keep the unread tail at the front, then read behind it until `need` bytes are there.
    buffer_.remove(0, pos_);
    end_ -= pos_;
    pos_ = 0;
    buffer_.resize(qMax(need, end_ + kReadChunk));
    while (end_ < need) {
        const qint64 n = device_->read(buffer_.data() + end_, buffer_.size() - end_);
        if (n <= 0)
            break;
        end_ += int(n);
    }
    if (end_ < need)
        ranOut_ = true;
    return end_ >= need;
}

bool SlotReader::ReadU16(uint16_t &v)
{
    if (!Fill(2))
        return false;
    const auto *p = reinterpret_cast<const unsigned char *>(buffer_.constData() + pos_);
    v = uint16_t((p[0] << 8) | p[1]);
    pos_ += 2;
    return true;
}

bool SlotReader::ReadU32(uint32_t &v)
{
    if (!Fill(4))
        return false;
    const auto *p = reinterpret_cast<const unsigned char *>(buffer_.constData() + pos_);
    v = (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | uint32_t(p[3]);
    pos_ += 4;
    return true;
}

bool SlotReader::ReadBytes(void *dst, int n)
{
    if (n <= 0)
        return true;
    if (!Fill(n))
        return false;
    std::memcpy(dst, buffer_.constData() + pos_, size_t(n));
    pos_ += n;
    return true;
}

const char *SlotReader::Take(int n)
{
    if (!Fill(n))
        return nullptr;
    const char *p = buffer_.constData() + pos_;
    pos_ += n;
    return p;
}

bool SlotReader::ReadBytes(QByteArray &dst, int n)
{
    dst.resize(n);
    return ReadBytes(dst.data(), n);
}

namespace {

// Makes room for n more bytes at the end and returns where they go: cheaper than an
// append of a few bytes, which goes through the general insert.
char *Grow(QByteArray &bytes, int n)
{
    const qsizetype at = bytes.size();
    if (at + n > bytes.capacity())
        bytes.reserve(qMax<qsizetype>(2 * bytes.capacity(), at + n));
    bytes.resize(at + n);
    return bytes.data() + at;
}

} // namespace

void SlotWriter::WriteU16(uint16_t v)
{
    char *d = Grow(bytes, 2);
    d[0] = char(v >> 8);
    d[1] = char(v);
}

void SlotWriter::WriteU32(uint32_t v)
{
    char *d = Grow(bytes, 4);
    d[0] = char(v >> 24);
    d[1] = char(v >> 16);
    d[2] = char(v >> 8);
    d[3] = char(v);
}

void SlotWriter::WriteBytes(const void *src, int n)
{
    if (n > 0)
        std::memcpy(Grow(bytes, n), src, size_t(n));
}

// ---- texts --------------------------------------------------------------------------

QString LengthQuestion(int length, int max, const QString &text)
{
    //: Markup: "&" a new line, "[* ...]" bold. %1 the length read, %2 the limit, %3 the text.
    return QCoreApplication::translate("LoadText",
                                       "Field text length is greater than allowed maximum!&characters read=%1 - max=%2&text=%3"
                                       "&[* Continue to load this file ?]&(continue only if text show above is correct)")
        .arg(length)
        .arg(max)
        .arg(MarkupEscape(text));
}

bool ReadText(SlotReader &in, int max, QString &text, Prompter &prompter)
{
    uint16_t n = 0;
    if (!in.ReadU16(n))
        return false;
    const char *bytes = in.Take(n);
    if (!bytes)
        return false;
    text = n ? DecodeHeldUtf8(bytes, n) : QString();
    if (text.size() > max && !prompter.YesNo(LengthQuestion(int(text.size()), max, text)))
        return false;
    uint16_t trailer = 0;
    return in.ReadU16(trailer);
}

bool WriteText(SlotWriter &out, const QString &text)
{
    const int lengthAt = int(out.bytes.size());
    out.WriteU16(0);
    AppendHeldUtf8(out.bytes, text);
    const int n = int(out.bytes.size()) - lengthAt - 2;
    // The length word holds the byte count modulo 65536, and only that many bytes follow.
    out.bytes.truncate(lengthAt + 2 + (n & 0xFFFF));
    out.bytes[lengthAt] = char((n >> 8) & 0xFF);
    out.bytes[lengthAt + 1] = char(n & 0xFF);
    out.WriteU16(0);
    return true;
}

// ---- slots --------------------------------------------------------------------------

namespace {

bool ReadCoord(SlotReader &in, GpsCoord &c)
{
    return in.ReadU16(c.deg) && in.ReadU16(c.min) && in.ReadU16(c.sec) && in.ReadU16(c.hund) && in.ReadU32(c.negative);
}

void WriteCoord(SlotWriter &out, const GpsCoord &c)
{
    out.WriteU16(c.deg);
    out.WriteU16(c.min);
    out.WriteU16(c.sec);
    out.WriteU16(c.hund);
    out.WriteU32(c.negative);
}

} // namespace

bool ReadSlot(AgendaRecord &r, SlotReader &in, uint32_t version, Prompter &p)
{
    if (!in.ReadU32(r.recType))
        return false;
    if (r.recType == 0)
        return true;
    if (!in.ReadU32(r.owner) || !ReadText(in, FieldMax::label, r.label, p) || !ReadText(in, FieldMax::note, r.note, p))
        return false;
    const FormatVersion *format = FindFormatVersion(version);
    if (format && format->hasFld51 && !ReadText(in, FieldMax::fld51, r.fld51, p))
        return false;
    if (!in.ReadU16(r.simPos) || !in.ReadU16(r.voiceIndex) || !ReadText(in, FieldMax::street, r.street, p)
        || !ReadText(in, FieldMax::numb, r.numb, p) || !ReadText(in, FieldMax::zip, r.zip, p)
        || !ReadText(in, FieldMax::city, r.city, p) || !ReadText(in, FieldMax::country, r.country, p))
        return false;
    NavData &nav = r.nav;
    if (!in.ReadU32(nav.navFlags))
        return false;
    if ((nav.navFlags & kNavGps) && !(ReadCoord(in, nav.lon) && ReadCoord(in, nav.lat)))
        return false;
    if ((nav.navFlags & kNavPostal)
        && !(in.ReadU32(nav.postalType) && in.ReadBytes(nav.posCode.data(), int(nav.posCode.size()))
             && in.ReadBytes(nav.posRoad1.data(), int(nav.posRoad1.size()))
             && in.ReadBytes(nav.posRoad2.data(), int(nav.posRoad2.size())) && in.ReadU32(nav.posNumb)))
        return false;
    if (nav.navFlags & kNavPoi) {
        // The file holds category part 1 first, then part 0: big-endian of the word.
        if (!(in.ReadU16(nav.poiCat) && in.ReadU32(nav.poiFac0) && in.ReadU32(nav.poiFac1)
              && ReadText(in, FieldMax::poiLabel, nav.poiLabel, p)))
            return false;
    }
    if (nav.navFlags != 0 && !(in.ReadU32(nav.cdQuarter) && in.ReadU32(nav.cdYear) && in.ReadU32(nav.cdCid)))
        return false;
    if (!in.ReadU16(r.phoneWord))
        return false;
    for (int k = 0; k < kPhoneCount; ++k)
        if (!ReadText(in, FieldMax::phone, r.phone[size_t(k)], p) || !in.ReadU32(r.phoneType[size_t(k)]))
            return false;
    if (!in.ReadU16(r.emailWord))
        return false;
    for (int k = 0; k < kEmailCount; ++k)
        if (!ReadText(in, FieldMax::email, r.email[size_t(k)], p) || !in.ReadU32(r.emailType[size_t(k)]))
            return false;
    return in.ReadU32(r.acpType) && in.ReadBytes(r.acpDate1.data(), int(r.acpDate1.size()))
        && in.ReadBytes(r.acpDate2.data(), int(r.acpDate2.size()));
}

bool WriteSlot(const AgendaRecord &r, SlotWriter &out, uint32_t version)
{
    out.WriteU32(r.recType);
    if (r.recType == 0)
        return true;
    out.WriteU32(r.owner);
    WriteText(out, r.label);
    WriteText(out, r.note);
    if (const FormatVersion *format = FindFormatVersion(version); format && format->hasFld51)
        WriteText(out, r.fld51);
    out.WriteU16(r.simPos);
    out.WriteU16(r.voiceIndex);
    WriteText(out, r.street);
    WriteText(out, r.numb);
    WriteText(out, r.zip);
    WriteText(out, r.city);
    WriteText(out, r.country);
    const NavData &nav = r.nav;
    out.WriteU32(nav.navFlags);
    if (nav.navFlags & kNavGps) {
        WriteCoord(out, nav.lon);
        WriteCoord(out, nav.lat);
    }
    if (nav.navFlags & kNavPostal) {
        out.WriteU32(nav.postalType);
        out.WriteBytes(nav.posCode.data(), int(nav.posCode.size()));
        out.WriteBytes(nav.posRoad1.data(), int(nav.posRoad1.size()));
        out.WriteBytes(nav.posRoad2.data(), int(nav.posRoad2.size()));
        out.WriteU32(nav.posNumb);
    }
    if (nav.navFlags & kNavPoi) {
        out.WriteU16(nav.poiCat);
        out.WriteU32(nav.poiFac0);
        out.WriteU32(nav.poiFac1);
        WriteText(out, nav.poiLabel);
    }
    if (nav.navFlags != 0) {
        out.WriteU32(nav.cdQuarter);
        out.WriteU32(nav.cdYear);
        out.WriteU32(nav.cdCid);
    }
    out.WriteU16(r.phoneWord);
    for (int k = 0; k < kPhoneCount; ++k) {
        WriteText(out, r.phone[size_t(k)]);
        out.WriteU32(r.phoneType[size_t(k)]);
    }
    out.WriteU16(r.emailWord);
    for (int k = 0; k < kEmailCount; ++k) {
        WriteText(out, r.email[size_t(k)]);
        out.WriteU32(r.emailType[size_t(k)]);
    }
    out.WriteU32(r.acpType);
    out.WriteBytes(r.acpDate1.data(), int(r.acpDate1.size()));
    out.WriteBytes(r.acpDate2.data(), int(r.acpDate2.size()));
    return true;
}

const FormatVersion *FindFormatVersion(uint32_t number)
{
    for (const FormatVersion &v : kFormatVersions)
        if (v.number == number)
            return &v;
    return nullptr;
}

// ---- Load / Save --------------------------------------------------------------------

QString BackupPath(const QString &path)
{
    int nameStart = int(path.lastIndexOf(QLatin1Char('/'))) + 1;
#ifdef Q_OS_WIN
    nameStart = qMax(nameStart, int(path.lastIndexOf(QLatin1Char('\\'))) + 1);
#endif
    const int dot = int(path.lastIndexOf(QLatin1Char('.')));
    const QString stem = dot >= nameStart ? path.left(dot) : path;
    return stem + QStringLiteral(".BAK");
}

namespace {

LoadResult Refused(const QString &reason, int slot = -1)
{
    return LoadResult{false, reason, slot};
}

// Whether a file of this header version may be read, asking the user where the policy says so.
LoadResult AcceptVersion(uint32_t version, Agenda::UnknownVersion policy, Prompter &prompter)
{
    if (FindFormatVersion(version) || policy == Agenda::UnknownVersion::Accept)
        return LoadResult{true, QString(), -1};
    const QString number = QString::number(version);
    if (policy == Agenda::UnknownVersion::Ask
        && prompter.YesNoDefaultNo(QCoreApplication::translate("LoadText", LoadText::kOpenUnknownVersion).arg(number)))
        return LoadResult{true, QString(), -1};
    LoadResult refused = Refused(QCoreApplication::translate("LoadText", LoadText::kUnknownVersion).arg(number));
    refused.declined = policy == Agenda::UnknownVersion::Ask;
    return refused;
}

// Reads the slots of a plain phonebook file into `into`, a phonebook in its default state.
LoadResult ReadAgenda(const QByteArray &bytes, Agenda &into, Agenda::UnknownVersion unknown, Prompter &prompter)
{
    SlotReader in(bytes);
    char header[kAgendaHeaderSize];
    if (!in.ReadBytes(header, kAgendaHeaderSize) || std::memcmp(header, "BCM_AGENDA\0", 11) != 0)
        return Refused(QCoreApplication::translate("LoadText", LoadText::kNotPhonebook));
    const auto *h = reinterpret_cast<const unsigned char *>(header);
    const uint32_t version = (uint32_t(h[12]) << 24) | (uint32_t(h[13]) << 16) | (uint32_t(h[14]) << 8) | h[15];
    if (LoadResult accepted = AcceptVersion(version, unknown, prompter); !accepted)
        return accepted;

    into.version = version;
    into.modified = false;
    into.usedCount = 0;
    into.slotCount = 0;
    while (into.slotCount < Agenda::kCapacity) {
        AgendaRecord &slot = into.slots[size_t(into.slotCount)];
        // Every slot starts empty, so that fields its bytes do not carry hold no defaults.
        slot = AgendaRecord();
        if (!ReadSlot(slot, in, version, prompter)) {
            if (into.slotCount >= Agenda::kMinSlots) {
                slot = AgendaRecord();
                break;
            }
            const int number = into.slotCount + 1;
            return Refused(QCoreApplication::translate("LoadText", in.RanOut() ? LoadText::kTruncated : LoadText::kStopped).arg(number),
                           into.slotCount);
        }
        if (slot.recType != 0)
            ++into.usedCount;
        ++into.slotCount;
    }
    into.userCount = 1;
    for (int c = 1; c < Agenda::kMaxUsers; ++c) {
        const AgendaRecord &slot = into.slots[size_t(c)];
        if (c < into.slotCount && slot.recType != 0 && slot.owner == uint32_t(c + 1))
            into.userCount = c + 1;
        else
            break;
    }
    return LoadResult{true, QString(), -1};
}

QString FileName(const QString &path)
{
    return QFileInfo(path).fileName();
}

} // namespace

LoadResult Agenda::Load(const QString &path, Prompter &prompter, UnknownVersion unknown)
{
    QByteArray sidecar;
    if (!ReadSidecar(path, sidecar))
        return Refused(QCoreApplication::translate("LoadText", LoadText::kSidecarUnreadable).arg(FileName(SidecarPath(path))));
    const bool isCompressed = !SidecarValue(sidecar, QLatin1String(StoreText::kKeyUsize)).isEmpty();
    QByteArray bytes;
    QString reason;
    if (!ReadInputFile(path, bytes, &reason))
        return Refused(reason);
    if (isCompressed) {
        // Inflated in memory: no temporary file, so a compressed phonebook also loads from
        // a folder that cannot be written.
        QByteArray plain;
        const ZResult z = InflateBytes(bytes, plain);
        if (z != ZResult::Ok) {
            prompter.Information(QString::fromLatin1(StoreText::kZDeCompressError));
            return Refused(QCoreApplication::translate("LoadText", z == ZResult::TooLarge ? LoadText::kUnpackedTooLarge : LoadText::kDamaged));
        }
        bytes = std::move(plain);
    }
    auto fresh = std::make_unique<Agenda>();
    LoadResult result = ReadAgenda(bytes, *fresh, unknown, prompter);
    if (result) {
        fresh->compressed = isCompressed;
        *this = std::move(*fresh);
    }
    return result;
}

WriteResult Agenda::Save(const QString &path, Prompter &prompter)
{
    SlotWriter out;
    out.bytes.reserve(kAgendaHeaderSize + slotCount * 512);
    out.bytes.append(kAgendaHeaderSize, '\0');
    for (int i = 0; i < slotCount; ++i)
        WriteSlot(slots[size_t(i)], out, kAgendaVersion);
    const uint32_t size = uint32_t(out.bytes.size());
    SlotWriter header;
    header.WriteBytes("BCM_AGENDA\0\0", 12);
    header.WriteU32(kAgendaVersion);
    header.WriteU32(size);
    out.bytes.replace(0, kAgendaHeaderSize, header.bytes);

    // The sidecar is rewritten from its present lines; one that is there but cannot be
    // read would lose them, so it fails the save before anything is written.
    QByteArray sidecar;
    if (!ReadSidecar(path, sidecar))
        return WriteResult::Failed(QCoreApplication::translate("LoadText", LoadText::kSidecarUnreadable).arg(FileName(SidecarPath(path))));
    QByteArray data;
    if (compressed) {
        if (!DeflateBytes(out.bytes, data)) {
            prompter.Information(QString::fromLatin1(StoreText::kZCompressError));
            return WriteResult::Failed(QString::fromLatin1(StoreText::kZCompressError));
        }
        SidecarSetValue(sidecar, QLatin1String(StoreText::kKeyCrcUncompressed),
                        QString::asprintf("%04x", unsigned(Crc16(out.bytes))), false);
        SidecarSetValue(sidecar, QLatin1String(StoreText::kKeyUsize), QString::number(out.bytes.size()), false);
        SidecarSetValue(sidecar, QLatin1String(StoreText::kKeySize), QString::number(data.size()), false);
    } else {
        // A sidecar left by a compressed phonebook at this path would make the plain file
        // written now look compressed, and it would no longer load.
        for (const char *key : {StoreText::kKeyCrcUncompressed, StoreText::kKeyUsize, StoreText::kKeySize})
            SidecarRemoveValue(sidecar, QLatin1String(key));
        data = std::move(out.bytes);
    }
    SidecarSetCrc(sidecar, Crc16(data));

    // The previous file becomes the backup once the new files are written, just before they
    // replace the old ones, so that a save that fails leaves an older backup as it was. A
    // previous file that is not there (or cannot be read) leaves the backup alone; a backup
    // that cannot be made is not an error.
    const QString backup = BackupPath(path);
    const auto backUp = [&] {
        if (QFileInfo(backup) != QFileInfo(path))
            BackUpFile(path, backup);
    };
    const WriteResult written = WriteFilesAtomic({{path, data}, {SidecarPath(path), sidecar}}, backUp);
    if (written)
        modified = false;
    return written;
}
