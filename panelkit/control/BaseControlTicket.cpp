// BaseControl: writing the value into the job's print settings (the ticket),
// plain, in the value escape form, or ciphered with the hold-key cipher.
#include <cstring>

#include "panelkit/KVTCipher.h"
#include "panelkit/UtilityFunction.h"
#include "panelkit/control/BaseControl.h"
#include "platform/TextEncoding.h"
#include "platform/ValueEscape.h"

namespace {

// The text a converter wrote into the ticket buffer: up to its NUL, and
// without a character that the buffer's end cut short.
std::string_view TicketText(const char (&buffer)[kTextBlockSize])
{
    const std::string_view text(buffer, strnlen(buffer, kTextBlockSize));
    return text.size() == kTextBlockSize ? platform::WithoutCutUtf8Tail(text) : text;
}

} // namespace

bool BaseControl::SetValueToTicket(platform::PrintSettings* settings, bool lock,
                                   const EncryptArray* encryptArray)
{
    if (encryptArray != nullptr && ControlPtr != nullptr) {
        for (const BaseControl* listed : *encryptArray) {
            if (listed != nullptr && listed->GetControlPtr() != nullptr &&
                listed->GetControlPtr()->tag() == ControlPtr->tag()) {
                return SetValueToTicketWithKVTEnc(settings, lock);
            }
        }
    }
    return SetValueToTicket(settings, lock);
}

bool BaseControl::SetValueToTicket(platform::PrintSettings* settings, bool lock)
{
    if (ctrlDataAccessInfoPtr == nullptr || ctrlDataAccessInfoPtr->ticketKey == nullptr) return false;
    char buffer[kTextBlockSize] = {};
    if (!ConvertToTickectData(buffer)) return false;
    // Text that could upset the job's option string travels escaped.
    std::string value = platform::EncodeValueEscape(TicketText(buffer));
#if QV_PANELKIT_FEATURES
    if (IsOutputNullToTicket()) value.clear();
#endif
    return SetValueToSettingsWithTicketKeyAndLock(value.c_str(), settings, ctrlDataAccessInfoPtr->ticketKey,
                                                  lock) == noErr;
}

bool BaseControl::SetValueToTicketWithKVTEnc(platform::PrintSettings* settings, bool lock)
{
    if (ctrlDataAccessInfoPtr == nullptr || ctrlDataAccessInfoPtr->ticketKey == nullptr) return false;
    char text[kTextBlockSize] = {};
    if (!ConvertToTickectData(text)) return false;
    // Every byte of the value is ciphered. (The display length counts a
    // two-byte character once and would leave the value's tail behind.)
    const std::size_t length = strnlen(text, kTextBlockSize);
    if (length > 0) {
        constexpr int32_t kCapacity = static_cast<int32_t>(kPreferenceBufferSize);
        unsigned char cipher[kTextBlockSize] = {};
        int32_t cipherLength = 0;
        if (KVTEncrypt(reinterpret_cast<const unsigned char*>(text), static_cast<int32_t>(length), cipher,
                       &cipherLength, kCapacity) != 0) {
            return false;
        }
        std::memset(text, 0, sizeof text);
        // Base64 of more than 189 bytes exceeds the capacity: nothing is written.
        int32_t textLength = 0;
        if (KVTBinToB64(cipher, cipherLength, text, &textLength, kCapacity) != 0) return false;
    }
#if QV_PANELKIT_FEATURES
    if (IsOutputNullToTicket()) std::memset(text, 0, sizeof text);
#endif
    return SetValueToSettingsWithTicketKeyAndLock(text, settings, ctrlDataAccessInfoPtr->ticketKey, lock) ==
           noErr;
}
