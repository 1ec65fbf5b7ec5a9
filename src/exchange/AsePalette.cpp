// Adobe Swatch Exchange (.ase), read by Adobe's programs, Affinity, Krita and Scribus. Big-endian:
//   "ASEF", version 1.0 (two 16-bit numbers), a 32-bit block count, then blocks of a 16-bit type and a
//   32-bit length counting the bytes after it. A colour block: a 16-bit length of the name in UTF-16 code
//   units including its terminating zero, the name in UTF-16BE, a four-letter colour model ("RGB ", "CMYK",
//   "Gray", "LAB "), that model's 32-bit floats, and a 16-bit colour type (global, spot, normal).
// Groups are read through: their colours join the palette in file order, their names are not kept.

#include "PaletteCodecs.h"

#include <QtEndian>

#include <bit>
#include <cmath>

namespace PaletteCodecs {

namespace {

constexpr std::uint16_t kColorBlock = 0x0001;
constexpr std::uint16_t kGroupStart = 0xC001;
constexpr std::uint16_t kGroupEnd = 0xC002;
constexpr std::uint16_t kNormalColor = 2;

void PutU16(QByteArray& out, std::uint16_t v)
{
    out += static_cast<char>(v >> 8);
    out += static_cast<char>(v & 0xFF);
}

void PutU32(QByteArray& out, std::uint32_t v)
{
    PutU16(out, static_cast<std::uint16_t>(v >> 16));
    PutU16(out, static_cast<std::uint16_t>(v & 0xFFFF));
}

// Bounds-checked big-endian reading; each read fails once the bytes run out.
class Input {
public:
    explicit Input(QByteArrayView bytes)
        : m_bytes(bytes)
    {
    }
    qsizetype Left() const { return m_bytes.size() - m_at; }
    qsizetype At() const { return m_at; }
    bool U16(std::uint16_t& v) { return Take(2, [&](const uchar* p) { v = qFromBigEndian<std::uint16_t>(p); }); }
    bool U32(std::uint32_t& v) { return Take(4, [&](const uchar* p) { v = qFromBigEndian<std::uint32_t>(p); }); }
    bool Float(float& v)
    {
        std::uint32_t bits = 0;
        if (!U32(bits))
            return false;
        v = std::bit_cast<float>(bits);
        return true;
    }
    bool Bytes(qsizetype n, QByteArrayView& out)
    {
        return Take(n, [&](const uchar* p) { out = QByteArrayView(p, n); });
    }

private:
    template <typename F>
    bool Take(qsizetype n, F&& read)
    {
        if (n < 0 || n > Left())
            return false;
        read(reinterpret_cast<const uchar*>(m_bytes.data()) + m_at);
        m_at += n;
        return true;
    }

    QByteArrayView m_bytes;
    qsizetype m_at = 0;
};

int Channel(float v)
{
    return static_cast<int>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f));
}

struct ModelInfo {
    const char* name;
    int floats;
};
constexpr ModelInfo kModels[] = { { "RGB ", 3 }, { "Gray", 1 }, { "CMYK", 4 }, { "LAB ", 3 } };

PaletteImport BlockFailure(std::uint32_t block, const QString& what)
{
    return Failure(PaletteFiles::tr("Block %1 of the swatch file %2").arg(block + 1).arg(what));
}

} // namespace

QByteArray WriteAse(const Palette& palette)
{
    QByteArray out;
    out.reserve(12 + static_cast<qsizetype>(palette.entries.size()) * 40);
    out += "ASEF";
    PutU16(out, 1);
    PutU16(out, 0);
    PutU32(out, static_cast<std::uint32_t>(palette.entries.size()));
    for (const PaletteEntry& entry : palette.entries) {
        // A name's length field counts 16-bit units, its terminator included.
        const QString name = entry.name.left(0xFFFE);
        const auto units = static_cast<std::uint16_t>(name.size() + 1);
        PutU16(out, kColorBlock);
        PutU32(out, 2u + 2u * units + 4u + 3u * 4u + 2u);
        PutU16(out, units);
        for (QChar c : name)
            PutU16(out, c.unicode());
        PutU16(out, 0);
        out += "RGB ";
        for (int channel : { Red(entry.color), Green(entry.color), Blue(entry.color) })
            PutU32(out, std::bit_cast<std::uint32_t>(static_cast<float>(channel) / 255.0f));
        PutU16(out, kNormalColor);
    }
    return out;
}

