// A printer as the print dialog knows it; its ID is the CUPS queue name,
// which prefixes every per-printer preference key.
#pragma once

#include <string>

namespace platform {

class Printer {
public:
    explicit Printer(std::string queueName) : id_(std::move(queueName)) {}

    // PMPrinterGetID.
    const std::string& GetID() const { return id_; }

private:
    std::string id_;
};

} // namespace platform
