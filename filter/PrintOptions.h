// The print-options record: everything the filter learns from the job's options
// and the printer's PPD, filled once by GetPrintOptions and read by the PJL writers.
//
// The text fields are fixed-size on purpose: a field's size cuts the value that is
// written to the printer (sizes include the terminating zero byte). Absent text
// options leave a field empty, absent integer options leave it at -1.
#pragma once

#include <cstdint>

// Print-type block: how the job is held at the printer and under which names.
struct PrintTypeOption {
    int32_t printType; // 1 normal, 2 secure, 3 sample, 4 delayed, 5 mailbox
    char userName[73];
    char password[2048];      // hold key, enciphered by the dialog; passed on as is
    int32_t documentNameType; // 1 job title, 2 typed name
    char documentName[193];
    char delayPrintTime[17];
};

// Accounting block: who is charged for the job and how the printer checks it.
struct JBAOption {
    char hostName[33];
    char ipAddress[46];
    int32_t manageType;
    int32_t userIDSource;
    char userID[97];
    char domainName[65];
    char userPassword[2048];
    char accountID[33];
    char storageID[73];
    char storagePassword[2048];
    int32_t inputMode;
    int32_t adminUserIDSource;
    char adminUserID[97];
    char adminDomainName[65];
    char adminUserPassword[2048];
    char adminAccountID[33];
    char adminStorageID[73];
    char adminStoragePassword[2048];
    int32_t adminInputMode;
    int32_t inputAuth;
    int32_t inputStorage;
    char inputStorageID[73];
    char inputStoragePassword[2048];
    char inputUserID[97];
    char inputDomainName[65];
    char inputUserPassword[2048];
    char inputAccountID[33];
    int32_t userIDKeyAbsent; // 1 when the user-ID key is absent, 0 when present
    char loginName[64];
    char printDate[64];
    char printTime[64];
    char hostNameText[64];
};

// Features block: finishing, media and layout options, in the order the
// original record lays them out (one slot is filled by no option).
struct FeaturesOption {
    char numberUp[64];
    char collate[64];
    char emitPageSize[64];
    char media[64];
    char inputSlot[64];
    char mediaType[64];
    char colorMode[64];
    char outputMode[64];
    char staple[64];
    char punch[64];
    char numPunchHoles[64];
    char rasterizedMode[64];
    char jog[64];
    char coverSheet[64];
    char backCoverSheet[64];
    char signature[64];
    char signatureVolume[64];
    int32_t duplex; // 1 simplex, 2 long-edge binding, 3 short-edge binding
    char bookletMarginSwitch[64];
    char bookletMarginShift[64];
    char unusedSlot[64];
    char scaling[64];
    char pageBorder[64];
    char outputOrder[64];
    char pageToPaperMapping[64];
    char pageSet[64];
    char mirror[64];
    char msiLeadingEdge[64];
    char trapping[64];
    char pageFormatOrientation[64];
    char printSettingsOrientation[64];
    char requestedOrientation[64];
};

// PPD-information block.
struct PPDInfoOption {
    char cupsFilter[128];
    char printerLanguageEncoding[64]; // value of "QVPrinterLanguageEncoding"
};

struct PrintOptions {
    PrintTypeOption printType;
    JBAOption jba;
    FeaturesOption features;
    PPDInfoOption ppdInfo;
};

// True when the printer takes its texts in UTF-8 (its code set is exactly "UTF-8").
bool IsUTF8Printer(const PrintOptions& options);
