#include "constraints/CQuickXPPD.h"

#include "constraints/XPPDBuild.h"
#include "constraints/XPPDCache.h"
#include "constraints/XPPDQuery.h"

#include <charconv>
#include <istream>
#include <limits>
#include <ostream>

namespace {

// Decimal text-to-integer conversion as the cache format has always been
// read: leading blanks and a sign are taken, text that is no number reads as
// 0, digits stop at the first other byte. Nothing when the number does not
// fit a 16-bit index (a cut-down value would point at some other choice).
std::optional<std::uint16_t> ReadIndex(std::string_view field)
{
    std::size_t at = 0;
    while (at < field.size() && (field[at] == ' ' || (field[at] >= '\t' && field[at] <= '\r'))) ++at;
    bool negative = false;
    if (at < field.size() && (field[at] == '+' || field[at] == '-')) {
        negative = field[at] == '-';
        ++at;
    }
    unsigned long value = 0;
    const auto result = std::from_chars(field.data() + at, field.data() + field.size(), value);
    if (result.ec == std::errc::invalid_argument) return std::uint16_t{0};
    if (result.ec == std::errc::result_out_of_range) return std::nullopt;
    if (negative && value != 0) return std::nullopt;
    if (value > std::numeric_limits<std::uint16_t>::max()) return std::nullopt;
    return static_cast<std::uint16_t>(value);
}

} // namespace

CQuickXPPD::CQuickXPPD(ppd_file_t* ppd, XppdTable* table, std::string stamp,
                       std::vector<std::string> keywordFilterList)
    : ppd_(ppd), table_(table), stamp_(std::move(stamp)), keywordFilterList_(std::move(keywordFilterList))
{}

void CQuickXPPD::SetXppd(ppd_file_t* ppd, XppdTable* table)
{
    ppd_ = ppd;
    table_ = table;
    BuildXppdFromConstraints(ppd, table, keywordFilterList_);
}

std::size_t CQuickXPPD::xConst2Hash_O1O2(ppd_file_t* ppd, XppdTable* table, int constraintIndex) const
{
    return ::xConst2Hash_O1O2(ppd, table, constraintIndex);
}

std::size_t CQuickXPPD::xConst2Hash_O1C1O2(ppd_file_t* ppd, XppdTable* table, int constraintIndex) const
{
    return ::xConst2Hash_O1C1O2(ppd, table, constraintIndex);
}

std::size_t CQuickXPPD::xConst2Hash_O1O2C2(ppd_file_t* ppd, XppdTable* table, int constraintIndex) const
{
    return ::xConst2Hash_O1O2C2(ppd, table, constraintIndex);
}

std::size_t CQuickXPPD::xConst2Hash_O1C1O2C2(ppd_file_t* ppd, XppdTable* table, int constraintIndex) const
{
    return ::xConst2Hash_O1C1O2C2(ppd, table, constraintIndex);
}

bool CQuickXPPD::AddSection(std::string sectionName, std::vector<std::string> keywordList)
{
    for (x_PDEConstr& section : sections_) {
        if (section.keywordList) continue;
        section.sectionName = std::move(sectionName);
        section.keywordList = std::move(keywordList);
        return true;
    }
    return false;
}

std::span<const x_PDEConstr> CQuickXPPD::Sections() const
{
    std::size_t count = 0;
    while (count < sections_.size() && sections_[count].keywordList) ++count;
    return std::span<const x_PDEConstr>(sections_.data(), count);
}

bool CQuickXPPD::WriteSections(std::ostream& out) const
{
    if (ppd_ == nullptr) return false;
    unwritableEntries_ = 0;
    std::size_t unwritable = 0;
    for (const x_PDEConstr& section : Sections()) {
        XppdTable table;
        BuildXppdFromConstraints(ppd_, &table, *section.keywordList);
        out << section.sectionName << '\n';
        WriteDataLine(out, table);
        unwritable += unwritableEntries_;
    }
    unwritableEntries_ = unwritable;
    return static_cast<bool>(out);
}

void CQuickXPPD::ReadDataLine(std::string_view line)
{
    std::string key;
    std::string group;
    std::string option;
    std::string choice;
    // A record is complete only with its four separators; text after the last
    // full record (a carriage return, a record cut short) ends the reading.
    while (!line.empty()) {
        if (!getoneline(line, key, '@') || !getoneline(line, group, '@') || !getoneline(line, option, '@') ||
            !getoneline(line, choice, '@')) {
            break;
        }
        if (key.empty()) continue;
        const auto g = ReadIndex(group);
        const auto o = ReadIndex(option);
        const auto c = ReadIndex(choice);
        if (!g || !o || !c) {
            ++skippedRecords_;
            continue;
        }
        const x_constraints place{*g, *o, *c};
        // A cache file made for another PPD, or left behind by an older one,
        // may point past this PPD's arrays; such records never enter.
        if (ppd_ != nullptr && ChoiceAtPlace(*ppd_, place) == nullptr) {
            ++skippedRecords_;
            continue;
        }
        table_->Insert(key, place);
    }
}

void CQuickXPPD::WriteDataLine(std::ostream& out, const XppdTable& table) const
{
    unwritableEntries_ = 0;
    for (std::string_view key : table.SortedKeys()) {
        if (key.find_first_of("@\n") != std::string_view::npos) {
            unwritableEntries_ += table.Find(key).size();
            continue;
        }
        for (const x_constraints& place : table.Find(key)) {
            out << key << '@' << place.group << '@' << place.option << '@' << place.choice << '@';
        }
    }
    out << '\n';
}

std::istream& operator>>(std::istream& in, CQuickXPPD& quick)
{
    quick.skippedRecords_ = 0;
    if (!in || quick.table_ == nullptr) return in;
    std::string line;
    bool found = false;
    while (std::getline(in, line)) {
        if (line == quick.stamp_) {
            found = true;
            break;
        }
    }
    if (!found) return in;
    std::string data;
    if (!std::getline(in, data)) return in;
    quick.ReadDataLine(data);
    return in;
}

std::ostream& operator<<(std::ostream& out, const CQuickXPPD& quick)
{
    out << quick.stamp_ << '\n';
    if (quick.table_ != nullptr) {
        quick.WriteDataLine(out, *quick.table_);
    } else {
        out << '\n';
    }
    return out;
}
