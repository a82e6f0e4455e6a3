// The formatters of the number fields: while the person types they refuse
// characters and lengths as every text field does; when the field commits
// its text they check the whole number and hand a new accepted text to the
// field, which sets its stepper. The four margin formatters apply the margin
// forms; the base asks its field.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "panelkit/TextEditFormatter.h"

class PFInchMMTextEditCtrl;
struct InchMMEditValueRange;

class PFInchMMTextEditFormatter : public TextEditFormatter {
public:
    // initWithFilter:textEditValueRange:withMaxlength:brotherContrl:
    PFInchMMTextEditFormatter* initWithFilter(const TextEditFilterData* filter,
                                              const InchMMEditValueRange* valueRange, uint32_t maxLength,
                                              PFInchMMTextEditCtrl* brother,
                                              platform::HostServices* services);

    // The committed text: when it passes IsNumberValid and differs from the
    // last accepted text, it is remembered and its first 5 bytes go to the
    // field's OnRawKeyUp. The field's UI data becomes the accepted text, or
    // empty when the text failed. The object is the text.
    bool getObjectValue(std::any* object, std::u16string_view string,
                        std::u16string* errorDescription) const override;

    // The number check without the character filter, which the typing has
    // already enforced. The base asks the field.
    virtual bool IsNumberValid(std::string_view text) const;

    const InchMMEditValueRange* editValueRangeDataPtr = nullptr;
    PFInchMMTextEditCtrl* BrotherContrl = nullptr;
    // Written while committing, which the widget asks of a const formatter.
    mutable std::string lastString;
};

// The margin fields' formatters: the form of their field.
class PFTabMMTextEditFormatter : public PFInchMMTextEditFormatter {
public:
    bool IsNumberValid(std::string_view text) const override;
};

class PFTabInchTextEditFormatter : public PFInchMMTextEditFormatter {
public:
    bool IsNumberValid(std::string_view text) const override;
};

class PFBookletMMTextEditFormatter : public PFInchMMTextEditFormatter {
public:
    bool IsNumberValid(std::string_view text) const override;
};

class PFBookletInchTextEditFormatter : public PFInchMMTextEditFormatter {
public:
    bool IsNumberValid(std::string_view text) const override;
};
