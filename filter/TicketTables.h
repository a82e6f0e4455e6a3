// The ticket tables of the print-options record's blocks.
#pragma once

#include "filter/TicketReader.h"

#include <span>

extern const std::span<const TicketData> PrintTypeticketData;
extern const std::span<const TicketData> PrintTypeticketDataForUTF8;
extern const std::span<const TicketData> JBAticketDataCommon;
extern const std::span<const TicketData> JBAticketDataCommonForUTF8;
extern const std::span<const TicketData> JBAticketDataAdmin;
extern const std::span<const TicketData> JBAticketDataAdminForUTF8;
extern const std::span<const TicketData> FeaturesticketData;
