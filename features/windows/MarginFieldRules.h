// The number rules of the four margin fields (tab and booklet margins, each in
// millimetres and inches): the accepted text forms, the scaled integer a
// stepper holds, the text a stepper value shows, and the conversion that keeps
// the hidden unit's field in step with the visible one. The text edits,
// steppers and formatters of the margin windows all answer through these, so
// a field's form is written down once.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

struct TextEditFilterData;

enum class MarginField { TabMM, TabInch, BookletMM, BookletInch };

struct MarginFieldFormat {
    int32_t minimum; // range in the field's scaled unit
    int32_t maximum;
    int scale;          // scaled units per unit of the text
    int fractionDigits; // digits required after a point; 0: no point allowed
    int minLength;      // text length bounds, checked on OK
    int maxLength;
    const char* defaultText;
    int32_t defaultValue;
    const char* messageKey; // shown when the text is refused
    const TextEditFilterData* filter;
};

const MarginFieldFormat& FormatOfMarginField(MarginField field);

// IsNumberValid: the text's form and its scaled value against the range. The
// character filter is applied only when asked (the formatter leaves it to the
// field's input filter, which has already run).
bool IsMarginNumberValid(MarginField field, std::string_view text, bool applyFilter = true);

// The stepper value the text stands for (the sync from the text). Tab inches
// round to hundredths; the others truncate.
int32_t ScaledValueOfMarginText(MarginField field, std::string_view text);

// The text a stepper value shows ("12.7", "0.50", "0.05", "25", "1.0"), cut
// to the field's maximum length.
std::string MarginTextOfScaledValue(MarginField field, int32_t value);

// The text of the hidden field target computed from the visible field's text
// (single-precision arithmetic, as the printer's own tables were made with).
std::string ConvertedMarginText(MarginField target, std::string_view visibleText);

// The booklet millimetre stepper is written in half millimetres and read back
// halved, toward zero.
inline int32_t BookletMMTicketValue(int32_t millimetres) { return millimetres * 2; }
inline int32_t BookletMMFromTicketValue(int32_t ticketValue) { return ticketValue / 2; }
