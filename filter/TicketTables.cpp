#include "filter/TicketTables.h"

#include "filter/PrintOptions.h"

#include <cstddef>

// Rows are read in order; a row whose reader is absent for a printer kind is
// left out of that kind's table. Keys that carry the dialogs' print settings
// all share the prefix "com.lumeral.vrk.printsettings.".
namespace {

const TicketData PrintTypeticketDataRows[] = {
    {"com.lumeral.vrk.printsettings.PrintTypeTicketKey", offsetof(PrintTypeOption, printType), sizeof(PrintTypeOption::printType), GetTicketInteger},
    {"com.lumeral.vrk.printsettings.PrintTypeUserNameTicketKey", offsetof(PrintTypeOption, userName), sizeof(PrintTypeOption::userName), GetTicketStringConvertedToPrtLang},
    {"com.lumeral.vrk.printsettings.PrintTypePasswordTicketKey", offsetof(PrintTypeOption, password), sizeof(PrintTypeOption::password), GetTicketStringConvertedToPrtLang},
    {"com.lumeral.vrk.printsettings.DocumentNameTypeTicketKey", offsetof(PrintTypeOption, documentNameType), sizeof(PrintTypeOption::documentNameType), GetTicketInteger},
    {"com.lumeral.vrk.printsettings.DocumentNameTicketKey", offsetof(PrintTypeOption, documentName), sizeof(PrintTypeOption::documentName), GetTicketStringConvertedToPrtLang},
    {"com.lumeral.vrk.printsettings.DelayPrintTicketKey", offsetof(PrintTypeOption, delayPrintTime), sizeof(PrintTypeOption::delayPrintTime), GetTicketStringConvertedToPrtLang},
};

const TicketData PrintTypeticketDataForUTF8Rows[] = {
    {"com.lumeral.vrk.printsettings.PrintTypeTicketKey", offsetof(PrintTypeOption, printType), sizeof(PrintTypeOption::printType), GetTicketInteger},
    {"com.lumeral.vrk.printsettings.PrintTypeUserNameTicketKey", offsetof(PrintTypeOption, userName), sizeof(PrintTypeOption::userName), GetTicketStringConvertedToPrtLangForUTF8},
    {"com.lumeral.vrk.printsettings.PrintTypePasswordTicketKey", offsetof(PrintTypeOption, password), sizeof(PrintTypeOption::password), GetTicketStringConvertedToPrtLang},
    {"com.lumeral.vrk.printsettings.DocumentNameTypeTicketKey", offsetof(PrintTypeOption, documentNameType), sizeof(PrintTypeOption::documentNameType), GetTicketInteger},
    {"com.lumeral.vrk.printsettings.DocumentNameTicketKey", offsetof(PrintTypeOption, documentName), sizeof(PrintTypeOption::documentName), GetTicketStringConvertedToPrtLangForUTF8},
    {"com.lumeral.vrk.printsettings.DelayPrintTicketKey", offsetof(PrintTypeOption, delayPrintTime), sizeof(PrintTypeOption::delayPrintTime), GetTicketStringConvertedToPrtLang},
};

const TicketData JBAticketDataCommonRows[] = {
    {"com.lumeral.vrk.printsettings.JBAMacHostNameStringTicket", offsetof(JBAOption, hostName), sizeof(JBAOption::hostName), GetTicketStringConvertedToPrtLang},
    {"com.lumeral.vrk.printsettings.JBAIPAddressStringTicket", offsetof(JBAOption, ipAddress), sizeof(JBAOption::ipAddress), GetTicketStringConvertedToPrtLang},
    {"com.lumeral.vrk.printsettings.JBAManageTypeListTicketKey", offsetof(JBAOption, manageType), sizeof(JBAOption::manageType), GetTicketInteger},
    {"com.lumeral.vrk.printsettings.JBAUserIDListCtrlTicket", offsetof(JBAOption, userIDSource), sizeof(JBAOption::userIDSource), GetTicketInteger},
    {"com.lumeral.vrk.printsettings.JBAUserIDTextEditTicket", offsetof(JBAOption, userID), sizeof(JBAOption::userID), GetTicketStringConvertedToPrtLang},
    {"com.lumeral.vrk.printsettings.JBAUserPasswordTextEditTicket", offsetof(JBAOption, userPassword), sizeof(JBAOption::userPassword), GetTicketPasswordStringConvertedToEncryption},
    {"com.lumeral.vrk.printsettings.JBAUserInputRadioBtnTicket", offsetof(JBAOption, inputMode), sizeof(JBAOption::inputMode), GetTicketInteger},
    {"com.lumeral.vrk.printsettings.JBAInputAuthRadioBtnTicketKey", offsetof(JBAOption, inputAuth), sizeof(JBAOption::inputAuth), GetTicketInteger},
    {"com.lumeral.vrk.printsettings.JBAInputStrgRadioBtnTicketKey", offsetof(JBAOption, inputStorage), sizeof(JBAOption::inputStorage), GetTicketInteger},
    {"com.lumeral.vrk.printsettings.JBAInputStorageIDTextEditTicket", offsetof(JBAOption, inputStorageID), sizeof(JBAOption::inputStorageID), GetTicketStringConvertedToPrtLang},
    {"com.lumeral.vrk.printsettings.JBAInputStoragePasswordTextEditTicket", offsetof(JBAOption, inputStoragePassword), sizeof(JBAOption::inputStoragePassword), GetTicketPasswordStringConvertedToEncryption},
    {"com.lumeral.vrk.printsettings.JBAInputUserIDTextEditTicket", offsetof(JBAOption, inputUserID), sizeof(JBAOption::inputUserID), GetTicketStringConvertedToPrtLang},
    {"com.lumeral.vrk.printsettings.JBAInputDomainNameTextEditTicket", offsetof(JBAOption, inputDomainName), sizeof(JBAOption::inputDomainName), GetTicketStringConvertedToPrtLang},
    {"com.lumeral.vrk.printsettings.JBAInputUserPasswordTextEditTicket", offsetof(JBAOption, inputUserPassword), sizeof(JBAOption::inputUserPassword), GetTicketPasswordStringConvertedToEncryption},
    {"com.lumeral.vrk.printsettings.JBAInputAccountIDTextEditTicket", offsetof(JBAOption, inputAccountID), sizeof(JBAOption::inputAccountID), GetTicketStringConvertedToPrtLang},
    {"com.lumeral.vrk.printsettings.JBAUserIDTextEditTicket", offsetof(JBAOption, userIDKeyAbsent), sizeof(JBAOption::userIDKeyAbsent), CheckTicketKey},
    {"com.lumeral.vrk.printsettings.JBALoginTextEditTicket", offsetof(JBAOption, loginName), sizeof(JBAOption::loginName), GetTicketStringConvertedToPrtLang},
    {"com.lumeral.vrk.printsettings.JBAPllrPrintDateTicketKey", offsetof(JBAOption, printDate), sizeof(JBAOption::printDate), GetTicketStringConvertedToPrtLang},
    {"com.lumeral.vrk.printsettings.JBAPllrPrintTimeTicketKey", offsetof(JBAOption, printTime), sizeof(JBAOption::printTime), GetTicketStringConvertedToPrtLang},
    {"com.lumeral.vrk.printsettings.JBAHostNameStringTicket", offsetof(JBAOption, hostNameText), sizeof(JBAOption::hostNameText), GetTicketStringConvertedToPrtLang},
};

const TicketData JBAticketDataCommonForUTF8Rows[] = {
    {"com.lumeral.vrk.printsettings.JBAMacHostNameStringTicket", offsetof(JBAOption, hostName), sizeof(JBAOption::hostName), GetTicketStringConvertedToPrtLang},
    {"com.lumeral.vrk.printsettings.JBAIPAddressStringTicket", offsetof(JBAOption, ipAddress), sizeof(JBAOption::ipAddress), GetTicketStringConvertedToPrtLang},
    {"com.lumeral.vrk.printsettings.JBAManageTypeListTicketKey", offsetof(JBAOption, manageType), sizeof(JBAOption::manageType), GetTicketInteger},
    {"com.lumeral.vrk.printsettings.JBAUserIDListCtrlTicket", offsetof(JBAOption, userIDSource), sizeof(JBAOption::userIDSource), GetTicketInteger},
    {"com.lumeral.vrk.printsettings.JBAUserIDTextEditTicket", offsetof(JBAOption, userID), sizeof(JBAOption::userID), GetTicketStringConvertedToPrtLangForUTF8},
    {"com.lumeral.vrk.printsettings.JBADomainNameTextEditTicket", offsetof(JBAOption, domainName), sizeof(JBAOption::domainName), GetTicketStringConvertedToPrtLang},
    {"com.lumeral.vrk.printsettings.JBAUserPasswordTextEditTicket", offsetof(JBAOption, userPassword), sizeof(JBAOption::userPassword), GetTicketPasswordStringConvertedToEncryption},
    {"com.lumeral.vrk.printsettings.JBAAccountIDTextEditTicket", offsetof(JBAOption, accountID), sizeof(JBAOption::accountID), GetTicketStringConvertedToPrtLang},
    {"com.lumeral.vrk.printsettings.JBAStorageIDTextEditTicket", offsetof(JBAOption, storageID), sizeof(JBAOption::storageID), GetTicketStringConvertedToPrtLangForUTF8},
    {"com.lumeral.vrk.printsettings.JBAStoragePasswordTextEditTicket", offsetof(JBAOption, storagePassword), sizeof(JBAOption::storagePassword), GetTicketPasswordStringConvertedToEncryption},
    {"com.lumeral.vrk.printsettings.JBAUserInputRadioBtnTicket", offsetof(JBAOption, inputMode), sizeof(JBAOption::inputMode), GetTicketInteger},
    {"com.lumeral.vrk.printsettings.JBAInputAuthRadioBtnTicketKey", offsetof(JBAOption, inputAuth), sizeof(JBAOption::inputAuth), GetTicketInteger},
    {"com.lumeral.vrk.printsettings.JBAInputStrgRadioBtnTicketKey", offsetof(JBAOption, inputStorage), sizeof(JBAOption::inputStorage), GetTicketInteger},
    {"com.lumeral.vrk.printsettings.JBAInputStorageIDTextEditTicket", offsetof(JBAOption, inputStorageID), sizeof(JBAOption::inputStorageID), GetTicketStringConvertedToPrtLangForUTF8},
    {"com.lumeral.vrk.printsettings.JBAInputStoragePasswordTextEditTicket", offsetof(JBAOption, inputStoragePassword), sizeof(JBAOption::inputStoragePassword), GetTicketPasswordStringConvertedToEncryption},
    {"com.lumeral.vrk.printsettings.JBAInputUserIDTextEditTicket", offsetof(JBAOption, inputUserID), sizeof(JBAOption::inputUserID), GetTicketStringConvertedToPrtLangForUTF8},
    {"com.lumeral.vrk.printsettings.JBAInputDomainNameTextEditTicket", offsetof(JBAOption, inputDomainName), sizeof(JBAOption::inputDomainName), GetTicketStringConvertedToPrtLang},
    {"com.lumeral.vrk.printsettings.JBAInputUserPasswordTextEditTicket", offsetof(JBAOption, inputUserPassword), sizeof(JBAOption::inputUserPassword), GetTicketPasswordStringConvertedToEncryption},
    {"com.lumeral.vrk.printsettings.JBAInputAccountIDTextEditTicket", offsetof(JBAOption, inputAccountID), sizeof(JBAOption::inputAccountID), GetTicketStringConvertedToPrtLang},
    {"com.lumeral.vrk.printsettings.JBAUserIDTextEditTicket", offsetof(JBAOption, userIDKeyAbsent), sizeof(JBAOption::userIDKeyAbsent), CheckTicketKey},
    {"com.lumeral.vrk.printsettings.JBALoginTextEditTicket", offsetof(JBAOption, loginName), sizeof(JBAOption::loginName), GetTicketStringConvertedToPrtLang},
    {"com.lumeral.vrk.printsettings.JBAPllrPrintDateTicketKey", offsetof(JBAOption, printDate), sizeof(JBAOption::printDate), GetTicketStringConvertedToPrtLang},
    {"com.lumeral.vrk.printsettings.JBAPllrPrintTimeTicketKey", offsetof(JBAOption, printTime), sizeof(JBAOption::printTime), GetTicketStringConvertedToPrtLang},
    {"com.lumeral.vrk.printsettings.JBAHostNameStringTicket", offsetof(JBAOption, hostNameText), sizeof(JBAOption::hostNameText), GetTicketStringConvertedToPrtLang},
};

const TicketData JBAticketDataAdminRows[] = {
    {"com.lumeral.vrk.printsettings.JBAUserIDListCtrlTicket", offsetof(JBAOption, adminUserIDSource), sizeof(JBAOption::adminUserIDSource), GetTicketInteger},
    {"com.lumeral.vrk.printsettings.JBAAdminUserIDTextEditTicket", offsetof(JBAOption, adminUserID), sizeof(JBAOption::adminUserID), GetTicketStringConvertedToPrtLang},
    {"com.lumeral.vrk.printsettings.JBAAdminDomainNameTextEditTicket", offsetof(JBAOption, adminDomainName), sizeof(JBAOption::adminDomainName), GetTicketStringConvertedToPrtLang},
    {"com.lumeral.vrk.printsettings.JBAAdminUserPasswordTextEditTicket", offsetof(JBAOption, adminUserPassword), sizeof(JBAOption::adminUserPassword), GetTicketPasswordStringConvertedToEncryption},
    {"com.lumeral.vrk.printsettings.JBAAdminAccountIDTextEditTicket", offsetof(JBAOption, adminAccountID), sizeof(JBAOption::adminAccountID), GetTicketStringConvertedToPrtLang},
    {"com.lumeral.vrk.printsettings.JBAAdminStorageIDTextEditTicket", offsetof(JBAOption, adminStorageID), sizeof(JBAOption::adminStorageID), GetTicketStringConvertedToPrtLang},
    {"com.lumeral.vrk.printsettings.JBAAdminStoragePasswordTextEditTicket", offsetof(JBAOption, adminStoragePassword), sizeof(JBAOption::adminStoragePassword), GetTicketPasswordStringConvertedToEncryption},
    {"com.lumeral.vrk.printsettings.JBAAdminUserInputRadioBtnTicket", offsetof(JBAOption, adminInputMode), sizeof(JBAOption::adminInputMode), GetTicketInteger},
};

const TicketData JBAticketDataAdminForUTF8Rows[] = {
    {"com.lumeral.vrk.printsettings.JBAUserIDListCtrlTicket", offsetof(JBAOption, adminUserIDSource), sizeof(JBAOption::adminUserIDSource), GetTicketInteger},
    {"com.lumeral.vrk.printsettings.JBAAdminUserIDTextEditTicket", offsetof(JBAOption, adminUserID), sizeof(JBAOption::adminUserID), GetTicketStringConvertedToPrtLangForUTF8},
    {"com.lumeral.vrk.printsettings.JBAAdminDomainNameTextEditTicket", offsetof(JBAOption, adminDomainName), sizeof(JBAOption::adminDomainName), GetTicketStringConvertedToPrtLang},
    {"com.lumeral.vrk.printsettings.JBAAdminUserPasswordTextEditTicket", offsetof(JBAOption, adminUserPassword), sizeof(JBAOption::adminUserPassword), GetTicketPasswordStringConvertedToEncryption},
    {"com.lumeral.vrk.printsettings.JBAAdminAccountIDTextEditTicket", offsetof(JBAOption, adminAccountID), sizeof(JBAOption::adminAccountID), GetTicketStringConvertedToPrtLang},
    {"com.lumeral.vrk.printsettings.JBAAdminStorageIDTextEditTicket", offsetof(JBAOption, adminStorageID), sizeof(JBAOption::adminStorageID), GetTicketStringConvertedToPrtLangForUTF8},
    {"com.lumeral.vrk.printsettings.JBAAdminStoragePasswordTextEditTicket", offsetof(JBAOption, adminStoragePassword), sizeof(JBAOption::adminStoragePassword), GetTicketPasswordStringConvertedToEncryption},
    {"com.lumeral.vrk.printsettings.JBAAdminUserInputRadioBtnTicket", offsetof(JBAOption, adminInputMode), sizeof(JBAOption::adminInputMode), GetTicketInteger},
};

const TicketData FeaturesticketDataRows[] = {
    {"number-up", offsetof(FeaturesOption, numberUp), sizeof(FeaturesOption::numberUp), GetNumberUpTicketString},
    {"Collate", offsetof(FeaturesOption, collate), sizeof(FeaturesOption::collate), GetTicketStringConvertedToPrtLang},
    {"QVEmitPageSizeCommand", offsetof(FeaturesOption, emitPageSize), sizeof(FeaturesOption::emitPageSize), GetTicketStringConvertedToPrtLang},
    {"media", offsetof(FeaturesOption, media), sizeof(FeaturesOption::media), GetTicketStringConvertedToPrtLang},
    {"QVInputSlot", offsetof(FeaturesOption, inputSlot), sizeof(FeaturesOption::inputSlot), GetTicketStringConvertedToPrtLang},
    {"MediaType", offsetof(FeaturesOption, mediaType), sizeof(FeaturesOption::mediaType), GetTicketStringConvertedToPrtLang},
    {"QVColorMode", offsetof(FeaturesOption, colorMode), sizeof(FeaturesOption::colorMode), GetTicketStringConvertedToPrtLang},
    {"QVOutputMode", offsetof(FeaturesOption, outputMode), sizeof(FeaturesOption::outputMode), GetTicketStringConvertedToPrtLang},
    {"QVStaple", offsetof(FeaturesOption, staple), sizeof(FeaturesOption::staple), GetTicketStringConvertedToPrtLang},
    {"QVPunch", offsetof(FeaturesOption, punch), sizeof(FeaturesOption::punch), GetTicketStringConvertedToPrtLang},
    {"QVNumPunchHoles", offsetof(FeaturesOption, numPunchHoles), sizeof(FeaturesOption::numPunchHoles), GetTicketStringConvertedToPrtLang},
    {"QVPDFRasterizedMode", offsetof(FeaturesOption, rasterizedMode), sizeof(FeaturesOption::rasterizedMode), GetTicketStringConvertedToPrtLang},
    {"Jog", offsetof(FeaturesOption, jog), sizeof(FeaturesOption::jog), GetTicketStringConvertedToPrtLang},
    {"QVIntCoverSheet", offsetof(FeaturesOption, coverSheet), sizeof(FeaturesOption::coverSheet), GetTicketStringConvertedToPrtLang},
    {"QVIntBackCoverSheet", offsetof(FeaturesOption, backCoverSheet), sizeof(FeaturesOption::backCoverSheet), GetTicketStringConvertedToPrtLang},
    {"QVSignature", offsetof(FeaturesOption, signature), sizeof(FeaturesOption::signature), GetTicketStringConvertedToPrtLang},
    {"QVSigVol", offsetof(FeaturesOption, signatureVolume), sizeof(FeaturesOption::signatureVolume), GetTicketStringConvertedToPrtLang},
    {"com.apple.print.PrintSettings.PMDuplexing..n.", offsetof(FeaturesOption, duplex), sizeof(FeaturesOption::duplex), GetTicketInteger},
    {"com.lumeral.vrk.printsettings.BookletMarginSwitchTicket", offsetof(FeaturesOption, bookletMarginSwitch), sizeof(FeaturesOption::bookletMarginSwitch), GetTicketStringConvertedToPrtLang},
    {"com.lumeral.vrk.printsettings.BookletMarginMMShiftTicket", offsetof(FeaturesOption, bookletMarginShift), sizeof(FeaturesOption::bookletMarginShift), GetTicketStringConvertedToPrtLang},
    {"com.apple.print.subTicket.page_format_ticket..d.com.apple.print.PageFormat.PMScaling..n.", offsetof(FeaturesOption, scaling), sizeof(FeaturesOption::scaling), GetTicketStringConvertedToPrtLang},
    {"page-border", offsetof(FeaturesOption, pageBorder), sizeof(FeaturesOption::pageBorder), GetTicketStringConvertedToPrtLang},
    {"OutputOrder", offsetof(FeaturesOption, outputOrder), sizeof(FeaturesOption::outputOrder), GetTicketStringConvertedToPrtLang},
    {"com.apple.print.PageToPaperMappingType..n.", offsetof(FeaturesOption, pageToPaperMapping), sizeof(FeaturesOption::pageToPaperMapping), GetTicketStringConvertedToPrtLang},
    {"page-set", offsetof(FeaturesOption, pageSet), sizeof(FeaturesOption::pageSet), GetTicketStringConvertedToPrtLang},
    {"mirror", offsetof(FeaturesOption, mirror), sizeof(FeaturesOption::mirror), GetTicketStringConvertedToPrtLang},
    {"QVMSILeadingEdge", offsetof(FeaturesOption, msiLeadingEdge), sizeof(FeaturesOption::msiLeadingEdge), GetTicketStringConvertedToPrtLang},
    {"QVTrapping", offsetof(FeaturesOption, trapping), sizeof(FeaturesOption::trapping), GetTicketStringConvertedToPrtLang},
    {"com.apple.print.subTicket.page_format_ticket..d.com.apple.print.PageFormat.PMOrientation..n.", offsetof(FeaturesOption, pageFormatOrientation), sizeof(FeaturesOption::pageFormatOrientation), GetTicketStringConvertedToPrtLang},
    {"com.apple.print.PrintSettings.PMOrientation..n.", offsetof(FeaturesOption, printSettingsOrientation), sizeof(FeaturesOption::printSettingsOrientation), GetTicketStringConvertedToPrtLang},
    {"orientation-requested", offsetof(FeaturesOption, requestedOrientation), sizeof(FeaturesOption::requestedOrientation), GetTicketStringConvertedToPrtLang},
};

} // namespace

const std::span<const TicketData> PrintTypeticketData(PrintTypeticketDataRows);
const std::span<const TicketData> PrintTypeticketDataForUTF8(PrintTypeticketDataForUTF8Rows);
const std::span<const TicketData> JBAticketDataCommon(JBAticketDataCommonRows);
const std::span<const TicketData> JBAticketDataCommonForUTF8(JBAticketDataCommonForUTF8Rows);
const std::span<const TicketData> JBAticketDataAdmin(JBAticketDataAdminRows);
const std::span<const TicketData> JBAticketDataAdminForUTF8(JBAticketDataAdminForUTF8Rows);
const std::span<const TicketData> FeaturesticketData(FeaturesticketDataRows);
