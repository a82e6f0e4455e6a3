// The print dialog's session: the chosen printer, where the job goes, and
// values other parts of the dialog left for the extensions.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "platform/Printer.h"

namespace platform {

// PMSessionGetDestinationType.
enum class DestinationType { Printer = 1, File = 2, Fax = 3, Preview = 4, Processed = 5 };

class PrintSession {
public:
    // A session value is a number or a text, as the dialog stores them.
    using Value = std::variant<long long, double, std::string>;

    void SetCurrentPrinter(std::optional<Printer> printer) { printer_ = std::move(printer); }

    // PMSessionGetCurrentPrinter: null when no printer is chosen.
    const Printer* GetCurrentPrinter() const { return printer_ ? &*printer_ : nullptr; }

    void SetDestinationType(DestinationType type) { destination_ = type; }
    DestinationType GetDestinationType() const { return destination_; }

    // PMSessionSetDataInSession / PMSessionGetDataFromSession.
    void SetData(std::string_view key, Value value);
    // Null when nothing is stored under the key.
    const Value* GetData(std::string_view key) const;

private:
    std::optional<Printer> printer_;
    DestinationType destination_ = DestinationType::Printer;
    std::map<std::string, Value, std::less<>> data_;
};

} // namespace platform
