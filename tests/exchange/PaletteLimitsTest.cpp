#include "exchange/PaletteFormats.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <ctime>
#include <fstream>
#include <malloc.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Files built to cost a reader the most, of the size given: repeated markup, deep nesting, long selectors. Each
// is read in a child process, whose memory growth the system measures, so one reading cannot hide another's.
struct Hostile {
    const char* name;
    PaletteFormat format;
    QByteArray (*make)(qsizetype size);
    const char* outcome; // a piece of the refusal, or "" for a palette that is read
};

QByteArray Repeat(QByteArrayView unit, qsizetype size)
{
    QByteArray out;
    out.reserve(size + unit.size());
    while (out.size() + unit.size() <= size)
        out += unit;
    return out;
}

const char kTable[] = "<ooo:color-table xmlns:ooo=\"http://openoffice.org/2004/office\" "
                      "xmlns:draw=\"urn:oasis:names:tc:opendocument:xmlns:drawing:1.0\">";

const Hostile kHostile[] = {
    { "css braces", PaletteFormat::Css, [](qsizetype size) { return QByteArray(size, '{'); }, "nested more than 256 deep" },
    { "css long selector", PaletteFormat::Css,
        [](qsizetype size) { return QByteArray(size - 65536 * 7 - 2, 'a') + "{" + Repeat("b:#fff;", 65535 * 7) + "}"; },
        "" },
    { "css nested rules", PaletteFormat::Css,
        [](qsizetype size) {
            const QByteArray open = QByteArray(size / 1024, 's') + "{";
            return Repeat(open, 255 * open.size()) + Repeat("b:#fff;", 65535 * 7) + QByteArray(255, '}');
        },
        "" },
    { "css unclosed comment", PaletteFormat::Css, [](qsizetype size) { return "a{b:#fff}/*" + QByteArray(size - 12, '*'); },
        "ends inside the comment" },
    { "scss lone CRs", PaletteFormat::Scss, [](qsizetype size) { return Repeat("$a: #fff; // x\r", size); },
        "more than 65535 colors" },
    { "scss urls", PaletteFormat::Scss, [](qsizetype size) { return Repeat("$a: url(//x;{);", size - 9) + "$b: #fff;"; },
        "" },
    { "json brackets", PaletteFormat::Json, [](qsizetype size) { return QByteArray(size, '['); }, "nested too deeply" },
    { "json numbers", PaletteFormat::Json, [](qsizetype size) { return "[" + Repeat("0,", size - 3) + "0]"; },
        "not a Tintwell palette" },
    { "json escapes", PaletteFormat::Json,
        [](qsizetype size) {
            return R"({"format":"tintwell-palette","version":1,"colors":[{"hex":"#000000","name":")"
                + Repeat("\\u00e9", size - 80) + "\"}]}";
        },
        "" },
    { "gpl line ends", PaletteFormat::Gpl, [](qsizetype size) { return "GIMP Palette\n1 2 3\n" + QByteArray(size - 19, '\r'); },
        "" },
    { "gpl long name", PaletteFormat::Gpl, [](qsizetype size) { return "GIMP Palette\n1 2 3\t" + QByteArray(size - 19, 'x'); },
        "" },
    { "soc elements", PaletteFormat::Soc,
        [](qsizetype size) {
            return kTable + Repeat("<a/>", size - 200) + "<draw:color draw:color=\"#000000\"/></ooo:color-table>";
        },
        "" },
    { "soc attributes", PaletteFormat::Soc,
        [](qsizetype size) { return kTable + QByteArray("<draw:color ") + Repeat("a=\"\" ", size - 200) + "/>"; },
        "more than 64 attributes" },
    { "soc nesting", PaletteFormat::Soc,
        [](qsizetype size) { return kTable + Repeat("<a xmlns:p=\"x\">", size - 200); }, "nested more than 32 deep" },
    { "soc entities", PaletteFormat::Soc,
        [](qsizetype size) {
            return "<!DOCTYPE t [<!ENTITY a \"" + QByteArray(4000, 'a') + "\">]>" + kTable
                + "<draw:color draw:color=\"#000000\" draw:name=\"" + Repeat("&a;", size - 4300) + "\"/></ooo:color-table>";
        },
        "declares a document type" },
    { "ase blocks", PaletteFormat::Ase,
        [](qsizetype size) {
            return QByteArray("ASEF\0\1\0\0\x7F\xFF\xFF\xFF", 12) + Repeat(QByteArrayView("\xC0\1\0\0\0\0", 6), size - 12);
        },
        "runs past the end" },
};

