// Builds a constraint table from a PPD and moves it to and from the
// constraint cache file (XPPDCache.h has the format).
#pragma once

#include "constraints/XppdTable.h"

#include <cups/ppd.h>

#include <array>
#include <cstddef>
#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <vector>

// One section a cache file can hold: the stamp line that names it and the
// keyword filter list its table is built with. An entry without a keyword
// list ends the list of sections.
struct x_PDEConstr {
    std::string sectionName;
    std::optional<std::vector<std::string>> keywordList;
};

inline constexpr std::size_t kMaxPDEConstr = 10;

class CQuickXPPD {
public:
    CQuickXPPD() = default;
    // The object fills the table (not owned) and reads the PPD (not owned);
    // the stamp is the section it reads or writes.
    CQuickXPPD(ppd_file_t* ppd, XppdTable* table, std::string stamp,
               std::vector<std::string> keywordFilterList = {});

    // Build the table from the PPD's constraints that name a keyword of this
    // object's filter list; the PPD and table become the object's own.
    // Nothing is added when either is missing or the PPD has no constraints.
    void SetXppd(ppd_file_t* ppd, XppdTable* table);

    // The four builders of XPPDBuild.h, as members.
    std::size_t xConst2Hash_O1O2(ppd_file_t* ppd, XppdTable* table, int constraintIndex) const;
    std::size_t xConst2Hash_O1C1O2(ppd_file_t* ppd, XppdTable* table, int constraintIndex) const;
    std::size_t xConst2Hash_O1O2C2(ppd_file_t* ppd, XppdTable* table, int constraintIndex) const;
    std::size_t xConst2Hash_O1C1O2C2(ppd_file_t* ppd, XppdTable* table, int constraintIndex) const;

    // Add a section for WriteSections; false when all kMaxPDEConstr are taken.
    bool AddSection(std::string sectionName, std::vector<std::string> keywordList);
    // The sections before the first one without a keyword list.
    std::span<const x_PDEConstr> Sections() const;
    // Write every section: its name line, then the data line of a table built
    // from the PPD with the section's keyword list. False on a write error or
    // without a PPD.
    bool WriteSections(std::ostream& out) const;

    const std::string& Stamp() const { return stamp_; }
    void SetStamp(std::string stamp) { stamp_ = std::move(stamp); }
    const std::vector<std::string>& KeywordFilterList() const { return keywordFilterList_; }
    void SetKeywordFilterList(std::vector<std::string> list) { keywordFilterList_ = std::move(list); }
    ppd_file_t* PPD() const { return ppd_; }
    XppdTable* Table() const { return table_; }

    // Records of the last read that were left out because they pointed outside
    // the PPD or held a number that is no 16-bit index.
    std::size_t SkippedRecords() const { return skippedRecords_; }
    // Entries of the last write left out because their key holds "@" or a
    // line break, which the file format cannot carry.
    std::size_t UnwritableEntries() const { return unwritableEntries_; }

    // Add the entries of this object's section (the line after the first line
    // equal to the stamp) to its table; nothing when the stream is not
    // readable or has no such line.
    friend std::istream& operator>>(std::istream& in, CQuickXPPD& quick);
    // Write this object's section: the stamp line and the data line of its
    // table.
    friend std::ostream& operator<<(std::ostream& out, const CQuickXPPD& quick);

private:
    void ReadDataLine(std::string_view line);
    void WriteDataLine(std::ostream& out, const XppdTable& table) const;

    ppd_file_t* ppd_ = nullptr;
    XppdTable* table_ = nullptr;
    std::string stamp_;
    std::vector<std::string> keywordFilterList_;
    std::array<x_PDEConstr, kMaxPDEConstr> sections_{};
    mutable std::size_t skippedRecords_ = 0;
    mutable std::size_t unwritableEntries_ = 0;
};
