// What each shipped PPD must say, as the driver depends on it: model token,
// printer code set, trays, finishing hardware and the vendor attributes that
// switch the dialog panels on.
#pragma once

#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace ppdtest {

struct PrinterExpectations {
    std::string file;
    std::string modelName;
    std::string modelToken; // the ModelName token that selects the model group
    std::string modelGroup; // "A1", "B", "C+", ...
    std::string codeSet;    // QVPrinterLanguageEncoding
    bool colour;
    bool punch;
    std::vector<std::string> inputSlots;
    std::string landscape; // LandscapeOrientation
    std::string defaultSize;
    // Vendor attributes with their exact values; an empty value means the
    // attribute must be absent.
    std::map<std::string, std::string> vendorAttrs;
};

inline const std::vector<PrinterExpectations>& AllPrinters()
{
    static const std::vector<PrinterExpectations> printers = {
        {"quorvel-kz63-color-mfp.ppd",
         "Quorvel KZ63 Color MFP",
         "KZ63",
         "B",
         "UTF-8",
         true,
         true,
         {"AutoSelect", "1stTray", "2ndTray", "3rdTray", "4thTray", "BypassTray"},
         "Plus90",
         "A4",
         {{"QVXFeaturesSettings", "Default01"},
          {"QVXLayoutSettings", "Default00"},
          {"QVXPrintTypeSettings", "Default00-Standard"},
          {"QVXAccountingSettings", "Default00-Standard"},
          {"QVXMailBoxSettings", "100"},
          {"QVLocalizableFileIndex", "01"},
          {"QVPTUserIDScope", "32 126"},
          {"QVPTDocNameScope", "32 126 160 55295 57344 65533"},
          {"QVPTPasswdLimit", ""},
          {"QVXCDFSetting", ""}}},
        {"quorvel-rx42-mfp.ppd",
         "Quorvel RX42 MFP",
         "RX42",
         "A1",
         "ShiftJIS",
         false,
         true,
         {"AutoSelect", "1stTray", "2ndTray", "BypassTray"},
         "Minus90",
         "A4",
         {{"QVXFeaturesSettings", "Default03"},
          {"QVXLayoutSettings", ""},
          {"QVXPrintTypeSettings", "Default02-Standard"},
          {"QVXAccountingSettings", "Default01-Standard"},
          {"QVXMailBoxSettings", "50"},
          {"QVLocalizableFileIndex", ""},
          {"QVPTUserIDScope", ""},
          {"QVPTDocNameScope", ""},
          {"QVPTPasswdLimit", ""},
          {"QVXCDFSetting", ""}}},
        {"quorvel-wt74-printer.ppd",
         "Quorvel WT74 Printer",
         "WT74",
         "C+",
         "ISOLatin1",
         false,
         false,
         {"AutoSelect", "1stTray", "2ndTray", "3rdTray", "BypassTray"},
         "Plus90",
         "Letter",
         {{"QVXFeaturesSettings", "Default02"},
          {"QVXLayoutSettings", ""},
          {"QVXPrintTypeSettings", "Pellor00-Standard"},
          {"QVXAccountingSettings", ""},
          {"QVXMailBoxSettings", ""},
          {"QVLocalizableFileIndex", ""},
          {"QVPTUserIDScope", "48 57 65 90 97 122"},
          {"QVPTDocNameScope", ""},
          {"QVPTPasswdLimit", "min=4"},
          {"QVXCDFSetting", ""}}},
    };
    return printers;
}

// Names the parameterised cases after the PPD file.
inline void PrintTo(const PrinterExpectations& p, std::ostream* os) { *os << p.file; }

} // namespace ppdtest
