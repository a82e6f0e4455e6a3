#include "filter/PrintOptionsReader.h"

#include "filter/DocumentName.h"
#include "filter/FilterState.h"
#include "filter/JobInput.h"
#include "filter/TicketTables.h"
#include "filter/UtilityFunctionFilter.h"

#include <cstdio>
#include <cstring>
#include <span>

bool IsUTF8Printer(const PrintOptions& options)
{
    return std::strcmp(options.ppdInfo.printerLanguageEncoding, "UTF-8") == 0;
}

void GetPPDOptions(PPDInfoOption& ppdInfo)
{
    ppd_file_t* ppd = JobPPD();
    if (ppd == nullptr) return;
    if (ppd_attr_t* attr = ppdFindAttr_ALT(ppd, "cupsFilter"); attr && attr->value)
        CopyToField(attr->value, ppdInfo.cupsFilter);
    if (ppd_attr_t* attr = ppdFindAttr_ALT(ppd, "QVPrinterLanguageEncoding"); attr && attr->value)
        CopyToField(attr->value, ppdInfo.printerLanguageEncoding);
}

namespace {

void PrintTypeGetTicketFromPDE(const TicketSource& source, PrintTypeOption& block)
{
    GetTicketFromArray(source, source.utf8Printer ? PrintTypeticketDataForUTF8 : PrintTypeticketData, &block);
}

void JBAGetTicketFromPDE(const TicketSource& source, JBAOption& block)
{
    GetTicketFromArray(source, source.utf8Printer ? JBAticketDataCommonForUTF8 : JBAticketDataCommon, &block);
    GetTicketFromArray(source, source.utf8Printer ? JBAticketDataAdminForUTF8 : JBAticketDataAdmin, &block);
}

void FeaturesGetTicketFromPDE(const TicketSource& source, FeaturesOption& block)
{
    GetTicketFromArray(source, FeaturesticketData, &block);
}

} // namespace

void GetTicketFromPDE(char** argv, PrintOptions& options)
{
    const TicketSource source{JobOptions(argv), IsUTF8Printer(options)};
    PrintTypeGetTicketFromPDE(source, options.printType);
    JBAGetTicketFromPDE(source, options.jba);
    FeaturesGetTicketFromPDE(source, options.features);
}

int GetPrintOptions(char** argv, PrintOptions& options)
{
    GetPPDOptions(options.ppdInfo);

    const bool utf8 = IsUTF8Printer(options);
    const char* user = argv[2] != nullptr ? argv[2] : "";
    if (utf8)
        ConvertUTF8ToEncodingForUTF8(user, std::span<char>(StdUserName, 766));
    else
        ConvertUTF8ToEncoding(user, std::span<char>(StdUserName, 255));

    InvalidateStdDocumentNameForProductType(argv, utf8);
    InvalidatePrintTypeDocumentNameForProductType(argv);

    std::setvbuf(stderr, nullptr, _IONBF, 0);

    GetTicketFromPDE(argv, options);
    return 1;
}