// The largest file the size limit admits by default; TINTWELL_PALETTE_LIMIT_MB=32 tries the largest there is.
qsizetype TrySize()
{
    const char* mb = std::getenv("TINTWELL_PALETTE_LIMIT_MB");
    return mb ? std::min<qsizetype>(std::atoll(mb) * 1024 * 1024, kMaxPaletteFileBytes) : 8 * 1024 * 1024;
}

long StatusKb(const char* field)
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with(field))
            return std::atol(line.c_str() + std::string(field).size());
    return -1;
}

struct Cost {
    bool read = false;
    double seconds = 0; // of processor time
    double growthMb = 0; // the most memory the reading took beyond what the process held
    std::string outcome;
};

Cost Measure(const Hostile& h, const QByteArray& bytes)
{
    int channel[2];
    if (::pipe(channel) != 0)
        return {};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        // A new process starts its high-water mark at what it holds; memory the parent freed goes back first, so
        // that using it again counts.
        ::malloc_trim(0);
        const long before = StatusKb("VmRSS:");
        // Processor time, which other work on a busy machine does not lengthen.
        const std::clock_t start = std::clock();
        const PaletteImport read = ReadPalette(bytes, h.format);
        const double seconds = double(std::clock() - start) / CLOCKS_PER_SEC;
        const std::string report = std::to_string(seconds) + " " + std::to_string((StatusKb("VmHWM:") - before) / 1024.0)
            + " " + read.message.toStdString();
        const ssize_t written = ::write(channel[1], report.data(), report.size());
        ::_exit(written == static_cast<ssize_t>(report.size()) ? 0 : 1);
    }
    ::close(channel[1]);
    std::string report;
    char buffer[4096];
    for (ssize_t n; (n = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        report.append(buffer, static_cast<std::size_t>(n));
    ::close(channel[0]);
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return {};
    Cost cost;
    cost.read = true;
    std::size_t used = 0;
    cost.seconds = std::stod(report, &used);
    report.erase(0, used);
    cost.growthMb = std::stod(report, &used);
    cost.outcome = report.substr(std::min(report.size(), used + 1));
    return cost;
}

TEST(PaletteLimits, TheCostliestAdmittedFilesAreReadInBoundedTimeAndMemory)
{
    const qsizetype size = TrySize();
    const double sizeMb = size / (1024.0 * 1024.0);
    for (const Hostile& h : kHostile) {
        const QByteArray bytes = h.make(size);
        ASSERT_LE(bytes.size(), size) << h.name;
        const Cost cost = Measure(h, bytes);
        ASSERT_TRUE(cost.read) << h.name << ": the child did not report";
        std::printf("%-22s %5.1f MB: %6.3f s, %6.1f MB more memory  %s\n", h.name, bytes.size() / (1024.0 * 1024.0),
            cost.seconds, cost.growthMb, cost.outcome.empty() ? "read" : cost.outcome.c_str());
        const std::string expected = h.outcome;
        if (expected.empty())
            EXPECT_EQ(cost.outcome, "") << h.name;
        else
            EXPECT_NE(cost.outcome.find(expected), std::string::npos) << h.name << ": " << cost.outcome;
#if !defined(__SANITIZE_ADDRESS__) // which keeps freed memory aside and slows everything down
        // A small multiple of the file: its text in UTF-16 and a copy of it.
        EXPECT_LE(cost.growthMb, 5 * sizeMb + 16) << h.name;
        // Well within a few seconds even on a busy machine; the Import command reads on a thread of its own.
        EXPECT_LE(cost.seconds, 0.25 * sizeMb) << h.name;
#endif
    }
}

} // namespace
