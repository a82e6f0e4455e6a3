// The value escape end to end: a text value written by the dialog (the
// framework's ticket write of a text field, or the Print Type pane's own
// write of its text blocks), carried in printdialog's job option string,
// parsed by libcups and read by the filter's ticket readers. Every value of
// valid UTF-8 without NUL that fits the text block and the filter's field
// arrives as the same bytes; a longer one arrives as a prefix of itself.
#include "FuzzSupport.h"

#include "filter/CupsOptions.h"
#include "filter/TicketTables.h"
#include "host/JobOptions.h"
#include "panelkit/UtilityFunction.h"
#include "panelkit/controls/TextEditCtrl.h"
#include "platform/TextEncoding.h"
#include "platform/ValueEscape.h"

#include <cstring>
#include <vector>

namespace {

// The rows of the filter's tables that read a text value the dialog writes
// as text (hold keys and passwords travel enciphered instead).
std::vector<const TicketData*> TextRows(bool utf8)
{
    std::vector<const TicketData*> rows;
    const std::span<const TicketData> tables[] = {
        utf8 ? PrintTypeticketDataForUTF8 : PrintTypeticketData,
        utf8 ? JBAticketDataCommonForUTF8 : JBAticketDataCommon,
        utf8 ? JBAticketDataAdminForUTF8 : JBAticketDataAdmin,
    };
    for (const auto& table : tables)
        for (const TicketData& row : table)
            if (row.reader == GetTicketStringConvertedToPrtLang ||
                row.reader == GetTicketStringConvertedToPrtLangForUTF8)
                rows.push_back(&row);
    return rows;
}

// The framework's write: a text field's committed value into the ticket.
std::string FrameworkWrite(const char* key, std::string_view value)
{
    const CtrlAccessInfo access{kCtrlValueTypeText, kCtrlValueTypeText, key, nullptr};
    TextEditCtrl control;
    control.CreateControl(nullptr, nullptr, nullptr, &access, std::nullopt, nullptr);
    control.InitializeCtrl(nullptr, nullptr);
    FUZZ_CHECK(control.ConvertFromPreferenceString(std::string(value).c_str()));
    platform::PrintSettings settings;
    FUZZ_CHECK(control.SetValueToTicket(&settings, false));
    std::string written;
    FUZZ_CHECK(settings.GetValue(key, &written) == 0);
    return written;
}

// The Print Type pane's write of its user-name and document-name blocks.
std::string PrintTypePaneWrite(const char* key, std::string_view value)
{
    DataBlock block;
    block.Allocate(kTextBlockSize);
    block.SetText(value);
    platform::PrintSettings settings;
    SetValueToSettingsWithTicketKeyAndLock(platform::EncodeValueEscape(block.Text()).c_str(), &settings, key,
                                           false);
    std::string written;
    FUZZ_CHECK(settings.GetValue(key, &written) == 0);
    return written;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::vector<const TicketData*> rows[2] = {TextRows(false), TextRows(true)};
    fuzz::Input in(data, size);
    const uint8_t control = in.Byte();
    const std::string value(in.Rest());
    if (value.size() >= kTextBlockSize || value.find('\0') != std::string::npos ||
        !platform::IsValidUtf8(value))
        return 0;
    const bool utf8 = (control & 1) != 0;
    const TicketData& row = *rows[utf8][(control >> 2) % rows[utf8].size()];
    const std::string written =
        (control & 2) != 0 ? PrintTypePaneWrite(row.name, value) : FrameworkWrite(row.name, value);
    // Written text is escaped exactly when it needs to be.
    FUZZ_CHECK((written != value) == platform::NeedsValueEscape(value));

    platform::PrintSettings settings;
    settings.SetValue(row.name, written, false);
    settings.SetValue("com.lumeral.vrk.printsettings.Neighbour", "n,'\\\" x", false);
    const std::string optionString = host::JobOptionString(platform::PrintSettings(), settings);
    const CupsOptions options(optionString.c_str());
    FUZZ_CHECK(options.size() == 2);
    const char* neighbour = options.Get("com.lumeral.vrk.printsettings.Neighbour");
    FUZZ_CHECK(neighbour != nullptr && std::strcmp(neighbour, "n,'\\\" x") == 0);

    std::vector<char> field(row.size, '\x7f');
    const TicketSource source{options, utf8};
    row.reader(row.name, source, field);
    const std::string arrived(field.data(), strnlen(field.data(), field.size()));
    FUZZ_CHECK(arrived.size() < field.size());
    if (value.size() < row.size)
        FUZZ_CHECK(arrived == value);
    else
        FUZZ_CHECK(value.compare(0, arrived.size(), arrived) == 0);
    return 0;
}