PaletteImport ReadAse(const QByteArray& bytes)
{
    Input in(bytes);
    QByteArrayView signature;
    std::uint16_t major = 0;
    std::uint16_t minor = 0;
    std::uint32_t blocks = 0;
    if (!in.Bytes(4, signature) || signature != "ASEF" || !in.U16(major) || !in.U16(minor) || !in.U32(blocks))
        return Failure(PaletteFiles::tr("This is not an Adobe swatch exchange file: it does not begin with \"ASEF\"."));
    if (major != 1)
        return Failure(PaletteFiles::tr("This swatch file is of version %1, which the program cannot read.").arg(major));
    EntryCollector collected;
    for (std::uint32_t block = 0; block < blocks; ++block) {
        std::uint16_t type = 0;
        std::uint32_t length = 0;
        QByteArrayView body;
        if (!in.U16(type) || !in.U32(length) || !in.Bytes(static_cast<qsizetype>(length), body))
            return BlockFailure(block, PaletteFiles::tr("runs past the end of the file."));
        if (type == kGroupStart || type == kGroupEnd)
            continue;
        if (type != kColorBlock)
            return BlockFailure(block, PaletteFiles::tr("is of an unknown kind."));
        Input colorIn(body);
        std::uint16_t units = 0;
        QByteArrayView nameBytes;
        QByteArrayView model;
        if (!colorIn.U16(units) || units == 0 || !colorIn.Bytes(2 * qsizetype(units), nameBytes) || !colorIn.Bytes(4, model))
            return BlockFailure(block, PaletteFiles::tr("holds a damaged color name."));
        QString name(units, Qt::Uninitialized);
        for (qsizetype i = 0; i < units; ++i)
            name[i] = QChar(qFromBigEndian<std::uint16_t>(nameBytes.data() + 2 * i));
        if (name.endsWith(QChar(0)))
            name.chop(1); // the terminator, which some writers leave out

        const ModelInfo* info = std::find_if(std::begin(kModels), std::end(kModels),
            [&](const ModelInfo& m) { return model == QByteArrayView(m.name, 4); });
        if (info == std::end(kModels))
            return BlockFailure(block, PaletteFiles::tr("holds a color of an unknown model."));
        float v[4] = {};
        for (int i = 0; i < info->floats; ++i)
            if (!colorIn.Float(v[i]) || !std::isfinite(v[i]))
                return BlockFailure(block, PaletteFiles::tr("holds a damaged color value."));
        std::uint16_t colorType = 0;
        if (!colorIn.U16(colorType) || colorType > kNormalColor)
            return BlockFailure(block, PaletteFiles::tr("holds a damaged color type."));
        ColorValue color = 0;
        if (info->floats == 1) {
            color = Pack(Channel(v[0]), Channel(v[0]), Channel(v[0]));
        } else if (info->floats == 4) {
            // Without the printer's profile the plain conversion is the best there is.
            const float k = 1.0f - std::clamp(v[3], 0.0f, 1.0f);
            color = Pack(Channel((1 - v[0]) * k), Channel((1 - v[1]) * k), Channel((1 - v[2]) * k));
        } else if (model == "RGB ") {
            color = Pack(Channel(v[0]), Channel(v[1]), Channel(v[2]));
        } else {
            return BlockFailure(block, PaletteFiles::tr("holds a Lab color, which the program cannot convert."));
        }
        if (!collected.Add({ name, color }))
            return Failure(TooManyMessage());
    }
    return Finished(std::move(collected.palette));
}

} // namespace PaletteCodecs
