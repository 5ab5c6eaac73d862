// table and easter: bulk numeric output, written through one large buffer.
#include "Cli.h"
#include "CliArgs.h"
#include "CliCommands.h"
#include "CliText.h"

#include "calendar/JulianDay.h"

#include <charconv>
#include <string>

namespace {

class CNumberWriter {
public:
    explicit CNumberWriter(std::ostream& out) : m_out(out) { m_buf.reserve(kFlushAt + 256); }
    ~CNumberWriter() { Flush(); }
    void Put(std::int32_t n, char sep) {
        char tmp[16];
        const auto res = std::to_chars(tmp, tmp + sizeof tmp, n);
        m_buf.append(tmp, res.ptr);
        m_buf += sep;
        if (m_buf.size() >= kFlushAt)
            Flush();
    }
    void Flush() {
        m_out.write(m_buf.data(), static_cast<std::streamsize>(m_buf.size()));
        m_buf.clear();
    }

private:
    static constexpr std::size_t kFlushAt = 1 << 16;
    std::ostream& m_out;
    std::string m_buf;
};

// The messages of a range of day numbers or of years.
struct CRangeTexts {
    ECliText expectedTwo;
    ECliText notInRange;
};
constexpr CRangeTexts kDayNumbers = {MSG_EXPECTED_TWO_DAY_NUMBERS, MSG_NOT_A_DAY_NUMBER_IN};
constexpr CRangeTexts kYears = {MSG_EXPECTED_TWO_YEARS, MSG_NOT_A_YEAR_IN};

bool ParseRange(const CliArgs& args, std::ostream& err, const CRangeTexts& what, std::int32_t low,
                std::int32_t high, std::int32_t& first, std::int32_t& last, int& status) {
    if (args.size() != 2) {
        status = Fail(err, kExitUsage, CliText(what.expectedTwo));
        return false;
    }
    const auto a = ParseInt32(args[0]);
    const auto b = ParseInt32(args[1]);
    for (const auto& [value, text] : {std::pair{a, args[0]}, std::pair{b, args[1]}}) {
        if (!value || *value < low || *value > high) {
            status =
                Fail(err, kExitUsage,
                     CliText(what.notInRange, {text, std::to_string(low), std::to_string(high)}));
            return false;
        }
    }
    if (*a > *b) {
        status = Fail(err, kExitUsage, CliText(MSG_FIRST_AFTER_LAST));
        return false;
    }
    first = *a;
    last = *b;
    return true;
}

} // namespace

int CmdTable(const CliArgs& args, std::ostream& out, std::ostream& err) {
    std::int32_t first = 0, last = 0;
    int status = kExitOk;
    if (!ParseRange(args, err, kDayNumbers, kFirstSupportedDay, kLastSupportedDay, first, last,
                    status))
        return status;
    CNumberWriter w(out);
    for (std::int32_t d = first; d <= last; ++d) {
        const CJulianDay day(d);
        w.Put(d, '\t');
        const auto g = day.GetGregorian();
        w.Put(g.nDay, '\t'), w.Put(g.nMonth, '\t'), w.Put(g.nYear, '\t');
        const auto j = day.GetJulian();
        w.Put(j.nDay, '\t'), w.Put(j.nMonth, '\t'), w.Put(j.nYear, '\t');
        const auto r = day.GetRoman();
        w.Put(r.nCount, '\t'), w.Put(r.nKind, '\t'), w.Put(r.nMonth, '\t'), w.Put(r.nYear, '\t');
        const auto rep = day.GetRepublican();
        w.Put(rep.nDay, '\t'), w.Put(rep.nMonth, '\t'), w.Put(rep.nYear, '\t');
        const auto h = day.GetJewish();
        w.Put(h.nDay, '\t'), w.Put(h.nMonth, '\t'), w.Put(h.nYear, '\t');
        const auto m = day.IsMuslimEra() ? day.GetMuslim() : CMuslimDate{};
        w.Put(m.nDay, '\t'), w.Put(m.nMonth, '\t'), w.Put(m.nYear, '\t');
        w.Put(day.GetDayOfWeek(), '\t');
        w.Put(day.GetRepublicanDayIndex(), '\n');
    }
    return kExitOk;
}

int CmdEaster(const CliArgs& args, std::ostream& out, std::ostream& err) {
    std::int32_t first = 0, last = 0;
    int status = kExitOk;
    if (!ParseRange(args, err, kYears, 1, 2999, first, last, status))
        return status;
    CNumberWriter w(out);
    for (std::int32_t y = first; y <= last; ++y) {
        w.Put(y, '\t');
        w.Put(CJulianDay::Easter(y, true).GetDayNumber(), '\t');
        w.Put(CJulianDay::Easter(y, false).GetDayNumber(), '\n');
    }
    return kExitOk;
}
